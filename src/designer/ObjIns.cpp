#include "designer/ObjIns.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStandardItemModel>
#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "designer/CodeWriter_f.h"
#include "designer/ExtendedType.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "designer/PropertyWriters.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/HandlerGuard.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

TObjInsForm* ObjInsForm = nullptr;

namespace {

using Names = std::vector<std::string>;

const QColor kNavy(0, 0, 128);
const QColor kGray(128, 128, 128);
// The chooser sorts its entries by this role: the entry's text in lower case.
constexpr int kChooserSortRole = Qt::UserRole + 1;
constexpr int kButtonWidth = 17;  // an arrow or dots button and its gap beside an editor
constexpr int kEditorTextMargin = 2;  // a line edit's own room on either side of its text

Names Rows(std::initializer_list<const char*> names) {
  Names rows;
  for (const char* name : names) rows.push_back(std::string(" ") + name);
  return rows;
}

Names EventRows(std::initializer_list<const char*> names) {
  Names rows;
  for (const char* name : names) rows.push_back(std::string(" On") + name);
  return rows;
}

const Names kFrameEvents = EventRows({"GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease",
                                      "LostFocus", "MouseDown", "MouseDrag", "MouseEnter", "MouseExit", "MouseMove",
                                      "MouseUp", "WindowDeIconify", "WindowDestroy", "WindowExpose", "WindowIconify",
                                      "WindowMoved"});
const Names kAppletGrayProperties = Rows({"Caption", "Cursor", "Left", "Resizable", "Top"});
const Names kAppletGrayEvents =
    EventRows({"WindowDeIconify", "WindowDestroy", "WindowExpose", "WindowIconify", "WindowMoved"});

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

// A value list opens below its editor, wide and tall enough for every entry; where the page has
// no room for it below, it opens above, and it never leaves the page.
void PlaceValueList(QListWidget* list, const QWidget* editor, int cellWidth) {
  const QWidget* page = list->parentWidget();
  const int frame = 2 * list->frameWidth();
  const int width = std::min(std::max(cellWidth, list->sizeHintForColumn(0) + frame), page->width());
  const int height = std::min(list->count() * list->sizeHintForRow(0) + frame, page->height());
  const int left = std::clamp(editor->x() - 1, 0, page->width() - width);
  const int below = editor->y() + editor->height();
  const int top = below + height <= page->height() ? below : std::max(editor->y() - height, 0);
  list->setGeometry(left, top, width, height);
}

}  // namespace

std::string ValueOf(QWidget* c, int kind, int code) {
  auto* frame = qobject_cast<TFrame*>(c);
  const bool applet = frame != nullptr && frame->FrameId == fkApplet;
  const int tag = frame != nullptr ? frame->Tag : DesignTag(c);
  switch (code) {
    case pcBackground:
      return ColorToJavaName(kind == ckScrollbar ? DefaultBackground() : ColourOf(c, QPalette::Window));
    case pcCaption: return frame != nullptr ? frame->Caption() : ComponentCaption(c);
    case pcCursor: return CursorToStr(tag / 1000);
    case pcEnabled: return IntToBoolStr(frame != nullptr ? tag % 1000 / 100 : tag % 100 / 10);
    case pcResizable: return IntToBoolStr(tag % 100 / 10);
    case pcVisible: return IntToBoolStr(kind == ckLabel ? tag : tag % 10);
    case pcFontName: return Text(c->font().family());
    case pcFontSize: return std::to_string(c->font().pointSize());
    case pcFontStyle:
      return FontStyleToStr((c->font().bold() ? fsBold : 0u) | (c->font().italic() ? fsItalic : 0u));
    case pcForeground: return ColorToJavaName(ColourOf(c, QPalette::WindowText));
    case pcHeight:
      if (frame == nullptr) return std::to_string(c->height());
      return std::to_string(applet ? frame->height() : frame->Height());
    case pcWidth:
      if (frame == nullptr) return std::to_string(c->width());
      return std::to_string(applet ? frame->width() : frame->Width());
    case pcLeft: return std::to_string(frame != nullptr ? frame->Left() : c->x());
    case pcTop: return std::to_string(frame != nullptr ? frame->Top() : c->y());
    case pcName: return Text(c->objectName());
    case pcItems: return "[Items]";
    case pcPicture: return "[Picture]";
    case pcFileName: {
      auto* image = qobject_cast<TImage*>(c);
      return image != nullptr ? image->FileName : std::string();
    }
    case pcText: return ComponentCaption(c);
    default: break;
  }
  if (code == pcPasswdChar) {
    const char32_t echo = static_cast<char32_t>(c->property("PasswdChar").toInt());
    return echo == 0 ? std::string() : QString::fromUcs4(&echo, 1).toStdString();
  }
  if (auto* box = qobject_cast<QAbstractButton*>(c); box != nullptr && code == pcChecked)
    return BoolToText(box->isChecked());
  if (auto* list = qobject_cast<QListWidget*>(c); list != nullptr && code == pcMultiSelect)
    return BoolToText(list->selectionMode() == QAbstractItemView::MultiSelection);
  if (auto* label = qobject_cast<QLabel*>(c); label != nullptr && code == pcAlign)
    return AlignmentToStr(LabelAlignment(*label));
  if (auto* bar = qobject_cast<QScrollBar*>(c)) {
    switch (code) {
      case pcLineInc: return std::to_string(bar->singleStep());
      case pcMax: return std::to_string(ScrollValues(bar).maximum);
      case pcMin: return std::to_string(ScrollValues(bar).minimum);
      case pcOrientation: return OrientationToStr(bar->orientation() == Qt::Vertical);
      case pcPageInc: return std::to_string(bar->pageStep());
      case pcValue: return std::to_string(ScrollValues(bar).value);
      default: break;
    }
  }
  return {};
}

