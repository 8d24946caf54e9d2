#pragma once
// TConstantInspector: the "Constant Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TConstantInspector : public TInspector {
  Q_OBJECT
 public:
  TConstantInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* ConstantNameEdit;
  QLineEdit* ConstantTypeEdit;
  QPushButton* TypeButton;
  QLineEdit* InitialValueEdit;
};

TConstantInspector* ConstantInspector();  // made on first use

}  // namespace modeller
