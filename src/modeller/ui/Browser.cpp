#include "modeller/ui/Browser.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "modeller/codegen/JavaGen.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/Inspect.h"
#include "modeller/ui/ToolPlace.h"
#include "platform/HandlerGuard.h"

namespace modeller {

namespace {

constexpr int kIconSize = 16;

// Types are boxes, fields small squares, methods diamonds; the colour tells the kind.
QIcon BrowserIcon(TBrowserImage image) {
  static const QColor colors[] = {Qt::darkGreen, Qt::darkMagenta, Qt::darkCyan, Qt::darkBlue,
                                  Qt::darkRed,   Qt::magenta,     QColor(200, 110, 0)};
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  painter.setBrush(colors[image]);
  if (image == biClass || image == biInterface) {
    painter.drawRect(1, 1, kIconSize - 3, kIconSize - 3);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, image == biClass ? "C" : "I");
  } else if (image == biAttribute || image == biConstant) {
    painter.drawRect(4, 4, 8, 8);
  } else {
    painter.drawPolygon(QPolygon({QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(2, 8)}));
  }
  return QIcon(pixmap);
}

const TStorable* StoredElement(const QTreeWidgetItem* node) {
  return reinterpret_cast<const TStorable*>(node->data(0, Qt::UserRole).value<quintptr>());
}

// Whether the pointer is the address of a type of the model or of one of its members. Only
// addresses are compared: the element the pointer once named may be gone.
const TStorable* FindInModel(const TStorable* wanted) {
  if (TheGraph == nullptr) return nullptr;
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    const auto* type = dynamic_cast<const TGenericType*>(TheGraph->Nodes(i));
    if (type == nullptr) continue;
    if (type == wanted) return type;
    for (int j = 0; j < type->AttributeCount(); ++j)
      if (type->Attributes(j) == wanted) return type->Attributes(j);
    for (int j = 0; j < type->MethodCount(); ++j)
      if (type->Methods(j) == wanted) return type->Methods(j);
  }
  return nullptr;
}

std::string NodeText(const TStorable& element) {
  if (const auto* type = dynamic_cast<const TGenericType*>(&element)) return type->Name();
  return dynamic_cast<const TElement&>(element).Declaration();
}

}  // namespace

TBrowserImage BrowserImageOf(const TStorable& element) {
  if (dynamic_cast<const TJavaClass*>(&element) != nullptr) return biClass;
  if (dynamic_cast<const TJavaInterface*>(&element) != nullptr) return biInterface;
  if (dynamic_cast<const TJavaAttribute*>(&element) != nullptr) return biAttribute;
  if (dynamic_cast<const TJavaConstant*>(&element) != nullptr) return biConstant;
  if (dynamic_cast<const TJavaMethod*>(&element) != nullptr) return biMethod;
  if (dynamic_cast<const TJavaConstructor*>(&element) != nullptr) return biConstructor;
  return biOperation;
}

void ElementJavaText(platform::TStringList& list, const TStorable& element) {
  if (const auto* javaClass = dynamic_cast<const TJavaClass*>(&element)) ClassDeclaration(list, *javaClass);
  else if (const auto* javaInterface = dynamic_cast<const TJavaInterface*>(&element))
    InterfaceDeclaration(list, *javaInterface);
  else if (const auto* attribute = dynamic_cast<const TJavaAttribute*>(&element)) AttributeDeclaration(list, *attribute);
  else if (const auto* method = dynamic_cast<const TJavaMethod*>(&element)) MethodDeclaration(list, *method);
  else if (const auto* constructor = dynamic_cast<const TJavaConstructor*>(&element))
    ConstructorDeclaration(list, *constructor);
  else if (const auto* constant = dynamic_cast<const TGenericAttribute*>(&element)) MemberDeclaration(list, *constant);
  else if (const auto* operation = dynamic_cast<const TGenericMethod*>(&element)) OperationDeclaration(list, *operation);
}

