#include "designer/MenuDesigner_f.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <set>

#include "designer/CodeWriter_f.h"
#include "designer/EventWriters.h"
#include "designer/FormDesigner_f.h"
#include "designer/JavaType.h"
#include "designer/Lib.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/RichEdit.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace designer {

platform::OnDemand<TMenuDesigner> MenuDesigner;

namespace {

constexpr const char* kSeparatorText = "(separator)";
constexpr const char* kNewItemText = "aMenuItem";
constexpr const char* kNoHandler = "(none)";
constexpr int kDataRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

int DataOf(const QTreeWidgetItem* node) { return node->data(0, kDataRole).toInt(); }
void SetData(QTreeWidgetItem* node, int data) { node->setData(0, kDataRole, data); }
int ImageOf(const QTreeWidgetItem* node) { return node->data(0, kImageRole).toInt(); }
int Disabled(int data) { return data % 10; }
int Checkable(int data) { return data / 10 % 10; }
int HandlerIndex(int data) { return data / 100; }
std::string TextOf(const QTreeWidgetItem* node) { return node->text(0).toStdString(); }
bool IsSeparator(const QTreeWidgetItem* node) { return TextOf(node) == kSeparatorText; }

int LevelOf(const QTreeWidgetItem* node) {
  int level = 0;
  for (const QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent()) ++level;
  return level;
}

// Plain, checked, disabled, disabled and checked.
QIcon StateImage(int image) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  if (image == 0) {
    painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    painter.drawLine(2, 8, 14, 8);
  }
  if (image == 1 || image == 3) {
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(QPolygon({QPoint(3, 8), QPoint(6, 12), QPoint(13, 3)}));
  }
  if (image >= 2) {
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(3, 3, 13, 13);
    painter.drawLine(13, 3, 3, 13);
  }
  return QIcon(pixmap);
}

// A caption is typed without "&": the framework would take it for an accelerator.
class TCaptionDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
      edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[^&]*"), edit));
    return editor;
  }
};

platform::TEditLines& Lines() { return ActivePage()->Lines(); }

// The index of the "setMenuBar(" line inside Component Initialization; -1, with the marker lost,
// when it or a marker is missing.
int SetMenuBarLine() {
  int start = GetLineIndex(kInitializationMarker);
  int end = GetLineIndex(kInitializationEndMarker);
  int at = start < 0 || end < 0 ? -1 : GetLineIndexBetween(start, end, "setMenuBar(");
  if (at < 0) LoseMarker();
  return at;
}

std::string IndentOfLine(const std::string& line) { return line.substr(0, static_cast<size_t>(GetIndentWidth(line))); }

// The declaration goes above the end of the declarations, the construction lines above
// "setMenuBar(", each with the indent of the line it goes above.
void WriteMenuLines(const std::string& declaration, const std::vector<std::string>& construction) {
  if (!declaration.empty()) {
    int end = GetLineIndex(kDeclarationEndMarker);
    if (end < 0) {
      LoseMarker();
      return;
    }
    Lines().Insert(end, IndentOfLine(Lines().Get(end)) + declaration);
  }
  int at = SetMenuBarLine();
  if (at < 0) return;
  std::string indent = IndentOfLine(Lines().Get(at));
  for (size_t i = 0; i < construction.size(); ++i) Lines().Insert(at + static_cast<int>(i), indent + construction[i]);
}

std::string QuotedCaption(const platform::TMenuItem& item) {
  return "\"" + EscapeJavaString(item.Caption()) + "\"";
}

// The first menu gives the Java field its value: the system's menu-bar height.
void WriteMenuBarHeight() {
  const std::string key = "MenuBarHeight = 0";
  int at = GetLineIndex(key);
  if (at < 0) return;
  std::string line = Lines().Get(at);
  line.replace(line.find(key) + key.size() - 1, 1, std::to_string(workbench::SystemMenuHeight));
  Lines().Put(at, line);
}

}  // namespace

