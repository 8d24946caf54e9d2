#include "modeller/ui/ArgIns.h"

namespace modeller {

TArgumentInspector* ArgumentInspector = nullptr;

TArgumentInspector::TArgumentInspector() {
  setObjectName("ArgumentInspector");
  SetCaption("Argument Inspector");
}

}  // namespace modeller
