// The editing commands of TEditorForm: find and replace, the key handling of the pages (tab
// expansion, automatic indentation, back-indentation, insert/overwrite, delete line, keyboard
// macros), the colouring of "//" comments, keyword help and the renames the code writer asks for.
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>
#include <utility>

#include "designer/Lib.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/Launcher.h"
#include "platform/SysUtils.h"
#include "workbench/CodeTemplet_f.h"
#include "workbench/Editor.h"
#include "workbench/EditorText.h"
#include "workbench/KeyMapFile.h"
#include "workbench/Main.h"

namespace workbench {

using namespace platform;

namespace {

constexpr Qt::KeyboardModifiers kShiftKeys = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool ShiftIsExactly(Qt::KeyboardModifiers shift, Qt::KeyboardModifiers wanted) { return (shift & kShiftKeys) == wanted; }

// Sends one key press and release to the edit, as if the key were typed.
void TypeKey(TRichEdit& edit, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &release);
}

// The key that types a character: carriage return is Enter, tab is Tab, printable ASCII its own
// key (letters by their capital).
int KeyOfChar(QChar c) {
  if (c == '\r') return Qt::Key_Return;
  if (c == '\t') return Qt::Key_Tab;
  if (c.unicode() < 128) return QChar(c).toUpper().unicode();
  return Qt::Key_unknown;
}

// Colour changes are not edits: they leave the modified flag and the change notification alone,
// and join the undo step of the edit that caused them.
void PaintText(TRichEdit& edit, int start, int count, unsigned color) {
  if (count <= 0) return;
  QTextCursor cursor(edit.document());
  cursor.setPosition(std::clamp(start, 0, edit.TextLength()));
  cursor.setPosition(std::clamp(start + count, 0, edit.TextLength()), QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setForeground(ToQColor(color));
  bool modified = edit.Modified();
  auto onChange = std::exchange(edit.OnChange, nullptr);
  cursor.joinPreviousEditBlock();
  cursor.mergeCharFormat(format);
  cursor.endEditBlock();
  edit.OnChange = std::move(onChange);
  edit.SetModified(modified);
}

// Colours many lines as one change. A cursor placed inside an open change lays out nothing, where
// one placed per line outside it would lay out (and shape) every line it passes.
void AsOneColourChange(TRichEdit& edit, const std::function<void()>& paint) {
  bool modified = edit.Modified();
  auto onChange = std::exchange(edit.OnChange, nullptr);
  QTextCursor change(edit.document());
  change.beginEditBlock();
  paint();
  change.endEditBlock();
  edit.OnChange = std::move(onChange);
  edit.SetModified(modified);
}

// Characters of the page a line's UTF-8 text stands for: colours are placed by characters, and a
// character outside ASCII takes more than one byte.
int CharacterCount(std::string_view utf8) { return static_cast<int>(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).size()); }

// 1-based character position of "//" in the line with its literals blanked, 0 when there is none.
int CommentStart(const std::string& line) {
  size_t at = designer::StripLiterals(line).find("//");
  return at == std::string::npos ? 0 : CharacterCount(std::string_view(line).substr(0, at)) + 1;
}

// The code list hides again when it loses the focus or gets Escape.
class CodeListEvents : public QObject {
 public:
  explicit CodeListEvents(TEditorForm& editor) : QObject(editor.KeyCodeList), editor_(editor) {
    editor.KeyCodeList->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) platform::HandleEvent([this] { editor_.KeyCodeListExit(); });
    if (event->type() != QEvent::KeyPress) return false;
    int key = static_cast<QKeyEvent*>(event)->key();
    platform::HandleEvent([&] { editor_.KeyCodeListKeyDown(key); });
    return key == 0;
  }

 private:
  TEditorForm& editor_;
};

}  // namespace

