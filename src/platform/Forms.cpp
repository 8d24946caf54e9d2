#include "platform/Forms.h"
#include "platform/HandlerGuard.h"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFont>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "platform/Canvas.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/ModalService.h"
#include "platform/ScreenPlace.h"
#include "platform/SettingsReport.h"

namespace platform {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The windows' fixed layouts were made for a narrow 11-pixel sans-serif face; a Linux desktop's
  // default face is wider and would cut their captions off. Liberation Sans keeps those widths.
  QFont face("Liberation Sans");
  face.setPixelSize(11);
  setFont(face);
  RouteLineEditPastes(*this);
  KeepCommandKeysFromTyping(*this);
  TrackActiveWindow(*this);
  Connect(this, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    bool active = state == Qt::ApplicationActive;
    if (active && !wasActive_ && OnActivate) OnActivate();
    wasActive_ = active;
  });
}

void TApplication::HandleException(const std::exception& error) noexcept {
  std::string unshown = error.what();
  try {
    // A dialog nobody answered under test is no error to show in yet another dialog.
    if (dynamic_cast<const EUnexpectedModal*>(&error) == nullptr) {
      ShowException(error);
      return;
    }
  } catch (const std::exception& showing) {
    unshown += std::string(", then: ") + showing.what();
  }
  try {
    if (OnUnshownError) {
      OnUnshownError(unshown);
      return;
    }
  } catch (...) {
  }
  std::fprintf(stderr, "Error in an event handler: %s\n", unshown.c_str());
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(error.what(), Title(), mtError, mbOK);
}

std::string TApplication::Title() const { return applicationName().toStdString(); }

void TApplication::SetTitle(const std::string& title) { setApplicationName(QString::fromStdString(title)); }

std::string TApplication::ExeName() const { return applicationFilePath().toStdString(); }

std::string TApplication::ExeDir() const { return applicationDirPath().toStdString() + "/"; }

TApplication* Application() { return qobject_cast<TApplication*>(QCoreApplication::instance()); }

namespace {

bool TakesTyping(const QWidget& widget, const QWidget& window) {
  return widget.testAttribute(Qt::WA_InputMethodEnabled) && (widget.focusPolicy() & Qt::TabFocus) != 0 &&
         widget.isEnabled() && widget.isVisibleTo(&window) && widget.window() == &window;
}

// Typing replaces the text of the single-line field a window focuses when it opens. The window
// is not active yet, so the focus reaches the field later with no reason to select by itself.
void SelectFieldText(QWidget& field) {
  if (auto* edit = qobject_cast<QLineEdit*>(&field)) edit->selectAll();
  else if (auto* box = qobject_cast<QComboBox*>(&field); box != nullptr && box->lineEdit() != nullptr)
    box->lineEdit()->selectAll();
  else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&field)) spin->selectAll();
}

}  // namespace

void FocusFirstField(QWidget& window) {
  for (QWidget* widget : ShownTabOrder(window)) {
    if (TakesTyping(*widget, window)) {
      widget->setFocus(Qt::TabFocusReason);
      SelectFieldText(*widget);
      return;
    }
  }
}

TForm::TForm(QWidget* owner) : QWidget(owner, Qt::Window) {}

namespace {

// Where the client area lies inside the outer frame that the fixed metrics make.
constexpr int kClientLeft = WindowMetricsConst::FrameWidth;
constexpr int kClientTop = WindowMetricsConst::CaptionHeight + WindowMetricsConst::FrameHeight;
constexpr int kTitleBarHeight = kClientTop;

constexpr const char* kCancelProperty = "cancelButton";

QScreen* MainScreen(const QWidget* asking) {
  TApplication* app = Application();
  QWidget* main = app != nullptr ? app->MainForm : nullptr;
  return main != nullptr && main != asking ? main->screen() : QGuiApplication::primaryScreen();
}

// The window a window is opened from: the one a dialog would belong to, else the program's main window.
QWidget* OpenerOf(const QWidget* opened) {
  QWidget* opener = DialogOwner();
  if ((opener == nullptr || opener == opened) && Application() != nullptr) opener = Application()->MainForm;
  return opener;
}

bool IsReturn(const QKeyEvent& event) {
  Qt::KeyboardModifiers others = event.modifiers() & ~Qt::KeypadModifier;
  return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && others == Qt::NoModifier;
}

bool IsEscape(const QKeyEvent& event) { return event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier; }

bool Pressable(const QPushButton* button, const QWidget* window) {
  return button != nullptr && button->window() == window && button->isVisible() && button->isEnabled();
}

}  // namespace

void SetCancel(QPushButton* button) { button->setProperty(kCancelProperty, true); }

TPoint ClientPlace(TPoint frame) { return {frame.X + kClientLeft, frame.Y + kClientTop}; }

TRect MainScreenRect() { return ToTRect(MainScreen(nullptr)->geometry()); }

std::string TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

