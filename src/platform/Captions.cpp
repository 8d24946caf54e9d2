#include "platform/Captions.h"

#include <QWidget>

namespace platform {

void GrowToFit(QWidget* control) {
  const int needed = control->sizeHint().width();
  if (needed <= control->width()) return;
  if (control->minimumWidth() == control->maximumWidth()) control->setFixedWidth(needed);
  else control->resize(needed, control->height());
}

}  // namespace platform
