#pragma once
// TMoreAboutForm: the credits window, in English and in Korean.
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/Forms.h"
#include "platform/OnDemand.h"

namespace workbench {

class TMoreAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TMoreAboutForm();
  QPlainTextEdit* EnglishMemo;
  QPlainTextEdit* KoreanMemo;
  QPushButton* OKButton;
  QPushButton* Button2;  // the language switch

  void Button2Click();
  // Shows the credits in English or in Korean, the language button offering the other.
  void ShowLanguage(bool english);
};

extern platform::OnDemand<TMoreAboutForm> MoreAboutForm;

}  // namespace workbench
