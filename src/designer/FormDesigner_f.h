#pragma once
// TFrame: the design surface of one designed class, bound to its source page.
#include "platform/Forms.h"

namespace designer {

class TFrame : public platform::TForm {
  Q_OBJECT
 public:
  explicit TFrame(QWidget* owner) : platform::TForm(owner) {}
  int FrameId = 0;  // the frame kind: 200 application, 201 applet, 202 secondary frame
};

}  // namespace designer
