#include "modeller/ui/IntfIns.h"

#include <memory>

#include "modeller/ui/ClassIns.h"
#include "modeller/ui/ConstIns.h"
#include "modeller/ui/OperIns.h"

namespace modeller {

TInterfaceInspector::TInterfaceInspector() {
  setObjectName("InterfaceInspector");
  SetCaption("Interface Inspector");
  InterfaceNameEdit = AddEdit("InterfaceNameEdit", "Name :", 10, 10, 220);
  AccessModifier = AddRadioGroup("AccessModifier", "Access", TypeAccessItems(), 10, 56, 110);
  AccessModifier->SetItemIndex(taPackage);
  PackageCheckBox = AddCheckBox("PackageCheckBox", "Package Member", 130, 56);
  PackageCheckBox->setChecked(true);

  ConstantsListBox = AddList("ConstantsListBox", "Constants :", 10, 130, 320, 100);
  ConstantsListBox->OnDblClick = [this] { ConstantsListBoxDblClick(); };
  ConstantNewButton = AddButton("ConstantNewButton", "New...", 340, 146, [this] { ConstantNewButtonClick(); });
  ConstantDeleteButton =
      AddButton("ConstantDeleteButton", "Delete", 340, 176, [this] { ConstantDeleteButtonClick(); });

  OperationsListBox = AddList("OperationsListBox", "Operations :", 10, 256, 320, 100);
  OperationsListBox->OnDblClick = [this] { OperationsListBoxDblClick(); };
  OperationNewButton = AddButton("OperationNewButton", "New...", 340, 272, [this] { OperationNewButtonClick(); });
  OperationDeleteButton =
      AddButton("OperationDeleteButton", "Delete", 340, 302, [this] { OperationDeleteButtonClick(); });
  FinishDialog(450, 420);
}

TJavaInterface* TInterfaceInspector::Interface() const { return dynamic_cast<TJavaInterface*>(Element()); }

void TInterfaceInspector::LoadFromElement() {
  TJavaInterface* type = Interface();
  if (type == nullptr) return;
  SetEditText(*InterfaceNameEdit, type->Name());
  AccessModifier->SetItemIndex(type->Access());
  PackageCheckBox->setChecked(type->PackageMember());
  RefreshConstants();
  RefreshOperations();
}

void TInterfaceInspector::StoreToElement() {
  TJavaInterface* type = Interface();
  if (type == nullptr || !ClosedWithOk()) return;
  type->SetName(EditText(*InterfaceNameEdit));
  type->SetAccess(AccessModifier->ItemIndex());
  type->SetPackageMember(PackageCheckBox->isChecked());
}

void TInterfaceInspector::RefreshConstants() {
  RefreshMemberList(*ConstantsListBox, *ConstantDeleteButton, AttributeDeclarations(*Interface()));
}

void TInterfaceInspector::RefreshOperations() {
  RefreshMemberList(*OperationsListBox, *OperationDeleteButton, MethodDeclarations(*Interface()));
}

void TInterfaceInspector::ConstantsListBoxDblClick() {
  TGenericAttribute* constant = Interface()->Attributes(ConstantsListBox->currentRow());
  if (constant == nullptr) return;
  if (ConstantInspector()->InspectElement(constant) == platform::mrOk) RefreshConstants();
}

void TInterfaceInspector::OperationsListBoxDblClick() {
  TGenericMethod* operation = Interface()->Methods(OperationsListBox->currentRow());
  if (operation == nullptr) return;
  if (OperationInspector()->InspectElement(operation) == platform::mrOk) RefreshOperations();
}

void TInterfaceInspector::ConstantNewButtonClick() {
  auto constant = std::make_unique<TJavaConstant>();
  constant->SetName("noname");
  if (ConstantInspector()->InspectElement(constant.get()) != platform::mrOk) return;
  Interface()->AddAttribute(constant.release());
  RefreshConstants();
}

void TInterfaceInspector::ConstantDeleteButtonClick() {
  TGenericAttribute* constant = Interface()->Attributes(ConstantsListBox->currentRow());
  if (constant == nullptr) return;
  Interface()->RemoveAttribute(constant);
  RefreshConstants();
}

void TInterfaceInspector::OperationNewButtonClick() {
  auto operation = std::make_unique<TJavaOperation>();
  operation->SetName("noname");
  if (OperationInspector()->InspectElement(operation.get()) != platform::mrOk) return;
  Interface()->AddMethod(operation.release());
  RefreshOperations();
}

void TInterfaceInspector::OperationDeleteButtonClick() {
  TGenericMethod* operation = Interface()->Methods(OperationsListBox->currentRow());
  if (operation == nullptr) return;
  Interface()->RemoveMethod(operation);
  RefreshOperations();
}

}  // namespace modeller
