#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Message.h"
#include "platform/PrintSetup.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Message boxes, common dialogs and context help all go through a prompt
// sink: the program's sink shows real windows; tests install one that
// records each request and answers it.

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageBoxIcon { None, Information, Warning, Error, Question };

struct MessageBoxRequest {
    WindowHandle owner;
    std::string text;     // UTF-8
    std::string caption;  // empty: the program's name
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
    bool beep = false;
    int defaultButton = 0;  // end code of the default button; 0: the first button
};

struct FileDialogRequest {
    WindowHandle owner;
    bool open = true;              // false: a save dialog
    std::string title;             // empty: "Open" or "Save As"
    std::string folder;            // where it starts
    std::string fileName;          // proposed name
    std::string filter;            // "Description|*.ext;*.ex2|Other|*.*||"
    int filterIndex = 1;           // 1-based, as in the filter string
    std::string defaultExtension;  // without the dot; added when the name has none
    bool overwritePrompt = false;  // save: ask before replacing a file
    bool fileMustExist = false;    // open: refuse names of missing files
    bool multiSelect = false;      // open: several files
    // Option controls shown below the file list (check boxes, radio buttons,
    // static texts), with their initial check states by id; the states after
    // the dialog closes come back in the result.
    std::vector<ControlTemplate> extraControls;
    std::map<int, int> extraChecks;
    std::map<int, bool> extraVisible;  // ids listed with false are hidden
    std::string acceptLabel;           // the confirming button's text; empty: "Open" or "Save"
};

struct FileDialogResult {
    std::vector<std::string> paths;  // one, or several with multiSelect
    int filterIndex = 1;             // the filter selected at the end; 0 when there was no filter
    std::map<int, int> extraChecks;
};

struct FontChoice {
    std::string family;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
};

// The page set-up and print dialogs: they start from a set-up whose
// printer and paper are filled in, and offer the configured printers (the
// default first) and a PDF file.
struct PrintPromptRequest {
    WindowHandle owner;
    PrintSetup setup;
    std::vector<std::string> printers;
    std::string documentName;  // the print dialog's job
};

class PromptSink {
public:
    virtual ~PromptSink() = default;
    // Returns the end code of the button pressed (kIdOk, kIdCancel, kIdYes, kIdNo, kIdRetry).
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // nullopt when cancelled.
    virtual std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) = 0;
    // Colours are 0x00BBGGRR, as stored by the system.
    virtual std::optional<std::uint32_t> ChooseColour(WindowHandle owner, std::uint32_t initial) = 0;
    virtual std::optional<FontChoice> ChooseFont(WindowHandle owner, const FontChoice& initial) = 0;
    virtual std::optional<std::string> ChooseFolder(
        WindowHandle owner, const std::string& title, const std::string& initial)
        = 0;
    // "Print Setup": printer or PDF file, paper and orientation; nullopt when cancelled.
    virtual std::optional<PrintSetup> ShowPageSetupDialog(const PrintPromptRequest& request) = 0;
    // The print dialog before a job: the same choices, for this job. A PDF
    // file may come back without a path; the caller then asks for one.
    // nullopt when cancelled.
    virtual std::optional<PrintSetup> ShowPrintDialog(const PrintPromptRequest& request) = 0;
    // Context help for a help id; never fails.
    virtual void ShowHelp(WindowHandle owner, std::uint32_t helpId) = 0;
};

// The program's own sink: real message boxes and dialogs of the toolkit.
std::unique_ptr<PromptSink> MakeToolkitPromptSink();

}  // namespace corvane
