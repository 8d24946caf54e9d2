#include "platform/Printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/ModalService.h"
#include "platform/WindowFocus.h"

namespace platform {

QPrinter& Printer() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

bool ExecutePrintDialog() {
  if (auto answer = ModalService::Instance().Take({"PrintDialog", "Print", {}, {}, {}}))
    return answer->result == mrOk;
  QPrintDialog dialog(&Printer());
  return ExecAboveOwner(dialog) == QDialog::Accepted;
}

bool ExecutePrinterSetupDialog() {
  if (auto answer = ModalService::Instance().Take({"PrinterSetupDialog", "Print Setup", {}, {}, {}}))
    return answer->result == mrOk;
  QPageSetupDialog dialog(&Printer());
  return ExecAboveOwner(dialog) == QDialog::Accepted;
}

}  // namespace platform
