#pragma once

#include "platform/PrintJob.h"
#include "platform/Window.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

// A window that shows the pages a renderer draws as they would print, on
// a grey background with a shadow under each page, with the buttons
// Print..., Next Page, Prev Page, Two Page (One Page), Zoom In, Zoom Out and
// Close. Pages are drawn at screen resolution for the zoom shown: the whole
// page (or both) fitting the window, then 100 % and 200 %.
//
// Run shows it modal over the active window; Show shows it modeless. Its
// buttons, posted kCommandMessage messages (wParam: a Command) and Execute
// all do the same; Close ends it from anywhere.
class PrintPreview : public Window {
public:
    enum class Command : std::uintptr_t {
        Print = 1,
        NextPage,
        PreviousPage,
        OneOrTwoPages,
        ZoomIn,
        ZoomOut,
        Close,
    };
    static constexpr MessageId kCommandMessage = 0x0111;

    // Decides where Print... prints, given the preview's settings: a PDF
    // path or the printer (empty path), or nothing to stay in the preview.
    using PrintChooser = std::function<std::optional<PrintSettings>(const PrintSettings& preview)>;

    // paper: the paper, orientation and document name of the pages; render:
    // draws them. Without a chooser the Print... button is disabled.
    PrintPreview(PrintSettings paper, PageRenderer render, PrintChooser choosePrint = {});
    ~PrintPreview() override;

    // Returns when the preview is closed: true when it printed.
    bool Run();
    bool Show();
    void Close();
    bool IsOpen() const;

    void Execute(Command command);
    bool CanExecute(Command command) const;

    int CurrentPage() const;  // the first page shown, from 1
    int PagesShown() const;   // 1 or 2 (1 when the document has one page)
    int ZoomLevel() const;    // 0: fit the window; 1: 100 %; 2: 200 %
    // What the last Print... gave; empty before one.
    const std::optional<PrintResult>& LastPrint() const;

    // Saves a picture of the window as it is drawn now, atomically.
    bool SaveImage(const std::filesystem::path& pngPath, std::string* error = nullptr) const;

    std::intptr_t OnMessage(Message& message) override;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
