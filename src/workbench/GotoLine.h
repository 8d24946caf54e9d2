#pragma once
// TLineNumberForm: the go-to-line dialog.
#include <QComboBox>
#include "platform/Forms.h"

namespace workbench {

class TLineNumberForm : public platform::TForm {
  Q_OBJECT
 public:
  TLineNumberForm();
  QComboBox* ComboBox1;  // the line number entered
};

extern TLineNumberForm* LineNumberForm;

}  // namespace workbench
