#include "modeller/ui/OperIns.h"

namespace modeller {

TOperationInspector* OperationInspector = nullptr;

TOperationInspector::TOperationInspector() {
  setObjectName("OperationInspector");
  SetCaption("Operation Inspector");
}

}  // namespace modeller