TBrowserForm::TBrowserForm() {
  setObjectName("BrowserForm");
  SetCaption("Browser");
  setWindowFlags(Qt::Tool);
  FormStyle = platform::fsStayOnTop;
  resize(260, 360);
  auto* layout = new QVBoxLayout(this);
  TypeTreeView = new QTreeWidget(this);
  TypeTreeView->setObjectName("TypeTreeView");
  TypeTreeView->setHeaderHidden(true);
  TypeTreeView->setIndentation(25);
  TypeTreeView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Queued: a click may rebuild the tree, which must not happen inside the tree's own mouse event.
  platform::Connect(TypeTreeView, &QTreeWidget::itemClicked, this, [this] { TypeTreeViewClick(); }, Qt::QueuedConnection);
  layout->addWidget(TypeTreeView);
  auto* buttons = new QHBoxLayout;
  UpdateButton = NamedButton(this, "UpdateButton", "Update");
  platform::Connect(UpdateButton, &QPushButton::clicked, this, [this] { UpdateButtonClick(); });
  ExpandButton = NamedButton(this, "ExpandButton", "Expand");
  platform::Connect(ExpandButton, &QPushButton::clicked, this, [this] { ExpandButtonClick(); });
  CollapseButton = NamedButton(this, "CollapseButton", "Collapse");
  platform::Connect(CollapseButton, &QPushButton::clicked, this, [this] { CollapseButtonClick(); });
  for (QPushButton* button : {UpdateButton, ExpandButton, CollapseButton}) buttons->addWidget(button);
  layout->addLayout(buttons);
  FormCreate();
}

void TBrowserForm::FormCreate() { ReadToolPlace(*this, kBrowserPlace); }

void TBrowserForm::FormShow() { RebuildTree(); }

void TBrowserForm::FormClose(platform::TCloseAction& action) {
  (void)action;
  WriteToolPlace(*this, kBrowserPlace);
}

void TBrowserForm::RebuildTree() {
  TypeTreeView->clear();
  if (TheGraph == nullptr) return;
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    const TNode* node = TheGraph->Nodes(i);
    if (dynamic_cast<const TJavaInterface*>(node) == nullptr && dynamic_cast<const TJavaClass*>(node) == nullptr)
      continue;
    const auto& type = dynamic_cast<const TGenericType&>(*node);
    QTreeWidgetItem* typeNode = AddTypeNode(type);
    for (int j = 0; j < type.AttributeCount(); ++j) AddFieldNode(typeNode, *type.Attributes(j));
    for (int j = 0; j < type.MethodCount(); ++j) AddMethodNode(typeNode, *type.Methods(j));
  }
}

QTreeWidgetItem* TBrowserForm::AddNode(QTreeWidgetItem* parent, const std::string& text, const TStorable& element) {
  auto* node = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TypeTreeView);
  node->setText(0, QString::fromStdString(text));
  node->setIcon(0, BrowserIcon(BrowserImageOf(element)));
  node->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&element)));
  return node;
}

QTreeWidgetItem* TBrowserForm::AddTypeNode(const TGenericType& type) { return AddNode(nullptr, type.Name(), type); }

void TBrowserForm::AddFieldNode(QTreeWidgetItem* parent, const TGenericAttribute& field) {
  AddNode(parent, field.Declaration(), field);
}

void TBrowserForm::AddMethodNode(QTreeWidgetItem* parent, const TGenericMethod& method) {
  AddNode(parent, method.Declaration(), method);
}

void TBrowserForm::UpdateButtonClick() { RebuildTree(); }
void TBrowserForm::ExpandButtonClick() { TypeTreeView->expandAll(); }
void TBrowserForm::CollapseButtonClick() { TypeTreeView->collapseAll(); }

const TStorable* TBrowserForm::ElementOf(const QTreeWidgetItem* node) const {
  const TStorable* element = FindInModel(StoredElement(node));
  if (element == nullptr || QString::fromStdString(NodeText(*element)) != node->text(0)) return nullptr;
  return element;
}

// A node whose element was deleted, or replaced by a New or an Open, shows nothing: the tree is
// rebuilt from the model as it is now.
void TBrowserForm::TypeTreeViewClick() {
  CodeViewerForm()->Show();
  platform::TStringList text;
  QTreeWidgetItem* node = TypeTreeView->currentItem();
  if (node != nullptr && node->isSelected()) {
    if (const TStorable* element = ElementOf(node)) ElementJavaText(text, *element);
    else RebuildTree();
  }
  CodeViewerForm()->CodeViewMemo->Lines().Assign(text);
}

}  // namespace modeller
