#pragma once

#include "platform/Geometry.h"
#include "platform/PrintJob.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What printing needs of the machine: the printers configured on it and
// a way to hand them (or a PDF file) the pages of a job. The program's
// backend talks to the toolkit's print system; tests install one that
// records the jobs.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;

    // The configured printers, the default one first; empty when there are none.
    virtual std::vector<std::string> PrinterNames() = 0;
    // A printer's own paper, upright, in hundredths of an inch; nullopt
    // when the printer is unknown or does not say.
    virtual std::optional<Size> DefaultPaper(const std::string& printerName) = 0;
    // Prints the pages to the job's printer (settings.printerName, empty
    // for the default) or PDF file (settings.pdfPath). Never throws.
    virtual PrintResult Print(const PrintSettings& settings, const PageRenderer& render) = 0;
};

// The program's own backend: the toolkit's printers and PDF writer.
std::unique_ptr<PrinterBackend> MakeToolkitPrinterBackend();

}  // namespace corvane
