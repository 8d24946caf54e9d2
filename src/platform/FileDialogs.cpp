#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/ModalService.h"
#include "platform/StringList.h"

namespace platform {

namespace {

// "Java files (*.java)|*.java|HTML files (*.html)|*.html" to Qt's name filters.
QStringList NameFilters(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString masks = parts[i + 1];
    masks.replace(';', ' ');
    filters << parts[i] + " (" + masks + ")";
  }
  return filters;
}

}  // namespace

bool TFileDialog::Execute() {
  ModalRequest request{saving_ ? "SaveDialog" : "OpenDialog", Title, FileName, {}};
  if (auto answer = ModalService::Instance().Take(request)) {
    if (answer->result != mrOk) return false;
    FileName = answer->fileName;
    if (answer->filterIndex > 0) FilterIndex = answer->filterIndex;
    return true;
  }
  QStringList filters = NameFilters(Filter);
  QFileDialog dialog(nullptr, QString::fromStdString(Title), QString::fromStdString(InitialDir));
  dialog.setAcceptMode(saving_ ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving_ ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The program asks its own overwrite question and checks existence itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(filters);
  if (FilterIndex >= 1 && FilterIndex <= filters.size()) dialog.selectNameFilter(filters[FilterIndex - 1]);
  if (!FileName.empty()) dialog.selectFile(QString::fromStdString(FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().first().toStdString();
  int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  if (chosen >= 0) FilterIndex = chosen + 1;
  return true;
}

}  // namespace platform
