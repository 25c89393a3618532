#include "platform/PrintDialogs.h"

#include "platform/Application.h"
#include "platform/PrinterBackend.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <vector>

namespace corvane {

namespace {

constexpr Size kLetter{850, 1100};

PrintPromptRequest MakeRequest(WindowHandle owner, const std::string& documentName)
{
    Application& app = Application::Instance();
    PrintPromptRequest request;
    request.owner = owner;
    request.printers = app.Printers().PrinterNames();
    request.setup = ResolvePrintSetup(app.Printing(), app.Printers());
    request.documentName = documentName;
    return request;
}

// Asks where a PDF file goes, proposing the one printed to last.
std::optional<std::filesystem::path> AskPdfPath(
    WindowHandle owner, const PrintSetup& setup, const std::string& documentName)
{
    FileDialogRequest request;
    request.owner = owner;
    request.open = false;
    request.title = "Print to File";
    if (setup.pdfPath.empty()) {
        request.fileName = (documentName.empty() ? std::string("Corvane") : documentName) + ".pdf";
    } else {
        request.folder = setup.pdfPath.parent_path().string();
        request.fileName = setup.pdfPath.filename().string();
    }
    request.filter = "PDF Files (*.pdf)|*.pdf||";
    request.defaultExtension = "pdf";
    request.overwritePrompt = true;
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty() || chosen->paths.front().empty())
        return std::nullopt;
    return std::filesystem::path(chosen->paths.front());
}

}  // namespace

PrintSetup ResolvePrintSetup(const PrintSetup& setup, PrinterBackend& printers)
{
    PrintSetup resolved = setup;
    const std::vector<std::string> names = printers.PrinterNames();
    if (names.empty()) {
        resolved.target = PrintTarget::PdfFile;
        resolved.printerName.clear();
    } else if (std::find(names.begin(), names.end(), resolved.printerName) == names.end()) {
        resolved.printerName = names.front();
    }
    if (resolved.paper.width <= 0 || resolved.paper.height <= 0) {
        std::optional<Size> own;
        if (!resolved.printerName.empty())
            own = printers.DefaultPaper(resolved.printerName);
        resolved.paper = own && own->width > 0 && own->height > 0 ? *own : kLetter;
    }
    return resolved;
}

Size PaperOnPage(const PrintSetup& setup)
{
    return setup.landscape ? Size{setup.paper.height, setup.paper.width} : setup.paper;
}

PrintSettings JobSettings(const PrintSetup& setup, const std::string& documentName)
{
    PrintSettings job;
    if (setup.target == PrintTarget::PdfFile)
        job.pdfPath = setup.pdfPath;
    else
        job.printerName = setup.printerName;
    job.documentName = documentName;
    job.paperWidth = setup.paper.width;
    job.paperHeight = setup.paper.height;
    job.landscape = setup.landscape;
    return job;
}

bool RunPageSetupDialog(WindowHandle owner)
{
    Application& app = Application::Instance();
    const std::optional<PrintSetup> chosen = app.Prompts().ShowPageSetupDialog(MakeRequest(owner, {}));
    if (!chosen)
        return false;
    app.Printing() = *chosen;
    return true;
}

std::optional<PrintSettings> PreparePrintJob(WindowHandle owner, const std::string& documentName, bool showPrintDialog)
{
    Application& app = Application::Instance();
    const PrintPromptRequest request = MakeRequest(owner, documentName);
    PrintSetup setup = request.setup;
    bool pdfNamed = false;
    if (showPrintDialog) {
        const std::optional<PrintSetup> chosen = app.Prompts().ShowPrintDialog(request);
        if (!chosen)
            return std::nullopt;
        setup = *chosen;
        pdfNamed = setup.target == PrintTarget::PdfFile && !setup.pdfPath.empty();
    }
    if (setup.target == PrintTarget::PdfFile && !pdfNamed) {
        const std::optional<std::filesystem::path> path = AskPdfPath(owner, setup, documentName);
        if (!path)
            return std::nullopt;
        setup.pdfPath = *path;
    }
    app.Printing() = setup;
    return JobSettings(ResolvePrintSetup(setup, app.Printers()), documentName);
}

PrintSettings PreviewSettings(const std::string& documentName)
{
    Application& app = Application::Instance();
    PrintSettings paper = JobSettings(ResolvePrintSetup(app.Printing(), app.Printers()), documentName);
    paper.pdfPath.clear();
    paper.printerName.clear();
    return paper;
}

}  // namespace corvane
