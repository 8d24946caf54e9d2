#include "workbench/About_f.h"

#include <QPainter>
#include <QPixmap>

#include "designer/Lib.h"
#include "platform/Captions.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/StdCtrls.h"
#include "workbench/MoreAbout_f.h"

namespace workbench {

platform::OnDemand<TAboutForm> AboutForm;

namespace {

QString EnglishText() {
  return QString::fromStdString(designer::GetVersionText()) +
         "\n\nA workbench for Java programs: a source editor with tabbed pages, the Java tools at a "
         "menu's reach and a visual designer of AWT frames.\n\nThis program is free to use.";
}

QString KoreanText() {
  return QString::fromStdString(designer::GetVersionText()) +
         QString::fromUtf8("\n\n자바 프로그램을 위한 작업대: 탭 방식의 소스 편집기, 메뉴에서 바로 쓰는 자바 "
                           "도구, AWT 프레임을 그려서 만드는 디자이너.\n\n이 프로그램은 자유롭게 쓸 수 "
                           "있습니다.");
}

QPixmap AboutPicture() {
  QPixmap picture(64, 64);
  picture.fill(QColor(0, 0, 128));
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPointSize(28);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(picture.rect(), Qt::AlignCenter, "M");
  return picture;
}

}  // namespace

QPlainTextEdit* MakeAboutMemo(QWidget* parent, const QString& text, const QRect& place) {
  auto* memo = new platform::TMemo(parent);
  memo->setPlainText(text);
  memo->setReadOnly(true);
  memo->setGeometry(place);
  return memo;
}

TAboutForm::TAboutForm() {
  SetCaption(designer::GetVersionText());
  setWindowFlags(Qt::Dialog);
  Position = platform::poScreenCenter;
  resize(400, 230);
  Image1 = new QLabel(this);
  Image1->setPixmap(AboutPicture());
  Image1->setGeometry(12, 12, 64, 64);
  const QRect memoPlace(88, 12, 300, 170);
  EnglishMemo = MakeAboutMemo(this, EnglishText(), memoPlace);
  KoreanMemo = MakeAboutMemo(this, KoreanText(), memoPlace);
  KoreanMemo->setFont(platform::KoreanFace(KoreanMemo->font()));
  EnglishMemo->hide();
  OKButton = new QPushButton("&OK", this);
  OKButton->setGeometry(128, 194, 80, 26);
  OKButton->setDefault(true);
  platform::Connect(OKButton, &QPushButton::clicked, this, [this] {
    SetModalResult(platform::mrOk);
    hide();
  });
  MoreButton = new QPushButton("&More", this);
  MoreButton->setGeometry(218, 194, 80, 26);
  platform::Connect(MoreButton, &QPushButton::clicked, this, [this] { MoreButtonClick(); });
  Button1 = new QPushButton("to &English", this);
  Button1->setGeometry(308, 194, 80, 26);
  platform::Connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

// The credits open in the language the about box shows.
void TAboutForm::MoreButtonClick() {
  MoreAboutForm->ShowLanguage(!EnglishMemo->isHidden());
  MoreAboutForm->ShowModal();
}

void TAboutForm::Button1Click() {
  bool toEnglish = Button1->text() == "to &English";
  Button1->setText(toEnglish ? "to &Korean" : "to &English");
  EnglishMemo->setVisible(toEnglish);
  KoreanMemo->setVisible(!toEnglish);
}

}  // namespace workbench
