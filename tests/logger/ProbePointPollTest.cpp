#include "logger/ProbePointPoll.h"

#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace probe_point_poll_test {
namespace {

using Request = ProbePointPoll::Request;

std::string FakeTime(std::int32_t time) { return "t" + std::to_string(time); }

ProbeDescriptorList Descriptors(std::uint32_t continuation, std::vector<ProbeDescriptor> descriptors)
{
    return {continuation, std::move(descriptors)};
}

ProbeValueEntry Reading(std::int32_t time, float value) { return {time, ProbeRealBytes(value)}; }

class ProbePointPollTest : public ::testing::Test {
protected:
    // Descriptors in two parts, then the first pass is asked for.
    void ReadDescriptors()
    {
        EXPECT_EQ(poll.ValueStep(), (Request{kRequestRttId, 0}));
        EXPECT_EQ(poll.OnDescriptors(Descriptors(2, {{1, "A", "m", 1, kProbeReal}, {2, "B", "", 0, kProbeInteger}})),
            (Request{kRequestRttId, 2}));
        EXPECT_EQ(poll.OnDescriptors(Descriptors(0, {{3, "C", "", 0, kProbeBoolean}})), (Request{kRequestRtGet, 0}));
        EXPECT_EQ(poll.ValuePoll(), 3);
    }

    ProbePointPoll poll{FakeTime};
};

TEST_F(ProbePointPollTest, AValuePassInPartsFillsTheProbesInOrder)
{
    ReadDescriptors();
    bool refreshed = true;
    EXPECT_EQ(poll.OnValues({5, {Reading(100, 1.25f), Reading(0, 7.0f)}}, refreshed), (Request{kRequestRtGet, 5}));
    EXPECT_FALSE(refreshed);
    // More entries than probes: the extra ones are ignored.
    EXPECT_EQ(poll.OnValues({0, {{101, {1, 0, 0, 0}}, Reading(102, 9.0f)}}, refreshed), std::nullopt);
    EXPECT_TRUE(refreshed);
    ASSERT_EQ(poll.Probes().size(), 3u);
    EXPECT_EQ(poll.Probes()[0].ValueText, "1.2");
    EXPECT_EQ(poll.Probes()[0].TimeText, "t100");
    EXPECT_EQ(poll.Probes()[1].ValueText, "---");
    EXPECT_EQ(poll.Probes()[1].TimeText, "No Reading Yet");
    EXPECT_EQ(poll.Probes()[2].ValueText, "HI");
    EXPECT_EQ(poll.ValuePoll(), 4);
    // The next pass goes out on the second tick after the list was shown.
    EXPECT_EQ(poll.ValueStep(), std::nullopt);
    EXPECT_EQ(poll.ValueStep(), (Request{kRequestRtGet, 0}));
}

TEST_F(ProbePointPollTest, RunStateStopsTheValuesAndIsAskedAgainOnTheSecondTick)
{
    EXPECT_EQ(poll.RunStateStep(), (Request{kRequestGetRunState, 0}));
    EXPECT_EQ(poll.RunStateStep(), std::nullopt);  // still waiting
    poll.OnRunState(false);
    EXPECT_TRUE(poll.LoggerStopped());
    EXPECT_EQ(poll.RunStateStep(), std::nullopt);
    EXPECT_EQ(poll.RunStateStep(), (Request{kRequestGetRunState, 0}));
    EXPECT_EQ(poll.ValueStep(), (Request{kRequestRttId, 0}));
    // Descriptors while stopped: no pass of values.
    EXPECT_EQ(poll.OnDescriptors(Descriptors(0, {{1, "A", "", 0, kProbeReal}})), std::nullopt);
    poll.OnRunState(true);
    EXPECT_EQ(poll.ValueStep(), (Request{kRequestRtGet, 0}));
}

TEST_F(ProbePointPollTest, StartSendsTheRequestsATimeOutInterrupted)
{
    ReadDescriptors();
    bool refreshed = false;
    poll.Sent({kRequestRtGet, 0});
    (void)poll.OnValues({5, {Reading(100, 1.0f)}}, refreshed);
    poll.Sent({kRequestRtGet, 5});
    poll.Sent({kRequestGetRunState, 0});
    poll.OnTimeout(kRequestRtGet);
    EXPECT_TRUE(poll.Paused());
    EXPECT_EQ(poll.ValueStep(), std::nullopt);  // waiting for the part that never came
    EXPECT_EQ(poll.TogglePause(), (std::vector<Request>{{kRequestRtGet, 5}}));
    EXPECT_FALSE(poll.Paused());
    // Pause by the user interrupts nothing.
    EXPECT_TRUE(poll.TogglePause().empty());
    EXPECT_TRUE(poll.TogglePause().empty());
    // The re-sent part completes the pass.
    (void)poll.OnValues({0, {Reading(101, 2.0f), Reading(102, 3.0f)}}, refreshed);
    EXPECT_TRUE(refreshed);
    EXPECT_EQ(poll.Probes()[1].ValueText, "2");
}

TEST_F(ProbePointPollTest, AnErrorEndsThePassesAndARefusedSendIsTriedAgain)
{
    EXPECT_EQ(poll.RunStateStep(), (Request{kRequestGetRunState, 0}));
    poll.Refused({kRequestGetRunState, 0});
    EXPECT_EQ(poll.RunStateStep(), (Request{kRequestGetRunState, 0}));
    ReadDescriptors();
    poll.Refused({kRequestRtGet, 0});
    EXPECT_EQ(poll.ValueStep(), (Request{kRequestRtGet, 0}));
    poll.StopValues();
    bool refreshed = false;
    (void)poll.OnValues({0, {}}, refreshed);
    EXPECT_EQ(poll.ValueStep(), std::nullopt);
    EXPECT_EQ(poll.ValueStep(), std::nullopt);
}

}  // namespace
}  // namespace probe_point_poll_test
}  // namespace corvane
