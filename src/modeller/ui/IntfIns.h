#pragma once
// TInterfaceInspector: the "Interface Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TInterfaceInspector : public TInspector {
  Q_OBJECT
 public:
  TInterfaceInspector();
};

extern TInterfaceInspector* InterfaceInspector;

}  // namespace modeller
