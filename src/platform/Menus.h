#pragma once
// Menus: TMenuItem is an action that becomes a submenu as soon as it has items. Captions use "&"
// for the access key, a caption "-" makes the item a separator line that is never clicked, and
// shortcuts are key sequences ("Ctrl+O", "F9"), as the menus show them.
//
// Shortcut keys go first to the active window's own menu bar: its items' keys are live in that
// window only, so two windows may use one key. A key that no control of the active window used
// then reaches the application main form's menu (TakeMenuKey), unless a modal window is open.
// Either way the item runs as a click through its menus would: their opening handlers first.
// A context menu's keys are only shown beside its items.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace platform {

class TMenuItem : public QObject {
  Q_OBJECT
 public:
  explicit TMenuItem(const std::string& caption, QObject* owner = nullptr);
  ~TMenuItem() override;

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  std::string ShortCut() const;
  void SetShortCut(const std::string& keys);
  bool Enabled() const { return action_->isEnabled(); }
  void SetEnabled(bool enabled) { action_->setEnabled(enabled); }
  bool Checked() const { return action_->isChecked(); }
  void SetChecked(bool checked);
  bool Visible() const { return action_->isVisible(); }
  void SetVisible(bool visible) { action_->setVisible(visible); }
  std::string Hint;

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  // Adds a child, owned by this item; the item becomes a submenu.
  TMenuItem* Add(const std::string& caption, std::function<void()> onClick = {}, const std::string& keys = {});
  void Insert(int index, TMenuItem* item);
  void AddSeparator();
  void Remove(TMenuItem* item);  // detaches and frees it

  std::function<void()> OnClick;  // runs on activation; a submenu's item runs it when the menu opens
  void Click();
  // The item reached by its key: each menu above it, from the menu bar down, opens as a click
  // would (running its OnClick, which may enable the item), then the item runs if it is enabled
  // and shown. A disabled item reached by its key does nothing.
  void ClickByShortCut();
  // This item or an item below it whose shortcut is the key, in any state; none if there is none.
  TMenuItem* FindShortCut(const QKeySequence& key);

  QAction* Action() const { return action_; }
  QMenu* SubMenu();  // made on first use

 private:
  TMenuItem* ParentItem() const;

  QAction* action_;
  QMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
};

// The menu bar of a window: top-level TMenuItems in a QMenuBar.
class TMainMenu : public QMenuBar {
  Q_OBJECT
 public:
  explicit TMainMenu(QWidget* owner);
  TMenuItem* Add(const std::string& caption, std::function<void()> onOpen = {});
  std::vector<TMenuItem*> Items;
};

// A key press that no control of the window used, offered to the menus: the window's own menu bar
// takes a key one of its items has (the shortcut map passes over a disabled item, whose menus may
// still enable it), else the application main form's menu takes it, unless the window is that form
// or a modal window is open. Returns whether a menu took the key.
bool TakeMenuKey(QWidget* window, const QKeyEvent& event);

// Alt and Ctrl make a key a command, never a character: a control that would type the key's
// character gets the key without it, so the key goes on to the window and its menus and types
// nothing. Installed once for the application.
void KeepCommandKeysFromTyping(QApplication& application);

// A context menu.
class TPopupMenu : public QObject {
  Q_OBJECT
 public:
  explicit TPopupMenu(QWidget* owner);
  TMenuItem* Add(const std::string& caption, std::function<void()> onClick = {}, const std::string& keys = {});
  void AddSeparator() { root_.AddSeparator(); }
  TMenuItem& Root() { return root_; }
  std::function<void()> OnPopup;
  void Popup(int x, int y);

 private:
  QWidget* owner_;
  TMenuItem root_;
};

}  // namespace platform
