#include "modeller/ui/CnstrIns.h"

namespace modeller {

TConstructorInspector* ConstructorInspector = nullptr;

TConstructorInspector::TConstructorInspector() {
  setObjectName("ConstructorInspector");
  SetCaption("Constructor Inspector");
}

}  // namespace modeller
