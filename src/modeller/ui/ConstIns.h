#pragma once
// TConstantInspector: the "Constant Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TConstantInspector : public TInspector {
  Q_OBJECT
 public:
  TConstantInspector();
};

extern TConstantInspector* ConstantInspector;

}  // namespace modeller
