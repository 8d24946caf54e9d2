#include "workbench/GotoLine.h"

namespace workbench {

TLineNumberForm* LineNumberForm = nullptr;

TLineNumberForm::TLineNumberForm() {
  SetCaption("Go to Line Number");
  ComboBox1 = new QComboBox(this);
  ComboBox1->setEditable(true);
  ComboBox1->setGeometry(8, 28, 200, 22);
}

}  // namespace workbench
