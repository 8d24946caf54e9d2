#pragma once
// The modeller's long-lived windows: the main window and the tool windows the settings file shows are
// made at start-up, every other one when first asked for; all are freed at the end.
namespace modeller {

void CreateModellerWindows();
void DestroyModellerWindows();
// The options in force, given to the tool windows already made; one made later takes them itself.
void ApplyOptionsToToolWindows();
// Closes the tool windows with the main window, so each writes its place to the settings file.
void CloseToolWindows();

}  // namespace modeller
