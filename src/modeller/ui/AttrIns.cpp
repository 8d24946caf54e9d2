#include "modeller/ui/AttrIns.h"

namespace modeller {

TAttributeInspector* AttributeInspector = nullptr;

TAttributeInspector::TAttributeInspector() {
  setObjectName("AttributeInspector");
  SetCaption("Attribute Inspector");
}

}  // namespace modeller
