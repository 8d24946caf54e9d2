#include "modeller/ui/AssoIns.h"

namespace modeller {

TAssociationInspector* AssociationInspector = nullptr;

TAssociationInspector::TAssociationInspector() {
  setObjectName("AssociationInspector");
  SetCaption("Association Inspector");
}

}  // namespace modeller
