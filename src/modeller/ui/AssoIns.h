#pragma once
// TAssociationInspector: the "Association Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TAssociationInspector : public TInspector {
  Q_OBJECT
 public:
  TAssociationInspector();
};

extern TAssociationInspector* AssociationInspector;

}  // namespace modeller
