#include "modeller/ui/ArgIns.h"

#include "modeller/ui/TypeDlg.h"

namespace modeller {

TArgumentInspector::TArgumentInspector() {
  setObjectName("ArgumentInspector");
  SetCaption("Argument Inspector");
  ArgumentNameEdit = AddEdit("ArgumentNameEdit", "Name :", 10, 10, 220);
  ArgumentTypeEdit = AddEdit("ArgumentTypeEdit", "Type :", 10, 56, 190);
  TypeButton = AddButton("TypeButton", "...", 205, 72, [this] { PickTypeInto(ArgumentTypeEdit); });
  TypeButton->setFixedWidth(25);
  FinishDialog(250, 150);
}

void TArgumentInspector::LoadFromElement() {
  auto* argument = dynamic_cast<TGenericArgument*>(Element());
  if (argument == nullptr) return;
  SetEditText(*ArgumentNameEdit, argument->Name());
  SetEditText(*ArgumentTypeEdit, argument->Type());
}

void TArgumentInspector::StoreToElement() {
  auto* argument = dynamic_cast<TGenericArgument*>(Element());
  if (argument == nullptr || !ClosedWithOk()) return;
  argument->SetName(EditText(*ArgumentNameEdit));
  argument->SetType(EditText(*ArgumentTypeEdit));
}

}  // namespace modeller
