#pragma once
// TTempletForm: the "Code Templet" dialog, where the texts typed by the keys Ctrl+Shift+A to
// Ctrl+Shift+Z are edited and kept in a keyboard-map template file.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <string>

#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/OnDemand.h"
#include "platform/StringList.h"

namespace workbench {

class TTempletForm : public platform::TForm {
  Q_OBJECT
 public:
  TTempletForm();
  ~TTempletForm() override;

  QTabWidget* PageControl1;
  QComboBox* KM_Combo;
  QPlainTextEdit* KM_Memo;
  QLabel* KM_Label;
  QPushButton* KM_ReloadButton;
  QPushButton* KM_ClearButton;
  QLabel* CompoCodeLabel;
  QPushButton* CC_ReloadButton;
  QPushButton* CC_ClearButton;
  QComboBox* CompoCombo;
  QPlainTextEdit* TempletMemo;
  QComboBox* ComboBox1;
  QPlainTextEdit* Memo1;
  QPushButton* TempletOK;
  QPushButton* TempletCancel;
  QPushButton* TempletHelp;
  platform::TOpenDialog* OpenDialog1;
  platform::TSaveDialog* SaveDialog1;

  std::string GetKeyTemplate(const platform::TStringList& lines, int key) const;
  void SaveKeyTemplates(const std::string& fileName, const platform::TStringList& texts) const;
  void ClearKeyTemplates(platform::TStringList& texts) const;
  const platform::TStringList& KeyTemplates() const { return FKeyTemplates; }

  // Handlers. FormShow runs whenever the dialog is shown; it is public so that a scripted showing
  // can run it as the live one does.
  void FormShow() override;
  void KM_ComboClick();
  void KM_MemoExit();
  void KM_ReloadButtonClick();
  void KM_ClearButtonClick();
  void TempletOKClick();

 private:
  QWidget* BuildKeyboardMapPage();
  QWidget* BuildSaveOptionPage();
  QWidget* BuildComponentsPage();
  QWidget* BuildCodeInsightPage();
  void ApplyTemplates();
  platform::TStringList FKeyTemplates;
  int FMemoKey = 0;  // the key whose text the memo holds
  QObject* FMemoExit = nullptr;  // runs KM_MemoExit when the memo loses the focus
};

extern platform::OnDemand<TTempletForm> TempletForm;

}  // namespace workbench
