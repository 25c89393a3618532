#pragma once

#include "logger/LoggerFirmwareFile.h"
#include "logger/LoggerReflashPort.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class HiddenReconnect;

// The logger firmware reflash as one state machine, moved by the start
// button, the replies, the time-outs and a one-second timer:
//
//   0 select -> 1 start -> 2 blocks (one per reply) -> 3 execute
//   -> 4 restart -> 5 wait and reconnect -> 7 complete
//
// or 9 failed from any state through an error reply, a time-out, a file
// that cannot be read or a block that cannot be sent, or the reconnect
// limit. The ticks count from the end of the data transfer; the logger is
// polled for from WaitSeconds on, a failed reconnect is retried below 100
// ticks, and a reconnect still in progress at WaitSeconds + 100 ticks
// fails the reflash. The file is closed on every way out.
class LoggerReflash {
public:
    static constexpr int kSelect = 0;
    static constexpr int kStart = 1;
    static constexpr int kBlocks = 2;
    static constexpr int kExecute = 3;
    static constexpr int kRestart = 4;
    static constexpr int kWaitReconnect = 5;
    static constexpr int kComplete = 7;
    static constexpr int kFailed = 9;

    static constexpr int kWaitSeconds = 30;
    static constexpr int kCellularWaitSeconds = 120;
    static constexpr int kReconnectRetryTicks = 100;
    // Stop replies that count as done: the logger halted, or it was stopped already.
    static constexpr std::uint16_t kCodeLoggerHalted = 19716;
    static constexpr std::uint16_t kCodeAlreadyStopped = 16673;

    explicit LoggerReflash(LoggerReflashPort& port);
    ~LoggerReflash();
    LoggerReflash(const LoggerReflash&) = delete;
    LoggerReflash& operator=(const LoggerReflash&) = delete;

    // The dialog opens: an enabled logger is stopped when the user agrees;
    // false when the dialog is to close instead.
    bool Begin(bool loggerEnabled);
    // The start button: chooses the file and begins; does nothing once a
    // file has been accepted.
    void Start(bool retainRelay);
    // A reply to one of the dialog's requests; hasData false: nothing.
    void OnReply(std::uint16_t requestType, bool hasData, bool errorFlag, std::uint16_t code, std::string_view text);
    void OnTimeout(std::uint16_t requestType);
    // The one-second timer.
    void OnTick();
    // The dialog closes.
    void OnClose();

    int State() const { return state_; }
    int TickCount() const { return tickCount_; }
    int WaitSeconds() const { return waitSeconds_; }
    std::uint32_t BlockOffset() const { return blockOffset_; }
    std::int64_t BytesLeft() const { return bytesLeft_; }
    bool RetainRelay() const { return retainRelay_; }
    bool FileOpen() const { return file_.IsOpen(); }
    const std::string& FilePath() const { return path_; }

private:
    void RunStep();
    void SelectFile();
    void StartTransfer();
    void SendBlock();
    void Execute();
    void BeginRestart();
    void WaitAndReconnect();
    void Complete();
    void ShowFailure();
    void Fail();
    void ShowErrorCode(std::uint16_t code, std::string_view text);
    bool Ended() const { return state_ == kComplete || state_ == kFailed; }

    LoggerReflashPort& port_;
    std::unique_ptr<HiddenReconnect> reconnect_;
    LoggerFirmwareFile file_;
    std::string path_;
    bool timerRunning_ = false;
    std::uint32_t blockOffset_ = 0;
    bool retainRelay_ = true;
    int state_ = kSelect;
    std::int64_t bytesLeft_ = 0;
    int tickCount_ = 0;
    int waitSeconds_ = kWaitSeconds;
    std::uint32_t progressUpper_ = 0;
};

}  // namespace corvane
