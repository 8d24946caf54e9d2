#include "modeller/ui/ClassIns.h"

#include <memory>

#include "modeller/ui/AttrIns.h"
#include "modeller/ui/CnstrIns.h"
#include "modeller/ui/FrmAnDlg.h"
#include "modeller/ui/MethIns.h"

namespace modeller {

TClassInspector::TClassInspector() {
  setObjectName("ClassInspector");
  SetCaption("Class Inspector");
  ClassNameEdit = AddEdit("ClassNameEdit", "Name :", 10, 10, 220);
  AccessModifier = AddRadioGroup("AccessModifier", "Access", TypeAccessItems(), 10, 56, 110);
  AccessModifier->SetItemIndex(taPackage);
  AbstractCheckBox = AddCheckBox("AbstractCheckBox", "Abstract Class", 130, 56);
  PackageCheckBox = AddCheckBox("PackageCheckBox", "Package Member", 130, 76);
  PackageCheckBox->setChecked(true);
  ShowPublicCheckBox = AddCheckBox("ShowPublicCheckBox", "Show Public Only", 130, 96);

  AttributesListBox = AddList("AttributesListBox", "Attributes :", 10, 130, 320, 100);
  AttributesListBox->OnDblClick = [this] { AttributesListBoxDblClick(); };
  AttributeNewButton = AddButton("AttributeNewButton", "New...", 340, 146, [this] { AttributeNewButtonClick(); });
  AttributeDeleteButton =
      AddButton("AttributeDeleteButton", "Delete", 340, 176, [this] { AttributeDeleteButtonClick(); });

  MethodsListBox = AddList("MethodsListBox", "Methods :", 10, 256, 320, 120);
  MethodsListBox->OnDblClick = [this] { MethodsListBoxDblClick(); };
  MethodNewButton = AddButton("MethodNewButton", "Method New...", 340, 272, [this] { MethodNewButtonClick(); });
  ConstructorNewButton =
      AddButton("ConstructorNewButton", "Constructor New...", 340, 302, [this] { ConstructorNewButtonClick(); });
  FromAncestorButton =
      AddButton("FromAncestorButton", "From Ancestor...", 340, 332, [this] { FromAncestorButtonClick(); });
  MethodDeleteButton = AddButton("MethodDeleteButton", "Delete", 340, 362, [this] { MethodDeleteButtonClick(); });
  MatchWidths({AttributeNewButton, AttributeDeleteButton, MethodNewButton, ConstructorNewButton, FromAncestorButton,
               MethodDeleteButton});
  FinishDialog(450, 440);
}

TJavaClass* TClassInspector::Class() const { return dynamic_cast<TJavaClass*>(Element()); }

void TClassInspector::LoadFromElement() {
  TJavaClass* type = Class();
  if (type == nullptr) return;
  SetEditText(*ClassNameEdit, type->Name());
  AccessModifier->SetItemIndex(type->Access());
  AbstractCheckBox->setChecked(type->Abstract());
  PackageCheckBox->setChecked(type->PackageMember());
  ShowPublicCheckBox->setChecked(type->ShowPublicOnly() == 1);
  RefreshAttributes();
  RefreshMethods();
}

void TClassInspector::StoreToElement() {
  TJavaClass* type = Class();
  if (type == nullptr || !ClosedWithOk()) return;
  type->SetName(EditText(*ClassNameEdit));
  type->SetAccess(AccessModifier->ItemIndex());
  type->SetAbstract(AbstractCheckBox->isChecked());
  type->SetPackageMember(PackageCheckBox->isChecked());
  type->SetShowPublicOnly(ShowPublicCheckBox->isChecked() ? 1 : 0);
}

void TClassInspector::RefreshAttributes() {
  RefreshMemberList(*AttributesListBox, *AttributeDeleteButton, AttributeDeclarations(*Class()));
}

void TClassInspector::RefreshMethods() {
  RefreshMemberList(*MethodsListBox, *MethodDeleteButton, MethodDeclarations(*Class()));
}

void TClassInspector::AttributesListBoxDblClick() {
  TGenericAttribute* attribute = Class()->Attributes(AttributesListBox->currentRow());
  if (attribute == nullptr) return;
  if (AttributeInspector()->InspectElement(attribute) == platform::mrOk) RefreshAttributes();
}

void TClassInspector::MethodsListBoxDblClick() {
  TGenericMethod* method = Class()->Methods(MethodsListBox->currentRow());
  if (method == nullptr) return;
  if (InspectMethod(method)) RefreshMethods();
}

void TClassInspector::AttributeNewButtonClick() {
  auto attribute = std::make_unique<TJavaAttribute>();
  attribute->SetName("noname");
  if (AttributeInspector()->InspectElement(attribute.get()) != platform::mrOk) return;
  Class()->AddAttribute(attribute.release());
  RefreshAttributes();
}

void TClassInspector::AttributeDeleteButtonClick() {
  TGenericAttribute* attribute = Class()->Attributes(AttributesListBox->currentRow());
  if (attribute == nullptr) return;
  Class()->RemoveAttribute(attribute);
  RefreshAttributes();
}

void TClassInspector::AddNewMethod(TGenericMethod* created) {
  std::unique_ptr<TGenericMethod> method(created);
  if (!InspectMethod(method.get())) return;
  Class()->AddMethod(method.release());
  RefreshMethods();
}

void TClassInspector::MethodNewButtonClick() {
  auto* method = new TJavaMethod();
  method->SetName("noname");
  AddNewMethod(method);
}

void TClassInspector::ConstructorNewButtonClick() { AddNewMethod(new TJavaConstructor()); }

void TClassInspector::MethodDeleteButtonClick() {
  TGenericMethod* method = Class()->Methods(MethodsListBox->currentRow());
  if (method == nullptr) return;
  Class()->RemoveMethod(method);
  RefreshMethods();
}

void TClassInspector::FromAncestorButtonClick() {
  if (FromAncestorDlg()->ShowForClass(Class()) != platform::mrOk) return;
  std::unique_ptr<TJavaMethod> copy = CopyInheritedMethod(FromAncestorDlg()->SelectedMethod());
  if (copy == nullptr) return;
  Class()->AddMethod(copy.release());
  RefreshMethods();
}

bool InspectMethod(TGenericMethod* method) {
  if (dynamic_cast<TJavaConstructor*>(method) != nullptr)
    return ConstructorInspector()->InspectElement(method) == platform::mrOk;
  return MethodInspector()->InspectElement(method) == platform::mrOk;
}

std::vector<std::string> AttributeDeclarations(const TGenericType& type) {
  std::vector<std::string> declarations;
  for (int i = 0; i < type.AttributeCount(); ++i) declarations.push_back(type.Attributes(i)->Declaration());
  return declarations;
}

std::vector<std::string> MethodDeclarations(const TGenericType& type) {
  std::vector<std::string> declarations;
  for (int i = 0; i < type.MethodCount(); ++i) declarations.push_back(type.Methods(i)->Declaration());
  return declarations;
}

std::vector<std::string> ArgumentDeclarations(const TGenericMethod& method) {
  std::vector<std::string> declarations;
  for (int i = 0; i < method.ArgumentCount(); ++i) declarations.push_back(method.Arguments(i)->Declaration());
  return declarations;
}

}  // namespace modeller
