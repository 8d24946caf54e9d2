#include "modeller/ui/Translators.h"

#include <QHBoxLayout>

#include "modeller/codegen/CppGen.h"
#include "modeller/codegen/DelphGen.h"
#include "modeller/codegen/EfflGen.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/codegen/ObernGen.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/ToolPlace.h"

namespace modeller {

TTranslatorsForm::TTranslatorsForm() {
  setObjectName("TranslatorsForm");
  SetCaption("Translators");
  setWindowFlags(Qt::Tool);
  FormStyle = platform::fsStayOnTop;
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  JavaButton = AddButton("JavaButton", "Java", &TTranslatorsForm::JavaButtonClick);
  CppButton = AddButton("CppButton", "C++", &TTranslatorsForm::CppButtonClick);
  DelphiButton = AddButton("DelphiButton", "Delphi Object Pascal", &TTranslatorsForm::DelphiButtonClick);
  OberonButton = AddButton("OberonButton", "Oberon-2", &TTranslatorsForm::OberonButtonClick);
  EiffelButton = AddButton("EiffelButton", "Eiffel", &TTranslatorsForm::EiffelButtonClick);
  adjustSize();
  FormCreate();
}

platform::TSpeedButton* TTranslatorsForm::AddButton(const char* name, const char* caption,
                                                   void (TTranslatorsForm::*click)()) {
  auto* button = new platform::TSpeedButton(this, name, caption);
  button->setText(caption);
  button->setMinimumWidth(0);
  button->setMaximumWidth(QWIDGETSIZE_MAX);
  button->setFixedHeight(24);
  button->OnClick = [this, click] { (this->*click)(); };
  layout()->addWidget(button);
  return button;
}

void TTranslatorsForm::FormCreate() { ReadToolPlace(*this, kTranslatorsPlace); }

void TTranslatorsForm::FormClose(platform::TCloseAction& action) {
  (void)action;
  WriteToolPlace(*this, kTranslatorsPlace);
}

void TTranslatorsForm::Translate(const std::function<void(platform::TStringList&)>& generate) {
  GenerateWarnings.Clear();
  platform::TStringList lines;
  generate(lines);
  GenerateLogForm()->Execute();
  CodeViewerForm()->Show();
  CodeViewerForm()->CodeViewMemo->Lines().Assign(lines);
}

void TTranslatorsForm::JavaButtonClick() { Translate(GeneratePackageSource); }
void TTranslatorsForm::CppButtonClick() { Translate(GenerateCppPrototypes); }
void TTranslatorsForm::DelphiButtonClick() { Translate(GenerateDelphiPrototypes); }
void TTranslatorsForm::OberonButtonClick() { Translate(GenerateOberonPrototypes); }
void TTranslatorsForm::EiffelButtonClick() { Translate(GenerateEiffelPrototypes); }

}  // namespace modeller
