#pragma once
// TMethodInspector: the "Method Inspector" window, made at start-up and reused.
#include "modeller/ui/ArgumentsInspector.h"

namespace modeller {

class TMethodInspector : public TArgumentsInspector {
  Q_OBJECT
 public:
  TMethodInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* MethodNameEdit;
  QLineEdit* ReturnTypeEdit;
  QPushButton* TypeButton;
  QLineEdit* ThrowsEdit;
  TRadioGroup* AccessModifier;
  QCheckBox* AbstractCheckBox;
  QCheckBox* StaticCheckBox;
  QCheckBox* FinalCheckBox;
  QCheckBox* SynchronizedCheckBox;
  QPlainTextEdit* ImplementationMemo;
};

TMethodInspector* MethodInspector();  // made on first use

}  // namespace modeller
