#include "modeller/ui/ClassIns.h"

namespace modeller {

TClassInspector* ClassInspector = nullptr;

TClassInspector::TClassInspector() {
  setObjectName("ClassInspector");
  SetCaption("Class Inspector");
}

}  // namespace modeller
