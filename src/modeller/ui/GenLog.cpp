#include "modeller/ui/GenLog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "modeller/model/Globals.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"

namespace modeller {

TGenerateLogForm::TGenerateLogForm() {
  setObjectName("GenerateLogForm");
  setWindowFlag(Qt::Dialog);
  SetCaption("Generate Log");
  Position = platform::poScreenCenter;
  auto* layout = new QVBoxLayout(this);
  LogListBox = new platform::TListBox(this);
  LogListBox->setObjectName("LogListBox");
  LogListBox->setStyleSheet("color: red;");
  layout->addWidget(LogListBox);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  platform::Connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  resize(420, 260);
}

// The scripted modal service shows no window, so the log is filled here as well as on show.
int TGenerateLogForm::Execute() {
  FormShow();
  return ShowModal();
}

void TGenerateLogForm::FormShow() {
  LogListBox->clear();
  for (const std::string& warning : GenerateWarnings.Lines()) LogListBox->AddItem(warning);
  int count = GenerateWarnings.Count();
  LogListBox->AddItem(count > 0 ? "Generated with " + platform::IntToStr(count) + " Warnnings." : "Generated Completely.");
  LogListBox->insertItem(0, "Messages : Java Code Generator");
}

}  // namespace modeller
