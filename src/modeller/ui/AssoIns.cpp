#include "modeller/ui/AssoIns.h"

#include <QGroupBox>
#include <climits>

namespace modeller {

namespace {

QGroupBox* AddGroup(QWidget* parent, const char* name, const char* caption, int left) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setGeometry(left, 10, 250, 260);
  return group;
}

}  // namespace

TAssociationInspector::TAssociationInspector() {
  setObjectName("AssociationInspector");
  SetCaption("Association Inspector");
  Position = platform::poDesigned;  // the one inspector that opens where it stood
  QGroupBox* from = AddGroup(this, "FromClassGroupBox", " From Class ", 10);
  QGroupBox* to = AddGroup(this, "ToClassGroupBox", " To Class ", 270);

  FromClassRoleNameEdit = AddEdit("FromClassRoleNameEdit", "Role Name :", 20, 30, 220);
  FromClassAccessModifier = AddRadioGroup("FromClassAccessModifier", "Access", MemberAccessItems(), 20, 80, 110);
  FromClassAccessModifier->SetItemIndex(maPackage);
  FromClassRadioGroup = AddRadioGroup("FromClassRadioGroup", "Association", {"One", "Many"}, 140, 80, 110);
  FromClassRadioGroup->SetItemIndex(mtOne);
  FromClassRadioGroup->OnClick = [this] { FromClassRadioGroupClick(); };
  FromClassMultiplicityLabel = new QLabel("Multiplicity :", this);
  FromClassMultiplicityLabel->setObjectName("FromClassMultiplicityLabel");
  FromClassMultiplicityLabel->move(140, 150);
  FromClassMultiplicitySpinEdit = new QSpinBox(this);
  FromClassMultiplicitySpinEdit->setObjectName("FromClassMultiplicitySpinEdit");
  FromClassMultiplicitySpinEdit->setRange(INT_MIN, INT_MAX);
  FromClassMultiplicitySpinEdit->setGeometry(140, 166, 100, 22);

  ToClassRoleNameEdit = AddEdit("ToClassRoleNameEdit", "Role Name :", 280, 30, 220);
  ToClassAccessModifier = AddRadioGroup("ToClassAccessModifier", "Access", MemberAccessItems(), 280, 80, 110);
  ToClassAccessModifier->SetItemIndex(maPackage);
  ToClassRadioGroup = AddRadioGroup("ToClassRadioGroup", "Association", {"References", "Aggregates"}, 400, 80, 110);
  ToClassRadioGroup->SetItemIndex(akReferences);
  from->lower();
  to->lower();
  FromClassRadioGroupClick();
  FinishDialog(530, 320);
}

void TAssociationInspector::FromClassRadioGroupClick() {
  bool many = FromClassRadioGroup->ItemIndex() == mtMany;
  FromClassMultiplicitySpinEdit->setEnabled(many);
  FromClassMultiplicityLabel->setEnabled(many);
}

void TAssociationInspector::LoadFromElement() {
  auto* association = dynamic_cast<TAssociation*>(Element());
  if (association == nullptr) return;
  SetEditText(*FromClassRoleNameEdit, association->FromRole());
  FromClassAccessModifier->SetItemIndex(association->FromAccess());
  FromClassRadioGroup->SetItemIndex(association->Multiplicity());
  FromClassMultiplicitySpinEdit->setValue(association->Count());
  SetEditText(*ToClassRoleNameEdit, association->ToRole());
  ToClassAccessModifier->SetItemIndex(association->ToAccess());
  ToClassRadioGroup->SetItemIndex(association->Kind());
  FromClassRadioGroupClick();
}

void TAssociationInspector::StoreToElement() {
  auto* association = dynamic_cast<TAssociation*>(Element());
  if (association == nullptr || !ClosedWithOk()) return;
  association->SetFromRole(EditText(*FromClassRoleNameEdit));
  association->SetFromAccess(FromClassAccessModifier->ItemIndex());
  association->SetMultiplicity(FromClassRadioGroup->ItemIndex());
  association->SetCount(FromClassMultiplicitySpinEdit->value());
  association->SetToRole(EditText(*ToClassRoleNameEdit));
  association->SetToAccess(ToClassAccessModifier->ItemIndex());
  association->SetKind(ToClassRadioGroup->ItemIndex());
}

}  // namespace modeller
