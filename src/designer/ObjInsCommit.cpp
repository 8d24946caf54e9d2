// The inspector's commits: a typed value, a value chosen from a row's list, a rename, and the
// dots button's dialogs. Each change reaches the component on the surface and, through the write
// protocol, the one place of the Java source that carries it; a value that cannot be written is
// refused with a message and the row shows the stored value again.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>
#include <cctype>
#include <climits>
#include <set>

#include "designer/CodeWriter_f.h"
#include "designer/ExtendedType.h"
#include "designer/FormDesigner_f.h"
#include "designer/ItemsEditor_f.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "designer/PropertyWriters.h"
#include "platform/Dialogs.h"
#include "platform/ModalService.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

// Names that would break the generated class: the language's keywords and literals, the fields and
// parameters of the templates, and the classes the generated lines name without a qualifier.
const std::set<std::string> kReservedNames = {
    "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const", "continue",
    "default", "do", "double", "else", "enum", "extends", "final", "finally", "float", "for", "goto", "if",
    "implements", "import", "instanceof", "int", "interface", "long", "native", "new", "package", "private",
    "protected", "public", "return", "short", "static", "strictfp", "super", "switch", "synchronized", "this",
    "throw", "throws", "transient", "try", "void", "volatile", "while", "true", "false", "null", "var", "record",
    "yield", "MenuBarHeight", "fForm_Create", "evt", "g", "target", "Color", "Font", "Event", "System", "Toolkit"};
// A class of these names would stand for the AWT class the generated source means.
const std::set<std::string> kAwtClassNames = {
    "Frame", "Applet", "Graphics", "Image", "Button", "Panel", "TextField", "TextArea", "Label", "Checkbox",
    "CheckboxGroup", "Choice", "List", "Scrollbar", "MenuBar", "Menu", "MenuItem", "CheckboxMenuItem", "String",
    "Object"};

bool IsIdentifier(const std::string& name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])) != 0) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
}

// An optional sign and decimal digits, nothing else: "08" is 8; "$10" and "0x10" are no numbers.
bool ParseDecimal(const std::string& text, int& value) {
  const size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (digits >= text.size()) return false;
  long long number = 0;
  for (size_t i = digits; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) return false;
    number = number * 10 + (text[i] - '0');
    if (number > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (text[0] == '-') number = -number;
  if (number > INT_MAX) return false;
  value = static_cast<int>(number);
  return true;
}

bool Released(const TFrame* frame) { return frame == nullptr || frame->FSourcePage.isNull(); }

// The font colour; the height stays as it was.
void SetForegroundColour(QWidget* widget, unsigned colour) {
  const int height = widget->height();
  QPalette colours = widget->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    colours.setColor(role, platform::ToQColor(colour));
  widget->setPalette(colours);
  widget->resize(widget->width(), height);
}

// Every component's source sets its own font: a new font of the frame must not reach them on the
// surface through the parts of their font they never set (their style).
void SetFontOf(QWidget* component, const QFont& face) {
  if (auto* frame = qobject_cast<TFrame*>(component))
    for (QWidget* child : frame->Components()) {
      QFont own = child->font();
      own.setResolveMask(QFont::AllPropertiesResolved);
      child->setFont(own);
    }
  component->setFont(face);
}

Qt::Alignment HorizontalAlignment(int alignment) {
  if (alignment == 1) return Qt::AlignRight;
  if (alignment == 2) return Qt::AlignHCenter;
  return Qt::AlignLeft;
}

// The lines of the items editor's text; a line break that ends the text opens no item.
std::vector<std::string> ItemLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

QStringList QLines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QText(line);
  return list;
}

// The surface holds the texts as the user typed them; only the source holds them escaped.
std::string ItemsText(QWidget* component) {
  if (auto* area = qobject_cast<QPlainTextEdit*>(component)) return Text(area->toPlainText());
  QStringList items;
  if (auto* list = qobject_cast<QListWidget*>(component))
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  if (auto* choice = qobject_cast<QComboBox*>(component))
    for (int i = 0; i < choice->count(); ++i) items << choice->itemText(i);
  return Text(items.join('\n'));
}

