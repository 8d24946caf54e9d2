#include "designer/ObjIns.h"

namespace designer {

TObjInsForm* ObjInsForm = nullptr;

TObjInsForm::TObjInsForm() {
  SetCaption("Object Inspector");
  ComponentCombo = new QComboBox(this);
  ComponentCombo->setGeometry(0, 0, 162, 22);
}

void TObjInsForm::ClearInspector() { ComponentCombo->clear(); }

}  // namespace designer
