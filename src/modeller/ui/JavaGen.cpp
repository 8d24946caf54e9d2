#include "modeller/ui/JavaGen.h"

#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "modeller/codegen/JavaGen.h"
#include "modeller/codegen/ModelWalk.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/GenLog.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"

namespace modeller {

// ---- TDirectoryListBox -----------------------------------------------------------------------

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  platform::Connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { OpenItem(item); });
  SetDirectory(QDir::currentPath().toStdString());
}

bool TDirectoryListBox::SetDirectory(const std::string& folder) {
  QDir dir(QString::fromStdString(folder));
  if (folder.empty() || !dir.exists()) return false;
  dir.makeAbsolute();
  QString path = QDir::cleanPath(dir.absolutePath());
  directory_ = path.toStdString();
  clear();
  QStringList parts = path.split('/', Qt::SkipEmptyParts);
  QString walked = "/";
  addItem("/");
  item(0)->setData(Qt::UserRole, walked);
  for (int i = 0; i < parts.size(); ++i) {
    walked = QDir::cleanPath(walked + "/" + parts[i]);
    auto* entry = new QListWidgetItem(QString(2 * (i + 1), ' ') + parts[i], this);
    entry->setData(Qt::UserRole, walked);
  }
  setCurrentRow(count() - 1);
  QString indent(2 * (static_cast<int>(parts.size()) + 1), ' ');
  for (const QString& sub : QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* entry = new QListWidgetItem(indent + sub, this);
    entry->setData(Qt::UserRole, QDir::cleanPath(path + "/" + sub));
  }
  return true;
}

void TDirectoryListBox::OpenItem(QListWidgetItem* item) {
  if (item != nullptr) SetDirectory(item->data(Qt::UserRole).toString().toStdString());
}

// ---- TJavaCodeGenerator ----------------------------------------------------------------------

namespace {

platform::TLabel* Label(QWidget* parent, const char* text) {
  auto* label = new platform::TLabel(parent);
  label->setText(text);
  return label;
}

}  // namespace

TJavaCodeGenerator::TJavaCodeGenerator() {
  setObjectName("JavaCodeGenerator");
  setWindowFlag(Qt::Dialog);
  SetCaption("Java Code Generator");
  auto* layout = new QHBoxLayout(this);

  auto* types = new QVBoxLayout;
  types->addWidget(Label(this, "Classes, Interfaces :"));
  ListBox = new platform::TListBox(this);
  ListBox->setObjectName("ListBox");
  ListBox->setSelectionMode(QAbstractItemView::MultiSelection);
  platform::Connect(ListBox, &QListWidget::itemSelectionChanged, this, [this] { ListBoxClick(); });
  types->addWidget(ListBox);
  layout->addLayout(types);

  auto* destination = new QVBoxLayout;
  destination->addWidget(Label(this, "Generate Destination Direcroty :"));
  DirectoryListBox = new TDirectoryListBox(this);
  DirectoryListBox->setObjectName("DirectoryListBox");
  destination->addWidget(DirectoryListBox);
  auto* buttons = new QHBoxLayout;
  GenerateOneButton = new platform::TButton(this);
  GenerateOneButton->setObjectName("GenerateOneButton");
  GenerateOneButton->setText("Generate One");
  platform::Connect(GenerateOneButton, &QPushButton::clicked, this, [this] { GenerateOneButtonClick(); });
  GenerateAllButton = new platform::TButton(this);
  GenerateAllButton->setObjectName("GenerateAllButton");
  GenerateAllButton->setText("Generate All");
  platform::Connect(GenerateAllButton, &QPushButton::clicked, this, [this] { GenerateAllButtonClick(); });
  buttons->addWidget(GenerateOneButton);
  buttons->addWidget(GenerateAllButton);
  destination->addLayout(buttons);
  layout->addLayout(destination);

  setFixedSize(520, 300);
  UpdateButtons();
}

// The scripted modal service shows no window, so the list is filled here as well as on show.
int TJavaCodeGenerator::Execute() {
  FormShow();
  return ShowModal();
}

void TJavaCodeGenerator::FormShow() {
  ListBox->clear();
  FillTypeList();
}

void TJavaCodeGenerator::FillTypeList() {
  types_.clear();
  for (const TGenericType* type : PackageMembers<TGenericType>()) {
    ListBox->AddItem(type->Name());
    types_.push_back(type);
  }
  UpdateButtons();
  DirectoryListBox->SetDirectory(PackagePath);
}

void TJavaCodeGenerator::UpdateButtons() { GenerateOneButton->setEnabled(!ListBox->selectedItems().isEmpty()); }

void TJavaCodeGenerator::ListBoxClick() { UpdateButtons(); }

// The item with the focus is written, whichever items are selected; without a focused item, the
// first selected one.
int TJavaCodeGenerator::ItemToGenerate() const {
  const int count = static_cast<int>(types_.size());
  if (ListBox->currentRow() >= 0 && ListBox->currentRow() < count) return ListBox->currentRow();
  for (int i = 0; i < count; ++i)
    if (ListBox->item(i)->isSelected()) return i;
  return -1;
}

void TJavaCodeGenerator::GenerateOneButtonClick() {
  const int index = ItemToGenerate();
  if (index < 0) return;
  const TGenericType* type = types_[static_cast<size_t>(index)];
  std::string name = ListBox->Items(index);
  Generate([type](platform::TStringList& lines) { GenerateTypeSource(lines, type); },
           [this, name] { return TypeSourceFileName(DirectoryListBox->Directory(), name); });
}

void TJavaCodeGenerator::GenerateAllButtonClick() {
  Generate([](platform::TStringList& lines) { GeneratePackageSource(lines); },
           [this] { return PackageSourceFileName(DirectoryListBox->Directory(), ModelFileName); });
}

void TJavaCodeGenerator::Generate(const std::function<void(platform::TStringList&)>& writeSource,
                                  const std::function<std::string()>& fileName) {
  GenerateWarnings.Clear();
  OutputLines = std::make_unique<platform::TStringList>();
  OutputLines->LineBreak.assign(1, '\n');  // sources on this system end their lines with LF
  std::string path;
  try {
    writeSource(*OutputLines);
    path = fileName();
    OutputLines->SaveToFile(path);
  } catch (const platform::Exception& error) {
    OutputLines.reset();
    platform::Application()->ShowException(error);
    return;
  }
  OutputLines.reset();
  SetModalResult(platform::mrOk);
  hide();
  GenerateLogForm()->Execute();
  EditorForm()->Show();
  EditorForm()->OpenFileInNewPage(path);
}

}  // namespace modeller