TMenuDesigner::TMenuDesigner() {
  SetCaption("Menu Designer - ");
  Position = platform::poScreenCenter;
  resize(482, 334);
  MenuTree = new QTreeWidget(this);
  MenuTree->setObjectName("MenuTree");
  MenuTree->setHeaderHidden(true);
  MenuTree->setIndentation(21);
  MenuTree->setIconSize(QSize(16, 16));
  MenuTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MenuTree->setItemDelegate(new TCaptionDelegate(MenuTree));
  auto* startEdit = new QAction(MenuTree);
  startEdit->setShortcut(Qt::Key_Insert);
  startEdit->setShortcutContext(Qt::WidgetShortcut);
  MenuTree->addAction(startEdit);
  platform::Connect(startEdit, &QAction::triggered, this, [this] {
    if (FCurrentNode != nullptr && (FCurrentNode->flags() & Qt::ItemIsEditable)) MenuTree->editItem(FCurrentNode);
  });
  platform::Connect(MenuTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
    if (!FBuilding && node != nullptr) MenuTreeChange(node);
  });
  platform::Connect(MenuTree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) {
    if (!FBuilding) MenuTreeEdited(node);
  });

  auto makeButton = [this](const char* name, const char* caption, void (TMenuDesigner::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    platform::Connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
  };
  NewItemB = makeButton("NewItemB", "&New MenuItem", &TMenuDesigner::NewItemBClick);
  DeleteItemB = makeButton("DeleteItemB", "&Delete Item", &TMenuDesigner::DeleteItemBClick);
  CheckedB = makeButton("CheckedB", "Chec&ked", &TMenuDesigner::CheckedBClick);
  EnabledB = makeButton("EnabledB", "&Enabled", &TMenuDesigner::EnabledBClick);
  separatorB = makeButton("separatorB", "&Separator", &TMenuDesigner::separatorBClick);
  CheckableB = makeButton("CheckableB", "&Checkable", &TMenuDesigner::CheckableBClick);
  OkButton = makeButton("OkButton", "&OK", &TMenuDesigner::OkButtonClick);
  CancelButton = makeButton("CancelButton", "&Cancel", &TMenuDesigner::CancelButtonClick);
  platform::SetCancel(CancelButton);

  EventHandlerCombo = new QComboBox(this);
  EventHandlerCombo->setObjectName("EventHandlerCombo");
  platform::Connect(EventHandlerCombo, &QComboBox::activated, this, [this](int index) { EventHandlerComboChange(index); });

  auto* column = new QVBoxLayout;
  for (QPushButton* button : {NewItemB, DeleteItemB, CheckedB, EnabledB, separatorB, CheckableB})
    column->addWidget(button);
  column->addStretch();
  column->addWidget(OkButton);
  column->addWidget(CancelButton);
  auto* top = new QHBoxLayout;
  top->addWidget(MenuTree, 1);
  top->addLayout(column);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel("OnAction : ", this));
  bottom->addWidget(EventHandlerCombo, 1);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(top, 1);
  whole->addLayout(bottom);
}

int TMenuDesigner::Execute(TFrame* frame, TMenuBar* menuBar) {
  FFrame = frame;
  FMenuBar = menuBar;
  FormShow();
  int result = ShowModal();
  FBuilding = true;
  MenuTree->clear();
  FBuilding = false;
  FCurrentNode = nullptr;
  FFrame = nullptr;
  FMenuBar = nullptr;
  return result;
}

void TMenuDesigner::FormShow() {
  if (FMenuBar == nullptr) return;
  FModified = false;
  FillHandlerCombo();
  BuildMenuTree();
  MenuTree->expandAll();
  MenuTree->setCurrentItem(MenuTree->topLevelItem(0));
  MenuTreeChange(MenuTree->topLevelItem(0));
  MenuTree->setFocus();
}

std::string TMenuDesigner::IdentifierSafeCaption(const std::string& caption) {
  std::string safe = caption;
  for (char& c : safe) {
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && c != '_') c = '_';
  }
  return safe;
}

std::string TMenuDesigner::GetNodeItemName(const QTreeWidgetItem* node) const {
  const QTreeWidgetItem* parent = node->parent();
  if (parent == nullptr) return TextOf(node);
  return GetNodeItemName(parent) + IdentifierSafeCaption(TextOf(node)) + std::to_string(parent->indexOfChild(const_cast<QTreeWidgetItem*>(node)));
}

namespace {

// "(none)" first, then the handlers as the user reads them, whatever their case.
std::vector<std::string> InUserOrder(const std::set<std::string>& handlers) {
  std::vector<std::string> ordered(handlers.begin(), handlers.end());
  std::stable_sort(ordered.begin(), ordered.end(), [](const std::string& a, const std::string& b) {
    if (a == kNoHandler || b == kNoHandler) return a == kNoHandler && b != kNoHandler;
    return platform::LowerCase(a) < platform::LowerCase(b);
  });
  return ordered;
}

}  // namespace

