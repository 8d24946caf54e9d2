#include "modeller/ui/DirBrwsr.h"

namespace modeller {

TDirectoryBrowser* DirectoryBrowser = nullptr;

TDirectoryBrowser::TDirectoryBrowser() {
  setObjectName("DirectoryBrowser");
  SetCaption("Directory Browser");
}

}  // namespace modeller
