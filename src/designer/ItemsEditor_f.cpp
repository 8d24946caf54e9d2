#include "designer/ItemsEditor_f.h"

namespace designer {

TItemsEditorForm* ItemsEditorForm = nullptr;

TItemsEditorForm::TItemsEditorForm() {
  SetCaption("Item Editor");
}

}  // namespace designer
