#pragma once
// TDirectoryBrowser: the "Directory Browser" dialog, made at start-up and reused. Its caller sets
// the folder to start from, runs it modally and reads the folder chosen.
#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/FileCtrls.h"
#include "platform/Forms.h"

namespace modeller {

class TDirectoryBrowser : public platform::TForm {
  Q_OBJECT
 public:
  TDirectoryBrowser();

  platform::TDirectoryListBox* DirectoryOutline;
  QLabel* DirectoryLabel;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  // A folder that does not exist leaves the outline where it is.
  void SetDirectory(const std::string& folder);
  // The subfolder selected in the outline, else the folder it shows.
  std::string SelectedFolder() const;
};

TDirectoryBrowser* DirectoryBrowser();  // made on first use

}  // namespace modeller