bool IsNumericCode(int code) {
  switch (code) {
    case pcFontSize: case pcHeight: case pcLeft: case pcLineInc: case pcMax: case pcMin: case pcPageInc: case pcTop: case pcValue: case pcWidth:
      return true;
    default: return false;
  }
}

bool IsListCode(int code) {
  switch (code) {
    case pcAlign: case pcBackground: case pcChecked: case pcCursor: case pcEnabled: case pcFontName: case pcFontStyle:
    case pcForeground: case pcMultiSelect: case pcOrientation: case pcResizable: case pcVisible:
      return true;
    default: return false;
  }
}

bool IsDotsCode(int code) { return code == pcItems || code == pcPicture; }

// ---- Row names and codes ----

int PropertyCodeOf(const std::string& rowName) {
  static const std::map<std::string, int> kCodes = {
      {"Agn", pcAlign},     {"Bnd", pcBackground}, {"Con", pcCaption}, {"Ced", pcChecked}, {"Cor", pcCursor},
      {"Eed", pcEnabled},   {"Fme", pcFontName},   {"Fze", pcFontSize}, {"Fle", pcFontStyle},
      {"Fnd", pcForeground}, {"Hht", pcHeight},    {"Ims", pcItems},   {"Nme", pcName},    {"Lft", pcLeft},
      {"Lnc", pcLineInc},   {"Max", pcMax},        {"Min", pcMin},     {"Mct", pcMultiSelect}, {"Oon", pcOrientation},
      {"Pnc", pcPageInc},   {"Par", pcPasswdChar}, {"Rle", pcResizable}, {"Txt", pcText},  {"Top", pcTop},
      {"Vue", pcValue},     {"Vle", pcVisible},    {"Wth", pcWidth},   {"Pre", pcPicture}};
  if (rowName.size() < 4) return -1;
  std::string key = rowName.substr(1, 1) + rowName.substr(rowName.size() - 2);
  if (key == "Fme" && rowName == " FileName") return pcFileName;
  auto found = kCodes.find(key);
  return found == kCodes.end() ? -1 : found->second;
}

const std::vector<std::string>& PropertyRowNames(int kind) {
  static const std::map<int, Names> kRows = {
      {ckFrame, Rows({"Background", "Caption", "Cursor", "Enabled", "FontName", "FontSize", "FontStyle", "Foreground",
                      "Height", "Name", "Left", "Resizable", "Top", "Width"})},
      {ckMenuBar, Rows({"Items", "Name"})},
      {ckButton, Rows({"Caption", "Enabled", "FontName", "FontSize", "FontStyle", "Height", "Name", "Left", "Top",
                       "Visible", "Width"})},
      {ckPanel, Rows({"Background", "Enabled", "FontName", "FontSize", "FontStyle", "Foreground", "Height", "Name",
                      "Left", "Top", "Visible", "Width"})},
      {ckTextField, Rows({"Background", "Enabled", "FontName", "FontSize", "FontStyle", "Foreground", "Height",
                          "Name", "Left", "PasswdChar", "Text", "Top", "Visible", "Width"})},
      {ckTextArea, Rows({"Background", "Enabled", "FontName", "FontSize", "FontStyle", "Foreground", "Height",
                         "Items", "Name", "Left", "Top", "Visible", "Width"})},
      {ckLabel, Rows({"Align", "Caption", "FontName", "FontSize", "FontStyle", "Height", "Name", "Left", "Top",
                      "Visible", "Width"})},
      {ckCheckbox, Rows({"Background", "Caption", "Checked", "Enabled", "FontName", "FontSize", "FontStyle",
                         "Height", "Name", "Left", "Top", "Visible", "Width"})},
      {ckRadioButton, Rows({"Background", "Caption", "Checked", "Enabled", "FontName", "FontSize", "FontStyle",
                            "Height", "Name", "Left", "Top", "Visible", "Width"})},
      {ckChoice, Rows({"Enabled", "FontName", "FontSize", "FontStyle", "Height", "Items", "Name", "Left", "Top",
                       "Visible", "Width"})},
      {ckList, Rows({"Background", "Enabled", "FontName", "FontSize", "FontStyle", "Foreground", "Height", "Items",
                     "Name", "Left", "MultiSelect", "Top", "Visible", "Width"})},
      {ckScrollbar, Rows({"Background", "Enabled", "Height", "Name", "Left", "LineInc", "Max", "Min", "Orientation",
                          "PageInc", "Top", "Value", "Visible", "Width"})},
      {ckImage, Rows({"FileName", "Height", "Left", "Name", "Picture", "Top", "Width"})},
      {ckFileDialog, Rows({"Name"})}};
  static const Names kNone;
  auto found = kRows.find(kind);
  return found == kRows.end() ? kNone : found->second;
}