void SetItems(QWidget* component, const std::string& text) {
  if (auto* area = qobject_cast<QPlainTextEdit*>(component)) {
    area->setPlainText(QText(text));
  } else if (auto* list = qobject_cast<QListWidget*>(component)) {
    list->clear();
    list->addItems(QLines(ItemLines(text)));
  } else if (auto* choice = qobject_cast<QComboBox*>(component)) {
    choice->clear();
    choice->addItems(QLines(ItemLines(text)));
    choice->setCurrentIndex(choice->count() > 0 ? 0 : -1);
  }
}

int ScrollValueOf(const QScrollBar& bar, int code) {
  switch (code) {
    case pcLineInc: return bar.singleStep();
    case pcPageInc: return bar.pageStep();
    case pcMax: return ScrollValues(&bar).maximum;
    case pcMin: return ScrollValues(&bar).minimum;
    default: return ScrollValues(&bar).value;
  }
}

void SetScrollValue(QScrollBar& bar, int code, int value) {
  TScrollValues values = ScrollValues(&bar);
  switch (code) {
    case pcLineInc: bar.setSingleStep(value); return;
    case pcPageInc: bar.setPageStep(value); return;
    case pcMax: values.maximum = value; break;
    case pcMin: values.minimum = value; break;
    default: values.value = value;
  }
  SetScrollValues(&bar, values);
}

void WriteScrollProperty(QWidget* bar, int code, const std::string& value) {
  switch (code) {
    case pcLineInc: WriteLineIncrement(bar, value); break;
    case pcPageInc: WritePageIncrement(bar, value); break;
    case pcMax: WriteMaximum(bar, value); break;
    case pcMin: WriteMinimum(bar, value); break;
    default: WriteScrollValue(bar, value);
  }
}

// The rows whose numbers have a range: sizes and steps are never negative.
const char* RowName(int code) {
  switch (code) {
    case pcFontSize: return "FontSize";
    case pcHeight: return "Height";
    case pcWidth: return "Width";
    case pcLineInc: return "LineInc";
    default: return "PageInc";
  }
}

// The menus and menu items of a menu bar, whose names begin with the bar's.
QList<platform::TMenuItem*> MenuItemsOf(const QWidget* bar) { return bar->findChildren<platform::TMenuItem*>(); }

std::string RenamedItem(const std::string& item, const std::string& oldBar, const std::string& newBar) {
  bool underBar = item.size() > oldBar.size() && item.compare(0, oldBar.size(), oldBar) == 0;
  return underBar ? newBar + item.substr(oldBar.size()) : std::string();
}

}  // namespace

// ---- Refusals ----

bool TObjInsForm::RefuseValue(const std::string& message) {
  miniEdit1->setText(QText(FOldValue));
  miniEdit1->setModified(false);
  platform::ShowMessage(message);
  return false;
}

std::string TObjInsForm::ValueRefusal(int code, const std::string& text, int& value) const {
  if (!ParseDecimal(text, value)) return "'" + text + "' is not a valid integer value";
  if (code == pcHeight && shownKind_ == ckChoice) return "A Choice takes its height from its font.";
  bool inRange = true;
  if (code == pcFontSize) inRange = value >= 1;
  else if (code == pcWidth || code == pcHeight || code == pcLineInc || code == pcPageInc) inRange = value >= 0;
  return inRange ? std::string() : "'" + text + "' is out of range for " + RowName(code);
}

std::string TObjInsForm::ListRefusal(int code, const std::string& value) const {
  const int kind = GetComponentKind(shown_);
  if (code == pcBackground && kind == ckScrollbar) return "A Scrollbar keeps the default background.";
  if (code == pcChecked && kind == ckRadioButton && !TextToBool(value))
    return "A radio button goes off when another one of its group is checked.";
  return {};
}

