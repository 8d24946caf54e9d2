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

inline constexpr TToolPlace kBrowserPlace{"Browser", true};
inline constexpr TToolPlace kCodeViewerPlace{"CodeViewer", true};
inline constexpr TToolPlace kEditorPlace{"Editor", true};
inline constexpr TToolPlace kTranslatorsPlace{"Translators", false};

// Left, Top and Visible of the section, and Width and Height too when `withSize`; the place is made
// usable on the screen, and values no window can take are reported (by the main window's first
// showing for a window made at start-up).
void ReadToolPlace(platform::TForm& form, const TToolPlace& place);
// Writes the same keys and updates the settings file, making its folder when needed. The window is
// saved open only when it is shown while the main window closes it: one the user closed stays closed
// at the next start.
void WriteToolPlace(const platform::TForm& form, const TToolPlace& place);
// Set while the main window closes the tool windows.
void SetMainWindowClosing(bool closing);
// Whether the settings file shows the window at start-up.
bool ToolPlaceVisible(const TToolPlace& place);
// Whether the settings file holds every key of the place. A window never made leaves such a place as
// it was read; a place that lacks a key needs the window, whose own bounds fill the gap.
bool ToolPlaceComplete(const TToolPlace& place);

}  // namespace modeller
