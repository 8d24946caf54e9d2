#include "platform/Dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "platform/Forms.h"
#include "platform/WindowFocus.h"

namespace platform {

namespace {

struct ButtonInfo {
  TMsgDlgBtn bit;
  const char* label;
  QMessageBox::StandardButton qt;
  int result;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, "Yes", QMessageBox::Yes, mrYes},          {mbNo, "No", QMessageBox::No, mrNo},
    {mbOK, "OK", QMessageBox::Ok, mrOk},              {mbCancel, "Cancel", QMessageBox::Cancel, mrCancel},
    {mbAbort, "Abort", QMessageBox::Abort, mrAbort},  {mbRetry, "Retry", QMessageBox::Retry, mrRetry},
    {mbIgnore, "Ignore", QMessageBox::Ignore, mrIgnore},  {mbAll, "All", QMessageBox::YesToAll, mrAll},
};

std::string CaptionFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirmation";
    case mtCustom: break;
  }
  return QApplication::applicationName().toStdString();
}

QMessageBox::Icon IconFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QMessageBox::Warning;
    case mtError: return QMessageBox::Critical;
    case mtInformation: return QMessageBox::Information;
    case mtConfirmation: return QMessageBox::Question;
    case mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

// A window manager draws the caption in a title bar that also holds the window's icon and its
// buttons, most in a bold face larger than the box's text. A box sizes itself to its text only,
// so a short text cut its caption ("Inf...ion"): it is made as wide as that title bar needs.
constexpr int kTitleBarDecorations = 120;

void LeaveRoomForCaption(QMessageBox& box) {
  const int needed = TitleBarWidth(box);
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid != nullptr)
    grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

int RunLiveBox(const ModalRequest& request, TMsgDlgType type, unsigned buttons) {
  QMessageBox box(IconFor(type), QString::fromStdString(request.caption), QString::fromStdString(request.text),
                  QMessageBox::NoButton);
  // The place is the outer frame; the client area is what is placed, as for every window.
  if (request.place) {
    TPoint client = ClientPlace(*request.place);
    box.move(client.X, client.Y);
  }
  QMessageBox::StandardButtons qtButtons;
  for (const ButtonInfo& info : kButtons)
    if (buttons & info.bit) qtButtons |= info.qt;
  box.setStandardButtons(qtButtons);
  LeaveRoomForCaption(box);
  int pressed = ExecAboveOwner(box);
  for (const ButtonInfo& info : kButtons)
    if (pressed == info.qt) return info.result;
  return mrCancel;
}

int ShowBox(ModalRequest request, TMsgDlgType type, unsigned buttons) {
  for (const ButtonInfo& info : kButtons)
    if (buttons & info.bit) request.buttons.push_back(info.label);
  if (auto answer = ModalService::Instance().Take(request)) return answer->result;
  return RunLiveBox(request, type, buttons);
}

}  // namespace

int TitleBarWidth(const QWidget& window) {
  QFont titleFace = window.font();
  titleFace.setBold(true);
  titleFace.setPixelSize(titleFace.pixelSize() > 0 ? titleFace.pixelSize() * 5 / 4 : 14);
  return QFontMetrics(titleFace).horizontalAdvance(window.windowTitle()) + kTitleBarDecorations;
}

int MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type, unsigned buttons) {
  return ShowBox({"MessageBox", caption, text, {}, {}}, type, buttons);
}

int MessageDlg(const std::string& message, TMsgDlgType type, unsigned buttons, int) {
  return MessageBox(message, CaptionFor(type), type, buttons);
}

int MessageDlgPos(const std::string& message, TMsgDlgType type, unsigned buttons, int, int x, int y) {
  return ShowBox({"MessageBox", CaptionFor(type), message, {}, TPoint{x, y}}, type, buttons);
}

void ShowMessage(const std::string& message) {
  MessageBox(message, QApplication::applicationName().toStdString(), mtCustom, mbOK);
}

void Beep() { QApplication::beep(); }

}  // namespace platform