void TEditorForm::BindEditingKeys(TRichEdit* edit) {
  edit->OnKeyDown = [this](int& key, Qt::KeyboardModifiers shift) { EditorKeyDown(key, shift); };
  edit->OnKeyUp = [this](int& key, Qt::KeyboardModifiers shift) { EditorKeyUp(key, shift); };
}

// ---- Find and replace ----

void TEditorForm::BuildFindDialogs() {
  findDialog_ = new TFindDialog(this);
  findDialog_->SetOptions(frDown | frDisableUpDown);
  findDialog_->OnFind = [this] { FindDialog1Find(); };
  replaceDialog_ = new TReplaceDialog(this);
  replaceDialog_->SetOptions(frDown);
  replaceDialog_->OnFind = [this] { ReplaceDialog1Find(); };
  replaceDialog_->OnReplace = [this] { ReplaceDialog1Replace(); };
}

TFindDialog* TEditorForm::FindDialog1() {
  if (findDialog_ == nullptr) BuildFindDialogs();
  return findDialog_;
}

TReplaceDialog* TEditorForm::ReplaceDialog1() {
  if (replaceDialog_ == nullptr) BuildFindDialogs();
  return replaceDialog_;
}

std::string TEditorForm::LastFindText() const { return findDialog_ == nullptr ? std::string() : findDialog_->FindText; }

void TEditorForm::ShowFindDialog() {
  ShowIfHidden();
  FocusActiveEditor();
  FindDialog1()->Execute();
}

void TEditorForm::ShowReplaceDialog() {
  ShowIfHidden();
  FocusActiveEditor();
  ReplaceDialog1()->Execute();
}

bool TEditorForm::FindInPage(TFindDialog& dialog) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return false;
  QTextCursor selection = edit->textCursor();
  if (!SelectNextMatch(selection, dialog)) return false;
  edit->setTextCursor(selection);
  return true;
}

// The selection moves to the next match after it; false, and the selection as it was, when there
// is none.
bool TEditorForm::SelectNextMatch(QTextCursor& selection, TFindDialog& dialog) {
  if (dialog.FindText.empty()) return false;
  QTextDocument::FindFlags flags;
  if (dialog.WholeWord()) flags |= QTextDocument::FindWholeWords;
  if (dialog.MatchCase()) flags |= QTextDocument::FindCaseSensitively;
  QTextDocument* document = selection.document();
  QTextCursor found = document->find(QString::fromStdString(dialog.FindText), selection.selectionEnd(), flags);
  if (found.isNull()) return false;
  selection = QTextCursor(document);
  selection.setPosition(found.selectionStart());
  selection.setPosition(found.selectionEnd(), QTextCursor::KeepAnchor);
  return true;
}

void TEditorForm::ShowNotFound(const std::string& findText) {
  MessageDlg("\"" + findText + "\" not found", mtInformation, mbOK);
}

void TEditorForm::EnableFindNext() {
  if (!MainForm->FindNext1->Enabled()) MainForm->EnableSearchCommands(true);
}

void TEditorForm::FindDialog1Find() {
  if (!FindInPage(*FindDialog1())) ShowNotFound(FindDialog1()->FindText);
  FindDialog1()->hide();
  EnableFindNext();
  ReplaceDialog1()->SetFindText(FindDialog1()->FindText);
}

void TEditorForm::FindNext() {
  ShowIfHidden();
  FocusActiveEditor();
  if (!FindInPage(*FindDialog1())) ShowNotFound(FindDialog1()->FindText);
}

void TEditorForm::ReplaceDialog1Find() {
  if (!FindInPage(*ReplaceDialog1())) ShowNotFound(ReplaceDialog1()->FindText);
  FindDialog1()->SetFindText(ReplaceDialog1()->FindText);
  EnableFindNext();
}

void TEditorForm::ReplaceOne() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  QTextCursor selection = edit->textCursor();
  ReplaceSelection(*edit, selection);
  if (selection != edit->textCursor()) edit->setTextCursor(selection);
}

