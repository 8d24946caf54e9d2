#include "workbench/ArgApplet.h"

#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace workbench {

platform::OnDemand<TArgForAppletForm> ArgForAppletForm;

namespace {

constexpr int kColumns = 10;
constexpr int kRows = 3;
constexpr int kMaxArgs = 99;

}  // namespace

TArgForAppletForm::TArgForAppletForm() {
  SetCaption("Arguments for Applet");
  setWindowFlags(Qt::Tool);
  Position = platform::poScreenCenter;
  ArgGrid = new platform::TStringGrid(this, kColumns, kRows);
  ArgGrid->SetDefaultColWidth(60);
  ArgGrid->SetDefaultRowHeight(20);
  ArgGrid->setGeometry(8, 8, 40 + 60 * (kColumns - 1) + 4, 20 * kRows + 4);
  ArgGrid->OnClick = [this] { ArgGridClick(); };
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setGeometry(300, 84, 80, 26);
  BitBtn1->setDefault(true);
  platform::Connect(BitBtn1, &QPushButton::clicked, this, [this] {
    OKButtonClick();
    SetModalResult(platform::mrOk);
    close();
  });
  ClearButton = new QPushButton("Clear", this);
  ClearButton->setGeometry(390, 84, 80, 26);
  platform::Connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
  HelpButton = new QPushButton("Help", this);
  HelpButton->setGeometry(480, 84, 80, 26);
  resize(ArgGrid->width() + 16, 120);
}

bool TArgForAppletForm::ColumnComplete(int col) const {
  return !ArgGrid->Cells(col, 1).empty() && !ArgGrid->Cells(col, 2).empty();
}

void TArgForAppletForm::ClearColumn(int col) {
  for (int row = 0; row < kRows; ++row) ArgGrid->SetCells(col, row, "");
}

// An incomplete argument loses its name and value but keeps its "   Arg N" header, so the
// arguments after it still count and it can be filled again.
void TArgForAppletForm::ClearArgument(int col) {
  for (int row = 1; row < kRows; ++row) ArgGrid->SetCells(col, row, "");
}

void TArgForAppletForm::ClearIncompleteArgColumn() {
  if (!ColumnComplete(FArgColumn)) ClearArgument(FArgColumn);
}

void TArgForAppletForm::SetArgHeader(int col) { ArgGrid->SetCells(col, 0, "   Arg " + std::to_string(col)); }

void TArgForAppletForm::FormShow() {
  ArgGrid->setColumnWidth(0, 40);
  ArgGrid->SetCells(0, 1, " Name");
  ArgGrid->SetCells(0, 2, " Value");
  SetArgHeader(1);
  FArgColumn = 1;
  FArgCount = 0;
}

void TArgForAppletForm::ArgGridClick() {
  int col = ArgGrid->currentColumn();
  if (col > 1) {
    if (ColumnComplete(col - 1)) {
      SetArgHeader(col);
    } else {
      platform::ShowMessage("You didn't fill in both \"Name\" and \"Value\" fields in column " +
                            std::to_string(col - 1) + " !");
      ArgGrid->SetCol(col - 1);
    }
  }
  if (ArgGrid->currentColumn() != FArgColumn) {
    if (ColumnComplete(FArgColumn)) {
      FArgColumn = ArgGrid->currentColumn();
      return;
    }
    ClearArgument(FArgColumn);
  }
  FArgColumn = ArgGrid->currentColumn();
}

void TArgForAppletForm::OKButtonClick() {
  ArgGrid->SetCol(ArgGrid->currentColumn());  // takes in a cell still being typed
  ClearIncompleteArgColumn();
  // A kept header over an emptied column ends the arguments: the page gets no empty PARAM.
  int count = 0;
  while (count + 1 < ArgGrid->columnCount() && count < kMaxArgs &&
         ArgGrid->Cells(count + 1, 0).find("Arg") != std::string::npos && ColumnComplete(count + 1))
    ++count;
  FArgCount = count;
}

// Moving to column 1 by program ends where a click there would: column 1 is the argument column.
void TArgForAppletForm::MoveToFirstColumn() {
  ArgGrid->SetCol(1);
  FArgColumn = 1;
}

void TArgForAppletForm::FormClose(platform::TCloseAction&) {
  ClearIncompleteArgColumn();
  MoveToFirstColumn();
}

void TArgForAppletForm::ClearButtonClick() {
  for (int col = 1; col < ArgGrid->columnCount(); ++col) ClearColumn(col);
  SetArgHeader(1);
  MoveToFirstColumn();
}

}  // namespace workbench
