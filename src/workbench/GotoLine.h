#pragma once
// TLineNumberForm: the go-to-line dialog. A number out of the active page's range keeps it open.
#include <QComboBox>
#include <QPushButton>

#include "platform/Forms.h"
#include "platform/OnDemand.h"

namespace workbench {

class TLineNumberForm : public platform::TForm {
  Q_OBJECT
 public:
  TLineNumberForm();
  QComboBox* ComboBox1;  // the line number entered and the numbers accepted before
  QPushButton* okButton;
  QPushButton* cancelButton;

  void okButtonClick();
  void calcelButtonClick();

 protected:
  void FormCloseQuery(bool& canClose) override;

 private:
  bool FKeepOpen = false;  // OK found a bad number
};

extern platform::OnDemand<TLineNumberForm> LineNumberForm;

}  // namespace workbench