// Replaces the selection when it holds the search text, else the next match when there is one.
void TEditorForm::ReplaceSelection(TRichEdit& edit, QTextCursor& selection) {
  std::string selected = TRichEdit::TextOf(selection);
  std::string wanted = ReplaceDialog1()->FindText;
  bool same = ReplaceDialog1()->MatchCase() ? selected == wanted : UpperCase(selected) == UpperCase(wanted);
  if (!same && !SelectNextMatch(selection, *ReplaceDialog1())) return;
  // A read-only page is searched but never changed.
  if (edit.isReadOnly()) return;
  TRichEdit::Replace(selection, ReplaceDialog1()->ReplaceText);
}

// Every further match replaced on a cursor of the page's own, so the page does not scroll to each
// one: its selection is set once, where the last replacement leaves it.
void TEditorForm::ReplaceRemainingMatches(TRichEdit& edit) {
  QTextCursor selection = edit.textCursor();
  while (SelectNextMatch(selection, *ReplaceDialog1())) ReplaceSelection(edit, selection);
  if (selection != edit.textCursor()) edit.setTextCursor(selection);
}

void TEditorForm::ReplaceDialog1Replace() {
  if (ReplaceDialog1()->Options() & frReplaceAll) {
    ReplaceDialog1()->hide();
    ReplaceAllMatches();
    return;
  }
  ReplaceOne();
  FindDialog1()->SetFindText(ReplaceDialog1()->FindText);
  EnableFindNext();
}

// The question of a replace-all stands at half the screen's width, 150 pixels from its top.
int TEditorForm::AskReplace() {
  TRect screen = MainScreenRect();
  return MessageDlgPos("Replace ?", mtConfirmation, mbYes | mbNo | mbCancel | mbAll, 0,
                       (screen.Left + screen.Right) / 2, screen.Top + 150);
}

// Every match moves the selection; the clipboard commands follow it once, when the replacing ends,
// instead of asking the clipboard at every match.
void TEditorForm::ReplaceAllMatches() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  FReplacingAll = true;
  try {
    AskAndReplaceMatches(*edit);
  } catch (...) {
    FReplacingAll = false;
    MainForm->UpdateClipboardCommands();
    throw;
  }
  FReplacingAll = false;
  MainForm->UpdateClipboardCommands();
}

// Asks at every match; All replaces the rest without asking. Running out of matches while asking
// ends with the not-found message and nothing else.
void TEditorForm::AskAndReplaceMatches(TRichEdit& edit) {
  edit.SetSelLength(0);
  for (;;) {
    if (!FindInPage(*ReplaceDialog1())) {
      ShowNotFound(ReplaceDialog1()->FindText);
      return;
    }
    int answer = AskReplace();
    if (answer == mrCancel) break;
    if (answer == mrYes) ReplaceOne();
    if (answer == mrAll) {
      ReplaceOne();
      ReplaceRemainingMatches(edit);
      break;
    }
  }
  FindDialog1()->SetFindText(ReplaceDialog1()->FindText);
  EnableFindNext();
}

// ---- Keys ----

void TEditorForm::EditorKeyDown(int& key, Qt::KeyboardModifiers shift) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  UpdateCaretStatus();
  FEnterPressed = false;
  if (!FTypingMacro && ShiftIsExactly(shift, Qt::ControlModifier | Qt::ShiftModifier)) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
      TypeMacroText(FKeyMacros.Get(key - Qt::Key_A));
      key = 0;
    }
  } else {
    switch (key) {
      case Qt::Key_Backspace: {
        std::string text = edit->Lines().Get(CaretLine);
        size_t before = static_cast<size_t>(CaretColumn - 2);
        FBackspaceOverBlank = CaretColumn >= 2 && before < text.size() && (text[before] == ' ' || text[before] == '\t');
        break;
      }
      case Qt::Key_Tab:
        if (!ShiftIsExactly(shift, Qt::NoModifier)) break;
        TabKeyDown(*edit);
        key = 0;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        FEnterPressed = true;
        break;
      case Qt::Key_Insert:
        ToggleInsertMode(*edit);
        break;
      case Qt::Key_Y:
        if (ShiftIsExactly(shift, Qt::ControlModifier)) {
          DeleteCaretLine(*edit);
          key = 0;
        }
        break;
      case Qt::Key_F1:
        HelpTopics1Click();
        key = 0;
        break;
      case Qt::Key_F12:
        FindFrame1Click();
        key = 0;
        break;
      default:
        break;
    }
  }
  UpdateCaretStatus();
}

