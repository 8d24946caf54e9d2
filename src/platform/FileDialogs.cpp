#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

#include "platform/ModalService.h"
#include "platform/StringList.h"
#include "platform/SysUtils.h"
#include "platform/WindowFocus.h"

namespace platform {

namespace {

// "*.*" means every file to the programs, as it did where their filters were written; here a file
// without an extension has no dot for it to match.
QString QtMasks(QString masks) {
  QStringList words = masks.replace(';', ' ').simplified().split(' ', Qt::SkipEmptyParts);
  for (QString& word : words)
    if (word == "*.*") word = "*";
  return words.join(' ');
}

}  // namespace

// Qt reads the masks from a filter's last parentheses; the dialog hides them, so that a label that
// shows its masks already ("GIF files [*.gif]") shows them once.
QStringList NameFilters(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i].trimmed() + " (" + QtMasks(parts[i + 1]) + ")";
  return filters;
}

namespace {

std::string WithDefaultExt(const std::string& fileName, const std::string& ext, bool saving) {
  if (ext.empty() || fileName.empty() || !ExtractFileExt(fileName).empty()) return fileName;
  if (!saving && FileExists(fileName)) return fileName;
  return fileName + "." + ext;
}

// The detail view's size, type and date columns each as wide as their heading and the values
// shown, the name taking the rest: at the dialog's own size they showed "23....KiB" and
// "18 Apr ...2:47:34". A dialog of the desktop's own has no such view.
void ShowColumnsWhole(QFileDialog& dialog) {
  auto* details = dialog.findChild<QTreeView*>("treeView");
  if (details == nullptr) return;
  QHeaderView* header = details->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column)
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

}  // namespace

bool TFileDialog::Execute() {
  ModalRequest request{saving_ ? "SaveDialog" : "OpenDialog", Title, FileName, {}, {}};
  if (auto answer = ModalService::Instance().Take(request)) {
    if (answer->result != mrOk) return false;
    FileName = WithDefaultExt(answer->fileName, DefaultExt, saving_);
    if (answer->filterIndex > 0) FilterIndex = answer->filterIndex;
    lastFolder_ = ExtractFileDir(FileName);
    return true;
  }
  QStringList filters = NameFilters(Filter);
  const std::string& folder = InitialDir.empty() ? lastFolder_ : InitialDir;
  QFileDialog dialog(nullptr, QString::fromStdString(Title), QString::fromStdString(folder));
  dialog.setAcceptMode(saving_ ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving_ ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own overwrite question and checks existence itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromStdString(DefaultExt));
  if (FilterIndex >= 1 && FilterIndex <= filters.size()) dialog.selectNameFilter(filters[FilterIndex - 1]);
  if (!FileName.empty()) dialog.selectFile(QString::fromStdString(FileName));
  ShowColumnsWhole(dialog);
  if (ExecAboveOwner(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = WithDefaultExt(dialog.selectedFiles().first().toStdString(), DefaultExt, saving_);
  lastFolder_ = ExtractFileDir(FileName);
  int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  if (chosen >= 0) FilterIndex = chosen + 1;
  return true;
}

}  // namespace platform
