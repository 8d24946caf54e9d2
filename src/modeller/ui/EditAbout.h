#pragma once
// TEditorAboutForm: the "About Java Editor" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TEditorAboutForm : public platform::TForm {
  Q_OBJECT
 public:
  TEditorAboutForm();
};

TEditorAboutForm* EditorAboutForm();  // made on first use

}  // namespace modeller
