#pragma once
// TJavaCodeGenerator: the "Java Code Generator" dialog, made at start-up and reused. It lists the
// classes and interfaces that are package members and writes the focused one, or all of them, as
// Java source into the chosen folder, then shows the generate log.
#include <QListWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modeller/model/Concepts.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/StringList.h"

namespace modeller {

// The destination folder: the folders from the root down to the current one, then its
// subfolders; a double click opens the folder clicked.
class TDirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TDirectoryListBox(QWidget* parent);
  const std::string& Directory() const { return directory_; }
  // False, with the folder unchanged, when the folder does not exist.
  bool SetDirectory(const std::string& folder);

 private:
  void OpenItem(QListWidgetItem* item);
  std::string directory_;
};

class TJavaCodeGenerator : public platform::TForm {
  Q_OBJECT
 public:
  TJavaCodeGenerator();

  platform::TListBox* ListBox = nullptr;
  TDirectoryListBox* DirectoryListBox = nullptr;
  platform::TButton* GenerateOneButton = nullptr;
  platform::TButton* GenerateAllButton = nullptr;
  // The text of the run in progress; exists only while a run writes its file.
  std::unique_ptr<platform::TStringList> OutputLines;

  // Fills the list as the dialog shows and runs it modally.
  int Execute();
  void FormShow() override;
  void FillTypeList();
  void UpdateButtons();
  void ListBoxClick();
  void GenerateOneButtonClick();
  void GenerateAllButtonClick();
  // The list index Generate One writes, or -1.
  int ItemToGenerate() const;

 private:
  // Writes the text to the file; on success closes the dialog and shows the log, on failure shows
  // the error and stays open.
  void Generate(const std::function<void(platform::TStringList&)>& writeSource,
                const std::function<std::string()>& fileName);

  std::vector<const TGenericType*> types_;  // the model node of each list item
};

TJavaCodeGenerator* JavaCodeGenerator();  // made on first use

}  // namespace modeller
