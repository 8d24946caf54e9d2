#include "workbench/ArgApplica.h"

#include <QLabel>

#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace workbench {

platform::OnDemand<TArgForApplicaForm> ArgForApplicaForm;

TArgForApplicaForm::TArgForApplicaForm() {
  SetCaption("Arguments for application ");
  setWindowFlags(Qt::Tool);
  Position = platform::poScreenCenter;
  resize(320, 100);
  auto* label = new QLabel("Enter &arguments list :", this);
  label->setGeometry(8, 6, 300, 20);
  ArgComboBox = new QComboBox(this);
  ArgComboBox->setEditable(true);
  ArgComboBox->setInsertPolicy(QComboBox::NoInsert);
  ArgComboBox->setGeometry(8, 28, 300, 22);
  label->setBuddy(ArgComboBox);
  OKButton = new QPushButton("OK", this);
  OKButton->setGeometry(138, 64, 80, 26);
  OKButton->setDefault(true);
  platform::Connect(OKButton, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrOk);
    close();
  });
  HelpButton = new QPushButton("Help", this);
  HelpButton->setGeometry(228, 64, 80, 26);
}

// Every close, OK or not, puts the line at the top of the history; duplicates are kept.
void TArgForApplicaForm::FormClose(platform::TCloseAction&) {
  QString line = ArgComboBox->currentText();
  ArgComboBox->insertItem(0, line);
  ArgComboBox->setEditText(line);
}

}  // namespace workbench
