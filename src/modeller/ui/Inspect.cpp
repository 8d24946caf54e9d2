#include "modeller/ui/Inspect.h"

namespace modeller {

TInspector::TInspector() { setWindowFlag(Qt::Dialog); }

int TInspector::InspectElement(TStorable* element) {
  element_ = element;
  return ShowModal();
}

}  // namespace modeller
