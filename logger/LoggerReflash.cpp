#include "logger/LoggerReflash.h"

#include "halvix/protocol/RequestTypes.h"
#include "logger/HiddenReconnect.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

namespace corvane {

namespace {

constexpr std::string_view kCaption = "Reflash";

std::string ErrorCodeText(std::string_view format, std::uint16_t code, std::string_view text)
{
    char head[64] = {};
    std::snprintf(head, sizeof head, "Reflash Error Code (0x%04X) Encountered", static_cast<unsigned>(code));
    return std::string(head) + std::string(format) + std::string(text);
}

std::string SendError(std::string_view request, int result)
{
    return "***Error " + std::to_string(result) + " sending " + std::string(request) + "***";
}

}  // namespace

LoggerReflash::LoggerReflash(LoggerReflashPort& port) : port_(port) {}

LoggerReflash::~LoggerReflash() = default;

bool LoggerReflash::Begin(bool loggerEnabled)
{
    if (!loggerEnabled)
        return true;
    if (!port_.AskYesNo("The logger cannot be reflashed while enabled. \n\nDo you want to stop the logging session "
                        "and\ncontinue the reflash operation?",
            kCaption))
        return false;
    (void)port_.SendStop();
    return true;
}

void LoggerReflash::Start(bool retainRelay)
{
    // Once a file is accepted the sequence runs on its replies and timer
    // alone; the button must not disturb it.
    if (state_ != kSelect)
        return;
    retainRelay_ = retainRelay;
    RunStep();
}

void LoggerReflash::RunStep()
{
    switch (state_) {
    case kSelect: SelectFile(); break;
    case kStart: StartTransfer(); break;
    case kBlocks: SendBlock(); break;
    case kExecute: Execute(); break;
    case kRestart: BeginRestart(); break;
    case kWaitReconnect: WaitAndReconnect(); break;
    case kComplete: Complete(); break;
    case kFailed: ShowFailure(); break;
    default: break;
    }
}

void LoggerReflash::SelectFile()
{
    const std::optional<std::filesystem::path> chosen = port_.ChooseFirmwareFile();
    if (!chosen) {
        port_.CloseCancelled();
        return;
    }
    path_ = chosen->string();
    if (!file_.Open(*chosen)) {
        port_.ShowBox("File (" + path_ + ") Could Not be Opened", kCaption, LoggerReflashPort::BoxIcon::Warning);
        port_.CloseCancelled();
        return;
    }
    port_.AppendLog("Opening File " + path_);
    const LoggerFirmwareFile::VersionResult version = file_.ReadVersion();
    if (version.check == LoggerFirmwareFile::VersionCheck::ReadError)
        port_.ShowBox("exception", kCaption, LoggerReflashPort::BoxIcon::Error);
    // The block offsets travel as 32-bit numbers.
    if (version.check != LoggerFirmwareFile::VersionCheck::Valid
        || file_.Length() > std::numeric_limits<std::uint32_t>::max()) {
        file_.Close();
        port_.ShowBox("error, bin file does not match logger type", kCaption, LoggerReflashPort::BoxIcon::Warning);
        return;
    }
    if (!port_.AskOkCancel(
            "Reflash file " + LoggerFirmwareFile::VersionText(version.version) + " is selected.\n\nContinue?",
            kCaption)) {
        file_.Close();
        port_.AppendLog(path_ + " closed.");
        port_.AppendLog("Reflash Terminated.");
        return;
    }
    state_ = kStart;
    RunStep();
}

void LoggerReflash::StartTransfer()
{
    bytesLeft_ = static_cast<std::int64_t>(file_.Length());
    blockOffset_ = 0;
    state_ = kBlocks;
    port_.AppendLog("Sending firmware update...");
    progressUpper_ = static_cast<std::uint32_t>(file_.Length());
    port_.SetProgressRange(progressUpper_);
    port_.SetProgressPosition(0);
    if (const int sent = port_.SendFlashInit(); sent != 0) {
        port_.AppendLog(SendError("CxFlashInit", sent));
        Fail();
    }
}

void LoggerReflash::SendBlock()
{
    std::array<std::uint8_t, kFlashDataMaxBytes> buffer{};
    const std::size_t expected = LoggerFirmwareFile::NextBlockBytes(blockOffset_, file_.Length());
    const std::optional<std::size_t> read = file_.Read(std::span(buffer).first(expected));
    // A file that gives less than its length promised (a read error, or a
    // file cut short since it was chosen) cannot be sent whole.
    if (!read || *read < expected) {
        port_.AppendLog("****Exception while attempting to read firmware file***");
        Fail();
        return;
    }
    port_.SetProgressPosition(blockOffset_);
    if (const int sent = port_.SendFlashData(blockOffset_, std::span(buffer).first(*read)); sent != 0) {
        port_.AppendLog(SendError("CxFlashData", sent));
        Fail();
        return;
    }
    blockOffset_ += static_cast<std::uint32_t>(kFlashDataMaxBytes);
    bytesLeft_ -= static_cast<std::int64_t>(kFlashDataMaxBytes);
    if (bytesLeft_ > 0)
        return;
    state_ = kExecute;
    waitSeconds_ = port_.IsCellularLogger() ? kCellularWaitSeconds : kWaitSeconds;
    progressUpper_ = static_cast<std::uint32_t>(waitSeconds_);
    port_.SetProgressRange(progressUpper_);
    port_.SetProgressPosition(0);
    if (!timerRunning_) {
        tickCount_ = 0;
        port_.StartTimer();
        timerRunning_ = true;
    }
}

void LoggerReflash::Execute()
{
    if (port_.IsCellularLogger()) {
        port_.AppendLog("");
        port_.AppendLog("NOTE - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -");
        port_.AppendLog(
            "    Reflashing a logger connected to the network via a cell modem may require as much as two");
        port_.AppendLog(
            "    minutes due to the time required to disconnect from the cell network prior to initiating the");
        port_.AppendLog("    reflash and to reconnect to the network after completion of the reflash operation.");
        port_.AppendLog("NOTE - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -");
        port_.AppendLog("");
        waitSeconds_ = kCellularWaitSeconds;
    } else {
        waitSeconds_ = kWaitSeconds;
    }
    port_.AppendLog("Initiating Reprogramming Operation");
    state_ = kRestart;
    if (const int sent = port_.SendFlashExec(retainRelay_ ? 1 : 0); sent != 0) {
        port_.AppendLog(SendError("CxFlashExec", sent));
        Fail();
    }
}

void LoggerReflash::BeginRestart()
{
    port_.SetReflashing(true);
    reconnect_ = port_.MakeHiddenReconnect();
    if (!reconnect_) {
        port_.AppendLog("Reconnect failed");
        Fail();
        return;
    }
    reconnect_->PostDisconnect();
    state_ = kWaitReconnect;
}

void LoggerReflash::WaitAndReconnect()
{
    if (tickCount_ < waitSeconds_) {
        if (waitSeconds_ == kCellularWaitSeconds && tickCount_ % 15 == 0)
            port_.AppendLog("Cell modem delay...");
        return;
    }
    if (tickCount_ == waitSeconds_) {
        port_.AppendLog("Begin poll for reflash completion");
        reconnect_->PostConnectWaiting();
        return;
    }
    const int result = reconnect_->Result();
    if (result == 1) {
        state_ = kComplete;
        RunStep();
        return;
    }
    if (result == -1) {
        port_.AppendLog("Reconnect failed");
        if (tickCount_ < kReconnectRetryTicks) {
            reconnect_->PostConnectWaiting();
            return;
        }
        Fail();
        return;
    }
    // A reconnect that neither succeeds nor fails must not keep the
    // dialog waiting for ever.
    if (tickCount_ >= waitSeconds_ + kReconnectRetryTicks) {
        port_.AppendLog("Reconnect failed");
        Fail();
    }
}

void LoggerReflash::Complete()
{
    file_.Close();
    port_.StopTimer();
    timerRunning_ = false;
    port_.SetProgressPosition(progressUpper_);
    port_.AppendLog("Reflash Complete...");
    port_.ShowCloseButton();
    port_.SetReflashing(false);
}

void LoggerReflash::ShowFailure()
{
    port_.SetProgressPosition(progressUpper_);
    file_.Close();
    if (timerRunning_) {
        port_.StopTimer();
        timerRunning_ = false;
    }
    port_.AppendLog("Reflash Failed");
    port_.ShowCloseButton();
}

void LoggerReflash::Fail()
{
    state_ = kFailed;
    RunStep();
}

void LoggerReflash::ShowErrorCode(std::uint16_t code, std::string_view text)
{
    port_.AppendLog(ErrorCodeText(": ", code, text));
    Fail();
    port_.ShowBox(ErrorCodeText("\n\n", code, text), "Error Encountered", LoggerReflashPort::BoxIcon::Error);
}

void LoggerReflash::OnReply(
    std::uint16_t requestType, bool hasData, bool errorFlag, std::uint16_t code, std::string_view text)
{
    if (!hasData || Ended())
        return;
    const bool failed = errorFlag || code != 0;
    switch (requestType) {
    case kRequestRun:
        if (failed && code != kCodeLoggerHalted && code != kCodeAlreadyStopped)
            ShowErrorCode(code, text);
        break;
    case kRequestFlashInit:
    case kRequestFlashData:
        if (failed)
            ShowErrorCode(code, text);
        else if (state_ == kBlocks || state_ == kExecute)
            RunStep();
        break;
    case kRequestFlashExec:
        if (failed) {
            // The logger keeps its firmware; the user closes the dialog.
            port_.AppendLog("VXM_FLASHEXEC error response received");
        } else if (state_ == kRestart) {
            port_.AppendLog("Logger Reprogramming Sequence Started - Please Wait...");
            RunStep();
        }
        break;
    default: break;
    }
}

void LoggerReflash::OnTimeout(std::uint16_t)
{
    if (Ended())
        return;
    port_.ShowTimeoutStatus();
    state_ = kFailed;
    port_.ShowBox("** TIMEOUT **", "Communication Timeout", LoggerReflashPort::BoxIcon::Error);
    RunStep();
}

void LoggerReflash::OnTick()
{
    ++tickCount_;
    if (!Ended())
        port_.StepProgress();
    if (state_ == kWaitReconnect)
        RunStep();
}

void LoggerReflash::OnClose()
{
    file_.Close();
    if (timerRunning_) {
        port_.StopTimer();
        timerRunning_ = false;
    }
    // Nothing will clear the mark once the dialog has gone, and the main
    // window does not watch the link while it is set.
    if (state_ >= kRestart && state_ != kComplete)
        port_.SetReflashing(false);
    // The hidden connect dialog stays until this goes with its dialog: the
    // close may come from inside one of its own waits.
}

}  // namespace corvane