const std::vector<std::string>& EventRowNames(int kind) {
  static const Names kKeys = EventRows({"GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease"});
  static const std::map<int, Names> kRows = {
      {ckFrame, kFrameEvents},
      {ckButton, EventRows({"Action", "GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease",
                            "LostFocus"})},
      {ckTextField, EventRows({"Action", "GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease",
                               "LostFocus"})},
      {ckPanel, EventRows({"GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease", "LostFocus",
                           "MouseDown", "MouseDrag", "MouseEnter", "MouseExit", "MouseMove", "MouseUp"})},
      {ckTextArea, EventRows({"GotFocus", "KeyAction", "KeyActionRelease", "KeyPress", "KeyRelease", "LostFocus"})},
      {ckScrollbar,
       EventRows({"ScrollAbsolute", "ScrollLineDown", "ScrollLineUp", "ScrollPageDown", "ScrollPageUp"})}};
  static const Names kSelectable = EventRows({"Action", "GotFocus", "KeyAction", "KeyActionRelease", "KeyPress",
                                              "KeyRelease", "ListDeSelect", "ListSelect", "LostFocus"});
  static const Names kNone;
  if (kind == ckCheckbox || kind == ckRadioButton || kind == ckChoice || kind == ckList) return kSelectable;
  auto found = kRows.find(kind);
  return found == kRows.end() ? kNone : found->second;
}

namespace {

constexpr int kCellIndent = 2;  // the text's distance from a cell's left border

// The words of a property's value list, in list order; the booleans for a code without a list of
// its own.
const std::vector<const char*>& ValueList(int code) {
  static const std::vector<const char*> kBooleans = {"True", "False"};
  static const std::map<int, std::vector<const char*>> kLists = {
      {pcAlign, {"LEFT", "CENTER", "RIGHT"}},
      {pcBackground, {"black", "blue", "cyan", "darkGray", "gray", "green", "lightGray", "magenta", "orange", "pink",
                      "red", "white", "yellow"}},
      {pcCursor, {"CROSSHAIR_CURSOR", "DEFAULT_CURSOR", "E_RESIZE_CURSOR", "HAND_CURSOR", "MOVE_CURSOR",
                  "NE_RESIZE_CURSOR", "NW_RESIZE_CURSOR", "N_RESIZE_CURSOR", "SE_RESIZE_CURSOR", "SW_RESIZE_CURSOR",
                  "S_RESIZE_CURSOR", "TEXT_CURSOR", "WAIT_CURSOR", "W_RESIZE_CURSOR"}},
      {pcFontName, {"Courier", "Dialog", "Helvetica", "Symbol", "TimesRoman"}},
      {pcFontStyle, {"[]", "[BOLD]", "[ITALIC]", "[BOLD,ITALIC]"}},
      {pcOrientation, {"HORIZONTAL", "VERTICAL"}}};
  auto found = kLists.find(code == pcForeground ? pcBackground : code);
  return found == kLists.end() ? kBooleans : found->second;
}

// The name column's least width: the widest row name of any kind in a cell, so that no name is cut.
int NameColumnWidth(const TRowPanel& cell) {
  std::set<std::string> distinct;
  for (int kind = ckFrame; kind <= ckFileDialog; ++kind)
    for (const Names* names : {&PropertyRowNames(kind), &EventRowNames(kind)}) distinct.insert(names->begin(), names->end());
  int widest = 0;
  for (const std::string& name : distinct) widest = std::max(widest, cell.fontMetrics().horizontalAdvance(QText(name)));
  return widest + 2 * cell.frameWidth() + kCellIndent;
}

// The value column's least width: the widest word of the value lists, whole in its row's editor
// beside the arrow button.
int ValueColumnWidth(const QLineEdit& editor) {
  int widest = 0;
  for (int code : {pcAlign, pcBackground, pcCursor, pcFontName, pcFontStyle, pcOrientation, pcChecked})
    for (const char* word : ValueList(code)) widest = std::max(widest, editor.fontMetrics().horizontalAdvance(word));
  const QMargins margins = editor.textMargins();
  return widest + margins.left() + margins.right() + 2 * kEditorTextMargin + kButtonWidth;
}

}  // namespace

