#include "designer/FormDesigner_f.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>
#include <set>

#include "designer/CodeWriter_f.h"
#include "designer/EventWriters.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "designer/MenuDesigner_f.h"
#include "designer/ObjIns.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

namespace {

// Where a new design frame opens, as outer geometry: a 400 x 300 client area.
constexpr int kNewFrameLeft = 200;
constexpr int kNewFrameTop = 120;
constexpr int kNewFrameWidth = 400 + 2 * platform::WindowMetricsConst::FrameWidth;
constexpr int kNewFrameHeight =
    300 + platform::WindowMetricsConst::CaptionHeight + 2 * platform::WindowMetricsConst::FrameHeight;

constexpr unsigned kSilver = 0xC0C0C0;
constexpr int kHandleSize = 5;
constexpr int kMarkerSize = 29;

// The dynamic property that holds a component's place in its frame's creation order.
constexpr const char* kCreationOrder = "CreationOrder";

constexpr const char* kMenuBarNotEmpty =
    "   MenuBar is not empty !\r\r   Open Menu Designer and Remove MenuItems first.   ";

struct THandleSpec {
  const char* name;
  Qt::CursorShape cursor;
};
// In the order LT, T, RT, R, RB, B, LB, L.
constexpr THandleSpec kHandles[8] = {
    {"LT", Qt::SizeFDiagCursor}, {"T", Qt::SizeVerCursor},    {"RT", Qt::SizeBDiagCursor},
    {"R", Qt::SizeHorCursor},    {"RB", Qt::SizeFDiagCursor}, {"B", Qt::SizeVerCursor},
    {"LB", Qt::SizeBDiagCursor}, {"L", Qt::SizeHorCursor},
};

QFont DesignFace() {
  const workbench::TDesignFont& design = workbench::DesignFont;
  QFont face(QString::fromStdString(design.Name), design.Size);
  face.setBold(design.Bold);
  return face;
}

void RemoveInspectorEntry(const QObject* component) {
  QComboBox* combo = ObjInsForm->ComboBox1;
  int index = combo->findText(QString::fromStdString(InspectorEntry(component)));
  if (index >= 0) combo->removeItem(index);
}

QSize PaletteSize(int kind) {
  const TComponentKindInfo* info = ComponentKindInfo(kind);
  return info != nullptr ? QSize(info->width, info->height) : QSize();
}

// The point pulled into the rectangle.
QPoint Confined(QPoint point, const QRect& area) {
  return {std::clamp(point.x(), area.left(), std::max(area.left(), area.right())),
          std::clamp(point.y(), area.top(), std::max(area.top(), area.bottom()))};
}

// The parent's client area in screen coordinates: the drag's cursor stays in it.
QRect ParentAreaOnScreen(const QWidget* component) {
  const QWidget* parent = component->parentWidget();
  return {parent->mapToGlobal(QPoint(0, 0)), parent->size()};
}

// The frame's drawing area, on which the grid is drawn.
class TClientArea : public QWidget {
 public:
  explicit TClientArea(TFrame* frame) : QWidget(frame), frame_(frame) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    platform::HandleEvent([&] { frame_->FormPaint(event); });
  }

 private:
  TFrame* frame_;
};

}  // namespace

std::string NameOf(const QObject* component) { return component->objectName().toStdString(); }

std::string ClassNameOf(const QObject* component) {
  std::string name = component->metaObject()->className();
  size_t scope = name.rfind("::");
  return scope == std::string::npos ? name : name.substr(scope + 2);
}

std::string InspectorEntry(const QObject* component) { return NameOf(component) + " : " + ClassNameOf(component); }

TFrame* FrameOf(QWidget* component) {
  for (QWidget* widget = component; widget != nullptr; widget = widget->parentWidget())
    if (auto* frame = qobject_cast<TFrame*>(widget)) return frame;
  return nullptr;
}

std::string ContainerName(const QWidget* component) {
  const QWidget* container = component->parentWidget();
  if (auto* frame = qobject_cast<const TFrame*>(container->parentWidget()); frame && frame->ClientArea() == container)
    return frame->Name();
  return NameOf(container);
}

unsigned ColourOf(const QWidget* widget, QPalette::ColorRole role) {
  QColor c = widget->palette().color(role);
  return static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
         static_cast<unsigned>(c.blue()) << 16;
}

int LabelAlignment(const QLabel& label) {
  Qt::Alignment horizontal = label.alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignRight) return 1;
  if (horizontal & Qt::AlignHCenter) return 2;
  return 0;
}

void SetBackground(QWidget* widget, unsigned colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, platform::ToQColor(colour));
  colours.setColor(QPalette::Base, platform::ToQColor(colour));
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
}

