#include "modeller/ui/ArgumentsInspector.h"

#include <memory>

#include "modeller/ui/ArgIns.h"
#include "modeller/ui/ClassIns.h"

namespace modeller {

void TArgumentsInspector::BuildArgumentList(int left, int top, int width, int height) {
  ArgumentsListBox = AddList("ArgumentsListBox", "Arguments :", left, top, width, height);
  ArgumentsListBox->OnDblClick = [this] { ArgumentsListBoxDblClick(); };
  ArgumentNewButton =
      AddButton("ArgumentNewButton", "New...", left + width + 10, top + 16, [this] { ArgumentNewButtonClick(); });
  ArgumentDeleteButton = AddButton("ArgumentDeleteButton", "Delete", left + width + 10, top + 46,
                                   [this] { ArgumentDeleteButtonClick(); });
}

void TArgumentsInspector::RefreshArguments() {
  RefreshMemberList(*ArgumentsListBox, *ArgumentDeleteButton, ArgumentDeclarations(*Method()));
}

void TArgumentsInspector::ArgumentsListBoxDblClick() {
  TGenericArgument* argument = Method()->Arguments(ArgumentsListBox->currentRow());
  if (argument == nullptr) return;
  if (ArgumentInspector()->InspectElement(argument) == platform::mrOk) RefreshArguments();
}

void TArgumentsInspector::ArgumentNewButtonClick() {
  auto argument = std::make_unique<TJavaArgument>();
  argument->SetName("noname");
  if (ArgumentInspector()->InspectElement(argument.get()) != platform::mrOk) return;
  Method()->AddArgument(argument.release());
  RefreshArguments();
}

void TArgumentsInspector::ArgumentDeleteButtonClick() {
  TGenericArgument* argument = Method()->Arguments(ArgumentsListBox->currentRow());
  if (argument == nullptr) return;
  Method()->RemoveArgument(argument);
  RefreshArguments();
}

}  // namespace modeller