// ---- Row cells and the editor ----

void TRowPanel::SetGrayed(bool grayed) {
  grayed_ = grayed;
}

void TRowPanel::SetTextColour(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

void TRowPanel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (OnClick) platform::HandleEvent([&] { OnClick(this); });
}

void TRowPanel::paintEvent(QPaintEvent* event) {
  if (!ElidesValue) return QLabel::paintEvent(event);
  const QString whole = text();
  const QRect room = contentsRect().adjusted(std::max(indent(), 0), 0, 0, 0);
  const QString shown = fontMetrics().elidedText(whole, Qt::ElideRight, room.width());
  setToolTip(shown == whole ? QString() : whole);
  if (shown == whole) return QLabel::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(room, static_cast<int>(alignment()), shown);
}

void TMiniEdit::keyPressEvent(QKeyEvent* event) {
  if (OnKeyDown) platform::HandleEvent([&] { OnKeyDown(event); });
  QLineEdit::keyPressEvent(event);
}

void TMiniEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (OnKeyUp) platform::HandleEvent([&] { OnKeyUp(event); });
}

void TMiniEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (OnExit) platform::HandleEvent(OnExit);
}

// ---- The window ----

TObjInsForm::TObjInsForm() {
  SetCaption("Object Inspector");
  FormCreate();
}

TObjInsForm::~TObjInsForm() {
  // The editors' leaving must not commit into a window that is going away.
  miniEdit1->OnExit = nullptr;
  miniEdit2->OnExit = nullptr;
  miniList1->removeEventFilter(this);
  delete FEventTaps;
}

void TObjInsForm::FormCreate() {
  Panel2 = new QWidget(this);
  Panel2->setGeometry(0, 0, 162, 33);
  ComboBox1 = new QComboBox(Panel2);
  ComboBox1->setGeometry(3, 4, 157, 22);
  ComboBox1->setFocusPolicy(Qt::NoFocus);
  ComboBox1->setMaxVisibleItems(10);
  platform::Connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  auto* entries = qobject_cast<QStandardItemModel*>(ComboBox1->model());
  entries->setSortRole(kChooserSortRole);
  platform::Connect(entries, &QAbstractItemModel::rowsInserted, this, [this] { SortChooser(); });
  platform::Connect(entries, &QAbstractItemModel::dataChanged, this, [this] { SortChooser(); });

  Page1 = new QTabWidget(this);
  Page1->setFocusPolicy(Qt::NoFocus);
  ProPage = new QWidget;
  EvePage = new QWidget;
  Page1->addTab(ProPage, "Properties");
  Page1->addTab(EvePage, "Events");
  ProPage->installEventFilter(this);
  EvePage->installEventFilter(this);
  PropertyBackPanel = new QFrame(ProPage);
  PropertyBackPanel->setFrameShape(QFrame::Box);
  EventBackPanel = new QFrame(EvePage);
  EventBackPanel->setFrameShape(QFrame::Box);
  BuildRows(PropertyBackPanel, PropertyRows, FPropNamePanels, FPropValuePanels,
            [this](TRowPanel* panel) { Child1Click(panel); });
  BuildRows(EventBackPanel, EventRows, FEventNamePanels, FEventValuePanels,
            [this](TRowPanel* panel) { Child2Click(panel); });
  platform::Connect(Page1, &QTabWidget::currentChanged, this, [this] { Page1Change(); });

  miniEdit1 = new TMiniEdit(PropertyBackPanel);
  miniEdit1->setFrame(false);
  miniEdit1->setFixedHeight(17);
  miniEdit1->OnKeyDown = [this](QKeyEvent* event) { miniEdit1KeyDown(event); };
  miniEdit1->OnKeyUp = [this](QKeyEvent* event) { miniEdit1KeyUp(event); };
  miniEdit1->OnExit = [this] { miniEdit1Exit(); };
  platform::Connect(miniEdit1, &QLineEdit::textEdited, this, [this] { miniEdit1Change(); });
  miniDots1 = new QToolButton(PropertyBackPanel);
  miniDots1->setIcon(platform::Glyph("morvane/dots"));
  miniArrow1 = new QToolButton(PropertyBackPanel);
  miniArrow1->setIcon(platform::Glyph("morvane/dropdown"));
  for (QToolButton* button : {miniDots1, miniArrow1}) {
    button->setFixedSize(14, 14);
    button->setIconSize(QSize(10, 10));
    button->setFocusPolicy(Qt::NoFocus);
  }
  platform::Connect(miniArrow1, &QToolButton::clicked, this, [this] { miniArrow1Click(); });
  platform::Connect(miniDots1, &QToolButton::clicked, this, [this] { miniDots1Click(); });
  OpenPictureDialog1 = new platform::TOpenDialog(this);
  OpenPictureDialog1->Filter = "GIF files [*.gif]|*.gif|All files [*.*]|*.*";
  OpenPictureDialog1->DefaultExt = "gif";
  OpenPictureDialog1->Title = "Open Picture";
  miniList1 = new QListWidget(PropertyBackPanel);
  platform::Connect(miniList1, &QListWidget::itemClicked, this, [this] { miniList1Click(); });
  miniList1->installEventFilter(this);  // its leaving closes it
  miniEdit2 = new TMiniEdit(EventBackPanel);
  miniEdit2->setFrame(false);
  miniEdit2->setFixedHeight(17);
  miniArrow2 = new QToolButton(EventBackPanel);
  miniArrow2->setIcon(platform::Glyph("morvane/dropdown"));
  miniArrow2->setFixedSize(14, 14);
  miniArrow2->setIconSize(QSize(10, 10));
  miniList2 = new QListWidget(EventBackPanel);
  miniList2->setSortingEnabled(true);  // ignoring case: its entries are THandlerItems
  BuildEventsEditor();
  for (QWidget* editor : std::initializer_list<QWidget*>{miniEdit1, miniDots1, miniArrow1, miniList1, miniEdit2,
                                                          miniArrow2, miniList2})
    editor->hide();
  // The window never gets so narrow that a row name or a word of a value list would be cut.
  nameColumn_ = NameColumnWidth(*FPropNamePanels[0]);
  valueColumn_ = ValueColumnWidth(*miniEdit1);
  for (QWidget* sheet : {ProPage, EvePage}) sheet->setMinimumWidth(nameColumn_ + 4 + valueColumn_);
  setMinimumWidth(Page1->minimumSizeHint().width());
  SetBounds(0, 99, 170, 439);
}

