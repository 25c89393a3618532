#pragma once

#include "platform/DeviceContext.h"

#include <filesystem>
#include <functional>
#include <string>

namespace corvane {

// Where printed pages go and on what paper.
struct PrintSettings {
    // A PDF file; when empty, the configured printer (see HasPrinter).
    std::filesystem::path pdfPath;
    std::string documentName = "Corvane";
    // Paper in hundredths of an inch; 0 takes the printer's paper, or Letter
    // (850 by 1100) when there is no printer.
    int paperWidth = 0;
    int paperHeight = 0;
    bool landscape = false;
    int resolution = 600;  // dots per inch of a PDF
};

struct PrintResult {
    bool ok = false;
    int pages = 0;
    std::string error;  // why it failed, for the user
};

// Renders a page: draws it on the page's context (device pixels are the
// page's dots; PixelsPerInch gives the resolution, SurfaceSize the page),
// and returns whether another page follows.
using PageRenderer = std::function<bool(DeviceContext& page, int pageNumber)>;

// Prints pages to a PDF or a printer. Never throws; a file that cannot be
// written fails with a message and leaves no partial file behind.
PrintResult PrintPages(const PrintSettings& settings, const PageRenderer& render);

// True when a printer is configured on this machine.
bool HasPrinter();

// The paper the settings print on, in hundredths of an inch, turned when
// landscape (the printer's or Letter when the settings give none).
Size PrintedPaperSize(const PrintSettings& settings);

}  // namespace corvane
