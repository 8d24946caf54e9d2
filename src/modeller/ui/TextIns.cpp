#include "modeller/ui/TextIns.h"

namespace modeller {

TTextInspector* TextInspector = nullptr;

TTextInspector::TTextInspector() {
  setObjectName("TextInspector");
  SetCaption("Text Inspector");
}

}  // namespace modeller
