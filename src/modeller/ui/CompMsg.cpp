#include "modeller/ui/CompMsg.h"
#include "platform/HandlerGuard.h"

#include <QVBoxLayout>

namespace modeller {

TCompileMsgForm::TCompileMsgForm() {
  setObjectName("CompileMsgForm");
  SetCaption("Compile");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  FormStyle = platform::fsStayOnTop;
  Position = platform::poScreenCenter;
  auto* layout = new QVBoxLayout(this);
  StatusLabel = new platform::TLabel(this);
  StatusLabel->setObjectName("StatusLabel");
  StatusLabel->setText("Compiling...");
  FilenameLabel = new platform::TLabel(this);
  FilenameLabel->setObjectName("FilenameLabel");
  OKButton = new platform::TButton(this);
  OKButton->setObjectName("OKButton");
  OKButton->setText("OK");
  // Return and Escape close the window once the result is shown, as a click on OK does.
  OKButton->setDefault(true);
  platform::SetCancel(OKButton);
  platform::Connect(OKButton, &QPushButton::clicked, this, [this] { close(); });
  layout->addWidget(StatusLabel);
  layout->addWidget(FilenameLabel);
  layout->addWidget(OKButton);
  resize(300, 120);
}

void TCompileMsgForm::ShowCompiling(const std::string& path) {
  OKButton->setEnabled(false);
  StatusLabel->setText("compiling...");
  FilenameLabel->setText(QString::fromStdString(path));
  Show();
}

void TCompileMsgForm::ShowCompileResult(const std::string& text) {
  StatusLabel->setText(QString::fromStdString(text));
  OKButton->setEnabled(true);
  repaint();
}

}  // namespace modeller
