#pragma once
// TClassViewer: the class viewer.
#include "platform/Forms.h"

namespace workbench {

class TClassViewer : public platform::TForm {
  Q_OBJECT
 public:
  TClassViewer();
};

extern TClassViewer* ClassViewer;

}  // namespace workbench
