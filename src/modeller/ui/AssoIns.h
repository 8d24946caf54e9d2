#pragma once
// TAssociationInspector: the "Association Inspector" window, made at start-up and reused.
#include <QLabel>
#include <QSpinBox>

#include "modeller/ui/Inspect.h"

namespace modeller {

class TAssociationInspector : public TInspector {
  Q_OBJECT
 public:
  TAssociationInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* FromClassRoleNameEdit;
  TRadioGroup* FromClassAccessModifier;
  TRadioGroup* FromClassRadioGroup;
  QSpinBox* FromClassMultiplicitySpinEdit;
  QLabel* FromClassMultiplicityLabel;
  QLineEdit* ToClassRoleNameEdit;
  TRadioGroup* ToClassAccessModifier;
  TRadioGroup* ToClassRadioGroup;

  // The count is open only while "Many" is chosen.
  void FromClassRadioGroupClick();
};

TAssociationInspector* AssociationInspector();  // made on first use

}  // namespace modeller
