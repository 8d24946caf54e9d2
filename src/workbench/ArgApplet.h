#pragma once
// TArgForAppletForm: the applet argument dialog. Column i (from 1) of the grid is argument i: row 0
// its header, row 1 its name, row 2 its value; they become the PARAM lines of the applet page.
#include <QPushButton>
#include <string>

#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/OnDemand.h"

namespace workbench {

class TArgForAppletForm : public platform::TForm {
  Q_OBJECT
 public:
  TArgForAppletForm();

  platform::TStringGrid* ArgGrid;
  QPushButton* BitBtn1;  // OK
  QPushButton* ClearButton;
  QPushButton* HelpButton;

  void ArgGridClick();
  void OKButtonClick();
  void ClearButtonClick();

  int FArgColumn = 1;  // the column current at the last grid click
  int FArgCount = 0;   // the arguments accepted by the last OK

 protected:
  void FormShow() override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  bool ColumnComplete(int col) const;
  void ClearColumn(int col);
  void ClearArgument(int col);
  void ClearIncompleteArgColumn();
  void SetArgHeader(int col);
  void MoveToFirstColumn();
};

extern platform::OnDemand<TArgForAppletForm> ArgForAppletForm;

}  // namespace workbench
