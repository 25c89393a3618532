#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

// The steps of the connection handshake after the ping, without a link: the
// connect dialog feeds it its timer ticks, the replies and time-outs of its
// requests and whether each request was queued, and does what it is told.
//
// Chain (passwords off): ping reply -> out-of-band status (reply unused),
// message time-out, password status, real-time stream off, configuration
// items 76, 42, 80 and 91, logger state. Failure states end in state 40
// (disconnect, result -1); a good state reply ends in 29 (result 1). Both
// return to idle (0). Every way the handshake can fail ends with -1.
class ConnectHandshake {
public:
    static constexpr int kIdle = 0;
    static constexpr int kAwaitingPing = 1;
    static constexpr int kCheckPasswords = 5;
    static constexpr int kLoggingIn = 6;
    static constexpr int kAwaitingState = 28;
    static constexpr int kConnected = 29;
    static constexpr int kFailed = 40;
    // The shortest state reply the program reads.
    static constexpr std::size_t kStateBlockSize = 136;

    // What the dialog does next.
    struct Step {
        enum class Kind {
            None,
            Send,            // send requestType (configuration key for item requests), then RequestQueued
            CheckPasswords,  // apply the password status, login if needed, then PasswordsChecked
            Succeeded,       // the connect result became 1
            Failed,          // run the disconnect routine; the connect result became -1
        };
        Kind kind = Kind::None;
        std::uint16_t requestType = 0;
        std::uint16_t configKey = 0;
        friend bool operator==(const Step&, const Step&) = default;
    };

    // What a reply asks of the dialog.
    enum class ReplyUse {
        Ignore,                 // not awaited now, or without data
        SendOutOfBand,          // the ping answered: send the out-of-band request at once (its result is not used)
        ShowLoggerError,        // the logger error box
        KeepPasswordStatus,     // keep data bytes 0 and 1
        StorePolledConfigWord,  // item 42: the value from data byte 2
        StoreLoggerInfoText,    // item 80: the text from data byte 2
        StoreCapabilityByte,    // item 91: data byte 2
        Consume,                // awaited, nothing kept (item 76, a refused item, the time-out and stream replies)
        ConnectedSteps,         // a full state block: run the connected steps, then Connected()
        StateReplyTooShort,     // tell the user; the handshake fails
    };

    // What a time-out asks of the dialog.
    struct TimeoutUse {
        bool runFailedRoutine = true;
        bool progressTimeoutText = false;  // status progress text "Timeout"
        std::string_view boxCaption;       // "** TIMEOUT **" box under this caption; empty: none
        friend bool operator==(const TimeoutUse&, const TimeoutUse&) = default;
    };

    int State() const { return state_; }
    // 0 in progress or idle, 1 connected, -1 failed.
    int Result() const { return result_; }
    void SetResult(int result) { result_ = result; }

    // The ping was made: wait for its reply.
    void Start();
    // The timer: the request or routine the current state asks for.
    Step OnTimer();
    // Whether the request the timer asked for was queued.
    void RequestQueued(bool queued);
    // The login dialog runs (its modal loop keeps the timer going).
    void BeginLogin();
    // After the password status: with no user allowed in the handshake
    // fails; otherwise the stream request is due.
    Step PasswordsChecked(bool userAllowed);
    ReplyUse OnReply(std::uint16_t requestType, bool errorFlag, std::size_t dataLength);
    TimeoutUse OnTimeout(std::uint16_t requestType);
    // The connected steps ran: the next tick reports success.
    void Connected();

private:
    int state_ = kIdle;
    int result_ = 0;
};

}  // namespace corvane
