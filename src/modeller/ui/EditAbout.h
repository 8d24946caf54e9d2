#pragma once
// TEditorAboutForm: the "About Java Editor" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TEditorAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TEditorAboutForm();
};

extern TEditorAboutForm* EditorAboutForm;

}  // namespace modeller
