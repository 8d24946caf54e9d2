#pragma once
// TArgumentInspector: the "Argument Inspector" window, made at start-up and reused.
#include "modeller/ui/Inspect.h"

namespace modeller {

class TArgumentInspector : public TInspector {
  Q_OBJECT
 public:
  TArgumentInspector();

  void StoreToElement() override;
  void LoadFromElement() override;

  QLineEdit* ArgumentNameEdit;
  QLineEdit* ArgumentTypeEdit;
  QPushButton* TypeButton;
};

TArgumentInspector* ArgumentInspector();  // made on first use

}  // namespace modeller
