#pragma once
// TDesignInfoForm: the "Design Information" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TDesignInfoForm : public platform::TForm {
  Q_OBJECT
 public:
  TDesignInfoForm();
};

extern TDesignInfoForm* DesignInfoForm;

}  // namespace modeller
