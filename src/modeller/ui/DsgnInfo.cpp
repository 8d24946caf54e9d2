#include "modeller/ui/DsgnInfo.h"

namespace modeller {

TDesignInfoForm* DesignInfoForm = nullptr;

TDesignInfoForm::TDesignInfoForm() {
  setObjectName("DesignInfoForm");
  SetCaption("Design Information");
}

}  // namespace modeller
