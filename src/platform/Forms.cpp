#include "platform/Forms.h"
#include "platform/HandlerGuard.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Menus.h"
#include "platform/ModalService.h"

namespace platform {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The windows' fixed layouts were made for a narrow 11-pixel sans-serif face; a Linux desktop's
  // default face is wider and would cut their captions off. Liberation Sans keeps those widths.
  QFont face("Liberation Sans");
  face.setPixelSize(11);
  setFont(face);
  RouteLineEditPastes(*this);
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

}  // namespace

void FocusFirstField(QWidget& window) {
  for (QWidget* widget = window.nextInFocusChain(); widget != &window; widget = widget->nextInFocusChain()) {
    if (TakesTyping(*widget, window)) {
      widget->setFocus(Qt::TabFocusReason);
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();  // typing replaces the text
      return;
    }
  }
}

TForm::TForm(QWidget* owner) : QWidget(owner, Qt::Window) {}

std::string TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

int TForm::Left() const { return pos().x(); }
int TForm::Top() const { return pos().y(); }
int TForm::Width() const { return width() + 2 * WindowMetricsConst::FrameWidth; }
int TForm::Height() const {
  return height() + WindowMetricsConst::CaptionHeight + 2 * WindowMetricsConst::FrameHeight;
}
void TForm::SetLeft(int left) { move(left, Top()); }
void TForm::SetTop(int top) { move(Left(), top); }
void TForm::SetWidth(int w) { resize(std::max(0, w - 2 * WindowMetricsConst::FrameWidth), height()); }
void TForm::SetHeight(int h) {
  resize(width(), std::max(0, h - WindowMetricsConst::CaptionHeight - 2 * WindowMetricsConst::FrameHeight));
}
void TForm::SetBounds(int left, int top, int w, int h) {
  move(left, top);
  SetWidth(w);
  SetHeight(h);
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
  if (auto answer = ModalService::Instance().Take({"Form", Caption(), {}, {}})) {
    if (answer->fill) answer->fill(this);
    modalResult_ = answer->result;
    return modalResult_;
  }
  setWindowModality(Qt::ApplicationModal);
  Show();
  QEventLoop loop;
  inModalLoop_ = true;
  while (modalResult_ == mrNone && isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  inModalLoop_ = false;
  hide();
  setWindowModality(Qt::NonModal);
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (inModalLoop_) QTimer::singleShot(0, this, [] {});  // wake the modal loop
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  // The field focused at the last show is forgotten; FormShow may choose one, else the first.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  HandleEvent([&] { FormShow(); });
  if (focusWidget() == nullptr) FocusFirstField(*this);
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
  if (inModalLoop_ && modalResult_ == mrNone) modalResult_ = mrCancel;
  TApplication* app = Application();
  if (app != nullptr && app->MainForm == this) app->quit();
  if (action == caFree) deleteLater();
}

void TForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  HandleEvent([&] { FormResize(); });
}

// A key that no control of the window used is a shortcut key for the menus.
void TForm::keyPressEvent(QKeyEvent* event) {
  if (!TakeMenuKey(this, *event)) QWidget::keyPressEvent(event);
}

void TForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) HandleEvent([&] { FormActivate(); });
    else HandleEvent([&] { FormDeactivate(); });
  }
}

}  // namespace platform
