#pragma once
// TRunDialog: the "Run" window, made at start-up and reused. It starts a compiled class with the
// configured Java interpreter or opens an HTML page, without waiting for either.
#include <string>

#include "modeller/ui/JavaGen.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

namespace modeller {

class TRunDialog : public platform::TForm {
  Q_OBJECT
 public:
  TRunDialog();

  TDirectoryListBox* DirectoryListBox;
  platform::TListBox* FileListBox;  // the "*.class" and "*.html" files of the folder
  platform::TButton* RunButton;
  platform::TButton* CancelButton;

  void FillFileList();
  void UpdateRunButton();
  std::string SelectedFile() const;  // full path, or empty
  void RunButtonClick();
  void RunClass(const std::string& path);
  void OpenDocument(const std::string& path);

 protected:
  void FormShow() override;
};

TRunDialog* RunDialog();  // made on first use

}  // namespace modeller
