#include "modeller/ui/IntfIns.h"

namespace modeller {

TInterfaceInspector* InterfaceInspector = nullptr;

TInterfaceInspector::TInterfaceInspector() {
  setObjectName("InterfaceInspector");
  SetCaption("Interface Inspector");
}

}  // namespace modeller