int DesignTag(const QObject* component) {
  if (auto* form = qobject_cast<const platform::TForm*>(component)) return form->Tag;
  return component->property("Tag").toInt();
}

void SetDesignTag(QObject* component, int tag) {
  if (auto* form = qobject_cast<platform::TForm*>(component)) form->Tag = tag;
  else component->setProperty("Tag", tag);
}

TScrollValues ScrollValues(const QWidget* scrollbar) {
  const auto& bar = static_cast<const QScrollBar&>(*scrollbar);
  const QVariant value = bar.property("ScrollValue");
  if (!value.isValid()) return {bar.value(), bar.minimum(), bar.maximum()};
  return {value.toInt(), bar.property("ScrollMin").toInt(), bar.property("ScrollMax").toInt()};
}

void SetScrollValues(QWidget* scrollbar, const TScrollValues& values) {
  auto& bar = static_cast<QScrollBar&>(*scrollbar);
  bar.setProperty("ScrollValue", values.value);
  bar.setProperty("ScrollMin", values.minimum);
  bar.setProperty("ScrollMax", values.maximum);
  bar.setRange(values.minimum, std::max(values.minimum, values.maximum));
  bar.setValue(values.value);
}

std::string ComponentCaption(const QWidget* component) {
  if (auto* button = qobject_cast<const QAbstractButton*>(component)) return button->text().toStdString();
  if (auto* label = qobject_cast<const QLabel*>(component)) return label->text().toStdString();
  if (auto* edit = qobject_cast<const QLineEdit*>(component)) return edit->text().toStdString();
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(component)) return memo->toPlainText().toStdString();
  return {};
}

void SetComponentCaption(QWidget* component, const std::string& caption) {
  QString text = QString::fromStdString(caption);
  if (auto* button = qobject_cast<QAbstractButton*>(component)) button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(component)) label->setText(text);
  else if (auto* edit = qobject_cast<QLineEdit*>(component)) edit->setText(text);
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(component)) memo->setPlainText(text);
}

void SetComponentName(QWidget* component, const std::string& name) {
  if (ComponentCaption(component) == component->objectName().toStdString()) SetComponentCaption(component, name);
  component->setObjectName(QString::fromStdString(name));
}

std::vector<int> GridLines(int from, int to, int spacing) {
  int g = std::max(spacing, 1);
  std::vector<int> lines;
  for (int at = (from / g) * g; at <= (to / g) * g; at += g) lines.push_back(at);
  return lines;
}

namespace {

// Java draws a font of N points N pixels high: its text space has 72 dots to the inch, where the
// screen has more. A control on the surface draws its text at that scale, so that its caption takes
// the room it will take in the Java program ("CheckBox1" fits a new check box's 97 pixels); its
// font, and so the font the inspector and the code writer read, keeps its size in points.
constexpr int kJavaDotsPerInch = 72;

template <class Control>
class TJavaScaled : public Control {
 public:
  using Control::Control;

 protected:
  int metric(QPaintDevice::PaintDeviceMetric metric) const override {
    if (metric == QPaintDevice::PdmDpiX || metric == QPaintDevice::PdmDpiY) return kJavaDotsPerInch;
    return Control::metric(metric);
  }
};

}  // namespace

QWidget* NewSurfaceControl(int kind, QWidget* container) {
  switch (kind) {
    case ckButton: return new TJavaScaled<platform::TButton>(container);
    case ckPanel: {
      auto* panel = new platform::TPanel(container);
      panel->setFrameStyle(QFrame::Box | QFrame::Plain);
      return panel;
    }
    case ckTextField: {
      auto* field = new TJavaScaled<TTextField>(container);
      field->setCursor(Qt::ArrowCursor);
      return field;
    }
    case ckTextArea: {
      auto* area = new TTextArea(container);
      area->viewport()->setCursor(Qt::ArrowCursor);
      area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      area->setTabChangesFocus(false);
      area->setLineWrapMode(QPlainTextEdit::NoWrap);
      return area;
    }
    case ckLabel: return new TJavaScaled<platform::TLabel>(container);
    case ckCheckbox: return new TJavaScaled<platform::TCheckBox>(container);
    case ckRadioButton: return new TJavaScaled<platform::TRadioButton>(container);
    case ckChoice: return new TJavaScaled<TChoice>(container);
    case ckList: return new TList(container);
    case ckScrollbar: {
      auto* bar = new platform::TScrollBar(container);
      bar->setPageStep(10);
      bar->setSingleStep(1);
      bar->setRange(0, 0);
      return bar;
    }
    default: return nullptr;
  }
}

