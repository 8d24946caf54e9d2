#pragma once
// TItemsEditorForm: the items editor.
#include "platform/Forms.h"

namespace designer {

class TItemsEditorForm : public platform::TForm {
  Q_OBJECT
 public:
  TItemsEditorForm();
};

extern TItemsEditorForm* ItemsEditorForm;

}  // namespace designer
