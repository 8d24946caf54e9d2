#include "workbench/CompilerMsg_f.h"

#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace workbench {

platform::OnDemand<TCompileMsgForm> CompileMsgForm;

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

// Placed when it opens: at the right edge of the window, moved left as far as the screen needs,
// and level with the window's top, so it never covers the main strip at the top of the screen.
void TCompileMsgForm::ShowBeside(const platform::TForm& window) {
  if (!isVisible()) {
    QRect screen = window.screen()->availableGeometry();
    SetLeft(std::max(screen.left(), std::min(window.Left() + window.Width(), screen.right() + 1 - Width())));
    SetTop(std::max(screen.top(), std::min(window.Top(), screen.bottom() + 1 - Height())));
  }
  Show();
}

}  // namespace workbench
