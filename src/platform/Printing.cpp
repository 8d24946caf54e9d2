#include "platform/Printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/ModalService.h"

namespace platform {

QPrinter& Printer() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

bool ExecutePrintDialog() {
  if (auto answer = ModalService::Instance().Take({"PrintDialog", "Print", {}, {}, {}}))
    return answer->result == mrOk;
  QPrintDialog dialog(&Printer());
  return dialog.exec() == QDialog::Accepted;
}

bool ExecutePrinterSetupDialog() {
  if (auto answer = ModalService::Instance().Take({"PrinterSetupDialog", "Print Setup", {}, {}, {}}))
    return answer->result == mrOk;
  QPageSetupDialog dialog(&Printer());
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace platform
