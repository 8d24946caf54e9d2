#pragma once
// TAboutBox: the program's picture, its credits and an OK button.
#include "platform/Forms.h"

namespace modeller {

class TAboutBox : public platform::TForm {
  Q_OBJECT
 public:
  TAboutBox();
};

TAboutBox* AboutBox();  // made on first use

}  // namespace modeller
