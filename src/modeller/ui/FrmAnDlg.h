#pragma once
// TFromAncestorDlg: the "From Ancestor" window, made at start-up and reused. It lists the
// supertypes of a class and the methods of the chosen one.
#include <memory>
#include <vector>

#include "modeller/model/Concepts.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"

namespace modeller {

class TFromAncestorDlg : public platform::TForm {
  Q_OBJECT
 public:
  TFromAncestorDlg();

  // Lists the class's supertypes and shows the dialog modally.
  int ShowForClass(TJavaClass* type);
  void FillSupertypes();
  // The methods of the chosen supertype, constructors left out.
  void FillMethods();
  // Empty when no method is chosen.
  TGenericMethod* SelectedMethod() const;

  platform::TListBox* SupertypesListBox;
  platform::TListBox* MethodsListBox;

 private:
  TJavaClass* class_ = nullptr;
  std::vector<TGenericType*> supertypes_;
  std::vector<TGenericMethod*> methods_;
};

TFromAncestorDlg* FromAncestorDlg();  // made on first use

// A new method with the inherited one's heading and copies of its arguments, never its body; an
// interface operation becomes a public method. Empty for no method.
std::unique_ptr<TJavaMethod> CopyInheritedMethod(const TGenericMethod* inherited);

}  // namespace modeller
