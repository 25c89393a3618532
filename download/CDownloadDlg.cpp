#include "download/CDownloadDlg.h"

#include "base/ProgressRange.h"
#include "data/ConvertLoggedDataFile.h"
#include "download/CFilterDownloadDialog.h"
#include "download/DownloadBox.h"
#include "download/DownloadServices.h"
#include "download/SessionFileName.h"
#include "download/SessionLineText.h"
#include "download/SessionListReply.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/DataDownloadDialog.h"
#include "res/ResourceIds.h"
#include "shell/CFileChildDialog.h"
#include "shell/ErrorBoxes.h"
#include "shell/StatusHelpers.h"
#include "shell/Waits.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace corvane {
namespace {

constexpr int kProgressMax = 100;
// "%d KBytes received" after every so many blocks.
constexpr std::uint32_t kBlocksPerReport = 10;
constexpr std::uint32_t kBytesPerKb = 1024;
// The erase wait: steps of 200 ms, given up after a minute (the library's
// own time-out ends it long before).
constexpr std::uint32_t kEraseStepMs = 200;
constexpr int kEraseSteps = 300;

// Under the column heads of the template (the items start 14 pixels right
// of the heads' left edge).
constexpr std::array kListTabStops = {2, 86, 236, 386, 456};
constexpr std::array kTimeRadios = {res::kIdcDownloadLoggerTime, res::kIdcDownloadUtcTime, res::kIdcDownloadBothTimes};
constexpr std::array kBusyControls = {res::kIdcDownloadSelectAll, res::kIdcDownloadDeselectAll,
    res::kIdcDownloadSelected, res::kIdcDownloadEraseSelected, res::kIdcDownloadSessionList, kIdCancel};

constexpr std::string_view kCaption = "Data Download";
constexpr std::string_view kSaveTitle = "Download File Save";
constexpr std::string_view kAllTypesFilter = "Comma separated (*.csv)|*.csv|Tab separated (*.tsv)|*.tsv|Space "
                                             "justified (*.txt)|*.txt|Raw data (*.xid)|*.xid||";
constexpr std::string_view kTextTypesFilter
    = "Comma separated (*.csv)|*.csv|Tab separated (*.tsv)|*.tsv|Space justified (*.txt)|*.txt||";
constexpr std::string_view kFilteredRawText
    = "A filtered download cannot be saved as raw data (.xid).\n\nChoose a csv, tsv or txt file.";
constexpr std::string_view kEraseConfirmText
    = "Are you absolutely certain you want to permanently remove all data from all selected sessions on the logger?";
constexpr std::string_view kEraseNoAnswerText = "The logger did not answer the erase request.";
constexpr std::string_view kSequenceErrorText = "Data sequence error during  data download.";
constexpr std::string_view kTimeoutText = "Communication timeout during data download.";
constexpr std::string_view kRawWriteFailedText = "Download bin file could not be written.";

template <class... Args> std::string Format(const char* format, Args... args)
{
    char text[160] = "";
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

}  // namespace

CDownloadDlg::CDownloadDlg(DownloadServices& services, WindowHandle owner, Window* parent)
    : Dialog(res::kDataDownloadDialog, parent), services_(services), owner_(owner)
{
    On(Notification::SelectionChanged, res::kIdcDownloadSessionList,
        [this](NotifyEvent&) { UpdateSelectionButtons(); });
    On(Notification::Clicked, res::kIdcDownloadSelectAll, [this](NotifyEvent&) { SelectAllLines(true); });
    On(Notification::Clicked, res::kIdcDownloadDeselectAll, [this](NotifyEvent&) { SelectAllLines(false); });
    On(Notification::Clicked, res::kIdcDownloadSelected, [this](NotifyEvent&) { OnDownloadSelected(); });
    On(Notification::Clicked, res::kIdcDownloadFilter, [this](NotifyEvent&) { OnFilterDownload(); });
    On(Notification::Clicked, res::kIdcDownloadEraseSelected, [this](NotifyEvent&) { OnEraseSelected(); });
}

CDownloadDlg::~CDownloadDlg() = default;

ListBoxControl* CDownloadDlg::List() const { return GetControlAs<ListBoxControl>(res::kIdcDownloadSessionList); }

void CDownloadDlg::EnableControl(int id, bool enable)
{
    if (Control* control = GetControl(id))
        control->Enable(enable);
}

bool CDownloadDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    for (const int id : kBusyControls)
        EnableControl(id, false);
    EnableControl(res::kIdcDownloadFilter, false);
    const auto choice = static_cast<std::size_t>(services_.TimeColumnChoice());
    for (std::size_t i = 0; i < kTimeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kTimeRadios[i]))
            radio->SetCheck(i == choice ? 1 : 0);
    if (ListBoxControl* list = List()) {
        list->SetTabStops(kListTabStops);
        list->ResetContent();
    }
    table_.Clear();

    const std::array<std::uint8_t, kSessionListHeaderSize> firstHeader{};
    const int result = CxListSessions(owner_, firstHeader);
    if (result != kCxOk) {
        const std::string text = result == kCxUninitialized
            ? std::string("Connect to Logger first")
            : Format("Communications Error %d when listing sessions", result);
        ShowDownloadBox(Handle(), text, kCaption, MessageBoxIcon::Warning);
        CancelIfNoSessions(false);
        return true;
    }
    SetBusy(false, "Downloading Session List");
    return true;
}

