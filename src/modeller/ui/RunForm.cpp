#include "modeller/ui/RunForm.h"

#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "modeller/model/Globals.h"
#include "modeller/ui/Editor.h"
#include "platform/ConsoleTerminal.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/Launcher.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

platform::TButton* Button(QWidget* parent, const char* name, const char* text) {
  auto* button = new platform::TButton(parent);
  button->setObjectName(name);
  button->setText(text);
  return button;
}

std::string LowerExtension(const std::string& path) {
  return QString::fromStdString(platform::ExtractFileExt(path)).toLower().toStdString();
}

}  // namespace

TRunDialog::TRunDialog() {
  setObjectName("RunDialog");
  setWindowFlag(Qt::Dialog);
  SetCaption("Run");
  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  auto* folders = new QVBoxLayout;
  auto* folderLabel = new platform::TLabel(this);
  folderLabel->setText("Directory :");
  folders->addWidget(folderLabel);
  DirectoryListBox = new TDirectoryListBox(this);
  DirectoryListBox->setObjectName("DirectoryListBox");
  platform::Connect(DirectoryListBox, &QListWidget::itemDoubleClicked, this, [this] { FillFileList(); });
  folders->addWidget(DirectoryListBox);
  auto* files = new QVBoxLayout;
  auto* fileLabel = new platform::TLabel(this);
  fileLabel->setText("File List (*.class; *.html) :");
  files->addWidget(fileLabel);
  FileListBox = new platform::TListBox(this);
  FileListBox->setObjectName("FileListBox");
  platform::Connect(FileListBox, &QListWidget::itemClicked, this, [this] { UpdateRunButton(); });
  files->addWidget(FileListBox);
  lists->addLayout(folders);
  lists->addLayout(files);
  layout->addLayout(lists);
  auto* buttons = new QHBoxLayout;
  RunButton = Button(this, "RunButton", "Run(Open) ...");
  platform::Connect(RunButton, &QPushButton::clicked, this, [this] { RunButtonClick(); });
  CancelButton = Button(this, "CancelButton", "Cancel");
  platform::SetCancel(CancelButton);
  platform::Connect(CancelButton, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrCancel); });
  buttons->addStretch();
  buttons->addWidget(RunButton);
  buttons->addWidget(CancelButton);
  layout->addLayout(buttons);
  resize(460, 300);
  FillFileList();
}

void TRunDialog::FormShow() {
  FillFileList();
  UpdateRunButton();
}

void TRunDialog::FillFileList() {
  FileListBox->clear();
  QDir folder(QString::fromStdString(DirectoryListBox->Directory()));
  for (const QString& name : folder.entryList({"*.class", "*.html"}, QDir::Files, QDir::Name))
    FileListBox->AddItem(name.toStdString());
  UpdateRunButton();
}

void TRunDialog::UpdateRunButton() { RunButton->setEnabled(FileListBox->currentRow() >= 0); }

std::string TRunDialog::SelectedFile() const {
  int index = FileListBox->currentRow();
  if (index < 0) return {};
  return DirectoryListBox->Directory() + "/" + FileListBox->Items(index);
}

void TRunDialog::RunButtonClick() {
  std::string path = SelectedFile();
  if (path.empty()) return;
  std::string extension = LowerExtension(path);
  if (extension == ".class") RunClass(path);
  else if (extension == ".html") OpenDocument(path);
}

// The interpreter runs in a terminal, in the class's folder with the class name as its only
// argument, and the terminal stays open until Enter so that the program's output can be read. No
// shell reads the name, so blanks or quotes in it stay part of it.
void TRunDialog::RunClass(const std::string& path) {
  std::optional<platform::TTerminal> terminal = platform::FindTerminal();
  if (!terminal) {
    platform::MessageDlg("Java : " + platform::NoTerminalMessage(), platform::mtError, platform::mbOK);
    return;
  }
  std::string name = platform::ExtractFileName(path);
  std::string className = name.substr(0, name.size() - 6);
  std::string folder = platform::ExtractFileDir(path);
  std::vector<std::string> command = platform::CommandKeptOpen(folder, {JavaInterpreterCommand(), className});
  if (!platform::Launcher::Instance().StartDetached(terminal->Program, terminal->Arguments(command), folder))
    platform::MessageDlg(terminal->Program + ": can not run this program.", platform::mtError, platform::mbOK);
}

void TRunDialog::OpenDocument(const std::string& path) { platform::Launcher::Instance().OpenDocument(path); }

}  // namespace modeller
