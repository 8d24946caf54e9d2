#pragma once
// TTypesDlg: the "Types" window, made at start-up and reused. It offers the Java basic types and
// the names of the diagram's classes and interfaces.
#include <QLineEdit>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"

namespace modeller {

class TTypesDlg : public platform::TForm {
  Q_OBJECT
 public:
  TTypesDlg();

  void FillTypeList();
  // Empty when no entry is chosen.
  std::string SelectedType() const;

  platform::TListBox* TypeListBox;
};

TTypesDlg* TypesDlg();  // made on first use

// Lets the user pick a type into the edit box; Cancel, or OK with nothing chosen, keeps its text.
void PickTypeInto(QLineEdit* edit);

}  // namespace modeller
