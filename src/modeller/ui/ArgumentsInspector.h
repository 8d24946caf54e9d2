#pragma once
// TArgumentsInspector: the common part of the method, constructor and operation inspectors, the
// argument list whose New, Delete and double-click edit the method at once.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TArgumentsInspector : public TInspector {
  Q_OBJECT
 public:
  platform::TListBox* ArgumentsListBox = nullptr;
  QPushButton* ArgumentNewButton = nullptr;
  QPushButton* ArgumentDeleteButton = nullptr;

  void ArgumentsListBoxDblClick();
  void ArgumentNewButtonClick();
  void ArgumentDeleteButtonClick();

 protected:
  TGenericMethod* Method() const { return dynamic_cast<TGenericMethod*>(Element()); }
  void BuildArgumentList(int left, int top, int width, int height);
  void RefreshArguments();
};

}  // namespace modeller
