#pragma once

#include "platform/Geometry.h"

#include <filesystem>
#include <string>

namespace corvane {

enum class PrintTarget { Printer, PdfFile };

// The program's page set-up: where printing goes (a configured printer or
// a PDF file), on what paper and which way round. The application keeps
// one; "Print Setup..." and the print dialog change it, and printing,
// print preview and the documents' page sizes read it.
struct PrintSetup {
    PrintTarget target = PrintTarget::Printer;
    // The printer; empty: the default printer.
    std::string printerName;
    // The PDF file printed to last; empty when none has been named.
    std::filesystem::path pdfPath;
    // The paper upright, in hundredths of an inch; empty: the printer's
    // own paper, or Letter.
    Size paper;
    bool landscape = false;

    friend bool operator==(const PrintSetup&, const PrintSetup&) = default;
};

}  // namespace corvane
