#pragma once
// The printer, its print and set-up dialogs (through the modal service), and the one printer
// object of the program. Tests point the printer at a PDF file.
#include <memory>
#include <string>

class QPrinter;

namespace platform {

QPrinter& Printer();

// Runs the print dialog; true on OK.
bool ExecutePrintDialog();
// Runs the printer set-up dialog; true on OK.
bool ExecutePrinterSetupDialog();

}  // namespace platform
