#pragma once
// TDirectoryBrowser: the "Directory Browser" window, made at start-up and reused.
#include "platform/Forms.h"

namespace modeller {

class TDirectoryBrowser : public platform::TForm {
  Q_OBJECT
 public:
  TDirectoryBrowser();
};

extern TDirectoryBrowser* DirectoryBrowser;

}  // namespace modeller
