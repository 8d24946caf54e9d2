#include "modeller/ui/AttrIns.h"

#include "modeller/ui/TypeDlg.h"

namespace modeller {

TAttributeInspector::TAttributeInspector() {
  setObjectName("AttributeInspector");
  SetCaption("Attribute Inspector");
  AttributeNameEdit = AddEdit("AttributeNameEdit", "Name :", 10, 10, 220);
  AttributeTypeEdit = AddEdit("AttributeTypeEdit", "Type :", 10, 56, 190);
  TypeButton = AddButton("TypeButton", "...", 205, 72, [this] { PickTypeInto(AttributeTypeEdit); });
  TypeButton->setFixedWidth(25);
  InitialValueEdit = AddEdit("InitialValueEdit", "Initial Value :", 10, 102, 220);
  FinalCheckBox = AddCheckBox("FinalCheckBox", "Final", 10, 150);
  StaticCheckBox = AddCheckBox("StaticCheckBox", "Static", 10, 170);
  AccessModifier = AddRadioGroup("AccessModifier", "Access", MemberAccessItems(), 250, 10, 120);
  AccessModifier->SetItemIndex(maPackage);
  FinishDialog(390, 240);
}

void TAttributeInspector::LoadFromElement() {
  auto* attribute = dynamic_cast<TJavaAttribute*>(Element());
  if (attribute == nullptr) return;
  SetEditText(*AttributeNameEdit, attribute->Name());
  SetEditText(*AttributeTypeEdit, attribute->Type());
  SetEditText(*InitialValueEdit, attribute->InitialValue());
  FinalCheckBox->setChecked(attribute->Final());
  StaticCheckBox->setChecked(attribute->Static());
  AccessModifier->SetItemIndex(attribute->Access());
}

void TAttributeInspector::StoreToElement() {
  auto* attribute = dynamic_cast<TJavaAttribute*>(Element());
  if (attribute == nullptr || !ClosedWithOk()) return;
  attribute->SetName(EditText(*AttributeNameEdit));
  attribute->SetType(EditText(*AttributeTypeEdit));
  attribute->SetInitialValue(EditText(*InitialValueEdit));
  attribute->SetFinal(FinalCheckBox->isChecked());
  attribute->SetStatic(StaticCheckBox->isChecked());
  attribute->SetAccess(AccessModifier->ItemIndex());
}

}  // namespace modeller