void TObjInsForm::BuildRows(QFrame* back, int count, std::vector<TRowPanel*>& names, std::vector<TRowPanel*>& values,
                            const std::function<void(TRowPanel*)>& click) {
  for (int row = 0; row < count; ++row) {
    auto* name = new TRowPanel(back);
    auto* value = new TRowPanel(back);
    value->ElidesValue = true;
    name->setGeometry(0, RowHeight * row, 75, RowHeight);
    value->setGeometry(75, RowHeight * row, 75, RowHeight);
    value->SetTextColour(kNavy);
    for (TRowPanel* panel : {name, value}) {
      panel->setFrameShape(QFrame::Panel);
      panel->setIndent(kCellIndent);
      panel->OnClick = click;
      panel->hide();
    }
    names.push_back(name);
    values.push_back(value);
  }
}

void TObjInsForm::ResizeForm() {
  Panel2->setGeometry(0, 0, width(), 33);
  ComboBox1->setFixedWidth(std::max(Panel2->width() - 6, 0));
  Page1->setGeometry(0, 33, width(), std::max(height() - 33, 0));
  for (QFrame* back : {PropertyBackPanel, EventBackPanel}) back->setGeometry(Page1->currentWidget()->rect());
  const int w = PropertyBackPanel->width();
  // Half the sheet for the names, as long as neither column gets too narrow for its texts.
  const int half = std::max(nameColumn_, std::min(w / 2 - 4, w - 4 - valueColumn_));
  for (auto* rows : {&FPropNamePanels, &FEventNamePanels})
    for (TRowPanel* panel : *rows) panel->setGeometry(0, panel->y(), half, RowHeight);
  for (auto* rows : {&FPropValuePanels, &FEventValuePanels})
    for (TRowPanel* panel : *rows) panel->setGeometry(half, panel->y(), w - half - 4, RowHeight);
  if (ComboBox1->count() > 0) ReplaceEditor();
}

bool TObjInsForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == ProPage || watched == EvePage)) ResizeForm();
  if (event->type() == QEvent::FocusOut && watched == miniList1) platform::HandleEvent([this] { miniList1Exit(); });
  return platform::TForm::eventFilter(watched, event);
}

// Puts the open editor back on its row after the columns moved.
void TObjInsForm::ReplaceEditor() {
  if (!miniEdit2->isHidden()) PlaceHandlerEditor(miniEdit2->Tag / 100);
  if (miniEdit1->isHidden()) return;
  miniList1->hide();
  // A FileName row is grey and never opens: its editor is nowhere to put back.
  if (miniEdit1->Tag % 100 != pcFileName) PlacePropertyEditor(miniEdit1->Tag / 100, miniEdit1->Tag % 100);
}

