#include "modeller/ui/MethIns.h"

namespace modeller {

TMethodInspector* MethodInspector = nullptr;

TMethodInspector::TMethodInspector() {
  setObjectName("MethodInspector");
  SetCaption("Method Inspector");
}

}  // namespace modeller
