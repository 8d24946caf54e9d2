#pragma once
// TTextInspector: the "Text Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TTextInspector : public TInspector {
  Q_OBJECT
 public:
  TTextInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* TextEdit;
};

TTextInspector* TextInspector();  // made on first use

}  // namespace modeller
