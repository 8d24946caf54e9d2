#pragma once
// TAttributeInspector: the "Attribute Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TAttributeInspector : public TInspector {
  Q_OBJECT
 public:
  TAttributeInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* AttributeNameEdit;
  QLineEdit* AttributeTypeEdit;
  QPushButton* TypeButton;
  QLineEdit* InitialValueEdit;
  QCheckBox* FinalCheckBox;
  QCheckBox* StaticCheckBox;
  TRadioGroup* AccessModifier;
};

TAttributeInspector* AttributeInspector();  // made on first use

}  // namespace modeller
