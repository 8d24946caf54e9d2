#include "modeller/ui/FrmAnDlg.h"

#include <QLabel>
#include <QPushButton>

#include "platform/HandlerGuard.h"
#include "modeller/model/Globals.h"

namespace modeller {

namespace {

platform::TListBox* AddLabelledList(QWidget* parent, const char* name, const char* label, int left) {
  (new QLabel(label, parent))->move(left, 10);
  auto* list = new platform::TListBox(parent);
  list->setObjectName(name);
  list->setGeometry(left, 26, 200, 200);
  return list;
}

}  // namespace

TFromAncestorDlg::TFromAncestorDlg() {
  setObjectName("FromAncestorDlg");
  SetCaption("From Ancestor");
  setWindowFlag(Qt::Dialog);
  SupertypesListBox = AddLabelledList(this, "SupertypesListBox", "Supertypes :", 10);
  MethodsListBox = AddLabelledList(this, "MethodsListBox", "Methods :", 220);
  platform::Connect(SupertypesListBox, &QListWidget::itemClicked, this, [this] { FillMethods(); });
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setGeometry(230, 235, 90, 25);
  ok->setDefault(true);
  platform::Connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelButton");
  cancel->setGeometry(330, 235, 90, 25);
  platform::SetCancel(cancel);
  platform::Connect(cancel, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrCancel); });
  setFixedSize(430, 270);
}

int TFromAncestorDlg::ShowForClass(TJavaClass* type) {
  class_ = type;
  FillSupertypes();
  return ShowModal();
}

void TFromAncestorDlg::FillSupertypes() {
  SupertypesListBox->clear();
  MethodsListBox->clear();
  supertypes_.clear();
  methods_.clear();
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    auto* type = dynamic_cast<TGenericType*>(TheGraph->Nodes(i));
    if (type == nullptr || !IsAncestor(type, class_)) continue;
    supertypes_.push_back(type);
    SupertypesListBox->AddItem(type->Name());
  }
}

void TFromAncestorDlg::FillMethods() {
  int index = SupertypesListBox->currentRow();
  if (index < 0 || index >= static_cast<int>(supertypes_.size())) return;
  MethodsListBox->clear();
  methods_.clear();
  TGenericType* type = supertypes_[static_cast<size_t>(index)];
  for (int i = 0; i < type->MethodCount(); ++i) {
    TGenericMethod* method = type->Methods(i);
    if (dynamic_cast<TJavaConstructor*>(method) != nullptr) continue;
    methods_.push_back(method);
    MethodsListBox->AddItem(method->Declaration());
  }
}

TGenericMethod* TFromAncestorDlg::SelectedMethod() const {
  int index = MethodsListBox->currentRow();
  if (index < 0 || index >= static_cast<int>(methods_.size())) return nullptr;
  return methods_[static_cast<size_t>(index)];
}

std::unique_ptr<TJavaMethod> CopyInheritedMethod(const TGenericMethod* inherited) {
  if (inherited == nullptr) return nullptr;
  auto copy = std::make_unique<TJavaMethod>();
  copy->SetName(inherited->Name());
  copy->SetReturnType(inherited->ReturnType());
  if (const auto* method = dynamic_cast<const TJavaMethod*>(inherited)) {
    copy->SetAccess(method->Access());
    copy->SetAbstract(method->Abstract());
    copy->SetStatic(method->Static());
    copy->SetFinal(method->Final());
    copy->SetSynchronized(method->Synchronized());
    copy->SetThrows(method->Throws());
  } else {
    copy->SetAccess(maPublic);
  }
  for (int i = 0; i < inherited->ArgumentCount(); ++i) {
    auto* argument = new TJavaArgument();
    argument->SetName(inherited->Arguments(i)->Name());
    argument->SetType(inherited->Arguments(i)->Type());
    copy->AddArgument(argument);
  }
  return copy;
}

}  // namespace modeller
