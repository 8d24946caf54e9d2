#pragma once
// TOperationInspector: the "Operation Inspector" window, made at start-up and reused.
#include "modeller/ui/ArgumentsInspector.h"

namespace modeller {

class TOperationInspector : public TArgumentsInspector {
  Q_OBJECT
 public:
  TOperationInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* OperationNameEdit;
  QLineEdit* ReturnTypeEdit;
  QPushButton* TypeButton;
};

TOperationInspector* OperationInspector();  // made on first use

}  // namespace modeller