// The property editor on the row's value cell, with the arrow or dots button of its code beside it
// and the value list below.
void TObjInsForm::PlacePropertyEditor(int row, int code) {
  const TRowPanel* cell = FPropValuePanels[row];
  const bool list = IsListCode(code);
  const bool beside = list || IsDotsCode(code);
  miniEdit1->setGeometry(cell->x(), cell->y(), cell->width() - (beside ? kButtonWidth : 1), 17);
  if (beside) (list ? miniArrow1 : miniDots1)->move(miniEdit1->x() + miniEdit1->width() + 1, miniEdit1->y() + 2);
  if (list) PlaceValueList(miniList1, miniEdit1, cell->width());
}

void TObjInsForm::PlaceHandlerEditor(int row) {
  if (row < 0 || row >= EventRows) return;
  const TRowPanel* cell = FEventValuePanels[row];
  miniEdit2->setGeometry(cell->x(), cell->y(), cell->width() - kButtonWidth, 17);
  miniArrow2->move(miniEdit2->x() + miniEdit2->width() + 1, miniEdit2->y() + 2);
  PlaceValueList(miniList2, miniEdit2, cell->width());
}

TFrame* TObjInsForm::CurrentFrame() const { return workbench::MainForm->FCurrentFrame.data(); }

// ---- Showing ----

void TObjInsForm::ClearInspector() {
  HideEditors();
  SetRowCounts(0, 0);
  ComboBox1->clear();
  shown_ = nullptr;
}

void TObjInsForm::SelectComponent(QWidget* component) {
  if (component == nullptr) return;
  TFrame* frame = CurrentFrame();
  if (frame != nullptr && component == frame->MMB) {
    if (auto* menuBar = qobject_cast<QWidget*>(static_cast<QObject*>(FindMenuBar()))) component = menuBar;
  }
  ComboBox1->setCurrentIndex(ComboBox1->findText(QText(InspectorEntry(component))));
  ShowComponent(component);
}

void TObjInsForm::ShowComponent(QWidget* component) {
  HideEditors();
  shown_ = component;
  shownKind_ = GetComponentKind(component);
  SetRowCounts(GetHowManyProperties(shownKind_), GetHowManyEvents(shownKind_));
  FillRowNames(component);
  FillRowValues(component);
}

void TObjInsForm::SetRowCounts(int properties, int events) {
  for (int row = 0; row < PropertyRows; ++row) {
    FPropNamePanels[row]->setVisible(row < properties);
    FPropValuePanels[row]->setVisible(row < properties);
  }
  for (int row = 0; row < EventRows; ++row) {
    FEventNamePanels[row]->setVisible(row < events);
    FEventValuePanels[row]->setVisible(row < events);
  }
}

void TObjInsForm::FillRowNames(QWidget* component) {
  const Names& properties = PropertyRowNames(shownKind_);
  const Names& events = EventRowNames(shownKind_);
  for (size_t row = 0; row < properties.size(); ++row) FPropNamePanels[row]->setText(QText(properties[row]));
  for (size_t row = 0; row < events.size(); ++row) FEventNamePanels[row]->setText(QText(events[row]));
  RestoreRows();
  auto* frame = qobject_cast<TFrame*>(component);
  if (frame != nullptr && frame->FrameId == fkApplet) GrayRows(kAppletGrayProperties, kAppletGrayEvents);
  if (shownKind_ == ckImage) GrayRows(Rows({"FileName"}), {});
}

void TObjInsForm::GrayRows(const Names& propertyRows, const Names& eventRows) {
  auto gray = [](std::vector<TRowPanel*>& names, std::vector<TRowPanel*>& values, const Names& grayed) {
    for (size_t row = 0; row < names.size(); ++row) {
      if (std::find(grayed.begin(), grayed.end(), Text(names[row]->text())) == grayed.end()) continue;
      names[row]->SetGrayed(true);
      names[row]->SetTextColour(kGray);
      values[row]->SetTextColour(kGray);
    }
  };
  gray(FPropNamePanels, FPropValuePanels, propertyRows);
  gray(FEventNamePanels, FEventValuePanels, eventRows);
}

void TObjInsForm::RestoreRows() {
  auto restore = [](std::vector<TRowPanel*>& names, std::vector<TRowPanel*>& values) {
    for (size_t row = 0; row < names.size(); ++row) {
      names[row]->SetGrayed(false);
      names[row]->SetTextColour(QApplication::palette().color(QPalette::WindowText));
      values[row]->SetTextColour(kNavy);
    }
  };
  restore(FPropNamePanels, FPropValuePanels);
  restore(FEventNamePanels, FEventValuePanels);
}

