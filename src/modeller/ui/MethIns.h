#pragma once
// TMethodInspector: the "Method Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TMethodInspector : public TInspector {
  Q_OBJECT
 public:
  TMethodInspector();
};

extern TMethodInspector* MethodInspector;

}  // namespace modeller
