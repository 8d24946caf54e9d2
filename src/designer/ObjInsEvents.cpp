// The inspector's Events page: the handler editor of an event row, its list of the handlers offered
// for the row's event, the commit that binds, renames or clears a handler in the source and the
// frame's handler list, and the jump of the editor's caret into a handler routine.
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <functional>

#include "designer/CodeWriter_f.h"
#include "designer/EventWriters.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/SysUtils.h"

namespace designer {

namespace {

// Runs an action on one kind of event of the widgets it watches; a taken event goes no further.
class TEventTap : public QObject {
 public:
  TEventTap(QObject* owner, QEvent::Type type, std::function<void()> action, bool take)
      : QObject(owner), type_(type), action_(std::move(action)), take_(take) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != type_) return false;
    action_();
    return take_;
  }

 private:
  QEvent::Type type_;
  std::function<void()> action_;
  bool take_;
};

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

// An offered handler name: the handler list orders them alphabetically, ignoring case.
class THandlerItem : public QListWidgetItem {
 public:
  explicit THandlerItem(const QString& handler) : QListWidgetItem(handler) {}
  bool operator<(const QListWidgetItem& other) const override {
    return text().compare(other.text(), Qt::CaseInsensitive) < 0;
  }
};

// " OnMouseDown" gives "MouseDown".
std::string EventOfRow(const QString& rowName) { return Text(rowName).substr(3); }

}  // namespace

void TObjInsForm::BuildEventsEditor() {
  FEventTaps = new QObject(this);
  miniEdit2->OnKeyDown = [this](QKeyEvent* event) { miniEdit2KeyDown(event); };
  miniEdit2->OnExit = [this] { miniEdit2Exit(); };
  miniArrow2->setFocusPolicy(Qt::NoFocus);
  platform::Connect(miniArrow2, &QToolButton::clicked, this, [this] { miniArrow2Click(); });
  platform::Connect(miniList2, &QListWidget::itemClicked, this, [this] { miniList2Click(); });
  auto* doubleClick = new TEventTap(FEventTaps, QEvent::MouseButtonDblClick, [this] { miniEdit2DblClick(); }, true);
  miniEdit2->installEventFilter(doubleClick);
  for (auto* rows : {&FEventNamePanels, &FEventValuePanels})
    for (TRowPanel* panel : *rows) panel->installEventFilter(doubleClick);
  miniList2->installEventFilter(new TEventTap(FEventTaps, QEvent::FocusOut, [this] { miniList2Exit(); }, false));
}

const std::vector<std::vector<std::string>>& TObjInsForm::EventGroups() const { return EventGroupLists(); }

// ---- Opening the handler editor ----

void TObjInsForm::Child2Click(TRowPanel* panel) {
  CommitHandler();
  int row = panel->y() / RowHeight;
  if (shown_ == nullptr || row < 0 || row >= EventRows || FEventNamePanels[row]->Grayed()) return;
  const TRowPanel* cell = FEventValuePanels[row];
  const int code = EventNameToID(EventOfRow(FEventNamePanels[row]->text()));
  miniEdit2->Tag = row * 100 + code;
  miniEdit2->setText(cell->text());
  miniEdit2->setModified(false);
  miniArrow2->show();
  miniList2->setProperty("Tag", code);
  FillHandlerList(code);
  const auto matches = miniList2->findItems(cell->text(), Qt::MatchExactly);
  miniList2->setCurrentItem(matches.isEmpty() ? nullptr : matches.first());
  PlaceHandlerEditor(row);
  FOldValue = Text(miniEdit2->text());
  miniEdit2->show();
  miniEdit2->setFocus();
}

void TObjInsForm::FillHandlerList(int code) {
  miniList2->clear();
  int group = EventGroupOf(code);
  if (group > 0) AddGroupHandlers(EventGroups()[static_cast<size_t>(group - 1)]);
}

