#pragma once
// TCodeViewerForm: the "Code Viewer" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TCodeViewerForm : public platform::TForm {
  Q_OBJECT
 public:
  TCodeViewerForm();
};

extern TCodeViewerForm* CodeViewerForm;

}  // namespace modeller
