#pragma once
// TConstructorInspector: the "Constructor Inspector" window, made at start-up and reused.
#include "modeller/ui/ArgumentsInspector.h"

namespace modeller {

class TConstructorInspector : public TArgumentsInspector {
  Q_OBJECT
 public:
  TConstructorInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QPlainTextEdit* ImplementationMemo;
};

TConstructorInspector* ConstructorInspector();  // made on first use

}  // namespace modeller
