#include "modeller/ui/EditAbout.h"

namespace modeller {

TEditorAboutForm* EditorAboutForm = nullptr;

TEditorAboutForm::TEditorAboutForm() {
  setObjectName("EditorAboutForm");
  SetCaption("About Java Editor");
}

}  // namespace modeller
