#include "modeller/ui/Editor.h"

namespace modeller {

TEditorForm* EditorForm = nullptr;

TEditorForm::TEditorForm() {
  setObjectName("EditorForm");
  SetCaption("Java Editor");
}

}  // namespace modeller
