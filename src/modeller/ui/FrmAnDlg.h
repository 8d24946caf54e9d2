#pragma once
// TFromAncestorDlg: the "From Ancestor" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TFromAncestorDlg : public platform::TForm {
  Q_OBJECT
 public:
  TFromAncestorDlg();
};

extern TFromAncestorDlg* FromAncestorDlg;

}  // namespace modeller
