#pragma once
// TOperationInspector: the "Operation Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TOperationInspector : public TInspector {
  Q_OBJECT
 public:
  TOperationInspector();
};

extern TOperationInspector* OperationInspector;

}  // namespace modeller
