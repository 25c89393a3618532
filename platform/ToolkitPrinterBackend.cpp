#include "platform/PrinterBackend.h"

#include <QList>
#include <QPageSize>
#include <QPrinterInfo>
#include <QSizeF>
#include <QString>

#include <cmath>

namespace corvane {

namespace {

// The printers the toolkit's print system knows (CUPS on Linux).
class ToolkitPrinterBackend final : public PrinterBackend {
public:
    std::vector<std::string> PrinterNames() override
    {
        std::vector<std::string> names;
        const QString standard = QPrinterInfo::defaultPrinterName();
        if (!standard.isEmpty())
            names.push_back(standard.toStdString());
        for (const QString& name : QPrinterInfo::availablePrinterNames())
            if (name != standard)
                names.push_back(name.toStdString());
        return names;
    }

    std::optional<Size> DefaultPaper(const std::string& printerName) override
    {
        const QPrinterInfo printer = QPrinterInfo::printerInfo(QString::fromStdString(printerName));
        if (printer.isNull())
            return std::nullopt;
        const QPageSize paper = printer.defaultPageSize();
        if (!paper.isValid())
            return std::nullopt;
        const QSizeF inches = paper.size(QPageSize::Inch);
        return Size{static_cast<int>(std::lround(inches.width() * 100.0)),
            static_cast<int>(std::lround(inches.height() * 100.0))};
    }

    PrintResult Print(const PrintSettings& settings, const PageRenderer& render) override
    {
        return PrintPages(settings, render);
    }
};

}  // namespace

std::unique_ptr<PrinterBackend> MakeToolkitPrinterBackend() { return std::make_unique<ToolkitPrinterBackend>(); }

}  // namespace corvane
