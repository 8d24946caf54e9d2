#pragma once
// TEditorForm: the workbench's tabbed source editor. One page per open file, each with a rich edit;
// FFileNames holds the full file name of every page by page index. It owns the open, save, save-as
// and close flows, the status bar, the compiler-message list and the editor-side settings.
#include <functional>
#include <string>

#include "platform/Controls.h"
#include "platform/FileDialogs.h"
#include "platform/FindDialogs.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/RichEdit.h"
#include "platform/StringList.h"

namespace workbench {

class TEditorForm : public platform::TForm {
  Q_OBJECT
 public:
  TEditorForm();

  platform::TPageControl* Page;
  platform::TPanel* SplitPanel;
  platform::TListBox* MessageWindow;
  platform::TStatusBar* StatusBar;
  platform::TOpenDialog* OpenDialog1;
  platform::TSaveDialog* SaveDialog1;
  // The find and replace dialogs, built together when either is first used.
  platform::TFindDialog* FindDialog1();
  platform::TReplaceDialog* ReplaceDialog1();
  // The text of the last find; empty before the first.
  std::string LastFindText() const;
  platform::TPopupMenu* PopupMenu1;
  platform::TMenuItem* CodeAssistant;
  platform::TMenuItem* Open1;
  platform::TMenuItem* Close1;
  platform::TMenuItem* RefreshEditor1;
  platform::TMenuItem* FindFrame1;
  platform::TMenuItem* HelpTopics1;
  platform::TMenuItem* Copy1;
  platform::TMenuItem* Cut1;
  platform::TMenuItem* Paste1;
  platform::TMenuItem* Undo1;
  platform::TMenuItem* ReadOnly1;
  platform::TMenuItem* MessageWindow1;
  platform::TListBox* KeyCodeList;  // hidden code list; its menu item CodeAssistant is never offered

  // Pages.
  void NewNonamePage(const std::string& ext);
  void OpenFileDialog();
  void OpenFileByName(const std::string& fileName);
  bool SaveFile();
  bool SaveFileAs();
  bool SavePage(int n);
  bool SavePageAs(int n);
  // Saves page n's design file and source under the file name, as they stand: both or neither.
  bool SavePageFiles(int n, const std::string& fileName);
  // Page n stands for another file from now on: its tab, its entry in FFileNames and, when it is
  // the active page, the window caption. Nothing is written.
  void RenamePageFile(int n, const std::string& fileName);
  void ClosePage();
  // Run before a compile: the empty handler routines of the active page's design go with their
  // dispatch clauses and bindings, then the page and its design are saved. False when the page was
  // lost to a missing marker or could not be written.
  bool SaveWithHandlerCleanup();
  // True when the handler has a routine in the active page and every routine of that name has an
  // empty body.
  bool IsHandlerBodyEmpty(const std::string& handler) const;
  int FindOpenFile(const std::string& fileName);
  void SelectPage(int index);
  int GetPageCount() const { return Page->count(); }
  std::string GetPageFileName(int n) const { return FFileNames.Get(n); }
  bool IsPageModified(int n) const;
  std::string FormLinkName();
  platform::TRichEdit* ActiveEditor() const;
  platform::TRichEdit* PageEditor(int n) const;
  std::string ActiveFileName() const;  // the active page's full file name, "" without pages

  void PageChange();
  void UpdateCaretStatus();
  void SetModifiedMarker(bool modified);
  void UpdateModeStatus();
  void SelectFilterForExt(const std::string& ext);
  int ErrorLineOfMessage(int index) const;

  void CollectOpenFiles();
  std::string GetOpenFileList();
  void SetOpenFileList(const std::string& text);
  const platform::TStringList& OpenFileList() const { return FOpenFileList; }

  // Clipboard and undo commands of the main window and the context menu.
  void CopySelection();
  void CutSelection();
  void DeleteSelection();
  void PasteSelection();
  void UndoEdit();

  // Search commands of the main window.
  void ShowFindDialog();
  void ShowReplaceDialog();
  void FindNext();

  // Comment colouring: only "//" comments are coloured.
  void ColorComments(platform::TRichEdit& edit);
  void ColorCommentLine(platform::TRichEdit& edit, int line);

