#include "modeller/ui/OperIns.h"

#include "modeller/ui/TypeDlg.h"

namespace modeller {

TOperationInspector::TOperationInspector() {
  setObjectName("OperationInspector");
  SetCaption("Operation Inspector");
  OperationNameEdit = AddEdit("OperationNameEdit", "Name :", 10, 10, 220);
  ReturnTypeEdit = AddEdit("ReturnTypeEdit", "Return Type :", 10, 56, 190);
  TypeButton = AddButton("TypeButton", "...", 205, 72, [this] { PickTypeInto(ReturnTypeEdit); });
  TypeButton->setFixedWidth(25);
  BuildArgumentList(10, 104, 290, 90);
  FinishDialog(410, 260);
}

void TOperationInspector::LoadFromElement() {
  auto* operation = dynamic_cast<TGenericMethod*>(Element());
  if (operation == nullptr) return;
  SetEditText(*OperationNameEdit, operation->Name());
  SetEditText(*ReturnTypeEdit, operation->ReturnType());
  RefreshArguments();
}

void TOperationInspector::StoreToElement() {
  auto* operation = dynamic_cast<TGenericMethod*>(Element());
  if (operation == nullptr || !ClosedWithOk()) return;
  operation->SetName(EditText(*OperationNameEdit));
  operation->SetReturnType(EditText(*ReturnTypeEdit));
}

}  // namespace modeller
