#include "logger/CDiagnosticFilesDialog.h"

#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/DiagnosticLogLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CDiagnosticLogViewer.h"
#include "logger/DiagnosticLogServices.h"
#include "platform/Application.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/DiagnosticLogDialogs.h"
#include "res/DiagnosticLogIds.h"
#include "shell/StatusHelpers.h"

#include <system_error>

namespace corvane {

CDiagnosticFilesDialog::CDiagnosticFilesDialog(
    CConnectionDetails& connection, DiagnosticLogServices& services, Window* parent)
    : CCommDialog(res::kDiagnosticFilesDialog, connection, parent), services_(services)
{
    On(Notification::Clicked, res::kIdcDiagnosticDownload, [this](NotifyEvent&) { OnDownload(); });
    On(Notification::Clicked, res::kIdcDiagnosticViewSaved, [this](NotifyEvent&) { OnViewSaved(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpTopic); });
}

CDiagnosticFilesDialog::~CDiagnosticFilesDialog()
{
    // A download left running when the dialog goes keeps no half raw file.
    if (downloading_)
        AbandonDownload({});
}

bool CDiagnosticFilesDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (Control* help = GetControl(kIdHelp))
        help->Show(true);
    ShowProgress(false);
    if (!Connection().IsConnected()) {
        if (Control* download = GetControl(res::kIdcDiagnosticDownload))
            download->Enable(false);
    }
    return true;
}

void CDiagnosticFilesDialog::SetStatus(std::string_view text)
{
    if (Control* status = GetControl(res::kIdcDiagnosticFilesStatus))
        status->SetText(text);
}

void CDiagnosticFilesDialog::ShowProgress(bool show)
{
    if (Control* progress = GetControl(res::kIdcDiagnosticFilesProgress))
        progress->Show(show);
}

void CDiagnosticFilesDialog::OnDownload()
{
    if (downloading_)
        return;
    FileDialogRequest request;
    request.owner = Handle();
    request.open = false;
    request.fileName = services_.MakeDiagnosticLogFilePath("*.dlf");
    request.defaultExtension = "dlf";
    request.overwritePrompt = true;
    request.filter = "Diagnostic Log Files (*.DLF)|*.DLF||";
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty()) {
        SetStatus({});
        return;
    }
    rawFilePath_ = chosen->paths.front() + "~";
    services_.SetDiagnosticLogFileFolder(chosen->paths.front());
    try {
        rawFile_ = std::make_unique<std::ofstream>(rawFilePath_, std::ios::binary | std::ios::trunc);
    } catch (...) {
        rawFile_.reset();
        SetStatus("Exception while opening file");
        return;
    }
    if (!*rawFile_) {
        rawFile_.reset();
        SetStatus("Problem opening file");
        return;
    }
    SetStatus("Downloading Diagnostic Log File from Logger\n\nPlease Wait...");
    downloading_ = true;
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcDiagnosticFilesProgress)) {
        progress->SetRange(0, static_cast<int>(kProgressUpper));
        progress->SetPos(0);
    }
    ShowProgress(true);
    bytesReceived_ = 0;
    if (CxDbFGet(Handle(), 0) != 0)
        AbandonDownload("Problem Querying Logger\nUnable to continue...");
}

void CDiagnosticFilesDialog::AbandonDownload(std::string_view status)
{
    rawFile_.reset();
    std::error_code ignored;
    if (!rawFilePath_.empty())
        std::filesystem::remove(rawFilePath_, ignored);
    downloading_ = false;
    ShowProgress(false);
    if (!status.empty())
        SetStatus(status);
}

void CDiagnosticFilesDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (reply->RequestType() != kRequestDbFGet || !downloading_)
        return;
    if (reply->ErrorFlag()) {
        AbandonDownload(reply->ErrorText());
        return;
    }
    // An empty reply is the end of the log, also after a log whose size is
    // a multiple of the block size.
    const std::span<const std::uint8_t> data = reply->Data();
    if (!data.empty()) {
        rawFile_->write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        if (!*rawFile_) {
            AbandonDownload("Problem downloading data");
            return;
        }
        bytesReceived_ += static_cast<std::uint32_t>(data.size());
    }
    if (data.size() >= kDiagnosticLogBlockSize) {
        if (auto* progress = GetControlAs<ProgressControl>(res::kIdcDiagnosticFilesProgress))
            progress->SetPos(static_cast<int>(std::min<std::uint32_t>(bytesReceived_, kProgressUpper)));
        if (CxDbFGet(Handle(), bytesReceived_) != 0)
            AbandonDownload("Problem downloading data");
        return;
    }
    CompleteDownload();
}

void CDiagnosticFilesDialog::CompleteDownload()
{
    rawFile_->close();
    const bool written = !rawFile_->fail();
    rawFile_.reset();
    downloading_ = false;
    ShowProgress(false);
    if (!written) {
        AbandonDownload("Problem downloading data");
        return;
    }
    SetStatus("Download complete...");
    RunViewer(rawFilePath_, false);
}

void CDiagnosticFilesDialog::OnCommTimeout(std::uint16_t /*requestType*/)
{
    SetStatusText(services_.Status(), "Timeout");
    if (downloading_)
        AbandonDownload("Timeout");
    ShowTimeoutBox();
}

void CDiagnosticFilesDialog::OnViewSaved()
{
    FileDialogRequest request;
    request.owner = Handle();
    request.open = true;
    request.fileName = services_.MakeDiagnosticLogFilePath("*.dlf");
    request.defaultExtension = "dlf";
    request.fileMustExist = true;
    request.filter = "Diagnostic Log Files (*.dlf)|*.dlf||";
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty())
        return;
    services_.SetDiagnosticLogFileFolder(chosen->paths.front());
    RunViewer(chosen->paths.front(), true);
}

void CDiagnosticFilesDialog::RunViewer(const std::filesystem::path& path, bool displayMode)
{
    CDiagnosticLogViewer viewer(this);
    viewer.FilePath = path;
    viewer.DisplayMode = displayMode;
    viewer.DoModal();
    EndDialog(kIdCancel);
}

}  // namespace corvane