TFrame::TFrame(QWidget* owner) : platform::TForm(owner) {
  // The hook watches from the start, so that a press on the frame while it is not the active
  // window can activate it (ActivateByPress); it acts only while the frame is active.
  qApp->installEventFilter(this);
  SetBounds(kNewFrameLeft, kNewFrameTop, kNewFrameWidth, kNewFrameHeight);
  // Buttons on the surface stand raised like the AWT buttons they become, whatever the desktop style.
  setStyleSheet("QPushButton { background: #c0c0c0; border: 2px outset #f0f0f0; }");
  FClientArea = new TClientArea(this);
  for (size_t i = 0; i < FHandles.size(); ++i) {
    auto* handle = new platform::TPanel(FClientArea, std::string(kHandles[i].name) + "_Dot_Panel");
    handle->setGeometry(0, 0, kHandleSize, kHandleSize);
    QPalette colours = handle->palette();
    colours.setColor(QPalette::Window, Qt::black);
    handle->setPalette(colours);
    handle->setAutoFillBackground(true);
    handle->setCursor(kHandles[i].cursor);
    SetDesignTag(handle, -1);
    handle->hide();
    FHandles[i] = handle;
  }
  MMB = new platform::TBitBtn(FClientArea);
  MMB->setObjectName("MMB");
  MMB->setGeometry(0, 0, kMarkerSize, kMarkerSize);
  MMB->SetGlyph("morvane/menubar");
  MMB->setFocusPolicy(Qt::NoFocus);
  MMB->hide();
  ShowMenuBar();
  FormCreate();
}

TFrame::~TFrame() { qApp->removeEventFilter(this); }

void TFrame::FormCreate() {
  FSelected = this;
  FFrameGeometry = {Left(), Top(), Width(), Height()};
  Tag = 1111;  // default cursor, enabled, resizable
  workbench::TMainForm* main = workbench::MainForm;  // none for a frame made on its own
  // While the frame takes its colour and font, the tool in hand reads as the frame's own kind.
  int tool = main != nullptr ? main->FSelectedTool : ptNoTool;
  if (main != nullptr) main->FSelectedTool = ckFrame;
  SetBackground(this, kSilver);
  setFont(DesignFace());
  if (main == nullptr) return;
  main->FSelectedTool = tool;
  main->FCurrentFrame = this;
}

std::string TFrame::Name() const { return objectName().toStdString(); }

void TFrame::SetName(const std::string& name) {
  if (Caption() == Name()) SetCaption(name);
  setObjectName(QString::fromStdString(name));
}

// ---- Components ----

bool TFrame::IsHandlePanel(const QObject* component) const {
  return component != nullptr && GetComponentKind(component) == ckPanel &&
         component->objectName().contains("_Dot_Panel") && DesignTag(component) == -1;
}

bool TFrame::IsDesignComponent(const QWidget* widget) const {
  if (widget == nullptr || widget == this || widget->objectName().isEmpty()) return false;
  if (GetComponentKind(widget) == ckNone) return false;
  const QWidget* parent = widget->parentWidget();
  if (parent == this || parent == FClientArea) return true;  // the menu bar, the rest
  return GetComponentKind(parent) == ckPanel && !IsHandlePanel(parent) && IsDesignComponent(parent);
}

std::vector<QWidget*> TFrame::Components() const {
  std::vector<QWidget*> found;
  std::function<void(const QWidget*)> walk = [&](const QWidget* parent) {
    for (QObject* child : parent->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget == FClientArea) walk(widget);
      if (!IsDesignComponent(widget)) continue;
      found.push_back(widget);
      if (GetComponentKind(widget) == ckPanel) walk(widget);
    }
  };
  walk(this);
  // The tree lists a panel's children with the panel, and raising a control reorders its siblings;
  // neither is the order in which the user made them.
  std::stable_sort(found.begin(), found.end(), [](const QWidget* a, const QWidget* b) {
    return a->property(kCreationOrder).toInt() < b->property(kCreationOrder).toInt();
  });
  return found;
}

void TFrame::InsertComponent(QObject* component) { component->setProperty(kCreationOrder, ++FComponentCount); }

bool TFrame::IsBitmapButton(const QWidget* component) const {
  return component != nullptr && component->inherits("platform::TBitBtn");
}

bool TFrame::Qualifies(const QWidget* component) const {
  if (DesignTag(component) == -1 || IsHandlePanel(component)) return false;
  return component != MMB || !MMB->isHidden();
}

TFrame::TGeometry TFrame::GeometryOf(const QWidget* component) const {
  if (component == this) return {Left(), Top(), Width(), Height()};
  return {component->x(), component->y(), component->width(), component->height()};
}

void TFrame::SaveGeometry(const QWidget* component) {
  TGeometry g = GeometryOf(component);
  FSavedLeft = g.left;
  FSavedTop = g.top;
  FSavedWidth = g.width;
  FSavedHeight = g.height;
}

