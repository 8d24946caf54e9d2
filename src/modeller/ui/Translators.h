#pragma once
// TTranslatorsForm: the "Translators" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TTranslatorsForm : public platform::TForm {
  Q_OBJECT
 public:
  TTranslatorsForm();
};

extern TTranslatorsForm* TranslatorsForm;

}  // namespace modeller
