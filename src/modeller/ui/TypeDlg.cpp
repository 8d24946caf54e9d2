#include "modeller/ui/TypeDlg.h"

namespace modeller {

TTypesDlg* TypesDlg = nullptr;

TTypesDlg::TTypesDlg() {
  setObjectName("TypesDlg");
  SetCaption("Types");
}

}  // namespace modeller