void TFrame::SetGeometryOf(QWidget* component, const TGeometry& g) {
  component->setGeometry(g.left, g.top, std::max(g.width, 0), std::max(g.height, 0));
}

QWidget* TFrame::ComponentAt(QWidget* receiver, QPoint globalPoint) {
  if (receiver == this || receiver == FClientArea) {
    QWidget* child = FClientArea->childAt(FClientArea->mapFromGlobal(globalPoint));
    if (child == nullptr) return this;
    receiver = child;
  }
  for (QWidget* widget = receiver; widget != nullptr && widget != this; widget = widget->parentWidget())
    if (IsDesignComponent(widget) || IsHandlePanel(widget)) return widget;
  return receiver == this || isAncestorOf(receiver) ? this : nullptr;
}

void TFrame::RaiseMarkers() {
  for (QObject* child : FClientArea->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (IsBitmapButton(widget) && !widget->isHidden()) widget->raise();
  }
}

// ---- Selection handles ----

void TFrame::ShowHandles() {
  if (FCtrlMoving || FShiftSizing || FButtonDown || FSelected.isNull() || FSelected == this) return;
  if (GetComponentKind(FSelected) == ckMenuBar && FSelected != MMB) FSelected = MMB;
  QPoint origin = FSelected->parentWidget()->mapTo(FClientArea, FSelected->pos());
  int left = origin.x() - 2;
  int top = origin.y() - 2;
  int right = origin.x() + FSelected->width() - 3;
  int bottom = origin.y() + FSelected->height() - 3;
  int mx = (left + right + 1) / 2;
  int my = (top + bottom + 1) / 2;
  const QPoint places[8] = {{left, top},      {mx, top},     {right, top},   {right, my},
                            {right, bottom}, {mx, bottom}, {left, bottom}, {left, my}};
  for (size_t i = 0; i < FHandles.size(); ++i) {
    FHandles[i]->move(places[i]);
    FHandles[i]->show();
    FHandles[i]->raise();
  }
}

void TFrame::HideHandles() {
  for (platform::TPanel* handle : FHandles) handle->hide();
}

// ---- Gestures ----

void TFrame::MoveSelection(TAxis axis, int step) {
  if (FSelected.isNull() || FSelected == this) return;
  FSelected->move(FSelected->pos() + (axis == H ? QPoint(step, 0) : QPoint(0, step)));
}

void TFrame::SizeSelection(TAxis axis, int step) {
  if (FSelected.isNull() || FSelected == this || IsBitmapButton(FSelected)) return;
  QSize size = FSelected->size() + (axis == H ? QSize(step, 0) : QSize(0, step));
  FSelected->resize(std::max(size.width(), 0), std::max(size.height(), 0));
}

void TFrame::DragHandle(int dx, int dy) {
  if (FSelected.isNull() || FSelected == this || IsBitmapButton(FSelected)) return;
  // A size never goes below 0: an edge dragged past the opposite one stops there.
  const TGeometry s = SavedGeometry();
  int fromLeft = std::min(dx, s.width);
  int fromTop = std::min(dy, s.height);
  TGeometry g = s;
  const std::string& h = FHandleName;
  if (h == "LT" || h == "LB" || h == "L") {
    g.left = s.left + fromLeft;
    g.width = s.width - fromLeft;
  }
  if (h == "RT" || h == "R" || h == "RB") g.width = std::max(s.width + dx, 0);
  if (h == "LT" || h == "T" || h == "RT") {
    g.top = s.top + fromTop;
    g.height = s.height - fromTop;
  }
  if (h == "RB" || h == "B" || h == "LB") g.height = std::max(s.height + dy, 0);
  SetGeometryOf(FSelected, g);
}

void TFrame::Select(QWidget* component) {
  HideHandles();
  FSelected = component;
  ShowHandles();
}

void TFrame::SelectNext() {
  HideHandles();
  std::vector<QWidget*> all = Components();
  size_t start = 0;
  if (FSelected != this) {
    auto at = std::find(all.begin(), all.end(), FSelected.data());
    if (at != all.end()) start = static_cast<size_t>(at - all.begin()) + 1;
  }
  for (size_t k = 0; k < all.size(); ++k) {
    QWidget* candidate = all[(start + k) % all.size()];
    if (candidate != FSelected && Qualifies(candidate)) {
      Select(candidate);
      return;
    }
  }
  FSelected = this;
}

void TFrame::ShowInInspector(QWidget* component) {
  if (component == nullptr) return;
  ObjInsForm->SelectComponent(component);
}

// ---- Source writes of the gestures ----

