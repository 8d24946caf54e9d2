#pragma once
// The progress window: a gauge that long operations can fill while they run.
#include <QProgressBar>

#include "platform/Forms.h"

namespace gif {

class TProgressForm : public platform::TForm {
  Q_OBJECT
 public:
  explicit TProgressForm(QWidget* owner = nullptr);
  QProgressBar* Gauge1;
};

// The one progress window, made on first use.
TProgressForm* ProgressForm();

// Shows the window with the gauge at the fraction (0 to 1), or hides it above 0.9999, then lets
// pending messages other than user input run, so the operation cannot be disturbed meanwhile.
void ShowProgress(double fraction);

}  // namespace gif
