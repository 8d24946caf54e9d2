#include "modeller/ui/Browser.h"

namespace modeller {

TBrowserForm* BrowserForm = nullptr;

TBrowserForm::TBrowserForm() {
  setObjectName("BrowserForm");
  SetCaption("Browser");
}

}  // namespace modeller
