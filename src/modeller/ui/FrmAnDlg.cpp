#include "modeller/ui/FrmAnDlg.h"

namespace modeller {

TFromAncestorDlg* FromAncestorDlg = nullptr;

TFromAncestorDlg::TFromAncestorDlg() {
  setObjectName("FromAncestorDlg");
  SetCaption("From Ancestor");
}

}  // namespace modeller
