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
};

}  // namespace workbench
