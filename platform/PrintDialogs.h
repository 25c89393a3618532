#pragma once

#include "platform/Message.h"
#include "platform/PrintJob.h"
#include "platform/PrintSetup.h"

#include <optional>
#include <string>

namespace corvane {

class PrinterBackend;

// The page set-up as printing uses it: a printer target without any
// configured printer becomes a PDF file, an unknown or unnamed printer the
// default one, and an empty paper the printer's own (the default printer's
// for a PDF file), else Letter.
PrintSetup ResolvePrintSetup(const PrintSetup& setup, PrinterBackend& printers);

// The paper as printed: the set-up's paper, turned when landscape.
Size PaperOnPage(const PrintSetup& setup);

// A job of a resolved set-up: its printer, or its PDF file, paper and orientation.
PrintSettings JobSettings(const PrintSetup& setup, const std::string& documentName);

// "Print Setup...": the page set-up dialog through the application's prompt
// sink; OK makes the choice the application's set-up. True on OK.
bool RunPageSetupDialog(WindowHandle owner);

// Before a job prints: the print dialog (unless showPrintDialog is false)
// and, for a PDF file the dialog did not name, the file dialog. The choice
// becomes the application's set-up. nullopt, with nothing printed, when the
// user cancels either.
std::optional<PrintSettings> PreparePrintJob(WindowHandle owner, const std::string& documentName, bool showPrintDialog);

// The pages of print preview: the application's set-up, without a target.
PrintSettings PreviewSettings(const std::string& documentName);

}  // namespace corvane
