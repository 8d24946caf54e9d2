#include "workbench/CompilerMsg_f.h"

#include <QVBoxLayout>

namespace workbench {

TCompileMsgForm* CompileMsgForm = nullptr;

namespace {

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kSilver = 0xC0C0C0;

}  // namespace

TCompileMsgForm::TCompileMsgForm() {
  setObjectName("CompileMsgForm");
  SetCaption("Compiler Messages");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  RichEdit1 = new platform::TRichEdit(this);
  layout->addWidget(RichEdit1);
  RichEdit1->setReadOnly(true);
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->SetColor(kBlack);
  RichEdit1->SetFontColor(kSilver);
  RichEdit1->SetFontName("System");
  QFont font = RichEdit1->font();
  font.setBold(true);
  RichEdit1->setFont(font);
  SetWidth(435);
  SetHeight(300);
}

}  // namespace workbench
