#include "download/CFilterDownloadDialog.h"

#include "base/AtomicFile.h"
#include "base/ProgressRange.h"
#include "data/ConvertLoggedDataFile.h"
#include "download/DownloadBlockCheck.h"
#include "download/DownloadBox.h"
#include "download/DownloadServices.h"
#include "download/FilterTimeWindow.h"
#include "download/SessionEntry.h"
#include "download/SessionHeadPoints.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/DateTimeControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/FilterDownloadDialog.h"
#include "res/ResourceIds.h"
#include "shell/ErrorBoxes.h"
#include "shell/StatusHelpers.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace corvane {
namespace {

// The head arrives in blocks of this size; a shorter one is its last.
constexpr std::uint32_t kHeadBlockSize = 1024;
// The status shows the count received each time it passes a multiple of this.
constexpr std::uint32_t kProgressStep = 10240;
constexpr int kProgressMax = 100;
// The head of a session is a unit header and a few hundred definitions at most.
constexpr std::size_t kMaxHeadBytes = std::size_t{1} << 20;
constexpr std::uint32_t kStopUnknown = 0x7FFFFFFF;
constexpr std::uint32_t kTimeMask = 0x7FFFFFFF;
// Pixels from the line's left edge: id, then name, then units.
constexpr std::array kTabStops = {40, 220};

constexpr std::string_view kCaption = "Data Download";

// The controls of one end of the window.
struct EndControls {
    int date;
    int time;
    int am;
    int pm;
};
constexpr EndControls kStart{
    res::kIdcFilterStartDate, res::kIdcFilterStartTime, res::kIdcFilterStartAm, res::kIdcFilterStartPm};
constexpr EndControls kStop{
    res::kIdcFilterStopDate, res::kIdcFilterStopTime, res::kIdcFilterStopAm, res::kIdcFilterStopPm};

const EndControls& EndOf(int timeId) { return timeId == kStart.time ? kStart : kStop; }

}  // namespace

CFilterDownloadDialog::CFilterDownloadDialog(DownloadServices& services, SessionEntry& entry, Window* parent)
    : Dialog(res::kFilterDownloadDialog, parent), services_(services), entry_(entry)
{
    On(Notification::Clicked, res::kIdcFilterGetLogData, [this](NotifyEvent&) { OnGetLogData(); });
    On(Notification::Clicked, res::kIdcFilterSelectAll, [this](NotifyEvent&) { SelectAll(true); });
    On(Notification::Clicked, res::kIdcFilterDeselectAll, [this](NotifyEvent&) { SelectAll(false); });
    On(Notification::Clicked, res::kIdcFilterResetTimeRange, [this](NotifyEvent&) { OnResetTimeRange(); });
    for (const EndControls& end : {kStart, kStop}) {
        On(Notification::Clicked, end.am, [this, end](NotifyEvent&) { OnHalfOfDay(end.time, false); });
        On(Notification::Clicked, end.pm, [this, end](NotifyEvent&) { OnHalfOfDay(end.time, true); });
        On(Notification::Changed, end.time, [this, end](NotifyEvent&) { ShowHalfOfDay(end.time); });
    }
}

CFilterDownloadDialog::~CFilterDownloadDialog() = default;

bool CFilterDownloadDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    char title[128];
    std::snprintf(title, sizeof title, "Filtered Download of %s Data", entry_.name.c_str());
    SetCaption(title);
    for (const EndControls& end : {kStart, kStop}) {
        GetControlAs<ButtonControl>(end.am)->SetCheck(0);
        GetControlAs<ButtonControl>(end.pm)->SetCheck(0);
    }
    auto* list = GetControlAs<ListBoxControl>(res::kIdcFilterPointList);
    list->SetTabStops(kTabStops);
    list->ResetContent();
    rawPath_ = services_.WorkingFolder() / kRawFileName;
    if (StartPhase(Phase::Head))
        GetControl(res::kIdcFilterGetLogData)->Enable(false);
    OnResetTimeRange();
    return true;
}