void TFrame::MarkSourceModified() {
  if (!ActivateFrameSource(this)) return;
  ActivePage()->SetModified(true);
  workbench::EditorForm->SetModifiedMarker(true);
}

void TFrame::WriteGeometryChange(QWidget* component, const TGeometry& before, bool position, bool size) {
  TGeometry now = GeometryOf(component);
  bool moved = position && (now.left != before.left || now.top != before.top);
  bool sized = size && (now.width != before.width || now.height != before.height);
  if (!moved && !sized) return;
  using std::to_string;
  WriteFrameSource(
      this,
      [&] {
        if (position && now.left != before.left) WriteLeft(component, to_string(before.left), to_string(now.left));
        if (position && now.top != before.top) WriteTop(component, to_string(before.top), to_string(now.top));
        if (size && now.height != before.height)
          WriteHeight(component, to_string(before.height), to_string(now.height));
        if (size && now.width != before.width) WriteWidth(component, to_string(before.width), to_string(now.width));
      },
      true);
}

void TFrame::EndGestureWrites(bool resized) {
  QWidget* selection = FSelected;
  if (selection == this) return;
  if (IsBitmapButton(selection)) {
    // A marker's place matters to the design file alone.
    TGeometry now = GeometryOf(selection);
    if (now.left != FSavedLeft || now.top != FSavedTop) MarkSourceModified();
    return;
  }
  WriteGeometryChange(selection, SavedGeometry(), true, resized);
}

void TFrame::CreateFromPalette() {
  QWidget* container = FSelected == this                     ? FClientArea
                       : GetComponentKind(FSelected) == ckPanel ? FSelected.data()
                                                                 : FSelected->parentWidget();
  QWidget* created = nullptr;
  WriteFrameSource(
      this,
      [&] {
        created = CreatePaletteComponent(container);
        if (created == nullptr) return;
        InsertComponent(created);
        RaiseMarkers();
        WriteNewComponent(created);
      },
      true);
  if (Released() || created == nullptr) return;
  ObjInsForm->ComboBox1->addItem(QString::fromStdString(InspectorEntry(created)));
  ShowInInspector(created);
  workbench::MainForm->UnSelect1Click();
}

// ---- Palette components ----

std::string TFrame::GetPaletteClassName(int tool) const {
  const TComponentKindInfo* info = ComponentKindInfo(tool);
  const std::string base = info != nullptr ? info->baseName : "";
  std::set<std::string> taken;
  for (const QObject* owned : findChildren<QObject*>()) taken.insert(platform::LowerCase(owned->objectName().toStdString()));
  for (int n = 1;; ++n) {
    std::string name = base + std::to_string(n);
    if (taken.count(platform::LowerCase(name)) == 0) return name;
  }
}

QWidget* TFrame::CreatePaletteComponent(QWidget* container) {
  workbench::TMainForm& main = *workbench::MainForm;
  int tool = main.FSelectedTool;
  QPoint place(FGrabX, FGrabY);
  if (FSelected != this && GetComponentKind(FSelected) != ckPanel) place = FSelected->mapToParent(place);
  QPoint onFrame = container == FClientArea ? place : container->mapTo(FClientArea, place);
  const std::string name = GetPaletteClassName(tool);
  if (tool == ckRadioButton) UncheckRadioButtons(container);
  QWidget* created = NewSurfaceControl(tool, container);
  switch (tool) {
    case ckMenuBar: {
      auto* menuBar = new TMenuBar(this);
      menuBar->setObjectName("MenuBar1");
      SetDesignTag(menuBar, -1);
      MMB->move(onFrame);
      MMB->show();
      main.CompoMenu->setEnabled(false);
      FSelected = menuBar;
      return menuBar;
    }
    case ckImage: {
      auto* image = new TImage(FClientArea);
      image->setObjectName(QString::fromStdString(name));
      image->setGeometry(QRect(onFrame, PaletteSize(tool)));
      image->SetAnimate(false);
      image->SetStretch(true);
      image->show();
      FSelected = image;
      return image;
    }
    case ckFileDialog: {
      auto* dialog = new TOpenDlg(FClientArea);
      dialog->setObjectName("OpenDlg1");
      dialog->setGeometry(QRect(onFrame, QSize(kMarkerSize, kMarkerSize)));
      dialog->setFocusPolicy(Qt::NoFocus);
      dialog->show();
      main.CompoOpenDlg->setEnabled(false);
      FSelected = dialog;
      return dialog;
    }
    default: break;
  }
  if (created == nullptr) return nullptr;
  const TComponentKindInfo& info = *ComponentKindInfo(tool);
  if (info.background != kKeepBackground) SetBackground(created, info.background);
  // A captioned kind starts with an empty caption, which follows the name like any caption that
  // equals it; the others keep theirs empty.
  if (info.captioned) SetComponentName(created, name);
  else created->setObjectName(QString::fromStdString(name));
  created->setGeometry(QRect(place, PaletteSize(tool)));
  created->setFont(DesignFace());
  // Enabled x 10 + Visible: a label keeps only its visibility, as it has no Enabled row.
  if (tool == ckLabel) {
    SetDesignTag(created, 1);
  } else {
    SetDesignTag(created, 11);
    created->setFocusPolicy(Qt::NoFocus);
  }
  if (auto* radio = qobject_cast<QRadioButton*>(created)) radio->setChecked(true);
  created->show();
  FSelected = created;
  return created;
}