void TMenuDesigner::FillHandlerCombo() {
  // A menu item's Action handler may be any handler of the Action event's group: its routine
  // takes one Object.
  const std::vector<std::string>& group = EventGroupLists()[0];
  std::set<std::string> handlers = {kNoHandler};
  const TEventHandlerList& list = FFrame->FHandlerList;
  for (int i = 0; i < list.Count(); ++i)
    if (const std::string& line = list[i]; !line.empty() && line.find('[') == std::string::npos &&
                                           std::count(group.begin(), group.end(), GetEventName(line)) > 0)
      handlers.insert(GetHandlerName(line));
  EventHandlerCombo->clear();
  for (const std::string& handler : InUserOrder(handlers)) EventHandlerCombo->addItem(QString::fromStdString(handler));
}

QTreeWidgetItem* TMenuDesigner::AddNode(QTreeWidgetItem* parent, const std::string& text, int data, int image) {
  auto* node = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
  if (parent == nullptr) MenuTree->addTopLevelItem(node);
  else parent->addChild(node);
  SetData(node, data);
  SetImage(node, image);
  if (parent != nullptr && text != kSeparatorText) node->setFlags(node->flags() | Qt::ItemIsEditable);
  return node;
}

void TMenuDesigner::SetImage(QTreeWidgetItem* node, int image) {
  static const std::array<QIcon, 4> images = {StateImage(0), StateImage(1), StateImage(2), StateImage(3)};
  node->setData(0, kImageRole, image);
  node->setIcon(0, images.at(static_cast<size_t>(image)));
}

void TMenuDesigner::BuildMenuTree() {
  FBuilding = true;
  MenuTree->clear();
  QTreeWidgetItem* root = AddNode(nullptr, NameOf(FMenuBar), 0, 0);
  for (const platform::TMenuItem* menu : FMenuBar->Items) {
    int disabled = menu->Enabled() ? 0 : 1;
    AddSubItemNodes(*menu, AddNode(root, menu->Caption(), disabled, disabled * 2));
  }
  FBuilding = false;
}

void TMenuDesigner::AddSubItemNodes(const platform::TMenuItem& parent, QTreeWidgetItem* parentNode) {
  for (int i = 0; i < parent.Count(); ++i) {
    const platform::TMenuItem* item = parent.Items(i);
    QTreeWidgetItem* node;
    if (item->Caption() == "-") {
      node = AddNode(parentNode, kSeparatorText, 0, 0);
    } else {
      node = AddNode(parentNode, item->Caption(), 0, 0);
      std::string handler = GetEventHandler(FFrame->FHandlerList, GetNodeItemName(node), "OnAction");
      int handlerIndex = handler.empty() ? 0 : std::max(0, EventHandlerCombo->findText(QString::fromStdString(handler)));
      const auto* designed = qobject_cast<const TJMenuItem*>(item);
      int checkable = designed != nullptr && designed->Checkable ? 1 : 0;
      int disabled = item->Enabled() ? 0 : 1;
      SetData(node, disabled + checkable * 10 + handlerIndex * 100);
      SetImage(node, disabled * 2 + (item->Checked() ? 1 : 0));
    }
    AddSubItemNodes(*item, node);
  }
}

void TMenuDesigner::ShowNodeHandler(const QTreeWidgetItem* node) {
  EventHandlerCombo->setCurrentIndex(HandlerIndex(DataOf(node)));
}

void TMenuDesigner::MenuTreeChange(QTreeWidgetItem* node) {
  FCurrentNode = node;
  int level = LevelOf(node);
  bool separator = IsSeparator(node);
  bool leafItem = !separator && level >= 2 && node->childCount() == 0;
  NewItemB->setEnabled(!separator);
  EnabledB->setEnabled(!separator && level > 0);
  CheckedB->setEnabled(!separator && level > 1);
  separatorB->setEnabled(leafItem);
  CheckableB->setEnabled(leafItem);
  EventHandlerCombo->setEnabled(leafItem);
  DeleteItemB->setEnabled(level > 0);
  CheckableB->setText(Checkable(DataOf(node)) == 1 ? "not Checkable" : "Checkable");
  SetCaption("Menu Designer - " + GetNodeItemName(node));
  ShowNodeHandler(node);
}

void TMenuDesigner::Refresh() {
  if (FCurrentNode != nullptr) MenuTreeChange(FCurrentNode);
  MenuTree->setFocus();
}

void TMenuDesigner::NewItemBClick() {
  if (FCurrentNode == nullptr || IsSeparator(FCurrentNode)) return;
  FModified = true;
  FBuilding = true;
  AddNode(FCurrentNode, kNewItemText, 0, 0);
  FBuilding = false;
  FCurrentNode->setExpanded(true);
  // A node with children is a submenu, which has no action.
  if (HandlerIndex(DataOf(FCurrentNode)) > 0) {
    SetData(FCurrentNode, DataOf(FCurrentNode) % 100);
    EventHandlerCombo->setCurrentIndex(0);
  }
  separatorB->setEnabled(false);
  CheckableB->setEnabled(false);
  EventHandlerCombo->setEnabled(false);
}

