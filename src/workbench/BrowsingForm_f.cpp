#include "workbench/BrowsingForm_f.h"

namespace workbench {

TBrowsingForm* BrowsingForm = nullptr;

TBrowsingForm::TBrowsingForm() {
  SetCaption("Browse ...");
}

}  // namespace workbench
