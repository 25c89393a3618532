#pragma once

#include <string_view>

namespace corvane {

// The steps of a logger reset, one tick a second, apart from its window:
// the request is acknowledged, the logger is given five seconds to go down,
// then the hidden connect dialog is asked to connect and its result is
// polled, all within 60 ticks.
class ResetSequence {
public:
    enum class State { Idle, Requested, Acknowledged, Delaying, Polling, Reconnected, Failed };

    static constexpr int kTickLimit = 60;
    static constexpr int kFirstPollTick = 5;

    static constexpr std::string_view kStartText = "Resetting Logger - Please Wait...";
    static constexpr std::string_view kNotSentText = "Logger did not respond to Reset command.";
    static constexpr std::string_view kWaitingText = "Waiting for response to Reset command.";
    static constexpr std::string_view kDelayText = "Delay for logger to initiate reset";
    static constexpr std::string_view kPollingText = "Begin polling for logger reconnect";
    static constexpr std::string_view kWaitingReconnectText = "Waiting for logger reconnect";
    static constexpr std::string_view kFailedText = "Failed to reconnect...";

    // What a tick asks of the window.
    struct Tick {
        bool startConnect = false;  // ask the hidden connect dialog to connect, waiting for the logger
        std::string_view status;    // a new status text, when not empty
    };

    State Current() const { return state_; }
    int Ticks() const { return ticks_; }
    bool Finished() const { return state_ == State::Reconnected || state_ == State::Failed; }

    // The request went out (true) or could not be sent.
    void Sent(bool sent);
    // The logger acknowledged the reset (a reply with data).
    void Acknowledged();
    // The logger never answered the reset request: nothing is restarting.
    void RequestTimedOut();
    // One second; connectResult is the hidden connect dialog's result (1
    // connected, -1 failed, 0 still trying), read only while polling.
    Tick OnTick(int connectResult);

private:
    State state_ = State::Idle;
    int ticks_ = 0;
};

}  // namespace corvane
