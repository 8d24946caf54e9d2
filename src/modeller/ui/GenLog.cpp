#include "modeller/ui/GenLog.h"

namespace modeller {

TGenerateLogForm* GenerateLogForm = nullptr;

TGenerateLogForm::TGenerateLogForm() {
  setObjectName("GenerateLogForm");
  SetCaption("Generate Log");
}

}  // namespace modeller
