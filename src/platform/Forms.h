#pragma once
// TApplication (the message loop, exception boxes, activation, title and help file) and TForm (a
// top-level window whose geometry is measured as the outer frame, with fixed window metrics so
// generated geometry is the same on every machine).
#include <QApplication>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Graphics.h"
#include "platform/SettingsReport.h"
#include "platform/WindowFocus.h"

class QPushButton;

namespace platform {

// Fixed window metrics: caption height, frame border width and height, menu-bar height.
struct WindowMetricsConst {
  static constexpr int CaptionHeight = 19;
  static constexpr int FrameWidth = 4;
  static constexpr int FrameHeight = 4;
  static constexpr int MenuHeight = 19;
};

class TForm;

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  void ShowException(const std::exception& error);
  // An error raised by an event handler (HandleEvent): shown in the error box. One that cannot be
  // shown (under test, a dialog nobody answered) goes to OnUnshownError, else to standard error.
  void HandleException(const std::exception& error) noexcept;
  std::function<void(const std::string& message)> OnUnshownError;

  std::string Title() const;
  void SetTitle(const std::string& title);
  std::string HelpFile;
  std::string ExeName() const;  // full name of the running program
  std::string ExeDir() const;   // its folder, with a trailing "/"

  std::function<void()> OnActivate;  // the application became active

  TForm* MainForm = nullptr;  // closing it ends the message loop

 private:
  bool wasActive_ = false;
};

TApplication* Application();

// Gives the focus to the window's first field that takes typing, in tab order, if it has one, so
// that what the user types at a show goes there and not to the button pressed at the last show. A
// line's text is selected, so that typing replaces it.
void FocusFirstField(QWidget& window);

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// Where a window opens: where it was put, or centred on the screen of the program's main window.
// A window that was never put anywhere opens over the window it was opened from.
enum TPosition { poDesigned, poScreenCenter };

// A window kept on top stays above the program's main window (and so above its other windows), or
// above the kept-on-top window it was opened from, never above other programs. One shown before the
// main window waits for it, so that the window manager knows the window it stays above.
enum TFormStyle { fsNormal, fsStayOnTop };

// The framework's Cancel flag of a button: Escape in the button's window presses it.
void SetCancel(QPushButton* button);

// Where the client area of a window lies whose outer frame stands at `frame`, by the fixed metrics.
TPoint ClientPlace(TPoint frame);

// The whole screen the main window is on, as the framework's Screen object gives it.
TRect MainScreenRect();

class TForm : public QWidget {
  Q_OBJECT
 public:
  explicit TForm(QWidget* owner = nullptr);

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(int left, int top, int width, int height);

  void Show();  // shows, raises and activates
  void ShowNormal();

  // Runs the window modally through the modal service: a scripted answer (its fill run on this
  // window) or, live, a nested loop until ModalResult is set, above the window it was opened from.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);

  int Tag = 0;
  TPosition Position = poDesigned;  // applied at every showing
  TFormStyle FormStyle = fsNormal;

  // Makes a place read from a settings file usable on the available area of its screen: no
  // smaller than the window's least size, no larger than the area, its title bar on the area.
  void KeepUsableOnScreen();

  void setVisible(bool visible) override;

 protected:
  // Handlers in the framework's shape; windows override the ones they use.
  virtual void FormShow() {}
  virtual void FormActivate() {}
  virtual void FormDeactivate() {}
  virtual void FormResize() {}
  virtual void FormCloseQuery(bool& canClose) { (void)canClose; }
  virtual void FormClose(TCloseAction& action) { (void)action; }
  virtual void FormDestroy() {}

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Return presses the focused push button, else the default one; Escape presses the Cancel button,
  // or closes a modal window that has none, as its close box does. A control that takes the key
  // itself (a memo, an open list) keeps it. Any other key no control used goes to the menus.
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab visit the controls in the order they are shown (ShownTabOrder).
  bool focusNextPrevChild(bool next) override;

  TCloseAction DefaultCloseAction = caHide;

 private:
  QPushButton* ButtonForKey(const QKeyEvent& event) const;
  void RunModalLoop();
  QWidget* KeptAbove() const;
  bool WaitsForMainWindow();
  void BelongTo(QWidget* owner);
  void MoveFrameTo(int left, int top);
  void ApplyStyleAndPosition();  // before each showing
  void OpenOverOpener();

  int modalResult_ = 0;
  bool modal_ = false;  // shown modally, live or by a scripted answer
  TFocusReturn opener_;  // the window this one was opened from, which gets the focus back
  bool leftActive_ = false;  // a modal window closed while the user worked in it
};

// Makes a place read from `ini` usable (TForm::KeepUsableOnScreen) and notes each stored value the
// window could not take (NoteSettingUsed), for ReportSettingCorrections.
void KeepStoredPlaceUsable(TForm& form, const TIniFile& ini, const TPlaceKeys& keys);

// Shows the values noted since the last report in one warning box; nothing noted, no box.
void ReportSettingCorrections();

}  // namespace platform
