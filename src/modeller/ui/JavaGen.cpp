#include "modeller/ui/JavaGen.h"

namespace modeller {

TJavaCodeGenerator* JavaCodeGenerator = nullptr;

TJavaCodeGenerator::TJavaCodeGenerator() {
  setObjectName("JavaCodeGenerator");
  SetCaption("Java Code Generator");
}

}  // namespace modeller
