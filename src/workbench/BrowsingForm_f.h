#pragma once
// TBrowsingForm: the folder browser.
#include "platform/Forms.h"

namespace workbench {

class TBrowsingForm : public platform::TForm {
  Q_OBJECT
 public:
  TBrowsingForm();
};

extern TBrowsingForm* BrowsingForm;

}  // namespace workbench
