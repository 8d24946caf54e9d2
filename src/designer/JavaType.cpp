#include "designer/JavaType.h"

namespace designer {

TMenuBar::TMenuBar(QWidget* owner) : platform::TMainMenu(owner) {
  setNativeMenuBar(false);  // it belongs to the design frame, never to a desktop-wide menu
  hide();
}

}  // namespace designer