std::string TObjInsForm::NameRefusal(QWidget* component, const std::string& name) const {
  TFrame* frame = CurrentFrame();
  const bool isFrame = component == frame;
  if (!IsIdentifier(name) || kReservedNames.count(name) > 0 || (isFrame && kAwtClassNames.count(name) > 0))
    return "''" + name + "'' is not a valid component name";
  std::vector<std::string> wanted = {name};
  if (GetComponentKind(component) == ckMenuBar)
    for (const platform::TMenuItem* item : MenuItemsOf(component)) {
      std::string renamed = RenamedItem(Text(item->objectName()), Text(component->objectName()), name);
      if (!renamed.empty()) wanted.push_back(renamed);
    }
  for (const std::string& candidate : wanted) {
    const std::string lower = platform::LowerCase(candidate);
    bool taken = !isFrame && platform::LowerCase(frame->Name()) == lower;
    for (const QObject* owned : frame->findChildren<QObject*>())
      taken = taken || (owned != component && platform::LowerCase(Text(owned->objectName())) == lower);
    if (taken) return "A component named " + candidate + " already exists";
  }
  if (!isFrame) return {};
  workbench::TEditorForm& editor = *workbench::EditorForm;
  const std::string pageFile = editor.GetPageFileName(editor.Page->indexOf(frame->FSourcePage.data()));
  const std::string folder = platform::ExtractFilePath(pageFile);
  for (const char* extension : {".java", ".jfm"}) {
    const std::string file = folder + name + extension;
    // The page's own file (saved as the new name already) takes the new class; another one stays.
    if (file == pageFile) continue;
    if ((!folder.empty() && platform::FileExists(file)) || editor.FindOpenFile(file) >= 0)
      return "A file named " + file + " already exists";
  }
  return {};
}

// ---- Choosing from the value list ----

void TObjInsForm::miniList1Click() {
  miniList1->hide();
  miniEdit1->setFocus();
  QListWidgetItem* chosen = miniList1->currentItem();
  if (chosen == nullptr || chosen->text() == miniEdit1->text() || shown_ == nullptr) return;
  const std::string value = Text(chosen->text());
  const int code = miniList1->property("Tag").toInt();
  miniEdit1->setText(chosen->text());
  if (std::string refusal = ListRefusal(code, value); !refusal.empty()) {
    RefuseValue(refusal);
    return;
  }
  QWidget* s = shown_;
  bool markModified = true;
  WriteFrameSource(CurrentFrame(), [&] { markModified = ApplyListValue(s, code, value); }, false);
  // The commit of the editor copies the value into its cell.
  if (shown_ != nullptr && markModified) miniEdit1->setModified(true);
}

