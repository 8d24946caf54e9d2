#pragma once
// TConstructorInspector: the "Constructor Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TConstructorInspector : public TInspector {
  Q_OBJECT
 public:
  TConstructorInspector();
};

extern TConstructorInspector* ConstructorInspector;

}  // namespace modeller