std::intptr_t CFilterDownloadDialog::OnMessage(Message& message)
{
    if (message.id == kReplyMessage) {
        // The reply is dropped with its payload once the dialog is closed.
        const auto reply = message.TakePayload<CReplyMessage>();
        if (reply && IsOpen())
            OnCommReply(*reply);
        return 0;
    }
    if (message.id == kTimeoutMessage)
        return 0;  // the watchdog watches the data phase
    if (message.id == kDownloadEndMessage) {
        if (IsOpen())
            OnDownloadEnd();
        return 0;
    }
    if (message.id == kTimerMessage && message.wParam == kWatchdogTimer) {
        OnWatchdog();
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CFilterDownloadDialog::OnResetTimeRange()
{
    auto* stillLogging = GetControl(res::kIdcFilterStillLoggingNotice);
    auto* stopUnknown = GetControl(res::kIdcFilterStopUnknownNotice);
    stillLogging->Show(false);
    stopUnknown->Show(false);
    for (const int id : {kStop.date, kStop.time, kStop.am, kStop.pm})
        GetControl(id)->Show(true);

    std::uint32_t stop = entry_.stop & kTimeMask;
    if (stop == 0) {
        // Still logging: the window ends now.
        stop = static_cast<std::uint32_t>(Application::Instance().GetClock().CalendarSeconds()) & kTimeMask;
        entry_.stop = stop;
        stillLogging->Show(true);
    } else if (stop == kStopUnknown) {
        stopUnknown->Show(true);
        for (const int id : {kStop.date, kStop.time, kStop.am, kStop.pm})
            GetControl(id)->Show(false);
    }
    const std::uint32_t start = entry_.start & kTimeMask;
    for (const auto& [end, seconds] : {std::pair{kStart, start}, std::pair{kStop, stop}}) {
        GetControlAs<DateTimeControl>(end.date)->SetTimeSeconds(seconds);
        GetControlAs<DateTimeControl>(end.time)->SetTimeSeconds(seconds);
        ShowHalfOfDay(end.time);
    }
}

void CFilterDownloadDialog::ShowHalfOfDay(int timeId)
{
    const EndControls& end = EndOf(timeId);
    const bool afternoon = IsAfternoonTime(GetControlAs<DateTimeControl>(end.time)->GetTime());
    GetControlAs<ButtonControl>(end.am)->SetCheck(afternoon ? 0 : 1);
    GetControlAs<ButtonControl>(end.pm)->SetCheck(afternoon ? 1 : 0);
}

void CFilterDownloadDialog::OnHalfOfDay(int timeId, bool afternoon)
{
    auto* time = GetControlAs<DateTimeControl>(timeId);
    time->SetTime(TimeInHalfOfDay(time->GetTime(), afternoon));
}

bool CFilterDownloadDialog::CreateRawFile()
{
    raw_.close();
    raw_.clear();
    raw_.open(rawPath_, std::ios::binary | std::ios::out | std::ios::trunc);
    return raw_.is_open();
}

bool CFilterDownloadDialog::StartPhase(Phase phase)
{
    if (!CreateRawFile()) {
        ShowDownloadBox(Handle(), "Download bin file could not be opened,", kCaption, MessageBoxIcon::Warning);
        return false;
    }
    blocks_.Reset();
    const std::uint16_t mode = phase == Phase::Head ? kSdlModeHead : kSdlModeWhole;
    if (CxSdlStart(Handle(), mode, entry_.name) != kCxOk) {
        raw_.close();
        SetStatusMessage(services_.Status(), "Data Download Error");
        ShowDownloadBox(
            Handle(), "Unable to begin Data Download due to communication problem", kCaption, MessageBoxIcon::Warning);
        return false;
    }
    phase_ = phase;
    if (phase == Phase::Data)
        RestartWatchdog();
    return true;
}

void CFilterDownloadDialog::RestartWatchdog()
{
    KillTimer(kWatchdogTimer);
    SetTimer(kWatchdogTimer, kWatchdogMs);
}

void CFilterDownloadDialog::StopRun(std::uint32_t offset)
{
    KillTimer(kWatchdogTimer);
    if (phase_ != Phase::Idle)
        CxSdlError(Handle(), blocks_.Total(), offset);
    phase_ = Phase::Idle;
    raw_.close();
}

void CFilterDownloadDialog::AbortRun(std::string_view text, std::uint32_t offset)
{
    StopRun(offset);
    SetStatusMessage(services_.Status(), "Data Download Error");
    ShowDownloadBox(Handle(), text, kCaption, MessageBoxIcon::Error);
    EndDialog(kIdCancel);
}

void CFilterDownloadDialog::OnCommReply(const CReplyMessage& reply)
{
    if (phase_ == Phase::Idle)
        return;  // a late reply to a run that has ended
    if (reply.ErrorFlag()) {
        // The logger refused or broke off: its own error, then the dialog ends.
        StopRun(blocks_.Total());
        SetStatusMessage(services_.Status(), "Data Download Error");
        ShowReplyError(Handle(), reply);
        EndDialog(kIdCancel);
        return;
    }
    switch (reply.RequestType()) {
    case kReplySdlStarted: break;
    case kReplySdlStream: OnHeadBlock(reply); break;
    case kReplySdlData: OnDataBlock(reply); break;
    default: AbortRun("Invalid message type in filterdownloaddialog", blocks_.Total()); break;
    }
}

void CFilterDownloadDialog::OnHeadBlock(const CReplyMessage& reply)
{
    if (phase_ != Phase::Head)
        return;  // head blocks answer only the opening request
    const auto data = reply.Data();
    raw_.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    raw_.flush();
    if (!raw_) {
        AbortRun(kWriteFailedText, blocks_.Total());
        return;
    }
    if (data.size() < kHeadBlockSize) {
        raw_.close();
        phase_ = Phase::Idle;
        LoadSessionFile();
        GetControl(res::kIdcFilterGetLogData)->Enable(true);
    }
}

void CFilterDownloadDialog::OnDataBlock(const CReplyMessage& reply)
{
    if (phase_ != Phase::Data)
        return;  // data blocks answer only "Get log data..."
    const std::uint32_t before = blocks_.Total();
    const DownloadBlockCheck::Result block = blocks_.Check(reply.Data());
    if (block.outcome == DownloadBlockCheck::Outcome::End) {
        KillTimer(kWatchdogTimer);
        phase_ = Phase::Idle;
        raw_.close();
        if (!raw_) {
            // The logger has sent everything; only the file fell short.
            AbortRun(kWriteFailedText, blocks_.Total());
            return;
        }
        PostMessage(kDownloadEndMessage);
        return;
    }
    if (block.outcome == DownloadBlockCheck::Outcome::SequenceError) {
        AbortRun(kSequenceErrorText, block.offset);
        return;
    }
    // Flushed block by block, so a download that breaks off leaves what it took.
    raw_.write(reinterpret_cast<const char*>(block.bytes.data()), static_cast<std::streamsize>(block.bytes.size()));
    raw_.flush();
    if (!raw_) {
        AbortRun(kWriteFailedText, block.offset);
        return;
    }
    RestartWatchdog();
    const std::uint32_t total = blocks_.Total();
    if (total / kProgressStep != before / kProgressStep) {
        char text[64];
        std::snprintf(text, sizeof text, "%u KBytes received", total / 1024);
        SetStatusMessage(services_.Status(), text);
        if (entry_.size != 0)
            ShowProgress(services_.Status(), ProgressShare(total, entry_.size, kProgressMax));
    }
}

void CFilterDownloadDialog::OnWatchdog()
{
    KillTimer(kWatchdogTimer);
    if (phase_ == Phase::Data)
        AbortRun(kTimeoutText, blocks_.Total());
}

void CFilterDownloadDialog::LoadSessionFile()
{
    const FileContents file = ReadWholeFile(rawPath_, kMaxHeadBytes);
    if (file.error) {
        ShowDownloadBox(Handle(), "Can't open session data file", kCaption, MessageBoxIcon::Warning);
        return;
    }
    const SessionHeadPointsResult head = SessionHeadPoints(file.bytes);
    // A head cut inside a point definition still lists the points before it.
    if (head.error && head.points.empty()) {
        ShowDownloadBox(Handle(), "Invalid session data file", kCaption, MessageBoxIcon::Warning);
        return;
    }
    auto* list = GetControlAs<ListBoxControl>(res::kIdcFilterPointList);
    list->ResetContent();
    for (const HeadPoint& point : head.points) {
        char line[128];
        std::snprintf(line, sizeof line, "%d\t%s\t%s", point.id, point.name.c_str(), point.units.c_str());
        const int index = list->AddString(line);
        list->SetItemData(index, point.id);
    }
    list->SetSel(-1, true);
}

void CFilterDownloadDialog::SelectAll(bool select)
{
    GetControlAs<ListBoxControl>(res::kIdcFilterPointList)->SetSel(-1, select);
}

void CFilterDownloadDialog::OnGetLogData()
{
    // A raw copy would ignore the filter, so only the text types are taken.
    const std::optional<OutputType> type = OutputTypeFromPath(entry_.outputPath);
    if (!type || *type == OutputType::Xid) {
        std::string text(kRawTypeRefusedText);
        if (!type) {
            char unknown[128];
            const std::string extension = entry_.outputPath.extension().string();
            std::snprintf(unknown, sizeof unknown, "Unknown output file type \"%s.\"",
                extension.empty() ? "" : extension.substr(1, 32).c_str());
            text = unknown;
        }
        ShowDownloadBox(Handle(), text, kCaption, MessageBoxIcon::Error);
        return;
    }
    auto& status = services_.Status();
    ShowProgress(status, 0);
    SetProgressRange(status, kProgressMax);
    ShowProgress(status, 0);
    if (StartPhase(Phase::Data))
        GetControl(res::kIdcFilterGetLogData)->Enable(false);
}

void CFilterDownloadDialog::OnDownloadEnd()
{
    auto& status = services_.Status();
    BuildSelection();

    FileConvertRequest request;
    request.input = rawPath_;
    request.output = entry_.outputPath;
    request.timeColumns = services_.TimeColumnChoice();
    request.sessionStart = entry_.start;
    request.filter = ConvertFilter{entry_.pointIds, entry_.start, entry_.stop};
    request.deleteInputAfterSuccess = services_.ShouldDeleteRawData();
    request.progress = [&status](int percent) { ShowProgress(status, percent); };
    const ConvertResult result = ConvertLoggedDataFile(request);
    if (!result.ok) {
        // The raw download stays for another try.
        SetStatusMessage(status, "Data Download Error");
        ShowDownloadBox(Handle(), result.message, kCaption, MessageBoxIcon::Error);
        EndDialog(kIdCancel);
        return;
    }
    // Complete once the converted file is in place.
    SetStatusMessage(status, "Download complete");
    EndDialog(kIdOk);
}

void CFilterDownloadDialog::BuildSelection()
{
    PickedMoment ends[2];
    for (int i = 0; i < 2; ++i) {
        const EndControls& end = i == 0 ? kStart : kStop;
        ends[i].date = GetControlAs<DateTimeControl>(end.date)->GetTime();
        ends[i].time = GetControlAs<DateTimeControl>(end.time)->GetTime();
        if (GetControlAs<ButtonControl>(end.pm)->GetCheck() != 0)
            ends[i].afternoon = true;
        else if (GetControlAs<ButtonControl>(end.am)->GetCheck() != 0)
            ends[i].afternoon = false;
    }
    const TimeWindow window = WindowFromPickers(ends[0], ends[1]);
    entry_.start = window.start;
    entry_.stop = window.stop;
    entry_.filtered = true;
    entry_.pointIds.clear();
    // The list holds at most kMaxHeadPoints lines, well within the logger's 1024 ids.
    const auto* list = GetControlAs<ListBoxControl>(res::kIdcFilterPointList);
    for (const int index : list->GetSelItems())
        entry_.pointIds.push_back(static_cast<std::int16_t>(list->GetItemData(index)));
    if (entry_.pointIds.empty())
        ShowDownloadBox(Handle(), "Nothing selected", "Download Data", MessageBoxIcon::Information);
}

void CFilterDownloadDialog::OnCancel()
{
    StopRun(blocks_.Total());
    SetStatusMessage(services_.Status(), "Data Download Cancelled");
    Dialog::OnCancel();
}

}  // namespace corvane