void TEditorForm::EditorKeyUp(int& key, Qt::KeyboardModifiers shift) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  UpdateCaretStatus();
  switch (key) {
    case Qt::Key_Backspace:
      BackspaceKeyUp(*edit, shift);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (FEnterPressed) EnterKeyUp(*edit);
      break;
    case Qt::Key_Delete:
    case Qt::Key_Slash:
      RecolorLine(CaretLine);
      break;
    default:
      break;
  }
  UpdateCaretStatus();
}

// The Tab key types blanks instead of a tab character.
void TEditorForm::TabKeyDown(TRichEdit& edit) {
  int count = TabBlankCount(FTabSize, FUseSmartTab, CaretLine, CaretColumn, edit.Lines().Get(CaretLine),
                            edit.Lines().Get(CaretLine - 1));
  TypeBlanks(edit, count);
}

void TEditorForm::TypeBlanks(TRichEdit& edit, int count) {
  for (int i = 0; i < count; ++i) TypeKey(edit, Qt::Key_Space, " ");
}

void TEditorForm::ToggleInsertMode(TRichEdit& edit) {
  // A read-only page keeps its mode.
  if (edit.Tag < 1) return;
  edit.Tag = edit.Tag == 1 ? 2 : 1;
  edit.setOverwriteMode(edit.Tag == 2);
  UpdateModeStatus();
}

void TEditorForm::DeleteCaretLine(TRichEdit& edit) {
  // A read-only page keeps its lines; the empty line after the last one has nothing to delete.
  if (edit.isReadOnly() || CaretLine >= edit.Lines().Count()) return;
  edit.Lines().Delete(CaretLine);
}

void TEditorForm::BackspaceKeyUp(TRichEdit& edit, Qt::KeyboardModifiers shift) {
  std::string line = edit.Lines().Get(CaretLine);
  if (FBackspaceOverBlank && !ShiftIsExactly(shift, Qt::ControlModifier) && !edit.isReadOnly() &&
      BlankBeforeColumn(line, CaretColumn) && BackIndentApplies(line, CaretColumn))
    BackIndent(edit);
  RecolorLine(CaretLine);
}

// The new line starts with the indent of the line above.
void TEditorForm::EnterKeyUp(TRichEdit& edit) {
  RecolorLine(CaretLine - 1);
  RecolorLine(CaretLine);
  if (edit.isReadOnly()) return;
  std::string above = edit.Lines().Get(CaretLine - 1);
  edit.SetSelText(above.substr(0, static_cast<size_t>(designer::GetIndentWidth(above))));
}

void TEditorForm::BackIndent(TRichEdit& edit) {
  TStringList lines = edit.Lines().ToStringList();
  if (CaretLine >= lines.Count()) return;
  std::string indented = BackIndentedLine(lines, CaretLine, CaretColumn);
  edit.Lines().Put(CaretLine, indented);
  edit.SetSelStart(edit.LineIndex(CaretLine) + designer::GetIndentWidth(indented));
}

// Types the text key by key, so a carriage return indents like Enter and a tab expands like Tab.
void TEditorForm::TypeMacroText(const std::string& text) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  FTypingMacro = true;
  for (QChar c : QString::fromStdString(text)) {
    if (c == '\n') continue;
    TypeKey(*edit, KeyOfChar(c), QString(c));
  }
  FTypingMacro = false;
}

// ---- Comment colouring ----