void TObjInsForm::AddGroupHandlers(const std::vector<std::string>& group) {
  TFrame* frame = CurrentFrame();
  if (frame == nullptr) return;
  const TEventHandlerList& list = frame->FHandlerList;
  for (int i = 0; i < list.Count(); ++i) {
    const std::string& line = list[i];
    if (line.empty() || line.find('[') != std::string::npos) continue;
    std::string event = GetFirstWord(line);
    if (event.size() < 2 || std::find(group.begin(), group.end(), event.substr(2)) == group.end()) continue;
    QString handler = QText(GetHandlerName(line));
    if (miniList2->findItems(handler, Qt::MatchExactly).isEmpty()) miniList2->addItem(new THandlerItem(handler));
  }
}

// ---- The handler list ----

void TObjInsForm::miniArrow2Click() {
  miniList2->show();
  miniList2->raise();
  miniList2->setFocus();
}

void TObjInsForm::miniList2Click() {
  miniList2->hide();
  miniEdit2->setFocus();
  QListWidgetItem* chosen = miniList2->currentItem();
  if (chosen == nullptr || chosen->text() == miniEdit2->text()) return;
  miniEdit2->setText(chosen->text());
  miniEdit2->setModified(true);
}

void TObjInsForm::miniList2Exit() {
  miniList2->hide();
  CommitHandler();
}

void TObjInsForm::miniEdit2Exit() { CommitHandler(); }

// ---- Commit ----

bool TObjInsForm::CommitHandler() {
  if (miniEdit2->isHidden() || !miniEdit2->Modified()) return true;
  // The write makes the source page active; the editor's leaving must not commit a second time.
  miniEdit2->setModified(false);
  TFrame* frame = CurrentFrame();
  if (frame == nullptr || shown_ == nullptr) return false;
  const int row = miniEdit2->Tag / 100;
  const int code = miniEdit2->Tag % 100;
  const std::string handler = platform::Trim(Text(miniEdit2->text()));
  miniEdit2->setText(QText(handler));
  if (handler == FOldValue) return true;
  if (std::string refusal = handler.empty() ? std::string() : HandlerNameRefusal(handler); !refusal.empty()) {
    miniEdit2->setText(QText(FOldValue));
    platform::ShowMessage(refusal);
    return false;
  }
  const std::string component = Text(shown_->objectName());
  const std::string event = Text(FEventNamePanels[row]->text()).substr(1);
  const std::string old = FOldValue;
  // The routine of an old or cleared handler stays: only the clean-up before a compile removes
  // routines that are still empty.
  WriteFrameSource(frame, [&] {
    SetEventHandler(frame->FHandlerList, component, event, handler);
    if (!old.empty()) RemoveEventClause(component, code);
    if (!handler.empty()) WriteEventHandler(code, component, handler, frame->Name());
  }, false);
  if (shown_ == nullptr) return false;  // a lost marker took the page and cleared the inspector
  FEventValuePanels[row]->setText(QText(handler));
  FOldValue = handler;
  return true;
}

// ---- Default handler and jump ----

void TObjInsForm::miniEdit2KeyDown(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) miniEdit2->PutStoredValueBack(*FEventValuePanels[miniEdit2->Tag / 100]);
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return;
  if (CommitHandler() && !miniEdit2->text().isEmpty()) JumpToHandler();
}

void TObjInsForm::miniEdit2DblClick() {
  if (miniEdit2->isHidden() || shown_ == nullptr) return;
  if (miniEdit2->text().isEmpty()) {
    const std::string event = EventOfRow(FEventNamePanels[miniEdit2->Tag / 100]->text());
    miniEdit2->setText(QText(Text(shown_->objectName()) + "_" + event));
    miniEdit2->setModified(true);
  }
  if (CommitHandler()) JumpToHandler();
}

void TObjInsForm::JumpToHandler() {
  TFrame* frame = CurrentFrame();
  if (frame == nullptr || shown_ == nullptr || !ActivateFrameSource(frame)) return;
  int routine = -1;
  if (FindHandlerRoutine(Text(miniEdit2->text()), miniEdit2->Tag % 100, routine) && routine >= 0)
    GotoHandlerRoutine(routine);
}

void TObjInsForm::OpenDefaultHandler(QWidget* component) {
  if (component == nullptr) return;
  if (shown_ != component) SelectComponent(component);
  if (EventRowNames(shownKind_).empty()) return;
  Show();
  Page1->setCurrentWidget(EvePage);
  Child2Click(FEventNamePanels[0]);
  miniEdit2DblClick();
}

}  // namespace designer
