#include "modeller/ui/About.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "modeller/ui/Splash.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace modeller {

namespace {

class TProgramIcon : public QWidget {
 public:
  explicit TProgramIcon(QWidget* parent) : QWidget(parent) { setFixedSize(240, 150); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    PaintProgramPicture(painter, rect());
  }
};

}  // namespace

TAboutBox::TAboutBox() {
  setObjectName("AboutBox");
  setWindowFlag(Qt::Dialog);
  SetCaption("About Zelvory 1.0 for Java");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new TProgramIcon(this), 0, Qt::AlignHCenter);
  auto* credits = new QLabel(
      "Zelvory 1.0 for Java\n"
      "A class-diagram modeller: classes, interfaces and their relations,\n"
      "Java source and prototypes in other languages from one diagram.",
      this);
  credits->setAlignment(Qt::AlignCenter);
  layout->addWidget(credits);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  platform::Connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setFixedSize(sizeHint());
}

}  // namespace modeller