void TObjInsForm::FillRowValues(QWidget* component) {
  const Names& properties = PropertyRowNames(shownKind_);
  for (size_t row = 0; row < properties.size(); ++row)
    FPropValuePanels[row]->setText(
        QText(ValueOf(component, shownKind_, PropertyCodeOf(properties[row]))));
  FillEventValues(component);
}

void TObjInsForm::FillEventValues(QWidget* component) {
  const Names& events = EventRowNames(shownKind_);
  for (size_t row = 0; row < events.size(); ++row) FEventValuePanels[row]->clear();
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return;
  const platform::TStringList& list = frame->FHandlerList;
  int at = list.IndexOf("[" + Text(component->objectName()) + "]");
  for (int i = at + 1; at >= 0 && i < list.Count() && !list[i].empty(); ++i) {
    auto row = std::find(events.begin(), events.end(), " On" + GetEventName(list[i]));
    if (row != events.end()) FEventValuePanels[row - events.begin()]->setText(QText(GetHandlerName(list[i])));
  }
}

int TObjInsForm::RowOf(int code) const {
  const Names& properties = PropertyRowNames(shownKind_);
  for (size_t row = 0; row < properties.size(); ++row)
    if (PropertyCodeOf(properties[row]) == code) return static_cast<int>(row);
  return -1;
}

void TObjInsForm::SetValueCell(int code, const std::string& value) {
  int row = RowOf(code);
  if (row >= 0) FPropValuePanels[row]->setText(QText(value));
}

void TObjInsForm::RefreshPosition() { RefreshCells({pcLeft, pcTop}); }

void TObjInsForm::RefreshSize() { RefreshCells({pcHeight, pcWidth}); }

// The cells of the codes show the component's present values. An editor open on one of those rows
// shows the new value and compares with it, as after a commit: the source already holds it.
void TObjInsForm::RefreshCells(std::initializer_list<int> codes) {
  if (shown_ == nullptr || (CurrentFrame() != nullptr && CurrentFrame()->FSelected == CurrentFrame()->MMB)) return;
  for (int code : codes) {
    const std::string value = ValueOf(shown_, shownKind_, code);
    SetValueCell(code, value);
    if (miniEdit1->isHidden() || miniEdit1->Tag % 100 != code) continue;
    miniEdit1->setText(QText(value));
    FOldValue = value;
  }
}

// ---- Help ----

namespace {

// The help keyword of an event row's name without its leading blank ("OnMouseDown"), chosen by the
// letter after "On".
std::string EventHelpKeyword(const std::string& event) {
  switch (event.size() > 2 ? event[2] : ' ') {
    case 'A': return "component and menu action";
    case 'G': return "input focus event";
    case 'K': return "keyboard event";
    case 'L': return event.size() > 3 && event[3] == 'i' ? "listbox event" : "input focus event";
    case 'M': return "mouse event";
    case 'S': return "scrollbar event";
    case 'W': return "window event";
    default: return {};
  }
}

}  // namespace

void TObjInsForm::PropertyHelp() {
  const int row = miniEdit1->Tag / 100;
  if (row < 0 || row >= PropertyRows) return;
  ShowKeywordHelp("property " + platform::Trim(Text(FPropNamePanels[row]->text())));
}

void TObjInsForm::EventHelp() {
  const int row = miniEdit2->Tag / 100;
  if (row < 0 || row >= EventRows) return;
  ShowKeywordHelp(EventHelpKeyword(platform::Trim(Text(FEventNamePanels[row]->text()))));
}

// ---- The chooser ----

// The chooser keeps its entries sorted, ignoring case, whoever adds or renames one.
void TObjInsForm::SortChooser() {
  auto* entries = qobject_cast<QStandardItemModel*>(ComboBox1->model());
  if (entries == nullptr || sortingChooser_) return;
  sortingChooser_ = true;
  for (int row = 0; row < entries->rowCount(); ++row)
    entries->item(row)->setData(entries->item(row)->text().toLower(), kChooserSortRole);
  entries->sort(0);
  sortingChooser_ = false;
}

void TObjInsForm::ComboBox1Change() {
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return;
  std::string entry = Text(ComboBox1->currentText());
  std::string name = GetFirstWord(entry);
  std::string className = GetLastWord(entry);
  frame->HideHandles();
  QWidget* chosen = frame;
  if (className != "TFrame") {
    for (QWidget* component : frame->Components())
      if (Text(component->objectName()) == name) chosen = component;
  }
  frame->FSelected = chosen;
  if (chosen != frame) frame->ShowHandles();
  ShowComponent(chosen);
}

// ---- Opening an editor ----

// The value lists go too: a list left open would give its value to the component shown next.
void TObjInsForm::HideEditors() {
  for (QWidget* editor : std::initializer_list<QWidget*>{miniEdit1, miniDots1, miniArrow1, miniList1, miniEdit2,
                                                          miniArrow2, miniList2})
    editor->hide();
}

