#include "platform/PrintJob.h"

#include "base/AtomicFile.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/PaintDeviceContext.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

namespace {

// Letter, in hundredths of an inch.
constexpr int kLetterWidth = 850;
constexpr int kLetterHeight = 1100;
constexpr int kDefaultResolution = 600;
constexpr int kLowestResolution = 36;
constexpr int kHighestResolution = 4800;
// A renderer that never says "last page" must not print for ever.
constexpr int kMostPages = 10000;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::optional<QPrinterInfo> ConfiguredPrinter()
{
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull())
        return printer;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (!printers.isEmpty())
        return printers.front();
    return std::nullopt;
}

// The printer a job names, or the default one when it names none.
std::optional<QPrinterInfo> PrinterOf(const PrintSettings& settings)
{
    if (settings.printerName.empty())
        return ConfiguredPrinter();
    const QPrinterInfo named = QPrinterInfo::printerInfo(ToQString(settings.printerName));
    if (named.isNull())
        return std::nullopt;
    return named;
}

// The paper of the settings; the printer's own when they give none, or
// Letter when there is no printer either.
bool HasOwnPaper(const PrintSettings& settings) { return settings.paperWidth > 0 && settings.paperHeight > 0; }

QPageSize PaperOf(const PrintSettings& settings, const std::optional<QPrinterInfo>& printer)
{
    // A paper within a few points of a standard one is that paper, so that
    // printers get it by its name.
    if (HasOwnPaper(settings))
        return QPageSize(QSizeF(settings.paperWidth / 100.0, settings.paperHeight / 100.0), QPageSize::Inch, QString(),
            QPageSize::FuzzyMatch);
    if (printer) {
        const QPageSize own = printer->defaultPageSize();
        if (own.isValid())
            return own;
    }
    return QPageSize(
        QSizeF(kLetterWidth / 100.0, kLetterHeight / 100.0), QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

// The same, asking for the printer only when the settings give no paper.
QPageSize PaperOf(const PrintSettings& settings)
{
    return PaperOf(settings, HasOwnPaper(settings) ? std::nullopt : PrinterOf(settings));
}

QPageLayout::Orientation OrientationOf(const PrintSettings& settings)
{
    return settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// Draws the pages one after the other on the device; newPage starts the
// next one. When a page fails, abandon drops the job while it is still
// unfinished. Each page starts from the context's state as it was before
// the first page.
template <class NewPage, class Abandon>
PrintResult RenderPages(QPaintDevice& device, NewPage newPage, Abandon abandon, const PageRenderer& render)
{
    PrintResult result;
    internal::PaintDeviceContext context(device, nullptr, true);
    for (int page = 1;; ++page) {
        bool more = false;
        const int saved = context.Save();
        try {
            more = render(context, page);
        } catch (const std::exception& e) {
            result.error = "Page " + std::to_string(page) + " could not be drawn: " + e.what();
        } catch (...) {
            result.error = "Page " + std::to_string(page) + " could not be drawn.";
        }
        context.Restore(saved);
        if (result.error.empty() && more && page >= kMostPages)
            result.error = "Printing stopped: the document has more than " + std::to_string(kMostPages) + " pages.";
        if (result.error.empty() && more && !newPage())
            result.error = "Page " + std::to_string(page + 1) + " could not be started.";
        if (!result.error.empty()) {
            abandon();
            return result;
        }
        result.pages = page;
        if (!more)
            break;
    }
    result.ok = true;
    return result;
}

PrintResult PrintToPdf(const PrintSettings& settings, const PageRenderer& render)
{
    QByteArray bytes;
    PrintResult result;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Corvane"));
        writer.setTitle(ToQString(settings.documentName));
        const int resolution = settings.resolution > 0
            ? std::clamp(settings.resolution, kLowestResolution, kHighestResolution)
            : kDefaultResolution;
        writer.setResolution(resolution);
        writer.setPageLayout(QPageLayout(PaperOf(settings), OrientationOf(settings), QMarginsF(0, 0, 0, 0)));
        // A failed PDF is dropped with its buffer; nothing has reached the disk.
        result = RenderPages(
            writer, [&writer] { return writer.newPage(); }, [] {}, render);
        // The document is complete once the context (and its painter) has gone.
    }
    if (!result.ok)
        return result;
    const std::string_view data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const FileError error = WriteFileAtomically(settings.pdfPath, data)) {
        result.ok = false;
        result.error = error.message;
    }
    return result;
}

PrintResult PrintToPrinter(const PrintSettings& settings, const PageRenderer& render)
{
    const std::optional<QPrinterInfo> info = PrinterOf(settings);
    if (!info) {
        PrintResult result;
        result.error = settings.printerName.empty() ? std::string("No printer is configured.")
                                                    : "The printer " + settings.printerName + " is not available.";
        return result;
    }
    QPrinter printer(*info, QPrinter::HighResolution);
    printer.setDocName(ToQString(settings.documentName));
    printer.setCreator(QStringLiteral("Corvane"));
    printer.setPageSize(PaperOf(settings, info));
    printer.setPageOrientation(OrientationOf(settings));
    if (!printer.isValid()) {
        PrintResult result;
        result.error = "The printer " + info->printerName().toStdString() + " cannot be used.";
        return result;
    }
    PrintResult result = RenderPages(
        printer, [&printer] { return printer.newPage(); }, [&printer] { printer.abort(); }, render);
    if (result.ok && printer.printerState() == QPrinter::Error) {
        result.ok = false;
        result.error = "The printer " + info->printerName().toStdString() + " reported an error.";
    }
    return result;
}

}  // namespace