void TEditorForm::ColorComments(TRichEdit& edit) {
  QTextDocument* document = edit.document();
  // Colouring a text that had nothing to undo leaves nothing to undo, so it need record nothing.
  bool couldUndo = document->isUndoAvailable();
  if (!couldUndo) document->setUndoRedoEnabled(false);
  AsOneColourChange(edit, [&] {
    int count = edit.Lines().Count();
    QTextBlock block = document->firstBlock();
    for (int line = 0; line < count; ++line, block = block.next())
      if (block.length() > 2 && block.text().contains(u"//")) ColorCommentLine(edit, line);
  });
  document->setUndoRedoEnabled(true);
}

void TEditorForm::ColorCommentLine(TRichEdit& edit, int line) {
  std::string text = edit.Lines().Get(line);
  int at = CommentStart(text);
  if (at == 0) return;
  PaintText(edit, edit.LineIndex(line) + at - 1, CharacterCount(text) - at + 1, FCommentColor);
}

void TEditorForm::RecolorLine(int line) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  std::string text = edit->Lines().Get(line);
  if (text.empty()) return;
  int length = CharacterCount(text);
  int colored = FindColorStart(FCommentColor, line);
  int comment = CommentStart(text);
  if (colored > 0 && comment > 0 && colored < comment) ColorRange(FTextColor, line, comment - 1, colored);
  if (comment > 0) ColorRange(FCommentColor, line, length, comment);
  else if (colored > 0) ColorRange(FTextColor, line, length, colored);
}

int TEditorForm::FindColorStart(unsigned color, int line) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return -1;
  QTextBlock block = edit->document()->findBlockByNumber(line);
  if (!block.isValid()) return -1;
  QColor wanted = ToQColor(color);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    QTextCharFormat format = it.fragment().charFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().color() == wanted)
      return it.fragment().position() - block.position() + 1;
  }
  return -1;
}

void TEditorForm::ColorRange(unsigned color, int line, int length, int from) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  PaintText(*edit, edit->LineIndex(line) + from - 1, length - from + 1, color);
}

void TEditorForm::RecolorLines(TRichEdit& edit, int first, int last) {
  int start = edit.LineIndex(first);
  int end = edit.LineIndex(last + 1);
  PaintText(edit, start, (end < 0 ? edit.TextLength() : end) - start, FTextColor);
  for (int line = first; line <= last; ++line) ColorCommentLine(edit, line);
}

void TEditorForm::ProgramWrite(TRichEdit& edit, const std::function<void()>& write) {
  QPointer<TRichEdit> page(&edit);
  QTextDocument* document = edit.document();
  // What the write changed lies between its first change and the shortest tail of the text that
  // no change reached: later changes never move what stands before or after the changed span.
  int start = std::numeric_limits<int>::max();
  int tail = std::numeric_limits<int>::max();
  {
    QObject watch;
    platform::Connect(document, &QTextDocument::contentsChange, &watch, [&](int from, int, int added) {
      start = std::min(start, from);
      tail = std::min(tail, document->characterCount() - from - added);
    });
    write();
  }
  if (page.isNull()) return;
  if (start != std::numeric_limits<int>::max())
    RecolorLines(edit, edit.LineFromChar(start), edit.LineFromChar(document->characterCount() - tail));
  document->clearUndoRedoStacks();
}

// Every page gets the text colour, its comments the comment colour; a page's modified state is
// kept, so a recoloured page still asks to be saved.
void TEditorForm::RecolorEveryPage() {
  for (int i = 0; i < GetPageCount(); ++i) {
    TRichEdit* edit = PageEditor(i);
    edit->SetFontColor(FTextColor);
    bool couldUndo = edit->document()->isUndoAvailable();
    PaintText(*edit, 0, edit->TextLength(), FTextColor);
    ColorComments(*edit);
    if (!couldUndo) edit->document()->clearUndoRedoStacks();
  }
}

// ---- Keyword help and renames ----

