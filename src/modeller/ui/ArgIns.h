#pragma once
// TArgumentInspector: the "Argument Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TArgumentInspector : public TInspector {
  Q_OBJECT
 public:
  TArgumentInspector();
};

extern TArgumentInspector* ArgumentInspector;

}  // namespace modeller