  // Runs a write of the program itself (the design's code) to the page: the lines it touched are
  // coloured again, and it cannot be undone. An undo would take it back line by line and part the
  // page from the design it was written for, so the page's undo history ends with it.
  void ProgramWrite(platform::TRichEdit& edit, const std::function<void()>& write);

  // Renames in the active page's lines: every occurrence of oldText, also inside longer words.
  // The mode is always 0. True when the line changed.
  bool ReplaceWordInLine(int line, const std::string& oldText, const std::string& newText, int mode = 0);
  bool ReplaceWordInLines(int first, int last, const std::string& oldText, const std::string& newText);

  // Keyboard macros: 26 texts, entry i typed by Ctrl+Shift+A + i.
  void LoadKeyMacroFile(const std::string& fileName, platform::TStringList& target);
  void LoadKeyMacrosAtStart();  // from the template file named in the settings
  const platform::TStringList& KeyMacros() const { return FKeyMacros; }
  void SetKeyMacros(const platform::TStringList& texts) { FKeyMacros = texts; }

  // Settings accessors.
  int GetFormLeft() const { return Left(); }
  int GetFormTop() const { return Top(); }
  int GetFormWidth() const { return Width(); }
  int GetFormHeight() const { return Height(); }
  void SetFormLeft(int value) { SetLeft(value); }
  void SetFormTop(int value) { SetTop(value); }
  void SetFormWidth(int value) { SetWidth(value); }
  void SetFormHeight(int value) { SetHeight(value); }
  std::string GetFileFilter() const { return OpenDialog1->Filter; }
  void SetFileFilter(const std::string& filter);
  std::string GetWorkingDir() const { return FWorkingDir; }
  void SetWorkingDir(const std::string& folder);
  int GetDesktopMode() const { return FDesktopMode; }
  void SetDesktopMode(int mode) { FDesktopMode = mode; }
  int GetTabSize() const { return FTabSize; }
  void SetTabSize(int size) { FTabSize = size; }
  int GetGridSize() const { return FGridSize; }
  void SetGridSize(int size);
  std::string GetClassPath() const { return FClassPath; }
  void SetClassPath(const std::string& path) { FClassPath = path; }
  std::string GetCompilerName() const { return FCompilerName; }
  void SetCompilerName(const std::string& name) { FCompilerName = name; }
  bool GetShowCompileProgress() const { return FShowCompileProgress; }
  void SetShowCompileProgress(bool show) { FShowCompileProgress = show; }
  std::string GetFontName() const { return FFontName; }
  void SetFontName(const std::string& name);
  int GetFontSize() const { return FFontSize; }
  void SetFontSize(int size);
  bool GetUseSmartTab() const { return FUseSmartTab; }
  void SetUseSmartTab(bool use) { FUseSmartTab = use; }
  unsigned GetTextColor() const { return FTextColor; }
  void SetTextColor(unsigned color);
  unsigned GetBackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(unsigned color);
  unsigned GetCommentColor() const { return FCommentColor; }
  void SetCommentColor(unsigned color) { FCommentColor = color; }
  int GetAppletHeight() const { return FAppletHeight; }
  void SetAppletHeight(int height) { FAppletHeight = height; }
  int GetAppletWidth() const { return FAppletWidth; }
  void SetAppletWidth(int width) { FAppletWidth = width; }
  std::string GetKeyMapFileName() const { return FKeyMapFileName; }
  void SetKeyMapFileName(const std::string& name) { FKeyMapFileName = name; }
  std::string GetComponentTemplateFileName() const { return FComponentTemplateFileName; }
  void SetComponentTemplateFileName(const std::string& name) { FComponentTemplateFileName = name; }

  // Handlers.
  void PageMouseDown();
  void PopupMenu1Popup();
  void Open1Click();
  void Close1Click();
  void RefreshEditor1Click();
  void FindFrame1Click();
  void MessageWindow1Click();
  void MessageWindowDblClick();
  void ReadOnly1Click();
  void EditorChange();
  void EditorSelectionChange();
  void EditorKeyDown(int& key, Qt::KeyboardModifiers shift);
  void EditorKeyUp(int& key, Qt::KeyboardModifiers shift);
  void HelpTopics1Click();
  void CodeAssistantClick();
  void KeyCodeListClick();
  void KeyCodeListExit();
  void KeyCodeListKeyDown(int& key);
  void FindDialog1Find();
  void ReplaceDialog1Find();
  void ReplaceDialog1Replace();

