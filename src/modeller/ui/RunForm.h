#pragma once
// TRunDialog: the "Run" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TRunDialog : public platform::TForm {
  Q_OBJECT
 public:
  TRunDialog();
};

extern TRunDialog* RunDialog;

}  // namespace modeller
