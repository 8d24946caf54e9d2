#pragma once
// TCodeViewerForm: the "Code Viewer" window, made at start-up and reused. It shows generated or
// translated text, read-only, and saves it to a file or copies it to the clipboard.
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/RichEdit.h"

namespace modeller {

class TCodeViewerForm : public platform::TForm {
  Q_OBJECT
 public:
  TCodeViewerForm();

  platform::TSpeedButton* SaveButton;
  platform::TSpeedButton* CopyButton;
  platform::TSpeedButton* EditButton;
  platform::TRichEdit* CodeViewMemo;  // other windows replace its lines
  platform::TSaveDialog* SaveDialog;

  // The font and colour the main window gives the text.
  void SetViewerFont(const platform::TFont& font, platform::TColor color);

  void SaveButtonClick();
  void CopyButtonClick();
  void EditButtonClick();

 protected:
  void FormCreate();
  void FormClose(platform::TCloseAction& action) override;
};

TCodeViewerForm* CodeViewerForm();  // made on first use

}  // namespace modeller
