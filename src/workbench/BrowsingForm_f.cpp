#include "workbench/BrowsingForm_f.h"

#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace workbench {

platform::OnDemand<TBrowsingForm> BrowsingForm;

TBrowsingForm::TBrowsingForm() {
  SetCaption("Browse ...");
  setWindowFlags(Qt::Tool);
  Position = platform::poScreenCenter;
  resize(420, 300);
  DirLabel = new QLabel(this);
  DirLabel->setGeometry(8, 6, 404, 20);
  DirectoryListBox1 = new platform::TDirectoryListBox(this);
  DirectoryListBox1->setGeometry(8, 30, 200, 220);
  FileListBox1 = new platform::TFileListBox(this);
  FileListBox1->setGeometry(216, 30, 196, 190);
  DriveComboBox1 = new platform::TDriveComboBox(this);
  DriveComboBox1->setGeometry(216, 226, 196, 24);
  DriveComboBox1->OnChange = [this] { DirectoryListBox1->SetDirectory(DriveComboBox1->Drive()); };
  DirectoryListBox1->OnChange = [this] { FolderChanged(); };
  OKButton = new QPushButton("&OK", this);
  OKButton->setGeometry(236, 264, 80, 26);
  OKButton->setDefault(true);
  platform::Connect(OKButton, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrOk);
    hide();
  });
  CancelButton = new QPushButton("&Cancel", this);
  CancelButton->setGeometry(326, 264, 80, 26);
  platform::SetCancel(CancelButton);
  platform::Connect(CancelButton, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrCancel);
    hide();
  });
  FolderChanged();
}

void TBrowsingForm::FolderChanged() {
  DirLabel->setText(QString::fromStdString(DirectoryListBox1->Directory()));
  FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

}  // namespace workbench
