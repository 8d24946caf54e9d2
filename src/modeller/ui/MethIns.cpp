#include "modeller/ui/MethIns.h"

#include "modeller/ui/TypeDlg.h"

namespace modeller {

TMethodInspector::TMethodInspector() {
  setObjectName("MethodInspector");
  SetCaption("Method Inspector");
  MethodNameEdit = AddEdit("MethodNameEdit", "Name :", 10, 10, 220);
  ReturnTypeEdit = AddEdit("ReturnTypeEdit", "Return Type :", 10, 56, 190);
  TypeButton = AddButton("TypeButton", "...", 205, 72, [this] { PickTypeInto(ReturnTypeEdit); });
  TypeButton->setFixedWidth(25);
  ThrowsEdit = AddEdit("ThrowsEdit", "throws :", 10, 102, 220);
  AccessModifier = AddRadioGroup("AccessModifier", "Access", MemberAccessItems(), 250, 10, 120);
  AccessModifier->SetItemIndex(maPackage);
  AbstractCheckBox = AddCheckBox("AbstractCheckBox", "Abstract Method", 380, 16);
  StaticCheckBox = AddCheckBox("StaticCheckBox", "Static Method", 380, 36);
  FinalCheckBox = AddCheckBox("FinalCheckBox", "Final", 380, 56);
  SynchronizedCheckBox = AddCheckBox("SynchronizedCheckBox", "Synchronized", 380, 76);
  BuildArgumentList(10, 150, 390, 90);
  ImplementationMemo = AddMemo("ImplementationMemo", 10, 270, 490, 160);
  FinishDialog(510, 480);
}

void TMethodInspector::LoadFromElement() {
  auto* method = dynamic_cast<TJavaMethod*>(Element());
  if (method == nullptr) return;
  SetEditText(*MethodNameEdit, method->Name());
  SetEditText(*ReturnTypeEdit, method->ReturnType());
  SetEditText(*ThrowsEdit, method->Throws());
  AccessModifier->SetItemIndex(method->Access());
  AbstractCheckBox->setChecked(method->Abstract());
  StaticCheckBox->setChecked(method->Static());
  FinalCheckBox->setChecked(method->Final());
  SynchronizedCheckBox->setChecked(method->Synchronized());
  SetMemoLines(*ImplementationMemo, method->Implementation());
  RefreshArguments();
}

void TMethodInspector::StoreToElement() {
  auto* method = dynamic_cast<TJavaMethod*>(Element());
  if (method == nullptr || !ClosedWithOk()) return;
  method->SetName(EditText(*MethodNameEdit));
  method->SetReturnType(EditText(*ReturnTypeEdit));
  method->SetThrows(EditText(*ThrowsEdit));
  method->SetAccess(AccessModifier->ItemIndex());
  method->SetAbstract(AbstractCheckBox->isChecked());
  method->SetStatic(StaticCheckBox->isChecked());
  method->SetFinal(FinalCheckBox->isChecked());
  method->SetSynchronized(SynchronizedCheckBox->isChecked());
  StoreBodyLines(*method, method->Implementation(), MemoLines(*ImplementationMemo));
}

}  // namespace modeller