// ---- Deleting ----

void TFrame::DeletePanelChildren(QWidget* panel) {
  for (;;) {
    QWidget* child = nullptr;
    for (QObject* object : panel->children())
      if (auto* widget = qobject_cast<QWidget*>(object); IsDesignComponent(widget)) {
        child = widget;
        break;
      }
    if (child == nullptr) return;
    if (!workbench::MarkerLost) RemoveComponentCode(child);
    RemoveInspectorEntry(child);
    if (GetComponentKind(child) == ckPanel) DeletePanelChildren(child);
    delete child;
  }
}

void TFrame::DeleteSelection() {
  QWidget* target = FSelected;
  if (target == nullptr || target == this) return;
  workbench::TMainForm& main = *workbench::MainForm;
  if (target == MMB) {
    TMenuBar* menuBar = findChild<TMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (menuBar != nullptr && !menuBar->Items.empty()) {
      platform::MessageBox(kMenuBarNotEmpty, GetVersionText(), platform::mtInformation, platform::mbOK);
      return;
    }
    MMB->hide();
    main.CompoMenu->setEnabled(true);
    target = menuBar;
  }
  if (target != nullptr) {
    int kind = GetComponentKind(target);
    if (kind == ckFileDialog) main.CompoOpenDlg->setEnabled(true);
    RemoveInspectorEntry(target);
    WriteFrameSource(
        this,
        [&] {
          RemoveComponentCode(target);
          if (kind == ckPanel && !workbench::MarkerLost) DeletePanelChildren(target);
        },
        true);
    if (Released()) return;
    delete target;
  }
  FSelected = this;
  SelectNext();
  ShowInInspector(FSelected);
}

// ---- The message hook ----

void TFrame::CaptureMouse() { grabMouse(); }

void TFrame::ReleaseCapture() {
  if (mouseGrabber() == this) releaseMouse();
}

void TFrame::InstallHook() { hookInstalled_ = true; }

void TFrame::RemoveHook() { hookInstalled_ = false; }

// A press on a frame that is not the active window makes it active first, as the window system
// does before it hands the press on, so that the press still does what it means.
void TFrame::ActivateByPress() {
  activateWindow();
  FormActivate();
}

bool TFrame::eventFilter(QObject* watched, QEvent* event) {
  if (workbench::MarkerLost || !watched->isWidgetType()) return false;
  auto* receiver = static_cast<QWidget*>(watched);
  // The designed menu bar works as in the running window: its menus open and its items click.
  if (receiver->window() != this || qobject_cast<TMenuBar*>(receiver) != nullptr) return false;
  if (!hookInstalled_) {
    if (event->type() != QEvent::MouseButtonPress || Released()) return false;
    ActivateByPress();
  }
  // A design operation that fails has still taken the event.
  bool consumed = true;
  platform::HandleEvent([&] { consumed = Hook(receiver, event); });
  if (Released()) RemoveHook();  // the lost-marker recovery took the page: the frame is going
  return consumed;
}

bool TFrame::Hook(QWidget* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: KeyDown(static_cast<QKeyEvent*>(event)); return true;
    case QEvent::KeyRelease:
      if (FButtonDown) return false;
      KeyUp(static_cast<QKeyEvent*>(event));
      return true;
    case QEvent::MouseMove:
      // The framework sends a drag's moves to the pressed control, which would select its text.
      MouseMove(static_cast<QMouseEvent*>(event));
      return receiver != this;
    case QEvent::MouseButtonPress: return MousePress(receiver, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease: return MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || (mouse->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0)
        return true;
      FDoubleClicked = true;
      // What follows may open a dialog or another window, which must have the mouse.
      ReleaseCapture();
      if (FSelected == MMB) OpenMenuDesigner();
      else if (GetComponentKind(FSelected) == ckImage) ObjInsForm->miniDots1Click();
      else EditDefaultHandler();
      // The handler's page took the input: the button-up of this gesture comes to the frame no more.
      if (!hookInstalled_) FDoubleClicked = false;
      return true;
    }
    case QEvent::Wheel: return true;  // the controls never scroll on the surface
    default: return false;
  }
}

