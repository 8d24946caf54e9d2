#pragma once
// TInterfaceInspector: the "Interface Inspector" window, made at start-up and reused. Its constant
// and operation lists edit the interface at once; the edits and check boxes wait for OK.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TInterfaceInspector : public TInspector {
  Q_OBJECT
 public:
  TInterfaceInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* InterfaceNameEdit;
  TRadioGroup* AccessModifier;
  QCheckBox* PackageCheckBox;
  platform::TListBox* ConstantsListBox;
  platform::TListBox* OperationsListBox;
  QPushButton* ConstantNewButton;
  QPushButton* ConstantDeleteButton;
  QPushButton* OperationNewButton;
  QPushButton* OperationDeleteButton;

  void ConstantsListBoxDblClick();
  void OperationsListBoxDblClick();
  void ConstantNewButtonClick();
  void ConstantDeleteButtonClick();
  void OperationNewButtonClick();
  void OperationDeleteButtonClick();

 private:
  TJavaInterface* Interface() const;
  void RefreshConstants();
  void RefreshOperations();
};

TInterfaceInspector* InterfaceInspector();  // made on first use

}  // namespace modeller
