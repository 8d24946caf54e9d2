#pragma once
// TSplashForm: the program's picture, shown while the modeller starts.
#include <QWidget>

#include "platform/Forms.h"

class QPainter;

namespace modeller {

inline constexpr const char* kProgramTitle = "Zelvory 1.0";

// The program's picture: its name over two linked class boxes.
void PaintProgramPicture(QPainter& painter, const QRect& area);

class TSplashForm : public platform::TForm {
  Q_OBJECT
 public:
  TSplashForm();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

extern TSplashForm* SplashForm;

}  // namespace modeller
