#include "logger/ResetSequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace reset_sequence_test {
namespace {

using State = ResetSequence::State;

// Runs ticks with the connect results given (the last repeats) until the
// sequence ends or the ticks run out; notes the tick that asked to connect.
struct Outcome {
    State end;
    int ticks;
    int connectTick;
    std::string_view lastStatus;
};
Outcome Drive(ResetSequence& sequence, const std::vector<int>& results, int maxTicks = 100)
{
    Outcome run{State::Idle, 0, 0, {}};
    std::size_t next = 0;
    for (int i = 0; i < maxTicks && !sequence.Finished(); ++i) {
        const int result = results[std::min(next, results.size() - 1)];
        if (sequence.Current() == State::Polling)
            ++next;
        const ResetSequence::Tick tick = sequence.OnTick(result);
        if (tick.startConnect)
            run.connectTick = sequence.Ticks();
        if (!tick.status.empty())
            run.lastStatus = tick.status;
    }
    run.end = sequence.Current();
    run.ticks = sequence.Ticks();
    return run;
}

TEST(ResetSequenceTest, PollingStartsAtTheFifthTickAndEndsOnTheConnectResult)
{
    const struct {
        std::vector<int> results;  // while polling, one a tick
        State end;
        int ticks;
        std::string_view status;
    } cases[] = {
        {{0, 0, 1}, State::Reconnected, 8, ResetSequence::kWaitingReconnectText},
        {{1}, State::Reconnected, 6, ResetSequence::kPollingText},
        {{0, -1}, State::Failed, 7, ResetSequence::kFailedText},
        // Still trying at tick 61: failed.
        {{0}, State::Failed, 61, ResetSequence::kFailedText},
    };
    for (const auto& c : cases) {
        ResetSequence sequence;
        sequence.Sent(true);
        // Acknowledged before the first tick, still polled only from tick 5.
        sequence.Acknowledged();
        const Outcome run = Drive(sequence, c.results);
        EXPECT_EQ(run.connectTick, ResetSequence::kFirstPollTick);
        EXPECT_EQ(run.end, c.end);
        EXPECT_EQ(run.ticks, c.ticks);
        EXPECT_EQ(run.lastStatus, c.status);
    }
}

TEST(ResetSequenceTest, AResetThatIsNotSentNotAnsweredOrNotAcknowledgedFails)
{
    ResetSequence notSent;
    notSent.Sent(false);
    EXPECT_EQ(notSent.Current(), State::Failed);
    EXPECT_EQ(notSent.OnTick(1).status, "");

    ResetSequence timedOut;
    timedOut.Sent(true);
    timedOut.RequestTimedOut();
    EXPECT_EQ(timedOut.Current(), State::Failed);
    // A late acknowledgement changes nothing.
    timedOut.Acknowledged();
    EXPECT_EQ(timedOut.Current(), State::Failed);

    ResetSequence unanswered;
    unanswered.Sent(true);
    const Outcome run = Drive(unanswered, {1});
    EXPECT_EQ(run.connectTick, 0);
    EXPECT_EQ(run.end, State::Failed);
    EXPECT_EQ(run.ticks, 61);
    EXPECT_EQ(run.lastStatus, ResetSequence::kFailedText);
}

}  // namespace
}  // namespace reset_sequence_test
}  // namespace corvane
