#include "gif/FmProgr.h"

#include <QVBoxLayout>
#include <cmath>

namespace gif {

TProgressForm::TProgressForm(QWidget* owner) : platform::TForm(owner), Gauge1(new QProgressBar(this)) {
  SetCaption("Progress");
  Gauge1->setRange(0, 100);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Gauge1);
}

TProgressForm* ProgressForm() {
  static TProgressForm* form = new TProgressForm();
  return form;
}

void ShowProgress(double fraction) {
  TProgressForm* form = ProgressForm();
  if (fraction <= 0.9999) {
    if (!form->isVisible()) form->show();
    form->Gauge1->setValue(static_cast<int>(std::lround(fraction * 100)));
  } else {
    form->hide();
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace gif
