#pragma once
// TObjInsForm: the object inspector: lists the components of the current design frame.
#include <QComboBox>
#include "platform/Forms.h"

namespace designer {

class TObjInsForm : public platform::TForm {
  Q_OBJECT
 public:
  TObjInsForm();
  QComboBox* ComponentCombo;  // "name : class" entries of the current frame
  void ClearInspector();
};

extern TObjInsForm* ObjInsForm;

}  // namespace designer
