#include "modeller/ui/TextIns.h"

namespace modeller {

TTextInspector::TTextInspector() {
  setObjectName("TextInspector");
  SetCaption("Text Inspector");
  TextEdit = AddEdit("TextEdit", "Text :", 10, 10, 300);
  FinishDialog(320, 100);
}

void TTextInspector::LoadFromElement() {
  if (auto* text = dynamic_cast<TText*>(Element())) SetEditText(*TextEdit, text->Text());
}

void TTextInspector::StoreToElement() {
  auto* text = dynamic_cast<TText*>(Element());
  if (text == nullptr || !ClosedWithOk()) return;
  text->SetText(EditText(*TextEdit));
}

}  // namespace modeller