bool TFrame::MousePress(QWidget* receiver, QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return true;
  if ((event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0 || FCtrlMoving || FShiftSizing)
    return true;
  QPoint global = event->globalPosition().toPoint();
  QWidget* hit = ComponentAt(receiver, global);
  if (hit == nullptr) return true;
  CaptureMouse();
  FButtonDown = true;
  if (IsHandlePanel(hit)) {
    std::string name = hit->objectName().toStdString();
    FHandleName = name.substr(0, name.find("_Dot_Panel"));
    if (FSelected != this) {
      FGrabX = global.x();
      FGrabY = global.y();
      SaveGeometry(FSelected);
      FResizing = true;
      HideHandles();
    }
    return true;
  }
  bool changed = hit != FSelected;
  FSelected = hit;
  bool arrow = workbench::MainForm->FSelectedTool == ptNoTool;
  if (changed && arrow) ShowInInspector(hit);
  HideHandles();
  QPoint grab = (hit == this ? FClientArea : hit)->mapFromGlobal(global);
  FGrabX = grab.x();
  FGrabY = grab.y();
  // With a palette tool the press only marks where the new component goes: nothing is dragged.
  if (hit != this && arrow) FMoving = true;
  SaveGeometry(hit);
  return true;
}

void TFrame::MouseMove(QMouseEvent* event) {
  if (FCtrlMoving || FShiftSizing || FDoubleClicked) return;
  if (!FButtonDown || FSelected.isNull() || FSelected == this) return;
  QPoint global = Confined(event->globalPosition().toPoint(), ParentAreaOnScreen(FSelected));
  if (FResizing) {
    DragHandle(global.x() - FGrabX, global.y() - FGrabY);
    ObjInsForm->RefreshSize();
    ObjInsForm->RefreshPosition();
  } else if (FMoving) {
    QPoint inParent = FSelected->parentWidget()->mapFromGlobal(global);
    FSelected->move(inParent - QPoint(FGrabX, FGrabY));
    ObjInsForm->RefreshPosition();
  }
}

bool TFrame::MouseRelease(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) ReleaseCapture();
  if ((event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0) return false;
  bool wasDown = FButtonDown;
  FButtonDown = false;
  // A release without its press (one made with Ctrl or Shift, or the end of a double-click) ends
  // nothing and creates nothing.
  if (wasDown && !FSelected.isNull()) {
    if (workbench::MainForm->FSelectedTool == ptNoTool || FResizing || FDoubleClicked) EndGestureWrites(FResizing);
    else CreateFromPalette();
    if (Released()) return true;
  }
  FMoving = false;
  FResizing = false;
  FDoubleClicked = false;
  ShowHandles();
  return true;
}

void TFrame::KeyDown(QKeyEvent* event) {
  if (FButtonDown) return;
  workbench::TMainForm& main = *workbench::MainForm;
  switch (event->key()) {
    case Qt::Key_Tab:
      SelectNext();
      ShowInInspector(FSelected);
      return;
    case Qt::Key_F11:
      if (main.ObjectInspector1->Enabled()) main.ObjectInspector1Click();
      return;
    case Qt::Key_F12: main.SwapButton->Click(); return;
    case Qt::Key_F1: ShowComponentHelp(GetComponentKind(FSelected)); return;
    default: break;
  }
  if (FSelected.isNull() || FSelected == this) return;
  bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0 && FCtrlMoving;
  bool shift = (event->modifiers() & Qt::ShiftModifier) != 0 && FShiftSizing;
  switch (event->key()) {
    case Qt::Key_Shift:
      // The gesture's start is taken once: a held key repeats its key-down.
      if (FShiftSizing) return;
      FShiftSizing = true;
      SaveGeometry(FSelected);
      HideHandles();
      return;
    case Qt::Key_Control:
      if (FCtrlMoving) return;
      FCtrlMoving = true;
      SaveGeometry(FSelected);
      HideHandles();
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
      TAxis axis = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ? H : V;
      int step = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ? -1 : 1;
      if (ctrl) {
        MoveSelection(axis, step);
        ObjInsForm->RefreshPosition();
      } else if (shift) {
        SizeSelection(axis, step);
        ObjInsForm->RefreshSize();
      }
      return;
    }
    case Qt::Key_Delete: DeleteSelection(); return;
    default: return;
  }
}

