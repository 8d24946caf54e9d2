#include "designer/ItemsEditor_f.h"

#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/StdCtrls.h"

namespace designer {

platform::OnDemand<TItemsEditorForm> ItemsEditorForm;

TItemsEditorForm::TItemsEditorForm() {
  SetCaption("Item Editor");
  // A tool window with only the system menu, of a fixed client size.
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  Position = platform::poScreenCenter;
  setFixedSize(382, 293);
  Panel1 = new platform::TPanel(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(3, 3, 376, 249);
  // A raised inner and a lowered outer bevel: a sunken box.
  Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Label1 = new platform::TLabel(Panel1);
  Label1->setObjectName("Label1");
  // Wide enough for any count: shown first with "1 Line", a label would keep that width.
  Label1->setGeometry(9, 8, 200, 17);
  Label1->setText("1 Line");
  Memo1 = new platform::TMemo(Panel1);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(8, 28, 361, 213);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  platform::Connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { Memo1Change(); });
  auto makeButton = [this](const char* name, const char* caption, int left) {
    auto* button = new platform::TButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setGeometry(left, 261, 75, 25);
    return button;
  };
  Button1 = makeButton("Button1", "&OK", 49);
  Button2 = makeButton("Button2", "&Cancel", 153);
  Button3 = makeButton("Button3", "&Help", 257);
  platform::SetCancel(Button2);
  platform::Connect(Button1, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  platform::Connect(Button2, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrCancel); });
}

int TItemsEditorForm::LineCount(const std::string& text) {
  if (text.empty()) return 0;
  int count = 1;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\n') ++count;
  return count;
}

void TItemsEditorForm::Memo1Change() {
  int count = LineCount(Memo1->toPlainText().toStdString());
  Label1->setText(QString::number(count) + (count > 1 ? " Lines" : " Line"));
}

void TItemsEditorForm::FormShow() {
  Memo1Change();
  Memo1->setFocus();
}

}  // namespace designer
