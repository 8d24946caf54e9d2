#include "modeller/ui/EditAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Dialogs.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace modeller {

TEditorAboutForm::TEditorAboutForm() {
  setObjectName("EditorAboutForm");
  SetCaption("About Java Editor");
  setWindowFlag(Qt::Dialog);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Java Editor", this));
  layout->addWidget(new QLabel("version 0.8", this));
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  platform::Connect(ok, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
  layout->addWidget(ok);
  setMinimumWidth(platform::TitleBarWidth(*this));  // its few lines alone left no room for its caption
}

}  // namespace modeller
