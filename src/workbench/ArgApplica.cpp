#include "workbench/ArgApplica.h"

namespace workbench {

TArgForApplicaForm* ArgForApplicaForm = nullptr;

TArgForApplicaForm::TArgForApplicaForm() {
  SetCaption("Arguments for application ");
  ArgComboBox = new QComboBox(this);
  ArgComboBox->setEditable(true);
  ArgComboBox->setGeometry(8, 28, 300, 22);
}

}  // namespace workbench
