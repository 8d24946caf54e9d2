#include "modeller/ui/CodeView.h"

namespace modeller {

TCodeViewerForm* CodeViewerForm = nullptr;

TCodeViewerForm::TCodeViewerForm() {
  setObjectName("CodeViewerForm");
  SetCaption("Code Viewer");
}

}  // namespace modeller