int CDownloadDlg::ParseSessionList(const CReplyMessage& reply)
{
    const SessionListReply block = ParseSessionListReply(reply.Data());
    ListBoxControl* list = List();
    for (const SessionEntry& entry : block.sessions) {
        if (!table_.Add(entry))
            break;
        if (list != nullptr) {
            list->AddString(SessionLineText(entry));
            list->SetSel(-1, true);
        }
    }
    UpdateSelectionButtons();
    if (block.more && CxListSessions(owner_, reply.Data()) == kCxOk)
        return 1;
    selection_.clear();
    position_ = 0;
    return 0;
}

void CDownloadDlg::CancelIfNoSessions(bool doNotClose)
{
    if (doNotClose || SessionLineCount() != 0)
        return;
    RunProgressAnimation(services_.Status(), false);
    EndDialog(kIdCancel);
}

void CDownloadDlg::EndDownload(bool)
{
    SetStatusMessage(services_.Status(), "End Data Download");
    if (transferring_) {
        // Closing during a download is a cancel: the logger stops sending.
        StopTransfer(blocks_.Total(), blocks_.Total());
        SetStatusMessage(services_.Status(), "Data Download Cancelled");
    }
    selection_.clear();
    position_ = 0;
    if (filterDialog_ != nullptr && filterDialog_->IsOpen())
        filterDialog_->EndDialog(kIdCancel);
    EndDialog(kIdCancel);
}

void CDownloadDlg::SetBusy(bool busy, std::string_view text)
{
    SetStatusProgress(services_.Status(), text, busy);
    for (const int id : kBusyControls)
        EnableControl(id, !busy);
    const ListBoxControl* list = List();
    EnableControl(res::kIdcDownloadFilter, !busy && list != nullptr && list->GetSelCount() == 1);
}

bool CDownloadDlg::IsErasePending() const { return erasePending_; }

void CDownloadDlg::ClearErasePending() { erasePending_ = false; }

int CDownloadDlg::SessionLineCount() const
{
    const ListBoxControl* list = List();
    return list != nullptr ? list->GetCount() : 0;
}

void CDownloadDlg::OnCancel() { EndDownload(true); }

void CDownloadDlg::UpdateSelectionButtons()
{
    const ListBoxControl* list = List();
    const int selected = list != nullptr ? list->GetSelCount() : 0;
    EnableControl(res::kIdcDownloadSelected, selected > 0);
    EnableControl(res::kIdcDownloadFilter, selected == 1);
}

void CDownloadDlg::SelectAllLines(bool select)
{
    if (ListBoxControl* list = List(); list != nullptr && list->GetCount() > 0)
        list->SetSel(-1, select);
    UpdateSelectionButtons();
}

TimeColumns CDownloadDlg::CheckedTimeColumns() const
{
    for (std::size_t i = 0; i < kTimeRadios.size(); ++i)
        if (const auto* radio = GetControlAs<ButtonControl>(kTimeRadios[i]); radio != nullptr && radio->GetCheck() != 0)
            return static_cast<TimeColumns>(i);
    return services_.TimeColumnChoice();
}