void TEditorForm::HelpTopics1Click() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  UpdateCaretStatus();
  std::string word = KeywordAtColumn(edit->Lines().Get(CaretLine), CaretColumn);
  Launcher::Instance().OpenHelp(Application()->HelpFile, word);
}

bool TEditorForm::ReplaceWordInLine(int line, const std::string& oldText, const std::string& newText, int) {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr || line < 0 || line >= edit->Lines().Count()) return false;
  bool replaced = false;
  std::string result = designer::ReplaceWord(edit->Lines().Get(line), oldText, newText, replaced);
  if (replaced) edit->Lines().Put(line, result);
  return replaced;
}

bool TEditorForm::ReplaceWordInLines(int first, int last, const std::string& oldText, const std::string& newText) {
  bool any = false;
  for (int line = first; line <= last; ++line) any = ReplaceWordInLine(line, oldText, newText) || any;
  return any;
}

// ---- Keyboard macros ----

void TEditorForm::LoadKeyMacroFile(const std::string& fileName, TStringList& target) {
  if (fileName.empty()) {
    ClearKeyMacroTexts(target);
    return;
  }
  // Read first: a file that cannot be opened raises and leaves the target as it was.
  TStringList lines;
  lines.LoadFromFile(fileName);
  target.Clear();
  if (IsKeyMapFileValid(lines)) {
    target.Assign(KeyTextsFromLines(lines));
    return;
  }
  MessageDlg("Invalid file format !", mtError, mbOK);
  FKeyMapFileName.clear();
  if (TempletForm.Made()) TempletForm->KM_Label->clear();  // a later-built one reads the name on show
  ClearKeyMacroTexts(target);
}

// A template file that cannot be read at start-up is reported and forgotten, so the start goes on
// with empty macros.
void TEditorForm::LoadKeyMacrosAtStart() {
  try {
    LoadKeyMacroFile(FKeyMapFileName, FKeyMacros);
  } catch (const Exception& failure) {
    MessageDlg(failure.Message(), mtError, mbOK);
    FKeyMapFileName.clear();
    ClearKeyMacroTexts(FKeyMacros);
  }
}

// ---- Code list ----

void TEditorForm::BuildKeyCodeList() {
  KeyCodeList = new TListBox(this);
  // Already in the list's sorted order, which ignores case ("Interface" between "h" and "j").
  for (const char* item : {"array[]", "bool ", "class ", "do", "e", "f", "g", "h", "Interface", "j", "k", "l", "m",
                           "n", "o", "public ", "q", "r", "s", "try", "u", "void ", "w", "x", "y", "z"})
    KeyCodeList->AddItem(item);
  KeyCodeList->hide();
  platform::Connect(KeyCodeList, &QListWidget::itemClicked, this, [this] { KeyCodeListClick(); });
  new CodeListEvents(*this);
}

// Shows the list just below the caret of the page; nothing is inserted from it.
void TEditorForm::CodeAssistantClick() {
  TRichEdit* edit = ActiveEditor();
  if (edit == nullptr) return;
  QRect caret = edit->cursorRect();
  QPoint at = edit->viewport()->mapTo(this, caret.topLeft());
  KeyCodeList->raise();
  KeyCodeList->move(at.x(), at.y() + KeyCodeList->sizeHintForRow(0));
  KeyCodeList->show();
  KeyCodeList->setFocus();
}

void TEditorForm::KeyCodeListClick() { KeyCodeListExit(); }

void TEditorForm::KeyCodeListExit() {
  if (!KeyCodeList->isVisible()) return;
  KeyCodeList->hide();
  FocusActiveEditor();
}

void TEditorForm::KeyCodeListKeyDown(int& key) {
  if (key != Qt::Key_Escape) return;
  KeyCodeListExit();
  key = 0;
}

// ---- Window ----

void TEditorForm::FormClose(TCloseAction&) {
  if (findDialog_ == nullptr) return;
  findDialog_->hide();
  replaceDialog_->hide();
}

}  // namespace workbench
