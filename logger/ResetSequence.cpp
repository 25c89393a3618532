#include "logger/ResetSequence.h"

namespace corvane {

void ResetSequence::Sent(bool sent) { state_ = sent ? State::Requested : State::Failed; }

void ResetSequence::Acknowledged()
{
    if (state_ == State::Requested)
        state_ = State::Acknowledged;
}

void ResetSequence::RequestTimedOut()
{
    if (state_ == State::Requested)
        state_ = State::Failed;
}

ResetSequence::Tick ResetSequence::OnTick(int connectResult)
{
    Tick tick;
    if (Finished() || state_ == State::Idle)
        return tick;
    ++ticks_;
    switch (state_) {
    case State::Acknowledged:
        tick.status = kDelayText;
        state_ = State::Delaying;
        break;
    case State::Delaying:
        tick.status = kDelayText;
        if (ticks_ >= kFirstPollTick) {
            tick.status = kPollingText;
            tick.startConnect = true;
            state_ = State::Polling;
        }
        break;
    case State::Polling:
        if (connectResult == 1) {
            state_ = State::Reconnected;
            return tick;
        }
        if (connectResult < 0) {
            tick.status = kFailedText;
            state_ = State::Failed;
            return tick;
        }
        tick.status = kWaitingReconnectText;
        break;
    default: break;
    }
    if (ticks_ > kTickLimit) {
        tick.status = kFailedText;
        tick.startConnect = false;
        state_ = State::Failed;
    }
    return tick;
}

}  // namespace corvane
