#pragma once
// TSplashForm: the borderless picture shown while the workbench starts.
#include "platform/Forms.h"

namespace workbench {

class TSplashForm : public platform::TForm {
  Q_OBJECT
 public:
  TSplashForm();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Until the main window is on the screen the splash takes the focus back and stays in front.
  void FormDeactivate() override;
};

}  // namespace workbench
