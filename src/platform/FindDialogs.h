#pragma once
// The modeless find and replace dialogs. Their controls are public and their buttons are member
// functions (FindNextClick, ReplaceClick, ReplaceAllClick), so a program or a test drives them the
// same way a user does: fill the find text and the boxes, press a button, and the dialog fires
// OnFind or OnReplace with its options set. No display is needed for that.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <string>

#include "platform/WindowFocus.h"

namespace platform {

// Options of a search, a bit set.
enum TFindOption : unsigned {
  frDown = 1u << 0,
  frFindNext = 1u << 1,
  frMatchCase = 1u << 2,
  frWholeWord = 1u << 3,
  frReplace = 1u << 4,
  frReplaceAll = 1u << 5,
  frDisableUpDown = 1u << 6,
};

class TFindDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TFindDialog(QWidget* owner) : TFindDialog(owner, false) {}

  // The search text; the find edit shows it whenever the dialog is shown.
  std::string FindText;
  void SetFindText(const std::string& text);

  unsigned Options() const;  // the boxes, the direction and the button last pressed
  void SetOptions(unsigned options);
  bool MatchCase() const { return (Options() & frMatchCase) != 0; }
  bool WholeWord() const { return (Options() & frWholeWord) != 0; }

  void Execute();      // shows the dialog, modeless

  QLineEdit* FindEdit;
  QCheckBox* WholeWordBox;
  QCheckBox* MatchCaseBox;
  QRadioButton* UpRadio;
  QRadioButton* DownRadio;
  QPushButton* FindNextButton;
  QPushButton* CancelButton;

  void FindNextClick();

  std::function<void()> OnFind;

 protected:
  TFindDialog(QWidget* owner, bool replacing);
  // Leaving the dialog gives the focus back to the window it belongs to.
  void setVisible(bool visible) override;
  // Tab visits the fields in the order they are shown, then the buttons.
  bool focusNextPrevChild(bool next) override;
  unsigned pressed_ = 0;  // frFindNext, frReplace or frReplaceAll: the button last pressed

 private:
  TFocusReturn opener_;
};

class TReplaceDialog : public TFindDialog {
  Q_OBJECT
 public:
  explicit TReplaceDialog(QWidget* owner);

  std::string ReplaceText;
  void SetReplaceText(const std::string& text);

  QLineEdit* ReplaceEdit;
  QPushButton* ReplaceButton;
  QPushButton* ReplaceAllButton;

  void ReplaceClick();
  void ReplaceAllClick();

  std::function<void()> OnReplace;
};

}  // namespace platform
