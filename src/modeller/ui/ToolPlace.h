#pragma once
// The place of a tool window in "zelvory.ini": read when the window is made, with the window's
// present values as defaults, and written when it closes.
#include "platform/Forms.h"

namespace modeller {

// A tool window's section of the settings file; the window keeps its size when `withSize` is off.
struct TToolPlace {
  const char* section;
  bool withSize;
};

// Left, Top and Visible of the section, and Width and Height too when `withSize`.
void ReadToolPlace(platform::TForm& form, const TToolPlace& place);
// Writes the same keys and updates the settings file, making its folder when needed.
void WriteToolPlace(const platform::TForm& form, const TToolPlace& place);

}  // namespace modeller
