#pragma once
// TImportForm: the "Import" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TImportForm : public platform::TForm {
  Q_OBJECT
 public:
  TImportForm();
};

extern TImportForm* ImportForm;

}  // namespace modeller
