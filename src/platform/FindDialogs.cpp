#include "platform/FindDialogs.h"
#include "platform/Forms.h"
#include "platform/HandlerGuard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace platform {

namespace {

// A label whose "&" marks the key that moves to its edit, as every caption's does.
QLabel* LabelFor(QLineEdit* edit, const char* caption) {
  auto* label = new QLabel(caption, edit->parentWidget());
  label->setBuddy(edit);
  return label;
}

}  // namespace

TFindDialog::TFindDialog(QWidget* owner, bool replacing) : QDialog(owner) {
  setWindowTitle(replacing ? "Replace" : "Find");
  setModal(false);
  auto* grid = new QGridLayout(this);
  FindEdit = new QLineEdit(this);
  grid->addWidget(LabelFor(FindEdit, "Fi&nd what:"), 0, 0);
  grid->addWidget(FindEdit, 0, 1);
  Connect(FindEdit, &QLineEdit::textChanged, this, [this](const QString& text) { FindText = text.toStdString(); });
  WholeWordBox = new QCheckBox("Match &whole word only", this);
  MatchCaseBox = new QCheckBox("Match &case", this);
  grid->addWidget(WholeWordBox, 2, 0, 1, 2);
  grid->addWidget(MatchCaseBox, 3, 0, 1, 2);
  auto* direction = new QGroupBox("Direction", this);
  auto* row = new QHBoxLayout(direction);
  UpRadio = new QRadioButton("&Up", direction);
  DownRadio = new QRadioButton("&Down", direction);
  DownRadio->setChecked(true);
  row->addWidget(UpRadio);
  row->addWidget(DownRadio);
  direction->setVisible(!replacing);
  grid->addWidget(direction, 4, 0, 1, 2);
  auto* buttons = new QVBoxLayout();
  FindNextButton = new QPushButton("&Find Next", this);
  FindNextButton->setDefault(true);
  buttons->addWidget(FindNextButton);
  CancelButton = new QPushButton("Cancel", this);
  SetCancel(CancelButton);
  grid->addLayout(buttons, 0, 2, 5, 1);
  buttons->addWidget(CancelButton);
  buttons->addStretch(1);
  Connect(FindNextButton, &QPushButton::clicked, this, [this] { FindNextClick(); });
  Connect(CancelButton, &QPushButton::clicked, this, [this] { hide(); });
}

void TFindDialog::SetFindText(const std::string& text) {
  FindText = text;
  FindEdit->setText(QString::fromStdString(text));
}

unsigned TFindDialog::Options() const {
  unsigned options = pressed_;
  if (DownRadio->isChecked()) options |= frDown;
  if (MatchCaseBox->isChecked()) options |= frMatchCase;
  if (WholeWordBox->isChecked()) options |= frWholeWord;
  if (!UpRadio->isEnabled()) options |= frDisableUpDown;
  return options;
}

void TFindDialog::SetOptions(unsigned options) {
  DownRadio->setChecked((options & frDown) != 0);
  UpRadio->setChecked((options & frDown) == 0);
  MatchCaseBox->setChecked((options & frMatchCase) != 0);
  WholeWordBox->setChecked((options & frWholeWord) != 0);
  UpRadio->setEnabled((options & frDisableUpDown) == 0);
  DownRadio->setEnabled((options & frDisableUpDown) == 0);
}

void TFindDialog::Execute() {
  // FindText may have been set by the program since the dialog was last seen.
  if (FindEdit->text().toStdString() != FindText) FindEdit->setText(QString::fromStdString(FindText));
  FocusFirstField(*this);
  show();
  raise();
  activateWindow();
}

void TFindDialog::setVisible(bool visible) {
  const bool leavingActive = !visible && isVisible() && isActiveWindow();
  if (visible && !isVisible()) opener_ = TFocusReturn(parentWidget() != nullptr ? parentWidget()->window() : DialogOwner());
  if (leavingActive) opener_.GiveBackBeforeClosing(*this);
  QDialog::setVisible(visible);
}

bool TFindDialog::focusNextPrevChild(bool next) { return FocusNextShown(*this, next) || QDialog::focusNextPrevChild(next); }

void TFindDialog::FindNextClick() {
  FindText = FindEdit->text().toStdString();
  pressed_ = frFindNext;
  if (OnFind) OnFind();
}

TReplaceDialog::TReplaceDialog(QWidget* owner) : TFindDialog(owner, true) {
  auto* grid = static_cast<QGridLayout*>(layout());
  ReplaceEdit = new QLineEdit(this);
  grid->addWidget(LabelFor(ReplaceEdit, "Re&place with:"), 1, 0);
  grid->addWidget(ReplaceEdit, 1, 1);
  Connect(ReplaceEdit, &QLineEdit::textChanged, this,
          [this](const QString& text) { ReplaceText = text.toStdString(); });
  ReplaceButton = new QPushButton("&Replace", this);
  ReplaceAllButton = new QPushButton("Replace &All", this);
  auto* buttons = static_cast<QVBoxLayout*>(grid->itemAtPosition(0, 2)->layout());
  buttons->insertWidget(1, ReplaceButton);
  buttons->insertWidget(2, ReplaceAllButton);
  Connect(ReplaceButton, &QPushButton::clicked, this, [this] { ReplaceClick(); });
  Connect(ReplaceAllButton, &QPushButton::clicked, this, [this] { ReplaceAllClick(); });
}

void TReplaceDialog::SetReplaceText(const std::string& text) {
  ReplaceText = text;
  ReplaceEdit->setText(QString::fromStdString(text));
}

void TReplaceDialog::ReplaceClick() {
  FindText = FindEdit->text().toStdString();
  pressed_ = frReplace;
  if (OnReplace) OnReplace();
}

void TReplaceDialog::ReplaceAllClick() {
  FindText = FindEdit->text().toStdString();
  pressed_ = frReplaceAll;
  if (OnReplace) OnReplace();
}

}  // namespace platform