PrintResult PrintPages(const PrintSettings& settings, const PageRenderer& render)
{
    if (!render) {
        PrintResult result;
        result.error = "There is nothing to print.";
        return result;
    }
    try {
        return settings.pdfPath.empty() ? PrintToPrinter(settings, render) : PrintToPdf(settings, render);
    } catch (const std::exception& e) {
        PrintResult result;
        result.error = std::string("Printing failed: ") + e.what();
        return result;
    }
}

PrintResult DrawPagesOnBitmaps(
    const PrintSettings& settings, int dotsPerInch, const PageRenderer& render, std::vector<Bitmap>& pages)
{
    PrintResult result;
    if (!render) {
        result.error = "There is nothing to print.";
        return result;
    }
    const int resolution = std::clamp(dotsPerInch, kLowestResolution, kHighestResolution);
    Size paper;
    try {
        paper = PrintedPaperSize(settings);
    } catch (const std::exception& e) {
        result.error = std::string("Printing failed: ") + e.what();
        return result;
    }
    const int width = std::max(1, static_cast<int>(std::lround(paper.width * resolution / 100.0)));
    const int height = std::max(1, static_cast<int>(std::lround(paper.height * resolution / 100.0)));
    const int dotsPerMeter = static_cast<int>(std::lround(resolution / 0.0254));
    for (int page = 1;; ++page) {
        Bitmap sheet(width, height);
        QImage& image = sheet.Data().image;
        image.fill(Qt::white);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        bool more = false;
        {
            internal::PaintDeviceContext context(image, nullptr, true);
            try {
                more = render(context, page);
            } catch (const std::exception& e) {
                result.error = "Page " + std::to_string(page) + " could not be drawn: " + e.what();
            } catch (...) {
                result.error = "Page " + std::to_string(page) + " could not be drawn.";
            }
        }
        if (!result.error.empty())
            return result;
        pages.push_back(std::move(sheet));
        result.pages = page;
        if (!more)
            break;
        if (page >= kMostPages) {
            result.error = "Printing stopped: the document has more than " + std::to_string(kMostPages) + " pages.";
            return result;
        }
    }
    result.ok = true;
    return result;
}

bool HasPrinter() { return ConfiguredPrinter().has_value(); }

Size PrintedPaperSize(const PrintSettings& settings)
{
    const QSizeF inches = PaperOf(settings).size(QPageSize::Inch);
    const Size paper{
        static_cast<int>(std::lround(inches.width() * 100.0)), static_cast<int>(std::lround(inches.height() * 100.0))};
    return settings.landscape ? Size{paper.height, paper.width} : paper;
}

}  // namespace corvane
