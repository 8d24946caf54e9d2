#pragma once
// Hands the values of the settings file to their owners when the main window is first shown, and
// collects them from there when it closes.
#include "workbench/Settings.h"

namespace workbench {

// Puts the object inspector at the place.
void PlaceInspector(const TWindowPlace& place);

// Reads the settings file and hands every value to its owner; a missing or damaged file is a
// first run. Stored places no window can take are made usable and reported in one message box.
void LoadSettingsFile();
// Collects every value and writes the settings file; raises EFCreateError when it cannot.
void SaveSettingsFile();

}  // namespace workbench