std::vector<int> CDownloadDlg::GetSelectedSessions()
{
    const ListBoxControl* list = List();
    const std::vector<int> lines = list != nullptr ? list->GetSelItems() : std::vector<int>{};
    std::vector<int> sessions = table_.ValidIndexes(lines);
    if (sessions.empty())
        ShowDownloadBox(Handle(), "Invalid Selection", "Download Data", MessageBoxIcon::None);
    return sessions;
}

bool CDownloadDlg::SelectOutputFile(bool filtered)
{
    std::vector<int> sessions = GetSelectedSessions();
    if (sessions.empty())
        return false;
    CFileChildDialog::Options options;
    options.showMode = false;
    options.showErase = false;
    options.open = false;
    options.title = std::string(kSaveTitle);
    options.defaultExtension = "csv";
    options.fileName = services_.MakeDownloadFilePath("*.csv");
    options.filter = std::string(filtered ? kTextTypesFilter : kAllTypesFilter);
    options.overwritePrompt = true;
    CFileChildDialog fileDialog(std::move(options), this);
    if (fileDialog.DoModal() != kIdOk)
        return false;
    const std::string path = fileDialog.GetPathName();
    // The type is settled before anything is downloaded.
    const std::optional<OutputType> type = OutputTypeFromPath(path);
    if (!type) {
        ShowDownloadBox(Handle(), Format("Unknown output file type \"%s.\"", fileDialog.GetFileExt().c_str()), kCaption,
            MessageBoxIcon::Error);
        return false;
    }
    if (filtered && *type == OutputType::Xid) {
        ShowDownloadBox(Handle(), kFilteredRawText, kCaption, MessageBoxIcon::Error);
        return false;
    }
    services_.SetDownloadFileFolder(path);
    services_.NoteDownloadFile(path);
    chosenPath_ = path;
    selection_ = std::move(sessions);
    position_ = 0;
    current_ = selection_.front();
    if (ListBoxControl* list = List())
        list->SetSel(-1, false);
    UpdateSelectionButtons();
    return true;
}

void CDownloadDlg::OnDownloadSelected()
{
    if (!SelectOutputFile(false))
        return;
    services_.SetTimeColumnChoice(CheckedTimeColumns());
    runFailed_ = false;
    for (const int id : kBusyControls)
        EnableControl(id, id == kIdCancel);
    EnableControl(res::kIdcDownloadFilter, false);
    PostMessage(kNextSessionMessage);
}

void CDownloadDlg::OnFilterDownload()
{
    if (!SelectOutputFile(true))
        return;
    StatusSink& status = services_.Status();
    ShowProgress(status, 0);
    SetProgressRange(status, kProgressMax);
    SetStatusMessage(status, "Downloading Selected Data");
    services_.SetTimeColumnChoice(CheckedTimeColumns());
    SessionEntry& entry = table_.At(current_);
    entry.outputPath = chosenPath_;
    CFilterDownloadDialog filter(services_, entry, this);
    filterDialog_ = &filter;
    filter.DoModal();
    filterDialog_ = nullptr;
    selection_.clear();
    // The filtered download is over: its bar goes, and the status keeps
    // what it ended with (complete, error or cancelled).
    RunProgressAnimation(status, false);
    UpdateSelectionButtons();
}

std::intptr_t CDownloadDlg::OnMessage(Message& message)
{
    switch (message.id) {
    case kReplyMessage:
        if (auto reply = message.TakePayload<CReplyMessage>(); reply && IsOpen())
            OnCommReply(*reply);
        return 0;
    case kTimeoutMessage: return 0;
    case kTimerMessage:
        if (message.wParam != kWatchdogTimer)
            break;
        OnWatchdog();
        return 0;
    case kNextSessionMessage:
        if (IsOpen())
            OnNextSession();
        return 0;
    case kSessionCompleteMessage:
        if (IsOpen() && transferring_)
            OnSessionComplete();
        return 0;
    case kDownloadErrorMessage:
        if (IsOpen() && transferring_)
            OnDownloadError(static_cast<std::uint32_t>(message.wParam), static_cast<std::uint32_t>(message.lParam));
        return 0;
    default: break;
    }
    return Dialog::OnMessage(message);
}

