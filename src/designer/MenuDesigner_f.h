#pragma once
// TMenuDesigner: the modal dialog in which the menus of a frame's menu bar are designed. It edits a
// tree copy of the menu; OK throws away the bar's items and every menu line of the source, builds
// the items again from the tree and writes their code and their Action bindings.
//
// A node keeps two numbers: its Data (handler index x 100 + checkable x 10 + disabled, the handler
// index being the handler's place in the combo, 0 for "(none)") and its image (disabled x 2 +
// checked). An item is checked only through its image.
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

#include "platform/Forms.h"
#include "platform/OnDemand.h"

namespace platform {
class TMenuItem;
}

namespace designer {

class TFrame;
class TMenuBar;

class TMenuDesigner : public platform::TForm {
  Q_OBJECT
 public:
  TMenuDesigner();

  QTreeWidget* MenuTree;
  QPushButton* NewItemB;
  QPushButton* DeleteItemB;
  QPushButton* CheckedB;
  QPushButton* EnabledB;
  QPushButton* separatorB;
  QPushButton* CheckableB;
  QPushButton* OkButton;
  QPushButton* CancelButton;
  QComboBox* EventHandlerCombo;

  // Shows the dialog modally for the frame's menu bar; the frame must have one.
  int Execute(TFrame* frame, TMenuBar* menuBar);

  // Every character but an ASCII letter or "_" becomes "_": "Save as..." gives "Save_as___".
  static std::string IdentifierSafeCaption(const std::string& caption);
  static bool IsCheckedImage(int image) { return image == 1 || image == 3; }
  // The name the node's menu or item gets: the parent's name, the safe caption and the index
  // among its siblings; the root's is its text.
  std::string GetNodeItemName(const QTreeWidgetItem* node) const;

  void FillHandlerCombo();
  void BuildMenuTree();
  void ShowNodeHandler(const QTreeWidgetItem* node);
  void MenuTreeChange(QTreeWidgetItem* node);

  void NewItemBClick();
  void DeleteItemBClick();
  void CheckedBClick();
  void EnabledBClick();
  void separatorBClick();
  void CheckableBClick();
  void EventHandlerComboChange(int index);
  void OkButtonClick();
  void CancelButtonClick();

  QTreeWidgetItem* CurrentNode() const { return FCurrentNode; }
  bool Modified() const { return FModified; }

 protected:
  void FormShow() override;

 private:
  void AddSubItemNodes(const platform::TMenuItem& parent, QTreeWidgetItem* parentNode);
  QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const std::string& text, int data, int image);
  void SetImage(QTreeWidgetItem* node, int image);
  void Refresh();
  void MenuTreeEdited(QTreeWidgetItem* node);
  void MakeSeparator(QTreeWidgetItem* node);
  void RemoveItemEvents(const platform::TMenuItem& item);
  void WriteMenus();
  void WriteSubItems(platform::TMenuItem& parent, const QTreeWidgetItem* node);

  TFrame* FFrame = nullptr;
  TMenuBar* FMenuBar = nullptr;
  QTreeWidgetItem* FCurrentNode = nullptr;
  bool FModified = false;
  bool FBuilding = false;  // the tree is being filled: its changes are no edits
};

// The menu lines of the active page. A menu or item's parent is its parent item's name, or the menu
// bar's for a menu of the bar. A missing marker or "setMenuBar(" line sets MarkerLost.
void WriteMenuCode(const platform::TMenuItem& menu, const std::string& parentName);
void WriteMenuItemCode(const platform::TMenuItem& item, const std::string& parentName);
void RemoveMenuCode();

extern platform::OnDemand<TMenuDesigner> MenuDesigner;

}  // namespace designer
