#pragma once
// TClassInspector: the "Class Inspector" window, made at start-up and reused. Its attribute and
// method lists edit the class at once; the edits and check boxes wait for OK.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TJavaClass;

class TClassInspector : public TInspector {
  Q_OBJECT
 public:
  TClassInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* ClassNameEdit;
  TRadioGroup* AccessModifier;
  QCheckBox* AbstractCheckBox;
  QCheckBox* PackageCheckBox;
  QCheckBox* ShowPublicCheckBox;
  platform::TListBox* AttributesListBox;
  platform::TListBox* MethodsListBox;
  QPushButton* AttributeNewButton;
  QPushButton* AttributeDeleteButton;
  QPushButton* MethodNewButton;
  QPushButton* ConstructorNewButton;
  QPushButton* FromAncestorButton;
  QPushButton* MethodDeleteButton;

  void AttributesListBoxDblClick();
  void MethodsListBoxDblClick();
  void AttributeNewButtonClick();
  void AttributeDeleteButtonClick();
  void MethodNewButtonClick();
  void ConstructorNewButtonClick();
  void MethodDeleteButtonClick();
  void FromAncestorButtonClick();

 private:
  TJavaClass* Class() const;
  void RefreshAttributes();
  void RefreshMethods();
  // A new member runs its inspector and is added on OK, freed on Cancel.
  void AddNewMethod(TGenericMethod* method);
};

TClassInspector* ClassInspector();  // made on first use

// The inspector of a method or a constructor, by its class; OK when it returned OK.
bool InspectMethod(TGenericMethod* method);
// A list's declarations of the attributes and of the methods of a type box.
std::vector<std::string> AttributeDeclarations(const TGenericType& type);
std::vector<std::string> MethodDeclarations(const TGenericType& type);
std::vector<std::string> ArgumentDeclarations(const TGenericMethod& method);

}  // namespace modeller
