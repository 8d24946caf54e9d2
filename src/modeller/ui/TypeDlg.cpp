#include "modeller/ui/TypeDlg.h"

#include <QPushButton>

#include "platform/HandlerGuard.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"

namespace modeller {

TTypesDlg::TTypesDlg() {
  setObjectName("TypesDlg");
  SetCaption("Types");
  setWindowFlag(Qt::Dialog);
  TypeListBox = new platform::TListBox(this);
  TypeListBox->setObjectName("TypeListBox");
  TypeListBox->setGeometry(10, 10, 200, 250);
  TypeListBox->OnDblClick = [this] {
    if (TypeListBox->currentRow() >= 0) SetModalResult(platform::mrOk);
  };
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setGeometry(10, 270, 95, 25);
  ok->setDefault(true);
  platform::Connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");
  cancel->setGeometry(115, 270, 95, 25);
  platform::SetCancel(cancel);
  platform::Connect(cancel, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrCancel); });
  setFixedSize(220, 305);
}

void TTypesDlg::FillTypeList() {
  static const char* const basicTypes[] = {"boolean", "char",    "byte",    "int",       "short",  "long",
                                           "float",   "double",  "String",  "Boolean",   "Character",
                                           "Number",  "Integer", "Long",    "Float",     "Double", "Class"};
  TypeListBox->clear();
  for (const char* name : basicTypes) TypeListBox->AddItem(name);
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    TObj* node = TheGraph->Nodes(i);
    if (dynamic_cast<TJavaClass*>(node) != nullptr || dynamic_cast<TJavaInterface*>(node) != nullptr)
      TypeListBox->AddItem(static_cast<TGenericType*>(node)->Name());
  }
}

std::string TTypesDlg::SelectedType() const {
  int index = TypeListBox->currentRow();
  return index >= 0 ? TypeListBox->Items(index) : std::string();
}

void PickTypeInto(QLineEdit* edit) {
  TypesDlg()->FillTypeList();
  if (TypesDlg()->ShowModal() != platform::mrOk || TypesDlg()->SelectedType().empty()) return;
  edit->setText(QString::fromStdString(TypesDlg()->SelectedType()));
}

}  // namespace modeller
