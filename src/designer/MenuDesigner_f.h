#pragma once
// TMenuDesigner: the menu designer.
#include "platform/Forms.h"

namespace designer {

class TMenuDesigner : public platform::TForm {
  Q_OBJECT
 public:
  TMenuDesigner();
};

extern TMenuDesigner* MenuDesigner;

}  // namespace designer
