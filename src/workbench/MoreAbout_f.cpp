#include "workbench/MoreAbout_f.h"

#include "designer/Lib.h"
#include "platform/Captions.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "workbench/About_f.h"

namespace workbench {

platform::OnDemand<TMoreAboutForm> MoreAboutForm;

namespace {

QString EnglishCredits() {
  return QString::fromStdString(designer::GetVersionText()) +
         "\n\nMade by the workbench team.\n\nThanks to everyone who tried the early versions and "
         "reported what went wrong.\n\nQuestions and reports: see the help file.";
}

QString KoreanCredits() {
  return QString::fromStdString(designer::GetVersionText()) +
         QString::fromUtf8("\n\n작업대 개발팀이 만들었습니다.\n\n초기 버전을 써 보고 문제를 알려 주신 "
                           "모든 분께 감사드립니다.\n\n질문과 보고: 도움말 파일을 보십시오.");
}

}  // namespace

TMoreAboutForm::TMoreAboutForm() {
  SetCaption("Credits");
  setWindowFlags(Qt::Dialog);
  Position = platform::poScreenCenter;
  resize(340, 230);
  const QRect memoPlace(12, 12, 316, 170);
  EnglishMemo = MakeAboutMemo(this, EnglishCredits(), memoPlace);
  KoreanMemo = MakeAboutMemo(this, KoreanCredits(), memoPlace);
  KoreanMemo->setFont(platform::KoreanFace(KoreanMemo->font()));
  KoreanMemo->raise();
  OKButton = new QPushButton("&OK", this);
  OKButton->setGeometry(158, 194, 80, 26);
  OKButton->setDefault(true);
  platform::Connect(OKButton, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrOk);
    hide();
  });
  Button2 = new QPushButton("to &English", this);
  Button2->setGeometry(248, 194, 80, 26);
  platform::Connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TMoreAboutForm::Button2Click() { ShowLanguage(Button2->text() == "to &English"); }

void TMoreAboutForm::ShowLanguage(bool english) {
  Button2->setText(english ? "to &Korean" : "to &English");
  (english ? EnglishMemo : KoreanMemo)->raise();
}

}  // namespace workbench
