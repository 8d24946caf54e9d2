#pragma once
// TOptionsForm: the "Options" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TOptionsForm : public platform::TForm {
  Q_OBJECT
 public:
  TOptionsForm();
};

extern TOptionsForm* OptionsForm;

}  // namespace modeller
