#pragma once
// The modeller's long-lived windows, made in their fixed order at start-up and freed at the end.
namespace modeller {

void CreateModellerWindows();
void DestroyModellerWindows();

}  // namespace modeller
