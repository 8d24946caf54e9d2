#pragma once
// TEnvForm: the environment-options dialog. Five pages loaded from the editor's settings and the
// main window when shown, checked on OK and written back only when it closes with OK. The compiler
// option string, the Javah choice and the user tool's fields it writes are the tool runs' choices.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/FileCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/OnDemand.h"

namespace workbench {

class TEnvForm : public platform::TForm {
  Q_OBJECT
 public:
  TEnvForm();

  std::string GetCompileOptions() const;
  // Checks the option boxes found in `options` and keeps it as the option string until the next OK.
  void SetCompileOptions(const std::string& options);
  void BuildCompileOptions();
  void LoadControls();

  void EnvOKBtnClick();
  void CancelClick();
  void BButtonClick();
  void resetButtonClick();
  void addButtonClick();
  void removeButtonClick();
  void filterComboBoxChange();
  void fontsizeSpinEditChange();
  void fontnameComboBoxChange();
  void ColorGrid1Change();

  QPushButton* EnvOKBtn;
  QPushButton* Cancel;
  QPushButton* HelpBtn;
  platform::TPageControl* EnvPage;
  // Preferences
  QRadioButton* DesktopRadio;
  QRadioButton* FilesOnlyRadio;
  QLineEdit* DescriptEdit;
  QLineEdit* extEdit;
  platform::TFilterComboBox* FilterComboBox;
  QPushButton* resetButton;
  QPushButton* addButton;
  QPushButton* removeButton;
  QLineEdit* tabsizeEdit;
  QLineEdit* gridsizeEdit;
  QLineEdit* workdirEdit;
  QPushButton* BButton;
  // Compile
  QCheckBox* coMakeDebuggingTable;
  QCheckBox* coOptimizedCode;
  QCheckBox* coTurnOffWarning;
  QCheckBox* coTurnOnVerboseMode;
  QCheckBox* coDeprecated;
  QCheckBox* coNoWriting;
  QCheckBox* coMakeExeFile;
  QLineEdit* CompNameEdit;
  QComboBox* classpathCombo;
  QRadioButton* JavahHeader;
  QRadioButton* JavahStub;
  // Editor
  QCheckBox* UseSmartTabCB;
  QComboBox* fontnameComboBox;
  QSpinBox* fontsizeSpinEdit;
  QLabel* samplefontPanel;
  // Color
  QListWidget* ColoringList;
  platform::TColorGrid* ColorGrid1;
  QPlainTextEdit* exMemo;
  QCheckBox* UseDefaultColorCB;
  // Etc.
  QLineEdit* DefAppletWidthEdit;
  QLineEdit* DefAppletHeightEdit;
  QRadioButton* ConsoleCloseRadio;
  QRadioButton* ConsolenotCloseRadio;
  QLineEdit* AppNameEdit;
  QLineEdit* EnvVarEdit;
  QLineEdit* OptionEdit;
  QLineEdit* ArgEdit;

 protected:
  void FormShow() override;
  void FormCloseQuery(bool& canClose) override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  // The refused inputs, in the order of the checks.
  enum TOptionCheck { ocFileType, ocTabSize, ocGridSize, ocAppletHeight, ocAppletWidth, ocCount };

  void BuildPreferencesPage(QWidget* page);
  void BuildCompilePage(QWidget* page);
  void BuildEditorPage(QWidget* page);
  void BuildColorPage(QWidget* page);
  void BuildEtcPage(QWidget* page);
  void EnvOKBtnPressed();
  void Check(TOptionCheck check, bool passes, const std::string& message);
  void ClearOptionErrors() { FOptionError.fill(false); }
  void ApplySampleFont();
  void ApplySampleColors();
  bool Edited(const QLineEdit* edit) const;
  void ApplySettings();
  void LoadAcceptedChoices();
  void AcceptChoices();
  void LoadColorChoices();
  void TakeGridChoices();

  std::array<bool, ocCount> FOptionError{};
  std::string sampleFontName_;
  int sampleFontSize_ = 10;
  bool okPressed_ = false;
  // The texts LoadControls put in the edits whose values are written only when edited.
  std::string loadedTabSize_, loadedGridSize_, loadedCompilerName_, loadedAppletHeight_, loadedAppletWidth_;
  // The colours chosen, and the grid cells last shown, so that only a pick in the grid changes them.
  unsigned textChoice_ = 0;
  unsigned backgroundChoice_ = 0;
  int gridForeground_ = 0;
  int gridBackground_ = 0;
};

extern platform::OnDemand<TEnvForm> EnvForm;

}  // namespace workbench