void TObjInsForm::Child1Click(TRowPanel* panel) {
  CommitProperty();
  int row = panel->y() / RowHeight;
  if (row < 0 || row >= PropertyRows || FPropNamePanels[row]->Grayed()) return;
  int code = PropertyCodeOf(Text(FPropNamePanels[row]->text()));
  if (code < 0) return;
  miniEdit1->Tag = row * 100 + code;
  if (IsListCode(code)) OpenListEditor(row, code);
  else if (IsDotsCode(code)) OpenDotsEditor(row);
  else OpenTextEditor(row);
  FOldValue = Text(miniEdit1->text());
  miniEdit1->setModified(false);
  miniEdit1->show();
  miniEdit1->setFocus();
}

void TObjInsForm::OpenTextEditor(int row) {
  miniEdit1->setReadOnly(false);
  miniDots1->hide();
  miniArrow1->hide();
  PlacePropertyEditor(row, miniEdit1->Tag % 100);
  miniEdit1->setText(FPropValuePanels[row]->text());
}

void TObjInsForm::OpenListEditor(int row, int code) {
  const TRowPanel* cell = FPropValuePanels[row];
  miniEdit1->setReadOnly(true);
  miniDots1->hide();
  miniEdit1->setText(cell->text());
  miniArrow1->show();
  miniList1->setProperty("Tag", code);
  FillValueList(code);
  const auto matches = miniList1->findItems(cell->text(), Qt::MatchExactly);
  miniList1->setCurrentItem(matches.isEmpty() ? nullptr : matches.first());
  PlacePropertyEditor(row, code);
}

void TObjInsForm::OpenDotsEditor(int row) {
  miniEdit1->setReadOnly(true);
  miniArrow1->hide();
  PlacePropertyEditor(row, miniEdit1->Tag % 100);
  miniEdit1->setText(FPropValuePanels[row]->text());
  miniDots1->show();
}

void TObjInsForm::FillValueList(int code) {
  miniList1->clear();
  for (const char* word : ValueList(code)) miniList1->addItem(word);
}

void TObjInsForm::miniArrow1Click() {
  miniList1->show();
  miniList1->raise();
  miniList1->setFocus();
}

void TObjInsForm::miniList1Exit() {
  miniList1->hide();
  CommitProperty();
}

// ---- Keys ----

void TObjInsForm::miniEdit1KeyDown(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    CommitProperty();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    miniEdit1->PutStoredValueBack(*FPropValuePanels[miniEdit1->Tag / 100]);
    return;
  }
  int code = miniEdit1->Tag % 100;
  bool letter = event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
  if (IsListCode(code) || IsDotsCode(code) || (IsNumericCode(code) && letter)) miniEdit1->setReadOnly(true);
}

void TObjInsForm::miniEdit1KeyUp(QKeyEvent* event) {
  bool letter = event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
  int code = miniEdit1->Tag % 100;
  if (miniEdit1->isReadOnly() && letter && !IsListCode(code) && !IsDotsCode(code)) miniEdit1->setReadOnly(false);
}

void TObjInsForm::miniEdit1Exit() { CommitProperty(); }

// Caption and Text reach the surface and the source with every keystroke.
void TObjInsForm::miniEdit1Change() {
  if (!miniEdit1->Modified() || shown_ == nullptr) return;
  int code = miniEdit1->Tag % 100;
  if (code == pcPasswdChar && miniEdit1->text().size() > 1) {
    miniEdit1->setText(miniEdit1->text().left(1));
    miniEdit1->setModified(true);
    return;
  }
  if (code != pcCaption && code != pcText) return;
  std::string text = Text(miniEdit1->text());
  if (auto* frame = qobject_cast<TFrame*>(shown_)) frame->SetCaption(text);
  else SetComponentCaption(shown_, text);
  QWidget* component = shown_;
  WriteFrameSource(CurrentFrame(), [component] { WriteCaption(component); }, false);
  SetValueCell(code, text);
  miniEdit1->setModified(false);
}

// ---- Pages and activation ----

void TObjInsForm::Page1Change() {
  if (Page1->currentWidget() == ProPage) {
    CommitHandler();  // a handler typed and left by changing the page is bound, not dropped
    miniEdit2->hide();
    miniArrow2->hide();
    miniList2->hide();
  } else {
    miniEdit1->hide();
    miniArrow1->hide();
    miniDots1->hide();
    miniList1->hide();
  }
}

void TObjInsForm::FormDeactivate() {
  if (Page1->currentWidget() != ProPage) {
    CommitHandler();
    miniList2->hide();
    return;
  }
  CommitProperty();
  miniList1->hide();
}

}  // namespace designer
