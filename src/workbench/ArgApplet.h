#pragma once
// TArgForAppletForm: the applet argument dialog.
#include <array>
#include <string>

#include "platform/Forms.h"

namespace workbench {

class TArgForAppletForm : public platform::TForm {
  Q_OBJECT
 public:
  TArgForAppletForm();

  // The grid's cells by column and row: row 0 the header, row 1 the name, row 2 the value of the
  // argument in that column (from column 1).
  std::array<std::array<std::string, 3>, 100> ArgGridCells{};
  int FArgCount = 0;  // the arguments accepted by the last OK
};

extern TArgForAppletForm* ArgForAppletForm;

}  // namespace workbench