// Writes the value and applies it to the component; false when the rows were refilled already.
bool TObjInsForm::ApplyListValue(QWidget* s, int code, const std::string& v) {
  auto* frame = qobject_cast<TFrame*>(s);
  const int tag = frame != nullptr ? frame->Tag : DesignTag(s);
  switch (code) {
    case pcAlign: {
      WriteAlignment(s, v);
      auto* label = static_cast<QLabel*>(s);
      label->setAlignment(HorizontalAlignment(StrToAlignment(v)) | (label->alignment() & Qt::AlignVertical_Mask));
      return true;
    }
    case pcBackground:
      WriteBackground(s, v);
      SetBackground(s, JavaNameToColor(v));
      if (GetComponentKind(s) == ckPanel) SetLabelsColor(s);
      return true;
    case pcChecked: ApplyCheckedState(s, v); return true;
    case pcCursor:
      WriteCursor(CursorToStr(tag / 1000), v);
      frame->Tag = StrToCursor(v) * 1000 + tag % 1000;
      return true;
    case pcEnabled: {
      const bool old = (frame != nullptr ? tag % 1000 / 100 : tag / 10) != 0;
      WriteEnabled(s, old);
      const int flag = TextToBool(v) ? 1 : 0;
      if (frame != nullptr) frame->Tag = tag - tag % 1000 + flag * 100 + tag % 100;
      else SetDesignTag(s, flag * 10 + tag % 10);
      return true;
    }
    case pcFontName:
    case pcFontStyle: {
      const QSize before = s->size();
      QFont face = s->font();
      if (code == pcFontName) {
        WriteFontName(s, v);
        face.setFamily(QText(v));
      } else {
        WriteFontStyle(s, v);
        face.setBold((StrToFontStyle(v) & fsBold) != 0);
        face.setItalic((StrToFontStyle(v) & fsItalic) != 0);
      }
      SetFontOf(s, face);
      FollowFontSize(s, before);
      return false;
    }
    case pcForeground:
      WriteForeground(s, v);
      SetForegroundColour(s, JavaNameToColor(v));
      return true;
    case pcMultiSelect: {
      WriteMultipleSelections(s, v);
      auto* list = static_cast<QListWidget*>(s);
      list->setSelectionMode(TextToBool(v) ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
      list->clearSelection();
      return true;
    }
    case pcOrientation: {
      WriteOrientation(s, v);
      auto* bar = static_cast<QScrollBar*>(s);
      const QSize old = bar->size();
      bar->setOrientation(StrToOrientation(v) ? Qt::Vertical : Qt::Horizontal);
      bar->resize(old.height(), old.width());  // a scroll bar turned on its side swaps its sides
      if (CurrentFrame()->FSelected == s) CurrentFrame()->ShowHandles();
      FillRowValues(s);
      WriteHeight(s, std::to_string(old.height()), std::to_string(bar->height()));
      WriteWidth(s, std::to_string(old.width()), std::to_string(bar->width()));
      return false;
    }
    case pcResizable: {
      const bool flag = tag % 100 / 10 != 0;
      WriteResizable(flag, v);
      frame->Tag = flag ? tag - 10 : tag + 10;
      return true;
    }
    case pcVisible: {
      const bool old = tag % 10 != 0;
      WriteVisible(s, old);
      SetDesignTag(s, old ? tag - 1 : tag + 1);
      return true;
    }
    default: return true;
  }
}

void TObjInsForm::ApplyCheckedState(QWidget* s, const std::string& v) {
  auto* box = static_cast<QAbstractButton*>(s);
  if (GetComponentKind(s) == ckRadioButton) {
    UncheckRadioButtons(s->parentWidget());
    WriteRadioState(s, "true");
  } else {
    WriteCheckboxState(s, v);
  }
  box->setChecked(TextToBool(v));
}

// Labels, TextFields and Choices size themselves to their font; the source follows their size.
void TObjInsForm::FollowFontSize(QWidget* s, QSize before) {
  const int kind = GetComponentKind(s);
  if (kind == ckLabel) s->resize(s->sizeHint());
  else if (kind == ckTextField || kind == ckChoice) s->resize(s->width(), s->sizeHint().height());
  TFrame* frame = CurrentFrame();
  if (frame->FSelected == s && s != frame) frame->ShowHandles();
  FillRowValues(s);
  if (s->height() != before.height()) WriteHeight(s, std::to_string(before.height()), std::to_string(s->height()));
  if (kind == ckLabel && s->width() != before.width())
    WriteWidth(s, std::to_string(before.width()), std::to_string(s->width()));
}

// A Label whose caption followed a rename grows to show the whole new caption.
void TObjInsForm::WidenToCaption(QWidget* label) {
  const int before = label->width();
  if (label->sizeHint().width() <= before) return;
  label->resize(label->sizeHint().width(), label->height());
  WriteWidth(label, std::to_string(before), std::to_string(label->width()));
  if (CurrentFrame()->FSelected == label) CurrentFrame()->ShowHandles();
}

// ---- Commit ----

void TObjInsForm::CommitProperty() {
  if (miniEdit1->isHidden() || !miniEdit1->Modified() || shown_ == nullptr) return;
  const int row = miniEdit1->Tag / 100;
  const int code = miniEdit1->Tag % 100;
  std::string text = Text(miniEdit1->text());
  if (IsNumericCode(code)) {
    int value = 0;
    if (std::string refusal = ValueRefusal(code, text, value); !refusal.empty()) {
      RefuseValue(refusal);
      return;
    }
    text = std::to_string(value);  // "08" is written and shown as 8
    miniEdit1->setText(QText(text));
  }
  CommitValue(row, code, text);
  miniEdit1->setModified(false);
}

void TObjInsForm::CommitValue(int row, int code, const std::string& text) {
  if (IsListCode(code)) {
    FPropValuePanels[row]->setText(QText(text));
    return;
  }
  switch (code) {
    case pcCaption:
    case pcText: {
      if (text == FOldValue) return;
      if (auto* frame = qobject_cast<TFrame*>(shown_)) frame->SetCaption(text);
      else SetComponentCaption(shown_, text);
      QWidget* s = shown_;
      const std::string old = FOldValue;
      WriteFrameSource(CurrentFrame(), [&] {
        if (code == pcText) WriteTextFieldText(s, old, text);
        else WriteCaption(s);
      }, false);
      if (shown_ == nullptr) return;
      FPropValuePanels[row]->setText(QText(text));
      FOldValue = text;
      return;
    }
    case pcFontSize: CommitFontSize(platform::StrToInt(text), text); return;
    case pcHeight:
    case pcLeft:
    case pcTop:
    case pcWidth: CommitGeometry(code, platform::StrToInt(text), text); return;
    case pcLineInc:
    case pcMax:
    case pcMin:
    case pcPageInc:
    case pcValue: CommitScrollValue(code, platform::StrToInt(text), text); return;
    case pcPasswdChar: CommitEchoCharacter(text); return;
    case pcName: CommitRename(row, text); return;
    default: return;
  }
}

void TObjInsForm::CommitFontSize(int value, const std::string& text) {
  QWidget* s = shown_;
  if (value == s->font().pointSize()) return;
  const QSize before = s->size();
  WriteFrameSource(CurrentFrame(), [&] {
    WriteFontSize(s, text);
    QFont face = s->font();
    face.setPointSize(value);
    SetFontOf(s, face);
    FollowFontSize(s, before);
  }, false);
  if (shown_ != nullptr) FOldValue = text;
}

void TObjInsForm::CommitScrollValue(int code, int value, const std::string& text) {
  auto* bar = qobject_cast<QScrollBar*>(shown_);
  if (bar == nullptr || value == ScrollValueOf(*bar, code)) return;
  WriteFrameSource(CurrentFrame(), [&] {
    WriteScrollProperty(bar, code, text);
    SetScrollValue(*bar, code, value);
  }, false);
  if (shown_ == nullptr) return;
  SetValueCell(code, text);
  FOldValue = text;
}

void TObjInsForm::CommitEchoCharacter(const std::string& text) {
  const QString typed = QText(text);
  const std::string echo = typed.isEmpty() ? std::string() : Text(typed.left(typed.at(0).isHighSurrogate() ? 2 : 1));
  if (echo == FOldValue) return;
  QWidget* s = shown_;
  const std::string old = FOldValue;
  WriteFrameSource(CurrentFrame(), [&] {
    WriteEchoCharacter(s, old, echo);
    const QList<uint> codes = QText(echo).toUcs4();
    s->setProperty("PasswdChar", codes.isEmpty() ? 0 : static_cast<int>(codes.first()));
    static_cast<QLineEdit*>(s)->setEchoMode(echo.empty() ? QLineEdit::Normal : QLineEdit::Password);
  }, false);
  if (shown_ == nullptr) return;
  SetValueCell(pcPasswdChar, echo);
  miniEdit1->setText(QText(echo));
  FOldValue = echo;
}

void TObjInsForm::CommitGeometry(int code, int value, const std::string& text) {
  if (value == platform::StrToIntDef(FOldValue, value + 1)) return;
  QWidget* s = shown_;
  const std::string old = FOldValue;
  WriteFrameSource(CurrentFrame(), [s, code, old, text] {
    if (code == pcLeft) WriteLeft(s, old, text);
    else if (code == pcTop) WriteTop(s, old, text);
    else if (code == pcWidth) WriteWidth(s, old, text);
    else WriteHeight(s, old, text);
  }, false);
  if (shown_ == nullptr) return;
  QRect g = s->geometry();
  auto* frame = qobject_cast<TFrame*>(s);
  if (frame != nullptr) g = QRect(frame->Left(), frame->Top(), frame->Width(), frame->Height());
  if (code == pcLeft) g.moveLeft(value);
  else if (code == pcTop) g.moveTop(value);
  else if (code == pcWidth) g.setWidth(value);
  else g.setHeight(value);
  if (frame != nullptr && frame->FrameId == fkApplet && (code == pcWidth || code == pcHeight))
    frame->resize(code == pcWidth ? value : frame->width(), code == pcHeight ? value : frame->height());
  else if (frame != nullptr) frame->SetBounds(g.x(), g.y(), g.width(), g.height());
  else s->setGeometry(g);
  if (frame != nullptr) frame->KeepFrameGeometry();
  SetValueCell(code, text);
  if (CurrentFrame() != nullptr && CurrentFrame()->FSelected == s && frame == nullptr) CurrentFrame()->ShowHandles();
  FOldValue = text;
}

// ---- Rename ----

void TObjInsForm::CommitRename(int row, const std::string& typed) {
  const std::string t = platform::Trim(typed);
  miniEdit1->setText(QText(t));
  TFrame* frame = CurrentFrame();
  if (t == FOldValue || frame == nullptr) return;
  QWidget* s = shown_;
  if (std::string refusal = NameRefusal(s, t); !refusal.empty()) {
    RefuseValue(refusal);
    return;
  }
  const bool isFrame = s == frame;
  if (isFrame && !SaveFrameFiles(frame)) {
    miniEdit1->setText(QText(FOldValue));
    return;
  }
  const std::string oldName = Text(s->objectName());
  const bool menuBar = GetComponentKind(s) == ckMenuBar;
  const bool captionFollows = isFrame ? frame->Caption() == oldName : ComponentCaption(s) == oldName;
  RenameEntry(oldName, t);
  WriteFrameSource(frame, [&] {
    if (isFrame) {
      RenameClassCode(frame->FrameId, oldName, t);
      RenameComponentHandlers(frame->FHandlerList, oldName, t);
      frame->SetName(t);
    } else if (menuBar) {
      RenameMenuBar(frame, s, t);
    } else {
      RenameComponentCode(s, t);
      RenameComponentHandlers(frame->FHandlerList, oldName, t);
      SetComponentName(s, t);
    }
    if (captionFollows && !workbench::MarkerLost) {
      WriteCaption(s);
      if (GetComponentKind(s) == ckLabel) WidenToCaption(s);
    }
  }, false);
  if (Released(frame) || shown_ == nullptr) return;
  if (isFrame) RenameFramePage(frame, t);
  if (menuBar) frame->FSelected = frame->MMB;
  FPropValuePanels[row]->setText(QText(t));
  if (captionFollows) FillRowValues(s);
  FOldValue = t;
}

// The chooser entry of the old name takes the new one; the shown component's is selected. The
// chooser sorts itself again on the change, so the entry is looked up anew by its text.
void TObjInsForm::RenameEntry(const std::string& oldName, const std::string& newName) {
  for (int i = 0; i < ComboBox1->count(); ++i) {
    const std::string entry = Text(ComboBox1->itemText(i));
    if (GetFirstWord(entry) != oldName) continue;
    const QString renamed = QText(newName + entry.substr(oldName.size()));
    ComboBox1->setItemText(i, renamed);
    if (shown_ != nullptr && Text(shown_->objectName()) == oldName)
      ComboBox1->setCurrentIndex(ComboBox1->findText(renamed));
    return;
  }
}

void TObjInsForm::RenameMenuBar(TFrame* frame, QWidget* bar, const std::string& newName) {
  const std::string oldName = Text(bar->objectName());
  RenameMenuCode(oldName, newName);
  for (platform::TMenuItem* item : MenuItemsOf(bar)) {
    const std::string name = Text(item->objectName());
    const std::string renamed = RenamedItem(name, oldName, newName);
    if (renamed.empty()) continue;
    RenameComponentHandlers(frame->FHandlerList, name, renamed);
    RenameEntry(name, renamed);
    item->setObjectName(QText(renamed));
  }
  bar->setObjectName(QText(newName));
}

// A saved page's files get their last state under the old name before the page takes the new
// one; the old source goes to the top of the reopen list.
bool TObjInsForm::SaveFrameFiles(TFrame* frame) {
  workbench::TEditorForm& editor = *workbench::EditorForm;
  const int page = editor.Page->indexOf(frame->FSourcePage.data());
  const std::string fileName = editor.GetPageFileName(page);
  if (platform::ExtractFilePath(fileName).empty()) return true;
  if (!editor.SavePageFiles(page, fileName)) return false;
  workbench::MainForm->AddReopenItem(0, fileName);
  return true;
}

void TObjInsForm::RenameFramePage(TFrame* frame, const std::string& newName) {
  workbench::TEditorForm& editor = *workbench::EditorForm;
  const int page = editor.Page->indexOf(frame->FSourcePage.data());
  const std::string folder = platform::ExtractFilePath(editor.GetPageFileName(page));
  const std::string fileName = folder + newName + ".java";
  editor.RenamePageFile(page, fileName);
  if (!folder.empty()) workbench::MainForm->RemoveReopenItem(fileName);
}

// ---- The dots button ----

void TObjInsForm::miniDots1Click() {
  if (!miniEdit1->isHidden()) miniEdit1->setFocus();
  TFrame* frame = CurrentFrame();
  QWidget* s = shown_;
  if (frame == nullptr || s == nullptr) return;
  const int kind = GetComponentKind(s);
  if (kind == ckMenuBar) frame->OpenMenuDesigner();
  else if (auto* image = qobject_cast<TImage*>(s)) ChoosePicture(frame, image);
  else if (kind == ckTextArea || kind == ckList || kind == ckChoice) EditItems(frame, s);
}

void TObjInsForm::ChoosePicture(TFrame* frame, TImage* image) {
  OpenPictureDialog1->InitialDir = workbench::EditorForm->GetWorkingDir();
  OpenPictureDialog1->FileName.clear();
  if (!OpenPictureDialog1->Execute()) return;
  const std::string path = OpenPictureDialog1->FileName;
  if (platform::LowerCase(platform::ExtractFileExt(path)) != ".gif") {
    platform::ShowMessage("An Image shows GIF pictures only:\r" + path);
    return;
  }
  try {
    image->LoadFromFile(path);
  } catch (const platform::Exception& failure) {
    platform::MessageDlg(path + " : " + failure.Message(), platform::mtError, platform::mbOK);
    return;
  }
  image->PicturePath = path;
  image->SetAnimate(true);
  const QSize before = image->size();
  const std::string oldFile = image->FileName;
  image->FileName = platform::ExtractFileName(path);
  image->SetAutoSize(true);  // the Image takes the picture's size
  image->SetAutoSize(false);
  if (frame->FSelected == image) frame->ShowHandles();
  ShowComponent(image);
  WriteFrameSource(frame, [&] {
    WriteImageFile(image, oldFile, image->FileName);
    WriteHeight(image, std::to_string(before.height()), std::to_string(image->height()));
    WriteWidth(image, std::to_string(before.width()), std::to_string(image->width()));
  }, false);
}

void TObjInsForm::EditItems(TFrame* frame, QWidget* component) {
  QPlainTextEdit* memo = ItemsEditorForm->Memo1;
  const bool textArea = GetComponentKind(component) == ckTextArea;
  memo->setTabChangesFocus(!textArea);
  memo->setPlainText(QText(ItemsText(component)));
  memo->document()->setModified(false);
  if (ItemsEditorForm->ShowModal() != platform::mrOk || !memo->document()->isModified()) return;
  const std::string text = Text(memo->toPlainText());
  memo->document()->setModified(false);
  WriteFrameSource(frame, [&] {
    if (textArea) {
      WriteTextAreaText(component, EscapeJavaString(text));
    } else {
      std::vector<std::string> items = ItemLines(text);
      for (std::string& item : items) item = EscapeJavaString(item);
      WriteListItems(component, items);
    }
    SetItems(component, text);
  }, false);
}

}  // namespace designer
