#pragma once
// TEditorForm: the "Java Editor" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TEditorForm : public platform::TForm {
  Q_OBJECT
 public:
  TEditorForm();
};

extern TEditorForm* EditorForm;

}  // namespace modeller
