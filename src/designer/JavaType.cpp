#include "designer/JavaType.h"

namespace designer {

TMenuBar::TMenuBar(QWidget* owner) : platform::TMainMenu(owner) { hide(); }

}  // namespace designer
