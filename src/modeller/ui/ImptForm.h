#pragma once
// TImportForm: the "Import" dialog, made at start-up and reused. The package dialog reads the
// import typed, or picked from the list of the standard packages.
#include <QLineEdit>
#include <QPushButton>

#include "platform/Controls.h"
#include "platform/Forms.h"

namespace modeller {

class TImportForm : public platform::TForm {
  Q_OBJECT
 public:
  TImportForm();

  QLineEdit* ImportEdit;
  platform::TListBox* ImportListBox;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  void ImportListBoxClick();
};

TImportForm* ImportForm();  // made on first use

}  // namespace modeller