void CDownloadDlg::OnNextSession()
{
    if (position_ >= selection_.size()) {
        selection_.clear();
        position_ = 0;
        // A run is complete only when every session reached its file.
        SetBusy(false, runFailed_ ? "Data Download Error" : "Data Download Complete");
        UpdateSelectionButtons();
        return;
    }
    current_ = selection_[position_++];
    SessionEntry& entry = table_.At(current_);
    expectedSize_ = entry.size;
    entry.outputPath
        = selection_.size() == 1 ? std::filesystem::path(chosenPath_) : MakeSessionFileName(chosenPath_, entry.start);
    raw_ = services_.OpenRawFile(services_.WorkingFolder() / kRawFileName);
    rawBlocks_ = 0;
    if (!raw_) {
        ShowDownloadBox(Handle(), "Download bin file could not be opened,", kCaption, MessageBoxIcon::Error);
        selection_.clear();
        SetBusy(false, "Data Download Error");
        return;
    }
    StatusSink& status = services_.Status();
    ShowProgress(status, 0);
    SetProgressRange(status, kProgressMax);
    SetStatusMessage(status, "Downloading Selected Data");
    blocks_.Reset();
    sequenceError_ = false;
    timedOut_ = false;
    const int result = CxSdlStart(Handle(), kSdlModeWhole, entry.name);
    if (result != kCxOk) {
        raw_.reset();
        ShowDownloadBox(Handle(), Format("Communications Error %d when starting the download", result), kCaption,
            MessageBoxIcon::Warning);
        selection_.clear();
        SetBusy(false, "Data Download Error");
        return;
    }
    transferring_ = true;
    RestartWatchdog();
}

void CDownloadDlg::RestartWatchdog() { SetTimer(kWatchdogTimer, kWatchdogMs); }

void CDownloadDlg::OnCommReply(const CReplyMessage& reply)
{
    if (!transferring_)
        return;
    if (reply.ErrorFlag()) {
        // The logger refused or broke off the download: its own error is
        // shown and the run ends.
        SetStatusMessage(services_.Status(), "Data Download Error");
        StopTransfer(blocks_.Total(), blocks_.Total());
        ShowCommError(Handle(), reply.Code(), reply.ErrorText());
        EndDownload(true);
        return;
    }
    switch (reply.RequestType()) {
    case kReplySdlStarted: RestartWatchdog(); break;
    case kReplySdlStream:
        if (WriteRaw(reply.Data()))
            RestartWatchdog();
        break;
    case kReplySdlData: OnDataBlock(reply); break;
    default: break;
    }
}

void CDownloadDlg::OnDataBlock(const CReplyMessage& reply)
{
    if (reply.DataLength() == 0) {
        KillTimer(kWatchdogTimer);
        PostMessage(kSessionCompleteMessage, expectedSize_, 0);
        return;
    }
    if (sequenceError_ || timedOut_)
        return;
    const DownloadBlockCheck::Result result = blocks_.Check(reply.Data());
    if (result.outcome != DownloadBlockCheck::Outcome::Accepted) {
        sequenceError_ = true;
        KillTimer(kWatchdogTimer);
        PostMessage(kDownloadErrorMessage, blocks_.Total(), static_cast<std::intptr_t>(result.offset));
        return;
    }
    if (!WriteRaw(result.bytes))
        return;
    RestartWatchdog();
    if (blocks_.Blocks() % kBlocksPerReport != 0)
        return;
    StatusSink& status = services_.Status();
    SetStatusMessage(status, Format("%u KBytes received", blocks_.Total() / kBytesPerKb));
    if (expectedSize_ > 0) {
        ShowProgress(status, ProgressShare(blocks_.Total(), expectedSize_, kProgressMax));
    }
}

bool CDownloadDlg::WriteRaw(std::span<const std::uint8_t> bytes)
{
    // Checked after every block and flushed every kRawFlushBlocks blocks
    // and at the end, so a full disk ends the run at most that many blocks
    // after the block that did not fit, never as a short file converted as
    // if it were whole.
    raw_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (++rawBlocks_ % kRawFlushBlocks == 0)
        raw_->flush();
    if (*raw_)
        return true;
    SetStatusMessage(services_.Status(), "Data Download Error");
    StopTransfer(blocks_.Total(), blocks_.Total());
    ShowDownloadBox(Handle(), kRawWriteFailedText, kCaption, MessageBoxIcon::Error);
    EndDownload(true);
    return false;
}

