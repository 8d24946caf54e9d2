#include "modeller/ui/PackForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "modeller/model/Globals.h"
#include "modeller/ui/DirBrwsr.h"
#include "modeller/ui/ImptForm.h"
#include "modeller/ui/Inspect.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"

namespace modeller {

TPackageForm::TPackageForm() {
  setObjectName("PackageForm");
  setWindowFlag(Qt::Dialog);
  SetCaption("Package");
  auto* layout = new QGridLayout(this);
  NameEdit = new QLineEdit(this);
  NameEdit->setObjectName("NameEdit");
  PathEdit = new QLineEdit(this);
  PathEdit->setObjectName("PathEdit");
  PathBrowseButton = NamedButton(this, "PathBrowseButton", "Browse...");
  platform::Connect(PathBrowseButton, &QPushButton::clicked, this, [this] { PathBrowseButtonClick(); });
  ImportListBox = new platform::TListBox(this);
  ImportListBox->setObjectName("ImportListBox");
  AddButton = NamedButton(this, "AddButton", "Add...");
  platform::Connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
  DeleteButton = NamedButton(this, "DeleteButton", "Delete");
  platform::Connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
  layout->addWidget(new QLabel("Name :", this), 0, 0);
  layout->addWidget(NameEdit, 0, 1);
  layout->addWidget(new QLabel("Path :", this), 1, 0);
  layout->addWidget(PathEdit, 1, 1);
  layout->addWidget(PathBrowseButton, 1, 2);
  layout->addWidget(new QLabel("Import :", this), 2, 0, Qt::AlignTop);
  layout->addWidget(ImportListBox, 2, 1, 3, 1);
  layout->addWidget(AddButton, 2, 2);
  layout->addWidget(DeleteButton, 3, 2);

  layout->addLayout(OkCancelRow(*this, OKButton, CancelButton), 5, 0, 1, 3);
  resize(420, 280);
}

int TPackageForm::Execute() {
  return ExecuteDialog(*this, [this] { LoadPackageInfo(); }, [this] { StorePackageInfo(); });
}

void TPackageForm::FormShow() { LoadPackageInfo(); }

void TPackageForm::LoadPackageInfo() {
  SetEditText(*NameEdit, PackageName);
  SetEditText(*PathEdit, PackagePath);
  ImportListBox->clear();
  for (const std::string& line : PackageImports.Lines()) ImportListBox->AddItem(line);
}

platform::TStringList TPackageForm::Imports() const {
  platform::TStringList lines;
  for (int i = 0; i < ImportListBox->count(); ++i) lines.Add(ImportListBox->Items(i));
  return lines;
}

void TPackageForm::StorePackageInfo() {
  const std::string name = EditText(*NameEdit);
  const std::string path = EditText(*PathEdit);
  const platform::TStringList imports = Imports();
  if (name == PackageName && path == PackagePath && imports.Lines() == PackageImports.Lines()) return;
  PackageName = name;
  PackagePath = path;
  PackageImports.Assign(imports);
  if (TheGraph != nullptr) TheGraph->Modified = true;
}

void TPackageForm::PathBrowseButtonClick() {
  DirectoryBrowser()->SetDirectory(EditText(*PathEdit));
  if (DirectoryBrowser()->ShowModal() == platform::mrOk) SetEditText(*PathEdit, DirectoryBrowser()->SelectedFolder());
}

// An empty import would be written as "import ;", which no compiler takes: it is refused.
void TPackageForm::AddButtonClick() {
  if (ImportForm()->ShowModal() != platform::mrOk) return;
  const std::string import = platform::Trim(EditText(*ImportForm()->ImportEdit));
  if (import.empty()) {
    platform::ShowMessage("Enter the package or class to import.");
    return;
  }
  ImportListBox->AddItem(import);
}

void TPackageForm::DeleteButtonClick() {
  const int index = ImportListBox->currentRow();
  if (index >= 0 && index < ImportListBox->count()) delete ImportListBox->takeItem(index);
}

}  // namespace modeller
