#pragma once
// TBrowserForm: the "Browser" tool window, made at start-up and reused. It shows the classes and
// interfaces of the diagram as a tree of types and their members; a click shows the Java text of
// the element in the code viewer. The tree is rebuilt when shown, on Update, and whenever a click
// finds that its element has left the model.
#include <QPushButton>
#include <QTreeWidget>

#include "modeller/core/Storage.h"
#include "modeller/model/Concepts.h"
#include "platform/Forms.h"
#include "platform/StringList.h"

namespace modeller {

// The image of a tree node: class, interface, attribute, constant, method, operation, constructor.
enum TBrowserImage { biClass, biInterface, biAttribute, biConstant, biMethod, biOperation, biConstructor };
TBrowserImage BrowserImageOf(const TStorable& element);
// The Java text of a type or member, as the generator writes it.
void ElementJavaText(platform::TStringList& list, const TStorable& element);

class TBrowserForm : public platform::TForm {
  Q_OBJECT
 public:
  TBrowserForm();

  QTreeWidget* TypeTreeView;
  QPushButton* UpdateButton;
  QPushButton* ExpandButton;
  QPushButton* CollapseButton;

  void RebuildTree();
  void UpdateButtonClick();
  void ExpandButtonClick();
  void CollapseButtonClick();
  void TypeTreeViewClick();
  // The element of a node, only while it is still in the current model with the text the node
  // shows; null otherwise.
  const TStorable* ElementOf(const QTreeWidgetItem* node) const;

 protected:
  void FormCreate();
  void FormShow() override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  QTreeWidgetItem* AddTypeNode(const TGenericType& type);
  void AddFieldNode(QTreeWidgetItem* parent, const TGenericAttribute& field);
  void AddMethodNode(QTreeWidgetItem* parent, const TGenericMethod& method);
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const std::string& text, const TStorable& element);
};

TBrowserForm* BrowserForm();  // made on first use

}  // namespace modeller
