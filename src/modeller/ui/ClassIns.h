#pragma once
// TClassInspector: the "Class Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TClassInspector : public TInspector {
  Q_OBJECT
 public:
  TClassInspector();
};

extern TClassInspector* ClassInspector;

}  // namespace modeller
