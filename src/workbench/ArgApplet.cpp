#include "workbench/ArgApplet.h"

namespace workbench {

TArgForAppletForm* ArgForAppletForm = nullptr;

TArgForAppletForm::TArgForAppletForm() {
  SetCaption("Arguments for Applet");
}

}  // namespace workbench
