#pragma once
// TPackageForm: the "Package" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TPackageForm : public platform::TForm {
  Q_OBJECT
 public:
  TPackageForm();
};

extern TPackageForm* PackageForm;

}  // namespace modeller
