#pragma once
// Every message box and every modal dialog of both programs goes through this one service.
// In a live program it lets the real dialog run. Under test it is scripted: a test queues the
// answers, each request takes the next one, and every request is logged (kind, caption, text,
// buttons). A request with no queued answer raises EUnexpectedModal at once, so a test never waits
// on a dialog nobody will answer.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/SysUtils.h"

class QWidget;

namespace platform {

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8 };

struct ModalRequest {
  std::string kind;  // "MessageBox", "OpenDialog", "SaveDialog", "PrintDialog", "Form", ...
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;
  std::optional<TPoint> place;  // where a message box's outer frame was asked to stand
};

struct ModalAnswer {
  // The button pressed. For a program's own modal window, mrNone leaves the result to the window:
  // what the fill's keys and clicks made of it, Cancel when they left it open.
  int result = mrOk;
  std::string fileName;  // the file chosen in an open or save dialog
  int filterIndex = 0;   // the filter entry chosen (1-based); 0 keeps the dialog's own
  // Runs on the dialog or form before the request returns, so a test can fill its controls the way
  // a user would have before pressing the button of `result`.
  std::function<void(QWidget*)> fill;
};

class EUnexpectedModal : public Exception {
  using Exception::Exception;
};

class ModalService {
 public:
  static ModalService& Instance();

  void SetScripted(bool scripted) { scripted_ = scripted; }
  bool Scripted() const { return scripted_; }

  void Queue(ModalAnswer answer) { answers_.push_back(std::move(answer)); }
  void Queue(int result) { answers_.push_back(ModalAnswer{result, {}, 0, {}}); }
  int Pending() const { return static_cast<int>(answers_.size()); }

  // Logs the request. Scripted: returns the next answer, or raises EUnexpectedModal when none is
  // queued. Live: returns nothing, and the caller runs the real dialog.
  std::optional<ModalAnswer> Take(const ModalRequest& request);

  const std::vector<ModalRequest>& Log() const { return log_; }
  void Reset();  // forgets queued answers and the log

 private:
  bool scripted_ = false;
  std::deque<ModalAnswer> answers_;
  std::vector<ModalRequest> log_;
};

}  // namespace platform