int TForm::Left() const { return geometry().x() - kClientLeft; }
int TForm::Top() const { return geometry().y() - kClientTop; }
int TForm::Width() const { return width() + 2 * WindowMetricsConst::FrameWidth; }
int TForm::Height() const {
  return height() + WindowMetricsConst::CaptionHeight + 2 * WindowMetricsConst::FrameHeight;
}
void TForm::SetLeft(int left) { MoveFrameTo(left, Top()); }
void TForm::SetTop(int top) { MoveFrameTo(Left(), top); }
void TForm::SetWidth(int w) { resize(std::max(0, w - 2 * WindowMetricsConst::FrameWidth), height()); }
void TForm::SetHeight(int h) {
  resize(width(), std::max(0, h - WindowMetricsConst::CaptionHeight - 2 * WindowMetricsConst::FrameHeight));
}
void TForm::SetBounds(int left, int top, int w, int h) {
  SetWidth(w);
  SetHeight(h);
  MoveFrameTo(left, top);
}

// The client area is what is placed, never the frame: a window manager that has not framed the
// window yet takes a frame's place for the client's, and the window would creep by its real frame
// at every session.
void TForm::MoveFrameTo(int left, int top) {
  // Qt places nothing beyond its largest widget size; a place from a damaged file stays within it
  // so that sums of place and size cannot overflow.
  left = std::clamp(left, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  top = std::clamp(top, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  TPoint client = ClientPlace({left, top});
  setGeometry(client.X, client.Y, width(), height());
}

// The least client size any window keeps, whatever a settings file says: room for a caption and a
// few lines.
constexpr QSize kLeastClient(120, 60);

void TForm::KeepUsableOnScreen() {
  TRect frame{Left(), Top(), Left() + Width(), Top() + Height()};
  QScreen* screen = QGuiApplication::screenAt(QPoint(Left() + Width() / 2, Top() + kTitleBarHeight / 2));
  if (screen == nullptr) screen = MainScreen(this);
  QSize least = kLeastClient.expandedTo(minimumSize()).expandedTo(minimumSizeHint()).boundedTo(maximumSize());
  TPoint leastFrame{least.width() + Width() - width(), least.height() + Height() - height()};
  TRect place = UsableOnScreen(frame, ToTRect(screen->availableGeometry()), leastFrame, kTitleBarHeight);
  SetBounds(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
}

void KeepStoredPlaceUsable(TForm& form, const TIniFile& ini, const TPlaceKeys& keys) {
  form.KeepUsableOnScreen();
  const std::pair<const std::string&, int> used[] = {
      {keys.left, form.Left()}, {keys.top, form.Top()}, {keys.width, form.Width()}, {keys.height, form.Height()}};
  for (const auto& [key, value] : used)
    if (!key.empty()) NoteSettingUsed(ini, keys.section, key, value);
}

void ReportSettingCorrections() {
  std::vector<TSettingCorrection> corrections = TakeSettingCorrections();
  if (!corrections.empty()) MessageDlg(SettingCorrectionsText(corrections), mtWarning, mbOK);
}

namespace {

std::vector<QPointer<TForm>>& WindowsWaitingForMainWindow() {
  static std::vector<QPointer<TForm>> waiting;
  return waiting;
}

void ShowWindowsWaitingForMainWindow() {
  std::vector<QPointer<TForm>> waiting = std::move(WindowsWaitingForMainWindow());
  WindowsWaitingForMainWindow().clear();
  for (const QPointer<TForm>& window : waiting)
    if (window != nullptr) window->show();
}

}  // namespace

// The window the user leaves when this one closes gets the focus back, whatever window the window
// manager would choose.
void TForm::setVisible(bool visible) {
  if (visible && WaitsForMainWindow()) return;
  const bool showing = visible && !isVisible();
  const bool leavingActive = !visible && isVisible() && isActiveWindow();
  if (showing) {
    opener_ = TFocusReturn(DialogOwner());
    ApplyStyleAndPosition();
  }
  // A modal window gives the focus back once its loop has ended, as a dialog does.
  if (leavingActive && modal_) leftActive_ = true;
  else if (leavingActive) opener_.GiveBackBeforeClosing(*this);
  QWidget::setVisible(visible);
  if (showing && Application() != nullptr && Application()->MainForm == this) ShowWindowsWaitingForMainWindow();
}

// A window kept on top, shown while the main window is not, would stay above a window the window
// manager does not know yet: above none.
bool TForm::WaitsForMainWindow() {
  TApplication* app = Application();
  if (FormStyle != fsStayOnTop || app == nullptr || app->MainForm == nullptr || app->MainForm == this ||
      app->MainForm->isVisible())
    return false;
  auto& waiting = WindowsWaitingForMainWindow();
  if (std::find(waiting.begin(), waiting.end(), this) == waiting.end()) waiting.emplace_back(this);
  return true;
}

QWidget* TForm::KeptAbove() const {
  auto* opener = qobject_cast<TForm*>(opener_.Owner());
  if (opener != nullptr && opener->FormStyle == fsStayOnTop) return opener;
  return Application() != nullptr ? Application()->MainForm : nullptr;
}

void TForm::ApplyStyleAndPosition() {
  if (FormStyle == fsStayOnTop) BelongTo(KeptAbove());
  if (Position == poScreenCenter) {
    TRect frame{0, 0, Width(), Height()};
    TRect place = CentredOnScreen(frame, ToTRect(MainScreen(this)->availableGeometry()), kTitleBarHeight);
    MoveFrameTo(place.Left, place.Top);
  } else if (isWindow() && !testAttribute(Qt::WA_Moved)) {
    OpenOverOpener();
  }
}

// A window the program never placed opens over the window it was opened from, wholly on the
// screen: left to the window manager it lands in a far corner, or with its frame off the screen.
// Placed once, it keeps its place (and the one the user gives it) at later showings.
void TForm::OpenOverOpener() {
  QWidget* opener = OpenerOf(this);
  if (opener == nullptr || opener == this || !opener->isVisible()) return;
  if (!testAttribute(Qt::WA_Resized)) adjustSize();  // the size the showing would give it
  const QRect client = opener->geometry();
  const TRect openerFrame{client.x() - kClientLeft, client.y() - kClientTop,
                          client.x() + client.width() + WindowMetricsConst::FrameWidth,
                          client.y() + client.height() + WindowMetricsConst::FrameHeight};
  TRect place = OverOpener({0, 0, Width(), Height()}, openerFrame, ToTRect(opener->screen()->availableGeometry()));
  MoveFrameTo(place.Left, place.Top);
}

void TForm::Show() {
  show();
  raise();
  activateWindow();
}

void TForm::ShowNormal() {
  showNormal();
  raise();
  activateWindow();
}

int TForm::ShowModal() {
  modalResult_ = mrNone;
  std::optional<ModalAnswer> answer = ModalService::Instance().Take({"Form", Caption(), {}, {}, {}});
  modal_ = true;
  if (answer) {
    if (answer->fill) answer->fill(this);
    // mrNone leaves the result to the window: what the fill's keys and buttons made of it.
    if (answer->result != mrNone) modalResult_ = answer->result;
  } else {
    RunModalLoop();
  }
  modal_ = false;
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
}

// A modal window opened from any window of the program stays above that window, and gives it the
// focus back when it closes.
void TForm::RunModalLoop() {
  setWindowModality(Qt::ApplicationModal);
  QWidget* owner = DialogOwner();
  BelongTo(owner != nullptr ? owner : Application() != nullptr ? Application()->MainForm : nullptr);
  leftActive_ = false;
  Show();
  QEventLoop loop;
  while (modalResult_ == mrNone && isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  hide();
  setWindowModality(Qt::NonModal);
  if (leftActive_) opener_.GiveBack();
}

// The window manager keeps a transient window above the window it belongs to, and above no other
// program's windows.
void TForm::BelongTo(QWidget* owner) {
  if (owner == nullptr || owner == this) return;
  owner->winId();
  winId();
  windowHandle()->setTransientParent(owner->windowHandle());
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_) QTimer::singleShot(0, this, [] {});  // wake the modal loop
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  // The field focused at the last show is forgotten; FormShow may choose one, else the first.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  HandleEvent([&] { FormShow(); });
  if (focusWidget() == nullptr) FocusFirstField(*this);
  else SelectFieldText(*focusWidget());
}

void TForm::closeEvent(QCloseEvent* event) {
  // A close query or close handler that fails keeps the window open.
  bool canClose = true;
  if (!HandleEvent([&] { FormCloseQuery(canClose); }) || !canClose) {
    event->ignore();
    return;
  }
  TCloseAction action = DefaultCloseAction;
  if (!HandleEvent([&] { FormClose(action); })) action = caNone;
  if (action == caNone) {
    event->ignore();
    return;
  }
  if (action == caMinimize) {
    event->ignore();
    showMinimized();
    return;
  }
  event->accept();
  if (modal_ && modalResult_ == mrNone) modalResult_ = mrCancel;
  TApplication* app = Application();
  if (app != nullptr && app->MainForm == this) app->quit();
  if (action == caFree) deleteLater();
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  HandleEvent([&] { FormResize(); });
}

void TForm::keyPressEvent(QKeyEvent* event) {
  if (QPushButton* button = ButtonForKey(*event)) {
    button->click();
    return;
  }
  if (modal_ && IsEscape(*event)) {
    close();
    return;
  }
  // A key that no control of the window used is a shortcut key for the menus.
  if (!TakeMenuKey(this, *event)) QWidget::keyPressEvent(event);
}

bool TForm::focusNextPrevChild(bool next) { return FocusNextShown(*this, next) || QWidget::focusNextPrevChild(next); }

QPushButton* TForm::ButtonForKey(const QKeyEvent& event) const {
  bool escape = IsEscape(event);
  if (!escape && !IsReturn(event)) return nullptr;
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  if (!escape && Pressable(focused, this)) return focused;
  for (QPushButton* button : findChildren<QPushButton*>()) {
    bool wanted = escape ? button->property(kCancelProperty).toBool() : button->isDefault();
    if (wanted && Pressable(button, this)) return button;
  }
  return nullptr;
}

void TForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) HandleEvent([&] { FormActivate(); });
    else HandleEvent([&] { FormDeactivate(); });
  }
}

}  // namespace platform
