#pragma once
// Message boxes, shown through the modal service.
#include <string>

class QWidget;

#include "platform/ModalService.h"

namespace platform {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button sets are bit masks of these.
enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
};
constexpr unsigned mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr unsigned mbYesNo = mbYes | mbNo;
constexpr unsigned mbOKCancel = mbOK | mbCancel;

// The box's caption is the type's word ("Warning", "Error", "Information", "Confirmation"), or the
// application title for mtCustom. Returns the TModalResult of the button pressed.
int MessageDlg(const std::string& message, TMsgDlgType type, unsigned buttons, int helpContext = 0);

// MessageDlg with the box's outer frame at (x, y) of the screen.
int MessageDlgPos(const std::string& message, TMsgDlgType type, unsigned buttons, int helpContext, int x, int y);

// A plain box with the application title as caption and an OK button.
void ShowMessage(const std::string& message);

// A box with an explicit caption.
int MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type, unsigned buttons);

// The width a window manager's title bar needs to show the window's caption whole, beside the
// window's icon and buttons: a message box, or a small dialog, is made at least this wide.
int TitleBarWidth(const QWidget& window);

// Sounds the bell, as a refused key or command does.
void Beep();

}  // namespace platform
