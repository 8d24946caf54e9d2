#pragma once
// TArgForApplicaForm: the application argument dialog: its line is the argument list of java runs.
#include <QComboBox>
#include <QPushButton>

#include "platform/Forms.h"

namespace workbench {

class TArgForApplicaForm : public platform::TForm {
  Q_OBJECT
 public:
  TArgForApplicaForm();
  QComboBox* ArgComboBox;  // the argument line and its history
  QPushButton* OKButton;
  QPushButton* HelpButton;

 protected:
  void FormClose(platform::TCloseAction& action) override;
};

extern TArgForApplicaForm* ArgForApplicaForm;

}  // namespace workbench
