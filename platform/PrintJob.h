#pragma once

#include "platform/DeviceContext.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

// Where printed pages go and on what paper.
struct PrintSettings {
    // A PDF file; when empty, the printer.
    std::filesystem::path pdfPath;
    // The printer; empty: the default printer (see HasPrinter).
    std::string printerName;
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

// Draws the pages as PrintPages would, each on a white bitmap of the
// settings' paper (turned when landscape) at dotsPerInch, for a preview of
// its own or a stand-in printer. Never throws; pages drawn before a failure
// stay in pages.
PrintResult DrawPagesOnBitmaps(
    const PrintSettings& settings, int dotsPerInch, const PageRenderer& render, std::vector<Bitmap>& pages);

// True when a printer is configured on this machine.
bool HasPrinter();

// The paper the settings print on, in hundredths of an inch, turned when
// landscape (the printer's or Letter when the settings give none).
Size PrintedPaperSize(const PrintSettings& settings);

}  // namespace corvane
