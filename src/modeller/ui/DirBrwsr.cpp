#include "modeller/ui/DirBrwsr.h"

#include <QDir>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "modeller/ui/Inspect.h"
#include "platform/ModalService.h"

namespace modeller {

TDirectoryBrowser::TDirectoryBrowser() {
  setObjectName("DirectoryBrowser");
  setWindowFlag(Qt::Dialog);
  SetCaption("Directory Browser");
  auto* layout = new QVBoxLayout(this);
  DirectoryLabel = new QLabel(this);
  DirectoryLabel->setObjectName("DirectoryLabel");
  DirectoryOutline = new platform::TDirectoryListBox(this);
  DirectoryOutline->setObjectName("DirectoryOutline");
  DirectoryOutline->OnChange = [this] { DirectoryLabel->setText(QString::fromStdString(DirectoryOutline->Directory())); };
  DirectoryLabel->setText(QString::fromStdString(DirectoryOutline->Directory()));
  layout->addWidget(DirectoryLabel);
  layout->addWidget(DirectoryOutline);

  layout->addLayout(OkCancelRow(*this, OKButton, CancelButton));
  resize(320, 320);
}

void TDirectoryBrowser::SetDirectory(const std::string& folder) { DirectoryOutline->SetDirectory(folder); }

std::string TDirectoryBrowser::SelectedFolder() const {
  const QDir shown(QString::fromStdString(DirectoryOutline->Directory()));
  QListWidgetItem* item = DirectoryOutline->currentItem();
  if (item == nullptr || !item->isSelected()) return shown.path().toStdString();
  return QDir::cleanPath(shown.filePath(item->text())).toStdString();
}

}  // namespace modeller
