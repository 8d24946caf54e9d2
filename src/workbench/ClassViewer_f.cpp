#include "workbench/ClassViewer_f.h"

namespace workbench {

TClassViewer* ClassViewer = nullptr;

TClassViewer::TClassViewer() {
  SetCaption("Class Viewer");
}

}  // namespace workbench
