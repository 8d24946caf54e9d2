#pragma once
// TEditorForm: the "Java Editor" window, made at start-up and reused. Any number of text pages,
// one file per page (TEditSheet), with find and replace, printing, and a compile of the page's
// file whose error output fills the message list under the pages.
#include <string>

#include "platform/Controls.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialogs.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"

namespace modeller {

class TEditSheet : public platform::TTabSheet {
  Q_OBJECT
 public:
  TEditSheet();

  platform::TRichEdit* Memo;
  std::string FilePath = "noname.java";
  bool HasFileName = false;

  void NewFile();
  void LoadFile(const std::string& path);  // raises EFOpenError
  void SaveFile(const std::string& path);  // raises EFCreateError; the page is unchanged then
  bool IsModified() const { return Memo->Modified(); }
  void GetCaretPosition(int& column, int& line) const;
  void PrintFile();
  // Compiles FilePath; the caller saved it first.
  void CompileFile(platform::TListBox& messages);
};

class TEditorForm : public platform::TForm {
  Q_OBJECT
 public:
  TEditorForm();

  platform::TMainMenu* MainMenu;
  platform::TMenuItem *FileMenu, *EditMenu, *SearchMenu, *CompileMenu, *HelpMenu;
  platform::TMenuItem *FileNewItem, *FileOpenItem, *FileSaveItem, *FileSaveAsItem, *FileCloseItem,
      *FilePrintItem, *FileExitItem;
  platform::TMenuItem *EditUndoItem, *EditCutItem, *EditCopyItem, *EditPasteItem, *EditSelectAllItem;
  platform::TMenuItem *SearchFindItem, *SearchReplaceItem, *SearchFindNextItem;
  platform::TMenuItem *CompileCompileItem, *CompileRunItem, *HelpAboutItem;
  platform::TSpeedButton *NewButton, *OpenButton, *SaveButton, *PrintButton, *CutButton, *CopyButton,
      *PasteButton, *FindNextButton, *FindButton, *ReplaceButton, *CompileButton, *RunButton;
  platform::TPageControl* PageControl;
  platform::TPopupMenu* PagePopupMenu;
  platform::TListBox* MessageWindow;
  platform::TStatusBar* StatusBar;
  platform::TOpenDialog* OpenDialog;
  platform::TSaveDialog* SaveDialog;
  platform::TFindDialog* FindDialog;
  platform::TReplaceDialog* ReplaceDialog;

  int PageCount() const { return PageControl->count(); }
  TEditSheet* Pages(int index) const;
  TEditSheet* ActiveSheet() const;

  TEditSheet* NewPage();
  TEditSheet* OpenFileInNewPage(const std::string& path);
  void UpdateMenus();
  void UpdateStatusBar();
  void UpdateCaretPanel();
  void SetPagesFont();  // EditorFont and EditorColor to every page

  void FileNewItemClick();
  void FileOpenItemClick();
  bool FileSaveItemClick();  // true when the page was written
  bool FileSaveAsItemClick();
  void FileCloseItemClick();
  void FilePrintItemClick();
  void FileExitItemClick();
  void EditUndoItemClick();
  void EditCutItemClick();
  void EditCopyItemClick();
  void EditPasteItemClick();
  void EditSelectAllItemClick();
  void SearchFindItemClick();
  void SearchReplaceItemClick();
  void SearchFindNextItemClick();
  void CompileCompileItemClick();
  void CompileRunItemClick();
  void HelpAboutItemClick();
  void PageControlChange();
  void Find(platform::TFindDialog& dialog);
  void Replace();
  void FindButtonClick() { SearchFindItemClick(); }
  void FindNextButtonClick() { SearchFindNextItemClick(); }
  void ReplaceButtonClick() { SearchReplaceItemClick(); }
  void PrintButtonClick() { FilePrintItemClick(); }
  void CompileButtonClick() { CompileCompileItemClick(); }
  void RunButtonClick() { CompileRunItemClick(); }

 protected:
  void FormCreate();
  void FormShow() override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  void BuildMenus();
  void BuildToolBar(QWidget* bar);
  void BuildPopupMenu();
  TEditSheet* AddSheet();
  void RouteEvents(TEditSheet& sheet);
  void ShowPage(TEditSheet& sheet);
  bool SaveActiveTo(const std::string& path);
  bool compiling_ = false;
};

// Whether the find text is found in the edit from its selection; a hit is selected.
bool FindInEdit(platform::TRichEdit& edit, const std::string& text, unsigned options);

// The Java tools to run: the configured ones, or "javac" and "java" from PATH when their paths
// are empty.
std::string JavaCompilerCommand();
std::string JavaInterpreterCommand();

TEditorForm* EditorForm();  // made on first use

}  // namespace modeller
