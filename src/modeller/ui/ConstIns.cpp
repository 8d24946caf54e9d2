#include "modeller/ui/ConstIns.h"

namespace modeller {

TConstantInspector* ConstantInspector = nullptr;

TConstantInspector::TConstantInspector() {
  setObjectName("ConstantInspector");
  SetCaption("Constant Inspector");
}

}  // namespace modeller
