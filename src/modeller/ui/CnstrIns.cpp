#include "modeller/ui/CnstrIns.h"

namespace modeller {

TConstructorInspector::TConstructorInspector() {
  setObjectName("ConstructorInspector");
  SetCaption("Constructor Inspector");
  BuildArgumentList(10, 10, 390, 90);
  ImplementationMemo = AddMemo("ImplementationMemo", 10, 130, 490, 160);
  FinishDialog(510, 340);
}

void TConstructorInspector::LoadFromElement() {
  auto* constructor = dynamic_cast<TJavaConstructor*>(Element());
  if (constructor == nullptr) return;
  SetMemoLines(*ImplementationMemo, constructor->Implementation());
  RefreshArguments();
}

void TConstructorInspector::StoreToElement() {
  auto* constructor = dynamic_cast<TJavaConstructor*>(Element());
  if (constructor == nullptr || !ClosedWithOk()) return;
  StoreBodyLines(*constructor, constructor->Implementation(), MemoLines(*ImplementationMemo));
}

}  // namespace modeller
