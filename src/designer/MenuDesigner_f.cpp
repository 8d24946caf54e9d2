#include "designer/MenuDesigner_f.h"

namespace designer {

TMenuDesigner* MenuDesigner = nullptr;

TMenuDesigner::TMenuDesigner() {
  SetCaption("Menu Designer - ");
}

}  // namespace designer
