#include "logger/CDiagnosticLogViewer.h"

#include "base/Cp1252.h"
#include "data/DiagnosticFileReader.h"
#include "platform/Application.h"
#include "platform/ListViewControl.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/DiagnosticLogDialogs.h"
#include "res/DiagnosticLogIds.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace corvane {

namespace {

constexpr int kEventTimeWidth = 150;
constexpr int kDescriptionWidth = 380;
constexpr int kProgressStep = 1024;

// The progress bar's range is an int: a file size is held to it.
int ProgressUnits(std::uint64_t bytes)
{
    return static_cast<int>(std::min<std::uint64_t>(bytes, std::numeric_limits<int>::max()));
}

}  // namespace

CDiagnosticLogViewer::CDiagnosticLogViewer(Window* parent) : Dialog(res::kDiagnosticLogViewerDialog, parent)
{
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpTopic); });
}

bool CDiagnosticLogViewer::OnInitDialog()
{
    Dialog::OnInitDialog();
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcDiagnosticEventList)) {
        list->InsertColumn(0, "Event Time", kEventTimeWidth);
        list->InsertColumn(1, "Description", kDescriptionWidth);
    }
    Application::Instance().PostMessage(Handle(), DisplayMode ? kDisplayMessage : kConvertMessage);
    return true;
}

std::intptr_t CDiagnosticLogViewer::OnMessage(Message& message)
{
    if (message.id == kConvertMessage || message.id == kDisplayMessage) {
        Control* list = GetControl(res::kIdcDiagnosticEventList);
        if (list != nullptr)
            list->Show(false);
        if (message.id == kConvertMessage)
            ConvertRawLog();
        else
            LoadSavedFile();
        if (list != nullptr)
            list->Show(true);
        finished_ = true;
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CDiagnosticLogViewer::AddRow(std::string_view timeText, std::string_view description)
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcDiagnosticEventList);
    if (list == nullptr)
        return;
    const int row = list->InsertItem(list->GetItemCount(), Cp1252ToUtf8(timeText));
    list->SetItemText(row, 1, Cp1252ToUtf8(description));
}

void CDiagnosticLogViewer::FileProblem(std::string_view text)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = "File open problem";
    request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CDiagnosticLogViewer::ConvertRawLog()
{
    const std::string raw = FilePath.string();
    // The saved file's name is the raw file's without its last character (the "~").
    const std::filesystem::path saved = raw.empty() ? std::filesystem::path() : std::filesystem::path(raw.substr(0, raw.size() - 1));
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(FilePath, sizeError);
    auto* progress = GetControlAs<ProgressControl>(res::kIdcDiagnosticViewerProgress);
    if (progress != nullptr && !sizeError) {
        progress->SetRange(0, ProgressUnits(size));
        progress->SetStep(kProgressStep);
        progress->SetPos(0);
        progress->Show(true);
    }
    bool errorShown = false;
    DiagnosticConvertEvents events;
    events.row = [this](std::string_view timeText, std::string_view text) { AddRow(timeText, text); };
    events.block = [progress](std::uint64_t) {
        if (progress != nullptr)
            progress->StepIt();
    };
    // A damaged block is reported once per conversion; the blocks after it
    // are still converted.
    events.negativeTime = [this, &errorShown] {
        if (errorShown)
            return;
        errorShown = true;
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = "Error";
        (void)Application::Instance().Prompts().ShowMessageBox(request);
    };
    conversion_ = ConvertDiagnosticLogFile(FilePath, saved, events);
    if (progress != nullptr)
        progress->Show(false);
    switch (conversion_->status) {
    case DiagnosticConvertStatus::Done: break;
    case DiagnosticConvertStatus::RawOpenFailed:
    case DiagnosticConvertStatus::ReadFailed: FileProblem("Problem opening logger binary file"); break;
    case DiagnosticConvertStatus::OutputOpenFailed:
    case DiagnosticConvertStatus::WriteFailed: FileProblem("Problem opening text output file"); break;
    }
}

void CDiagnosticLogViewer::LoadSavedFile()
{
    std::ifstream in(FilePath, std::ios::binary);
    if (!in) {
        FileProblem("Can't open .dlf file");
        return;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(FilePath, sizeError);
    auto* progress = GetControlAs<ProgressControl>(res::kIdcDiagnosticViewerProgress);
    if (progress != nullptr) {
        progress->SetRange(0, sizeError ? 0 : ProgressUnits(size));
        progress->SetStep(kProgressStep);
        progress->SetPos(0);
        progress->Show(true);
    }
    DiagnosticFileReader reader(in);
    std::uint64_t counted = 0;
    while (const auto row = reader.Next()) {
        // The bar steps once per 1024 characters read.
        while (reader.CharactersRead() - counted >= kProgressStep) {
            counted += kProgressStep;
            if (progress != nullptr)
                progress->StepIt();
        }
        AddRow(row->time, row->description);
    }
    if (progress != nullptr)
        progress->Show(false);
}

}  // namespace corvane
