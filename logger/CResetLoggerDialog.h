#pragma once

#include "logger/ResetSequence.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

class CConnectionDetails;
class CReplyMessage;
class HiddenReconnect;
class HiddenReconnectMaker;
class UsbLinkCheck;

// "Resetting Logger": asks the logger to reset, waits for it to go down,
// reconnects through a hidden connect dialog and closes itself. The
// USB link check is off from the request until the dialog ends. It ends
// with kIdOk once the logger is connected again; a reset that is refused,
// cannot be sent, is not answered or is not followed by a connection ends
// with kIdAbort, its status text left for the user to read until the OK
// button closes it, so callers know the logger is not back.
class CResetLoggerDialog : public Dialog {
public:
    static constexpr std::uint32_t kTimerId = 203;
    static constexpr std::uint32_t kTickMs = 1000;
    static constexpr std::string_view kEnabledText
        = "Resetting the logger while it is enabled may\nresult in loss of log data. Please STOP the\nlogging session "
          "before performing a reset.";
    static constexpr std::string_view kQuestionText = "Reset the logger?";

    CResetLoggerDialog(CConnectionDetails& connection, HiddenReconnectMaker& reconnects, UsbLinkCheck& usbLinkCheck,
        Window* parent = nullptr);
    ~CResetLoggerDialog() override;

    const ResetSequence& Sequence() const { return sequence_; }
    const std::string& StatusText() const { return status_; }
    // True once the logger was reset and is connected again.
    bool Reconnected() const { return sequence_.Current() == ResetSequence::State::Reconnected; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnTick();
    void OnReply(const CReplyMessage& reply);
    void SetStatus(std::string_view text);
    // Stops the timer and switches the USB link check back on; ends the
    // dialog with code, or with 0 leaves it open for the user to read.
    void Finish(int code);
    int FinishedCode() const;

    CConnectionDetails& connection_;
    HiddenReconnectMaker& reconnects_;
    UsbLinkCheck& usbLinkCheck_;
    ResetSequence sequence_;
    std::unique_ptr<HiddenReconnect> reconnect_;
    bool timerRunning_ = false;
    std::string status_;
};

}  // namespace corvane