void TMenuDesigner::DeleteItemBClick() {
  if (FCurrentNode == nullptr || FCurrentNode->parent() == nullptr) return;
  FModified = true;
  delete FCurrentNode;
  FCurrentNode = MenuTree->currentItem();
  Refresh();
}

void TMenuDesigner::CheckedBClick() {
  if (FCurrentNode == nullptr || LevelOf(FCurrentNode) < 2 || IsSeparator(FCurrentNode)) return;
  FModified = true;
  int image = ImageOf(FCurrentNode);
  if (IsCheckedImage(image)) {
    SetImage(FCurrentNode, image - 1);
  } else {
    SetImage(FCurrentNode, image + 1);
    // A checked item is checkable.
    if (Checkable(DataOf(FCurrentNode)) == 0) SetData(FCurrentNode, DataOf(FCurrentNode) + 10);
  }
  Refresh();
}

void TMenuDesigner::EnabledBClick() {
  if (FCurrentNode == nullptr || LevelOf(FCurrentNode) < 1 || IsSeparator(FCurrentNode)) return;
  FModified = true;
  int step = Disabled(DataOf(FCurrentNode)) == 1 ? -1 : 1;
  SetData(FCurrentNode, DataOf(FCurrentNode) + step);
  SetImage(FCurrentNode, ImageOf(FCurrentNode) + 2 * step);
  MenuTree->setFocus();
}

void TMenuDesigner::MakeSeparator(QTreeWidgetItem* node) {
  FBuilding = true;
  SetData(node, DataOf(node) % 100);
  node->setText(0, kSeparatorText);
  node->setFlags(node->flags() & ~Qt::ItemIsEditable);
  if (ImageOf(node) == 1) SetImage(node, 0);
  FBuilding = false;
  Refresh();
}

void TMenuDesigner::separatorBClick() {
  if (FCurrentNode == nullptr || LevelOf(FCurrentNode) < 2 || FCurrentNode->childCount() > 0) return;
  FModified = true;
  MakeSeparator(FCurrentNode);
}

void TMenuDesigner::CheckableBClick() {
  if (FCurrentNode == nullptr || LevelOf(FCurrentNode) < 2 || IsSeparator(FCurrentNode)) return;
  FModified = true;
  int data = DataOf(FCurrentNode);
  if (Checkable(data) == 1) {
    SetData(FCurrentNode, data - 10);
    SetImage(FCurrentNode, Disabled(data) * 2);  // the check mark goes with the checkbox
  } else {
    SetData(FCurrentNode, data + 10);
  }
  Refresh();
}

void TMenuDesigner::EventHandlerComboChange(int index) {
  if (FCurrentNode == nullptr || index < 0) return;
  int data = DataOf(FCurrentNode) % 100 + index * 100;
  if (data == DataOf(FCurrentNode)) return;
  SetData(FCurrentNode, data);
  FModified = true;
}

void TMenuDesigner::MenuTreeEdited(QTreeWidgetItem* node) {
  FModified = true;
  if (IsSeparator(node)) MakeSeparator(node);
  else if (node == FCurrentNode) Refresh();
}

void TMenuDesigner::OkButtonClick() {
  if (FModified && FFrame != nullptr && FMenuBar != nullptr) WriteFrameSource(FFrame, [this] { WriteMenus(); }, true);
  if (FFrame != nullptr) FFrame->ShowMenuBar();
  SetModalResult(platform::mrOk);
}

void TMenuDesigner::CancelButtonClick() { SetModalResult(platform::mrCancel); }

void TMenuDesigner::RemoveItemEvents(const platform::TMenuItem& item) {
  if (item.Count() == 0) {
    RemoveTargetEvents(NameOf(&item));
    SetEventHandler(FFrame->FHandlerList, NameOf(&item), "OnAction", "");
  }
  for (int i = 0; i < item.Count(); ++i) RemoveItemEvents(*item.Items(i));
}

void TMenuDesigner::WriteMenus() {
  while (!FMenuBar->Items.empty()) {
    platform::TMenuItem* menu = FMenuBar->Items.back();
    for (int i = 0; i < menu->Count(); ++i) RemoveItemEvents(*menu->Items(i));
    FMenuBar->Items.pop_back();
    delete menu;
  }
  RemoveMenuCode();
  QTreeWidgetItem* root = MenuTree->topLevelItem(0);
  for (int i = 0; root != nullptr && i < root->childCount() && !workbench::MarkerLost; ++i) {
    const QTreeWidgetItem* node = root->child(i);
    int data = DataOf(node);
    auto* menu = new TJMenuItem(TextOf(node), FMenuBar);
    menu->setObjectName(QString::fromStdString(GetNodeItemName(node)));
    menu->SetEnabled(Disabled(data) == 0);
    menu->Checkable = Checkable(data) == 1;
    FMenuBar->addMenu(menu->SubMenu());
    FMenuBar->Items.push_back(menu);
    WriteMenuBarHeight();
    WriteMenuCode(*menu, NameOf(FMenuBar));
    WriteSubItems(*menu, node);
  }
}

