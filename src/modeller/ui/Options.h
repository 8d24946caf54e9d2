#pragma once
// TOptionsForm: the "Options" dialog, made at start-up and reused. Three pages edit the program
// settings: the Java tools, the generator flags and indentation and the code viewer's look; the
// diagram's font and size; the Java editor's look. The controls are loaded from the settings when
// the dialog opens, and the settings take them only when it closes with OK.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/FileDialogs.h"
#include "platform/FontDialogs.h"
#include "platform/Forms.h"

namespace modeller {

class TOptionsForm : public platform::TForm {
  Q_OBJECT
 public:
  TOptionsForm();

  platform::TPageControl* PageControl;
  QLineEdit* JavaCompilerPathEdit;
  QLineEdit* JavaInterpreterPathEdit;
  QPushButton* JavaCompilerPathBrowseButton;
  QPushButton* JavaInterpreterPathBrowseButton;
  QCheckBox* IncludeImplementationCheckBox;
  QCheckBox* IncludeCommentCheckBox;
  QSpinBox* IndentationSpinEdit;
  QPlainTextEdit* EnvironmentBrowserMemo;
  QPushButton* EnvironmentBrowserFontButton;
  QPushButton* EnvironmentBrowserColorButton;
  QComboBox* DiagramFontNameComboBox;
  QSpinBox* DiagramFontSizeSpinEdit;
  QCheckBox* DiagramBoldCheckBox;
  QCheckBox* DiagramItalicCheckBox;
  QSpinBox* DiagramWidthSpinEdit;
  QSpinBox* DiagramHeightSpinEdit;
  QPlainTextEdit* EditorMemo;
  QPushButton* EditorFontButton;
  QPushButton* EditorColorButton;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  platform::TOpenDialog* PathDialog;
  platform::TFontDialog* FontDialog;
  platform::TColorDialog* ColorDialog;

  // Loads the controls, runs the dialog modally and stores them on OK; returns the modal result.
  int Execute();
  void FormShow() override;
  // The settings take the controls (after OK).
  void StoreOptions();

  void JavaCompilerPathBrowseButtonClick();
  void JavaInterpreterPathBrowseButtonClick();
  void EnvironmentBrowserFontButtonClick();
  void EnvironmentBrowserColorButtonClick();
  void EditorFontButtonClick();
  void EditorColorButtonClick();

  // What the two previews show; the settings take them on OK.
  const platform::TFont& BrowserPreviewFont() const { return browserFont_; }
  platform::TColor BrowserPreviewColor() const { return browserColor_; }
  const platform::TFont& EditorPreviewFont() const { return editorFont_; }
  platform::TColor EditorPreviewColor() const { return editorColor_; }

 private:
  void BuildEnvironmentPage(QWidget* page);
  void BuildDiagramPage(QWidget* page);
  void BuildEditorPage(QWidget* page);
  void BrowseInto(QLineEdit& edit);
  void ChooseFont(platform::TFont& font);
  void ChooseColor(platform::TColor& color);
  void ShowPreviews();
  void FillFontNames();

  platform::TFont browserFont_;
  platform::TColor browserColor_ = platform::clWhite;
  platform::TFont editorFont_;
  platform::TColor editorColor_ = platform::clWhite;
};

TOptionsForm* OptionsForm();  // made on first use

}  // namespace modeller
