#include "platform/Captions.h"

#include <QFontDatabase>
#include <QWidget>

namespace platform {

void GrowToFit(QWidget* control) {
  const int needed = control->sizeHint().width();
  if (needed <= control->width()) return;
  if (control->minimumWidth() == control->maximumWidth()) control->setFixedWidth(needed);
  else control->resize(needed, control->height());
}

QFont KoreanFace(const QFont& base) {
  const QStringList families = QFontDatabase::families(QFontDatabase::Korean);
  if (families.isEmpty()) return base;
  QFont face = base;
  face.setFamilies({families.contains("NanumGothic") ? QString("NanumGothic") : families.first()});
  return face;
}

}  // namespace platform