void TMenuDesigner::WriteSubItems(platform::TMenuItem& parent, const QTreeWidgetItem* node) {
  for (int i = 0; i < node->childCount() && !workbench::MarkerLost; ++i) {
    const QTreeWidgetItem* child = node->child(i);
    int data = DataOf(child);
    const std::string name = GetNodeItemName(child);
    auto* item = new TJMenuItem(IsSeparator(child) ? "-" : TextOf(child), FMenuBar);
    item->setObjectName(QString::fromStdString(name));
    item->Checkable = Checkable(data) == 1;
    if (item->Checkable || IsCheckedImage(ImageOf(child))) item->SetChecked(IsCheckedImage(ImageOf(child)));
    item->SetEnabled(Disabled(data) == 0);
    SetDesignTag(item, -1);
    TFrame* frame = FFrame;
    item->OnClick = [frame, item] { frame->MenuItemClick(item); };
    parent.Insert(parent.Count(), item);

    RemoveTargetEvents(name);
    SetEventHandler(FFrame->FHandlerList, name, "OnAction", "");
    if (child->childCount() == 0) {
      WriteMenuItemCode(*item, NameOf(&parent));
      int handlerIndex = HandlerIndex(data);
      if (handlerIndex > 0 && handlerIndex < EventHandlerCombo->count() && !IsSeparator(child)) {
        std::string handler = EventHandlerCombo->itemText(handlerIndex).toStdString();
        WriteActionEvent(name, handler);
        SetEventHandler(FFrame->FHandlerList, name, "OnAction", handler);
      }
    } else {
      WriteMenuCode(*item, NameOf(&parent));
    }
    WriteSubItems(*item, child);
  }
}

void WriteMenuCode(const platform::TMenuItem& menu, const std::string& parentName) {
  const std::string n = NameOf(&menu);
  std::vector<std::string> construction = {n + " = new Menu(" + QuotedCaption(menu) + ");"};
  if (!menu.Enabled()) construction.push_back(n + ".enable(false);");
  construction.push_back(parentName + ".add(" + n + ");");
  WriteMenuLines("public Menu " + n + ";", construction);
}

void WriteMenuItemCode(const platform::TMenuItem& item, const std::string& parentName) {
  if (item.Caption() == "-") {
    WriteMenuLines({}, {parentName + ".addSeparator();"});
    return;
  }
  const std::string n = NameOf(&item);
  const auto* designed = qobject_cast<const TJMenuItem*>(&item);
  const std::string javaClass = designed != nullptr && designed->Checkable ? "CheckboxMenuItem" : "MenuItem";
  std::vector<std::string> construction = {n + " = new " + javaClass + "(" + QuotedCaption(item) + ");"};
  // Only a CheckboxMenuItem has a state to set.
  if (item.Checked() && javaClass == "CheckboxMenuItem") construction.push_back(n + ".setState(true);");
  if (!item.Enabled()) construction.push_back(n + ".enable(false);");
  construction.push_back(parentName + ".add(" + n + ");");
  WriteMenuLines("public " + javaClass + " " + n + ";", construction);
}

void RemoveMenuCode() {
  if (!ActivateFrameSource()) return;
  platform::TRichEdit* edit = ActivePage();
  int caret = edit->SelStart();
  int start = GetLineIndex(kDeclarationMarker);
  int end = GetLineIndex(kDeclarationEndMarker);
  if (start < 0 || end < 0) {
    LoseMarker();
    return;
  }
  for (int i = end - 1; i > start; --i) {
    std::string line = Lines().Get(i);
    for (const char* word : {" CheckboxMenuItem ", " MenuItem ", " Menu "})
      if (line.find(word) != std::string::npos) {
        Lines().Delete(i);
        break;
      }
  }
  int bar = GetLineIndex("new MenuBar()");
  int set = GetLineIndex("setMenuBar(");
  if (bar < 0 || set < 0) {
    LoseMarker();
    return;
  }
  for (int i = set - 1; i > bar; --i) Lines().Delete(i);
  edit->SetSelStart(caret);
}

}  // namespace designer
