#pragma once
// TTranslatorsForm: the "Translators" tool window, made at start-up and reused. Each button runs
// one prototype translator over the current model, shows the warnings in the generate log and the
// text in the code viewer.
#include <functional>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StringList.h"

namespace modeller {

class TTranslatorsForm : public platform::TForm {
  Q_OBJECT
 public:
  TTranslatorsForm();

  platform::TSpeedButton* JavaButton;
  platform::TSpeedButton* CppButton;
  platform::TSpeedButton* DelphiButton;
  platform::TSpeedButton* OberonButton;
  platform::TSpeedButton* EiffelButton;

  void JavaButtonClick();
  void CppButtonClick();
  void DelphiButtonClick();
  void OberonButtonClick();
  void EiffelButtonClick();

 protected:
  void FormCreate();
  void FormClose(platform::TCloseAction& action) override;

 private:
  platform::TSpeedButton* AddButton(const char* name, const char* caption, void (TTranslatorsForm::*click)());
  // Clears the warnings, runs the translator into a new list, shows the log and then the text.
  void Translate(const std::function<void(platform::TStringList&)>& generate);
};

TTranslatorsForm* TranslatorsForm();  // made on first use

}  // namespace modeller
