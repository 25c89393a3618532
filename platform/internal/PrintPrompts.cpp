#include "platform/internal/PrintPrompts.h"

#include "platform/PaperSizes.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSizeF>
#include <QString>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>

namespace corvane::internal {

namespace {

constexpr const char* kPdfFileItem = "PDF file";

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QPageSize PageSizeOf(Size paper)
{
    return QPageSize(
        QSizeF(paper.width / 100.0, paper.height / 100.0), QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
}

Size PaperOf(const QPageSize& size)
{
    const QSizeF inches = size.size(QPageSize::Inch);
    return {
        static_cast<int>(std::lround(inches.width() * 100.0)), static_cast<int>(std::lround(inches.height() * 100.0))};
}

// "Print Setup": the printer (or a PDF file), the paper and the orientation.
class PageSetupDialog final : public QDialog {
public:
    PageSetupDialog(const PrintPromptRequest& request, QWidget* over) : QDialog(over), setup_(request.setup)
    {
        setWindowTitle(QStringLiteral("Print Setup"));
        auto* column = new QVBoxLayout(this);

        auto* printerBox = new QGroupBox(QStringLiteral("Printer"));
        auto* printerForm = new QFormLayout(printerBox);
        printer_ = new QComboBox;
        printer_->setObjectName(QStringLiteral("printer"));
        for (const std::string& name : request.printers)
            printer_->addItem(ToQt(name), ToQt(name));
        printer_->addItem(QString::fromLatin1(kPdfFileItem), QString());
        const int current = setup_.target == PrintTarget::PdfFile ? printer_->count() - 1
                                                                  : printer_->findData(ToQt(setup_.printerName));
        printer_->setCurrentIndex(current >= 0 ? current : 0);
        printerForm->addRow(QStringLiteral("&Name:"), printer_);
        column->addWidget(printerBox);

        auto* lower = new QGridLayout;
        auto* paperBox = new QGroupBox(QStringLiteral("Paper"));
        auto* paperForm = new QFormLayout(paperBox);
        paper_ = new QComboBox;
        paper_->setObjectName(QStringLiteral("paper"));
        bool standard = false;
        for (const NamedPaper& each : StandardPapers()) {
            paper_->addItem(QString::fromUtf8(each.name.data(), static_cast<qsizetype>(each.name.size())),
                QSize(each.size.width, each.size.height));
            standard = standard || PaperName(setup_.paper) == std::string(each.name);
        }
        if (!standard)
            paper_->addItem(ToQt(PaperName(setup_.paper)), QSize(setup_.paper.width, setup_.paper.height));
        paper_->setCurrentIndex(std::max(0, paper_->findText(ToQt(PaperName(setup_.paper)))));
        paperForm->addRow(QStringLiteral("Si&ze:"), paper_);
        lower->addWidget(paperBox, 0, 0);

        auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"));
        auto* orientationColumn = new QVBoxLayout(orientationBox);
        portrait_ = new QRadioButton(QStringLiteral("P&ortrait"));
        landscape_ = new QRadioButton(QStringLiteral("L&andscape"));
        portrait_->setObjectName(QStringLiteral("portrait"));
        landscape_->setObjectName(QStringLiteral("landscape"));
        (setup_.landscape ? landscape_ : portrait_)->setChecked(true);
        orientationColumn->addWidget(portrait_);
        orientationColumn->addWidget(landscape_);
        lower->addWidget(orientationBox, 0, 1);
        column->addLayout(lower);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        column->addWidget(buttons);
    }

    PrintSetup Result() const
    {
        PrintSetup chosen = setup_;
        const QString printer = printer_->currentData().toString();
        if (printer.isEmpty()) {
            chosen.target = PrintTarget::PdfFile;
        } else {
            chosen.target = PrintTarget::Printer;
            chosen.printerName = printer.toStdString();
        }
        const QSize paper = paper_->currentData().toSize();
        chosen.paper = {paper.width(), paper.height()};
        chosen.landscape = landscape_->isChecked();
        return chosen;
    }

private:
    PrintSetup setup_;
    QComboBox* printer_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
};

}  // namespace

std::optional<PrintSetup> RunPageSetupPrompt(QWidget* over, const PrintPromptRequest& request)
{
    PageSetupDialog dialog(request, over);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}

std::optional<PrintSetup> RunPrintPrompt(QWidget* over, const PrintPromptRequest& request)
{
    const PrintSetup& setup = request.setup;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQt(request.documentName));
    if (setup.target == PrintTarget::PdfFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string proposed
            = (request.documentName.empty() ? std::string("Corvane") : request.documentName) + ".pdf";
        printer.setOutputFileName(
            setup.pdfPath.empty() ? QDir::home().filePath(ToQt(proposed)) : ToQt(setup.pdfPath.string()));
    } else {
        printer.setPrinterName(ToQt(setup.printerName));
    }
    printer.setPageSize(PageSizeOf(setup.paper));
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPrintDialog dialog(&printer, over);
    // One picture of the window: no selection and no page numbers.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    PrintSetup chosen = setup;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        chosen.target = PrintTarget::PdfFile;
        chosen.pdfPath = printer.outputFileName().toStdString();
    } else {
        chosen.target = PrintTarget::Printer;
        chosen.printerName = printer.printerName().toStdString();
    }
    const QPageLayout layout = printer.pageLayout();
    chosen.paper = PaperOf(layout.pageSize());
    chosen.landscape = layout.orientation() == QPageLayout::Landscape;
    return chosen;
}

}  // namespace corvane::internal
