#pragma once
// TAttributeInspector: the "Attribute Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TAttributeInspector : public TInspector {
  Q_OBJECT
 public:
  TAttributeInspector();
};

extern TAttributeInspector* AttributeInspector;

}  // namespace modeller
