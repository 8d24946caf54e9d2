#include "modeller/ui/ConstIns.h"

#include "modeller/ui/TypeDlg.h"

namespace modeller {

TConstantInspector::TConstantInspector() {
  setObjectName("ConstantInspector");
  SetCaption("Constant Inspector");
  ConstantNameEdit = AddEdit("ConstantNameEdit", "Name :", 10, 10, 220);
  ConstantTypeEdit = AddEdit("ConstantTypeEdit", "Type :", 10, 56, 190);
  TypeButton = AddButton("TypeButton", "...", 205, 72, [this] { PickTypeInto(ConstantTypeEdit); });
  TypeButton->setFixedWidth(25);
  InitialValueEdit = AddEdit("InitialValueEdit", "Initial Value :", 10, 102, 220);
  FinishDialog(250, 190);
}

void TConstantInspector::LoadFromElement() {
  auto* constant = dynamic_cast<TGenericAttribute*>(Element());
  if (constant == nullptr) return;
  SetEditText(*ConstantNameEdit, constant->Name());
  SetEditText(*ConstantTypeEdit, constant->Type());
  SetEditText(*InitialValueEdit, constant->InitialValue());
}

void TConstantInspector::StoreToElement() {
  auto* constant = dynamic_cast<TGenericAttribute*>(Element());
  if (constant == nullptr || !ClosedWithOk()) return;
  constant->SetName(EditText(*ConstantNameEdit));
  constant->SetType(EditText(*ConstantTypeEdit));
  constant->SetInitialValue(EditText(*InitialValueEdit));
}

}  // namespace modeller
