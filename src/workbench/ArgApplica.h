#pragma once
// TArgForApplicaForm: the application argument dialog: its line is the argument list of java runs.
#include <QComboBox>
#include <QPushButton>

#include "platform/Forms.h"
#include "platform/OnDemand.h"

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

extern platform::OnDemand<TArgForApplicaForm> ArgForApplicaForm;

}  // namespace workbench