 protected:
  void FormShow() override;
  void FormActivate() override;
  void FormResize() override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  platform::TTabSheet* ActiveSheet() const { return Page->ActivePage(); }
  void SetupPageEditor(platform::TTabSheet* sheet);
  platform::TTabSheet* OpenPage(const std::string& fileName, bool missingIsEmpty);
  void RunDesignFileHook(platform::TTabSheet* sheet, const std::string& fileName);
  bool SaveAsFlow(int n, bool interactive);
  bool AskFileName(const std::string& currentName, std::string& chosen);
  std::string WithFilterExtension(const std::string& name, const platform::TFileDialog& dialog) const;
  void FocusActiveEditor();
  void ShowIfHidden();
  void RepaintActiveEditor();
  void OnActiveEditor(const std::function<void(platform::TRichEdit&)>& action);
  void OnWritableEditor(const std::function<void(platform::TRichEdit&)>& action);
  void ApplyToEveryPage(const std::function<void(platform::TRichEdit*)>& change);

  // Editing commands.
  void BuildFindDialogs();
  void BindEditingKeys(platform::TRichEdit* edit);
  void BuildKeyCodeList();
  bool FindInPage(platform::TFindDialog& dialog);
  bool SelectNextMatch(QTextCursor& selection, platform::TFindDialog& dialog);
  void ReplaceSelection(platform::TRichEdit& edit, QTextCursor& selection);
  void ReplaceRemainingMatches(platform::TRichEdit& edit);
  void ShowNotFound(const std::string& findText);
  void ReplaceOne();
  void ReplaceAllMatches();
  int AskReplace();
  void AskAndReplaceMatches(platform::TRichEdit& edit);
  void EnableFindNext();
  void TypeMacroText(const std::string& text);
  void TypeBlanks(platform::TRichEdit& edit, int count);
  void TabKeyDown(platform::TRichEdit& edit);
  void DeleteCaretLine(platform::TRichEdit& edit);
  void ToggleInsertMode(platform::TRichEdit& edit);
  void BackspaceKeyUp(platform::TRichEdit& edit, Qt::KeyboardModifiers shift);
  void EnterKeyUp(platform::TRichEdit& edit);
  void BackIndent(platform::TRichEdit& edit);
  void RecolorLine(int line);
  int FindColorStart(unsigned color, int line);
  void ColorRange(unsigned color, int line, int length, int from);
  void RecolorLines(platform::TRichEdit& edit, int first, int last);
  void RecolorEveryPage();
  bool FEnterPressed = false;
  bool FTypingMacro = false;
  bool FBackspaceOverBlank = false;
  bool FReplacingAll = false;  // the clipboard commands wait for the end of a Replace All

  int FDesktopMode = 0;
  std::string FClassPath;
  std::string FCompilerName;
  int FAppletHeight = 0;
  int FAppletWidth = 0;
  std::string FFontName;
  int FFontSize = 0;
  int FGridSize = 0;
  bool FShowCompileProgress = false;
  bool FUseSmartTab = false;
  int FTabSize = 0;
  std::string FWorkingDir;
  std::string FKeyMapFileName;
  std::string FComponentTemplateFileName;
  unsigned FBackgroundColor = 0xFFFFFF;
  unsigned FCommentColor = 0x808080;
  unsigned FTextColor = 0;
  platform::TStringList FFileNames;
  platform::TFindDialog* findDialog_ = nullptr;
  platform::TReplaceDialog* replaceDialog_ = nullptr;
  platform::TStringList FOpenFileList;
  platform::TStringList FKeyMacros;
};

extern TEditorForm* EditorForm;
extern int CaretLine;    // 0-based line of the active page's caret
extern int CaretColumn;  // 1-based column

}  // namespace workbench
