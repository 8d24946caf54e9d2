#pragma once
// TBrowsingForm: the folder browser. The root combo, the folder list and the file list follow each
// other; the label shows the chosen folder.
#include <QLabel>
#include <QPushButton>

#include "platform/FileCtrls.h"
#include "platform/Forms.h"
#include "platform/OnDemand.h"

namespace workbench {

class TBrowsingForm : public platform::TForm {
  Q_OBJECT
 public:
  TBrowsingForm();
  platform::TDriveComboBox* DriveComboBox1;
  platform::TDirectoryListBox* DirectoryListBox1;
  platform::TFileListBox* FileListBox1;
  QLabel* DirLabel;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 private:
  void FolderChanged();
};

extern platform::OnDemand<TBrowsingForm> BrowsingForm;

}  // namespace workbench
