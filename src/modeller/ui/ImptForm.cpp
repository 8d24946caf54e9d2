#include "modeller/ui/ImptForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "modeller/ui/Inspect.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"

namespace modeller {

TImportForm::TImportForm() {
  setObjectName("ImportForm");
  setWindowFlag(Qt::Dialog);
  SetCaption("Import");
  auto* layout = new QGridLayout(this);
  ImportEdit = new QLineEdit(this);
  ImportEdit->setObjectName("ImportEdit");
  ImportListBox = new platform::TListBox(this);
  ImportListBox->setObjectName("ImportListBox");
  for (const char* entry : {"java.applet.*", "java.awt.*", "java.awt.image.*", "java.awt.peer.*", "java.io.*",
                            "java.lang.*", "java.net.*", "java.util.*"})
    ImportListBox->AddItem(entry);
  platform::Connect(ImportListBox, &QListWidget::itemClicked, this, [this] { ImportListBoxClick(); });
  layout->addWidget(new QLabel("Import :", this), 0, 0);
  layout->addWidget(ImportEdit, 0, 1);
  layout->addWidget(new QLabel("List :", this), 1, 0, Qt::AlignTop);
  layout->addWidget(ImportListBox, 1, 1);

  layout->addLayout(OkCancelRow(*this, OKButton, CancelButton), 2, 0, 1, 2);
  resize(300, 280);
}

void TImportForm::ImportListBoxClick() {
  const int index = ImportListBox->currentRow();
  if (index >= 0) ImportEdit->setText(QString::fromStdString(ImportListBox->Items(index)));
}

}  // namespace modeller