void TFrame::KeyUp(QKeyEvent* event) {
  if (event->isAutoRepeat()) return;
  if (event->key() == Qt::Key_Shift && FShiftSizing) {
    FShiftSizing = false;
    if (!IsBitmapButton(FSelected)) WriteGeometryChange(FSelected, SavedGeometry(), false, true);
    if (!Released()) ShowHandles();
  } else if (event->key() == Qt::Key_Control && FCtrlMoving) {
    FCtrlMoving = false;
    EndGestureWrites(false);
    if (!Released()) ShowHandles();
  }
}

// ---- Window events ----

void TFrame::FormActivate() {
  InstallHook();
  workbench::TMainForm& main = *workbench::MainForm;
  if (main.FCurrentFrame != this) {
    main.FCurrentFrame = this;
    FillComboBox1();
    ShowInInspector(FSelected);
  }
  bool noMenuBar = FrameId == fkApplet || !MMB->isHidden();
  if (noMenuBar && main.CompoMenu->isChecked()) main.UnSelect1Click();
  main.CompoMenu->setEnabled(!noMenuBar);
  bool hasFileDialog = FClientArea->findChild<TOpenDlg*>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
  if (hasFileDialog && main.CompoOpenDlg->isChecked()) main.UnSelect1Click();
  main.CompoOpenDlg->setEnabled(!hasFileDialog);
  main.SwapButton->OnClick = [] { workbench::MainForm->FindEditor(); };
  if (!FSourcePage.isNull()) {
    main.FPageFrame = this;
    ActivateFrameSource(this);
  }
}

void TFrame::FormDeactivate() {
  ReleaseCapture();
  RemoveHook();
}

void TFrame::moveEvent(QMoveEvent* event) {
  platform::TForm::moveEvent(event);
  if (workbench::MarkerLost || !isVisible() || Released()) return;
  TGeometry before = FFrameGeometry;
  FFrameGeometry.left = Left();
  FFrameGeometry.top = Top();
  if (FrameId != fkApplet) platform::HandleEvent([&] { WriteGeometryChange(this, before, true, false); });
  if (!Released()) ObjInsForm->RefreshPosition();
}

void TFrame::FormResize() {
  ShowMenuBar();
  if (workbench::MarkerLost || !isVisible() || Released()) return;
  TGeometry before = FFrameGeometry;
  FFrameGeometry.width = Width();
  FFrameGeometry.height = Height();
  WriteGeometryChange(this, before, false, true);
  if (!Released()) ObjInsForm->RefreshSize();
}

void TFrame::FormPaint(QPaintEvent* event) {
  int spacing = workbench::EditorForm != nullptr ? workbench::EditorForm->GetGridSize() : 1;
  const QRect& clip = event->rect();
  QPainter painter(FClientArea);
  painter.setPen(Qt::black);
  std::vector<int> rows = GridLines(clip.top(), clip.top() + clip.height(), spacing);
  for (int x : GridLines(clip.left(), clip.left() + clip.width(), spacing))
    for (int y : rows) painter.drawPoint(x, y);
}

void TFrame::ShowMenuBar() {
  auto* bar = findChild<TMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  const bool shown = bar != nullptr && !bar->Items.empty();
  if (bar != nullptr) {
    bar->setGeometry(0, 0, width(), platform::WindowMetricsConst::MenuHeight);
    bar->setVisible(shown);
  }
  // The window keeps its size: the menu bar takes its height from the client area, as the running
  // window's does.
  const int top = shown ? platform::WindowMetricsConst::MenuHeight : 0;
  FClientArea->setGeometry(0, top, width(), std::max(height() - top, 0));
}

void TFrame::OpenMenuDesigner() {
  auto* menuBar = findChild<TMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  if (menuBar != nullptr) MenuDesigner->Execute(this, menuBar);
}

void TFrame::MenuItemClick(platform::TMenuItem* item) {
  if (item == nullptr || item->Count() > 0 || !ActivateFrameSource(this)) return;
  const std::string name = item->objectName().toStdString();
  // A component with bindings but none for OnAction is as unbound as one without any.
  std::string handler = GetEventHandler(FHandlerList, name, "OnAction");
  if (handler.empty()) {
    handler = name + "_Action";
    WriteFrameSource(this, [&] { WriteActionEvent(name, handler); }, false);
    if (Released()) return;
    SetEventHandler(FHandlerList, name, "OnAction", handler);
  }
  int routine = -1;
  if (!FindHandlerRoutine(handler, ecAction, routine)) {
    LoseMarker();
    RecoverLostMarkers(this);
    return;
  }
  if (routine >= 0) GotoHandlerRoutine(routine);
}

void TFrame::EditDefaultHandler() {
  if (FSelected.isNull() || IsBitmapButton(FSelected) || GetComponentKind(FSelected) == ckLabel) return;
  ObjInsForm->OpenDefaultHandler(FSelected);
}

}  // namespace designer
