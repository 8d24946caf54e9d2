#pragma once
// TTypesDlg: the "Types" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TTypesDlg : public platform::TForm {
  Q_OBJECT
 public:
  TTypesDlg();
};

extern TTypesDlg* TypesDlg;

}  // namespace modeller