bool CDownloadDlg::CloseRaw()
{
    if (!raw_)
        return false;
    raw_->flush();
    const bool written = static_cast<bool>(*raw_);
    raw_.reset();
    return written;
}

void CDownloadDlg::OnWatchdog()
{
    KillTimer(kWatchdogTimer);
    if (!transferring_ || sequenceError_ || timedOut_)
        return;
    timedOut_ = true;
    PostMessage(kDownloadErrorMessage, 0, 0);
}

void CDownloadDlg::StopTransfer(std::uint32_t total, std::uint32_t offset)
{
    KillTimer(kWatchdogTimer);
    raw_.reset();
    transferring_ = false;
    CxSdlError(Handle(), total, offset);
}

void CDownloadDlg::OnDownloadError(std::uint32_t total, std::uint32_t offset)
{
    SetStatusMessage(services_.Status(), "Data Download Error");
    StopTransfer(total, offset);
    // The flag, not the total, tells the two apart: a bad first block
    // comes with a total of 0.
    ShowDownloadBox(Handle(), sequenceError_ ? kSequenceErrorText : kTimeoutText, kCaption, MessageBoxIcon::Error);
    EndDownload(true);
}

void CDownloadDlg::OnSessionComplete()
{
    StatusSink& status = services_.Status();
    KillTimer(kWatchdogTimer);
    transferring_ = false;
    if (!CloseRaw()) {
        SetStatusMessage(status, "Data Download Error");
        ShowDownloadBox(Handle(), kRawWriteFailedText, kCaption, MessageBoxIcon::Error);
        EndDownload(true);
        return;
    }
    const SessionEntry& entry = table_.At(current_);
    FileConvertRequest request;
    request.input = services_.WorkingFolder() / kRawFileName;
    request.output = entry.outputPath;
    request.timeColumns = services_.TimeColumnChoice();
    request.sessionStart = entry.start;
    request.deleteInputAfterSuccess = services_.ShouldDeleteRawData();
    request.progress = [&status](int percent) { ShowProgress(status, ClampToProgressRange(percent, 0, kProgressMax)); };
    const ConvertResult result = ConvertLoggedDataFile(request);
    if (!result.ok) {
        runFailed_ = true;
        SetStatusMessage(status, "Data Download Error");
        ShowDownloadBox(Handle(), result.message, kCaption, MessageBoxIcon::Error);
    } else {
        // Complete once the session is in its file, not when its last block came.
        SetStatusMessage(status, "Data Download Complete");
    }
    PostMessage(kNextSessionMessage);
}

void CDownloadDlg::OnEraseSelected()
{
    const std::vector<int> sessions = GetSelectedSessions();
    if (sessions.empty())
        return;
    if (ShowDownloadBox(Handle(), kEraseConfirmText, "WARNING:", MessageBoxIcon::Warning, MessageBoxButtons::OkCancel)
        != kIdOk)
        return;
    SetBusy(true, "Erasing Data");
    for (auto index = sessions.rbegin(); index != sessions.rend(); ++index) {
        SessionEntry& entry = table_.At(*index);
        entry.markedForErase = true;
        erasePending_ = true;
        if (CxEraseSession(owner_, entry.name) != kCxOk) {
            erasePending_ = false;
            EndDownload(true);
            return;
        }
        if (!WaitForErase())
            return;
    }
    RemoveErasedEntries();
}

bool CDownloadDlg::WaitForErase()
{
    for (int step = 0; step < kEraseSteps && erasePending_ && IsOpen(); ++step)
        WaitMilliseconds(kEraseStepMs);
    if (!IsOpen())
        return false;
    if (erasePending_) {
        erasePending_ = false;
        ShowDownloadBox(Handle(), kEraseNoAnswerText, kCaption, MessageBoxIcon::Error);
        EndDownload(true);
        return false;
    }
    return true;
}

void CDownloadDlg::RemoveErasedEntries()
{
    ListBoxControl* list = List();
    for (const int index : table_.RemoveMarked())
        if (list != nullptr)
            list->DeleteString(index);
    if (SessionLineCount() == 0) {
        SetStatusProgress(services_.Status(), "Erasure Complete", false);
        EndDialog(kIdCancel);
        return;
    }
    SetBusy(false, "Erasure Complete");
    UpdateSelectionButtons();
}

}  // namespace corvane
