#pragma once
// TAboutForm: the about box: a picture, the same text in English and in Korean, and the credits.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/Forms.h"
#include "platform/OnDemand.h"

namespace workbench {

class TAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TAboutForm();
  QLabel* Image1;
  QPlainTextEdit* EnglishMemo;
  QPlainTextEdit* KoreanMemo;
  QPushButton* OKButton;
  QPushButton* MoreButton;
  QPushButton* Button1;  // the language switch

  void MoreButtonClick();
  void Button1Click();
};

extern platform::OnDemand<TAboutForm> AboutForm;

// A read-only memo of the about and credits windows.
QPlainTextEdit* MakeAboutMemo(QWidget* parent, const QString& text, const QRect& place);

}  // namespace workbench
