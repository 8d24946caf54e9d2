#include "platform/Menus.h"
#include "platform/HandlerGuard.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcutEvent>

#include "platform/Forms.h"

namespace platform {

namespace {

constexpr const char* kSeparatorCaption = "-";

// A menu item's action: its shortcut runs the item through its menus, not straight away.
class TMenuAction final : public QAction {
 public:
  TMenuAction(const QString& caption, TMenuItem* item) : QAction(caption, item), item_(item) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
      return QAction::event(event);
    HandleEvent([this] { item_->ClickByShortCut(); });
    return true;
  }

 private:
  TMenuItem* item_;
};

TMenuItem* MenuBarItemWithKey(QWidget* window, const QKeySequence& key) {
  if (window == nullptr) return nullptr;
  for (TMainMenu* bar : window->findChildren<TMainMenu*>(Qt::FindDirectChildrenOnly))
    for (TMenuItem* menu : bar->Items)
      if (TMenuItem* item = menu->FindShortCut(key)) return item;
  return nullptr;
}

}  // namespace

TMenuItem::TMenuItem(const std::string& caption, QObject* owner)
    : QObject(owner), action_(new TMenuAction(QString(), this)) {
  SetCaption(caption);
  Connect(action_, &QAction::triggered, this, [this] { Click(); });
}

TMenuItem::~TMenuItem() { delete menu_; }

std::string TMenuItem::Caption() const {
  return action_->isSeparator() ? kSeparatorCaption : action_->text().toStdString();
}

// A separator shows no text: a menu would draw its caption beside the line.
void TMenuItem::SetCaption(const std::string& caption) {
  const bool separator = caption == kSeparatorCaption;
  action_->setSeparator(separator);
  action_->setText(separator ? QString() : QString::fromStdString(caption));
}

std::string TMenuItem::ShortCut() const { return action_->shortcut().toString().toStdString(); }

void TMenuItem::SetShortCut(const std::string& keys) {
  action_->setShortcut(QKeySequence(QString::fromStdString(keys)));
}

void TMenuItem::SetChecked(bool checked) {
  action_->setCheckable(true);
  action_->setChecked(checked);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return static_cast<int>(i);
  return -1;
}

QMenu* TMenuItem::SubMenu() {
  if (menu_ == nullptr) {
    menu_ = new QMenu();
    menu_->setTitle(action_->text());
    action_->setMenu(menu_);
    Connect(menu_, &QMenu::aboutToShow, this, [this] {
      if (OnClick) OnClick();
    });
  }
  return menu_;
}

TMenuItem* TMenuItem::Add(const std::string& caption, std::function<void()> onClick, const std::string& keys) {
  auto* item = new TMenuItem(caption, this);
  item->OnClick = std::move(onClick);
  if (!keys.empty()) item->SetShortCut(keys);
  Insert(Count(), item);
  return item;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  item->setParent(this);
  QMenu* menu = SubMenu();
  QAction* before = nullptr;
  if (index < Count()) before = items_[static_cast<size_t>(index)]->Action();
  menu->insertAction(before, item->Action());
  items_.insert(items_.begin() + index, item);
}

void TMenuItem::AddSeparator() { SubMenu()->addSeparator(); }

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  if (menu_ != nullptr) menu_->removeAction(item->Action());
  // The item may be the one whose click is running now.
  item->deleteLater();
}

void TMenuItem::Click() {
  if (OnClick) OnClick();
}

TMenuItem* TMenuItem::ParentItem() const { return qobject_cast<TMenuItem*>(parent()); }

void TMenuItem::ClickByShortCut() {
  std::vector<TMenuItem*> menus;
  for (TMenuItem* menu = ParentItem(); menu != nullptr; menu = menu->ParentItem()) menus.insert(menus.begin(), menu);
  for (TMenuItem* menu : menus) {
    if (!menu->Enabled() || !menu->Visible()) return;
    menu->Click();
  }
  if (Enabled() && Visible()) Click();
}

TMenuItem* TMenuItem::FindShortCut(const QKeySequence& key) {
  if (!action_->shortcut().isEmpty() && action_->shortcut() == key) return this;
  for (TMenuItem* item : items_)
    if (TMenuItem* found = item->FindShortCut(key)) return found;
  return nullptr;
}

TMainMenu::TMainMenu(QWidget* owner) : QMenuBar(owner) {}

TMenuItem* TMainMenu::Add(const std::string& caption, std::function<void()> onOpen) {
  auto* item = new TMenuItem(caption, this);
  item->OnClick = std::move(onOpen);
  addMenu(item->SubMenu());
  Items.push_back(item);
  return item;
}

bool TakeMenuKey(QWidget* window, const QKeyEvent& event) {
  const QKeySequence key(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
  TMenuItem* item = MenuBarItemWithKey(window, key);
  TForm* main = Application() != nullptr ? Application()->MainForm : nullptr;
  if (item == nullptr && window != main && main != nullptr && main->isEnabled() &&
      QApplication::activeModalWidget() == nullptr)
    item = MenuBarItemWithKey(main, key);
  if (item == nullptr) return false;
  HandleEvent([item] { item->ClickByShortCut(); });
  return true;
}

namespace {

bool TypesWithCommandKey(const QKeyEvent& key) {
  return (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != 0 && !key.text().isEmpty() &&
         key.text().front().isPrint();
}

class TCommandKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!TypesWithCommandKey(*key)) return false;
    QKeyEvent bare(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                   key->nativeModifiers(), QString(), key->isAutoRepeat(), key->count());
    QApplication::sendEvent(watched, &bare);
    event->setAccepted(bare.isAccepted());
    return true;
  }
};

}  // namespace

void KeepCommandKeysFromTyping(QApplication& application) { application.installEventFilter(new TCommandKeys(&application)); }

TPopupMenu::TPopupMenu(QWidget* owner) : QObject(owner), owner_(owner), root_("", this) {}

TMenuItem* TPopupMenu::Add(const std::string& caption, std::function<void()> onClick, const std::string& keys) {
  // The shortcut is shown in the menu only: the window's menu bar, the main form's menu or the
  // control itself answers the same key.
  TMenuItem* item = root_.Add(caption, std::move(onClick), keys);
  item->Action()->setShortcutContext(Qt::WidgetShortcut);
  return item;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup();
  root_.SubMenu()->popup(QPoint(x, y));
}

}  // namespace platform
