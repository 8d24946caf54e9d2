#pragma once
// TJavaCodeGenerator: the "Java Code Generator" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TJavaCodeGenerator : public platform::TForm {
  Q_OBJECT
 public:
  TJavaCodeGenerator();
};

extern TJavaCodeGenerator* JavaCodeGenerator;

}  // namespace modeller
