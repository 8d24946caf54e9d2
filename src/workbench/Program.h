#pragma once
// The workbench's long-lived windows, created in their fixed order and freed at the end.
namespace workbench {

void CreateWorkbenchWindows();
void DestroyWorkbenchWindows();

}  // namespace workbench
