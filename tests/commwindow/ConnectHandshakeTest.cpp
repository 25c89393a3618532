#include "commwindow/ConnectHandshake.h"

#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace corvane {
namespace connect_handshake_test {
namespace {

using Step = ConnectHandshake::Step;
using ReplyUse = ConnectHandshake::ReplyUse;
using Request = std::pair<std::uint16_t, std::uint16_t>;  // type, configuration key

constexpr std::size_t kSomeData = 4;

// Ticks until the handshake asks for something other than nothing.
Step TickUntilAsked(ConnectHandshake& handshake)
{
    for (int tick = 0; tick < 4; ++tick) {
        const Step step = handshake.OnTimer();
        if (step.kind != Step::Kind::None)
            return step;
    }
    return {};
}

// Starts the handshake and runs it, every request queued and answered with
// data, until it stands in state; returns the requests made on the way.
std::vector<Request> WalkTo(ConnectHandshake& handshake, int state, bool loginNeeded = false)
{
    std::vector<Request> sent;
    handshake.Start();
    if (state == ConnectHandshake::kAwaitingPing)
        return sent;
    EXPECT_EQ(handshake.OnReply(kRequestPing, false, kSomeData), ReplyUse::SendOutOfBand);
    sent.push_back({kRequestOobS, 0});
    for (int guard = 0; guard < 40 && handshake.State() != state; ++guard) {
        Step step = TickUntilAsked(handshake);
        if (step.kind == Step::Kind::CheckPasswords) {
            if (loginNeeded)
                handshake.BeginLogin();
            EXPECT_EQ(handshake.OnTimer().kind, loginNeeded ? Step::Kind::None : Step::Kind::CheckPasswords);
            step = handshake.PasswordsChecked(true);
        }
        if (step.kind != Step::Kind::Send)
            break;
        sent.push_back({step.requestType, step.configKey});
        handshake.RequestQueued(true);
        if (handshake.State() != state) {
            EXPECT_NE(handshake.OnReply(step.requestType, false, kSomeData), ReplyUse::Ignore) << step.requestType;
        }
    }
    EXPECT_EQ(handshake.State(), state);
    return sent;
}

const std::vector<Request> kChain
    = {{kRequestOobS, 0}, {kRequestMsgTimeout, 0}, {kRequestPwStatus, 0}, {kRequestRtStreamReq, 0}, {kRequestCfGet, 76},
        {kRequestCfGet, 42}, {kRequestCfGet, 80}, {kRequestCfGet, 91}, {kRequestStateGet, 0}};

TEST(ConnectHandshakeTest, RequestsFollowThePingInOrderUntilConnected)
{
    ConnectHandshake handshake;
    EXPECT_EQ(WalkTo(handshake, ConnectHandshake::kAwaitingState), kChain);
    EXPECT_EQ(handshake.OnReply(kRequestStateGet, false, ConnectHandshake::kStateBlockSize), ReplyUse::ConnectedSteps);
    handshake.Connected();
    EXPECT_EQ(handshake.OnTimer().kind, Step::Kind::Succeeded);
    EXPECT_EQ(handshake.Result(), 1);
    EXPECT_EQ(handshake.State(), ConnectHandshake::kIdle);
}

TEST(ConnectHandshakeTest, ALoginKeepsTheOrderAndNoUserFailsWithoutTheStreamRequest)
{
    ConnectHandshake loggedIn;
    EXPECT_EQ(WalkTo(loggedIn, ConnectHandshake::kAwaitingState, true), kChain);

    ConnectHandshake refused;
    WalkTo(refused, ConnectHandshake::kCheckPasswords);
    refused.BeginLogin();
    EXPECT_EQ(refused.PasswordsChecked(false).kind, Step::Kind::None);
    EXPECT_EQ(refused.State(), ConnectHandshake::kFailed);
    EXPECT_EQ(refused.OnTimer().kind, Step::Kind::Failed);
    EXPECT_EQ(refused.Result(), -1);
}

// A request that could not be queued: the state the chain goes to, and
// every failure state ends in the disconnect with result -1.
TEST(ConnectHandshakeTest, ARequestNotSentMovesToItsFailureState)
{
    const struct {
        int sendingState;
        int nextState;
    } cases[] = {{2, 18}, {17, 7}, {10, 15}, {13, 35}, {33, 39}, {37, 27}, {25, 31},
        // Without the stream request the chain goes on with item 76.
        {ConnectHandshake::kCheckPasswords, 11}};
    for (const auto& c : cases) {
        ConnectHandshake handshake;
        WalkTo(handshake, c.sendingState);
        Step step = TickUntilAsked(handshake);
        if (step.kind == Step::Kind::CheckPasswords)
            step = handshake.PasswordsChecked(true);
        ASSERT_EQ(step.kind, Step::Kind::Send) << c.sendingState;
        handshake.RequestQueued(false);
        EXPECT_EQ(handshake.State(), c.nextState) << c.sendingState;
        if (c.nextState != 11) {
            EXPECT_EQ(TickUntilAsked(handshake).kind, Step::Kind::Failed) << c.sendingState;
            EXPECT_EQ(handshake.Result(), -1);
        }
    }
}

TEST(ConnectHandshakeTest, TimeOutsMoveTheChainAsTheirRequestSays)
{
    const struct {
        std::uint16_t type;
        int startState;
        int nextState;
        ConnectHandshake::TimeoutUse use;
    } cases[] = {
        {kRequestPing, 1, 3, {true, true, "Communication Timeout"}},
        {kRequestPwStatus, 4, 7, {true, true, "Communication Timeout"}},
        {kRequestStateGet, 28, 30, {true, true, "Communication Timeout"}},
        {kRequestCfGet, 12, 14, {true, false, "Communication Timeout"}},
        // The stream and out-of-band answers are not needed: on with item 76,
        // without the failed routine, also when the out-of-band one comes late.
        {kRequestRtStreamReq, 9, 11, {false, false, ""}},
        {kRequestOobS, 17, 11, {false, false, ""}},
        // Any other request's time-out fails the handshake too.
        {kRequestMsgTimeout, 16, ConnectHandshake::kFailed, {true, true, "Communications Error"}},
    };
    for (const auto& c : cases) {
        ConnectHandshake handshake;
        WalkTo(handshake, c.startState);
        EXPECT_EQ(handshake.OnTimeout(c.type), c.use) << "type " << c.type;
        EXPECT_EQ(handshake.State(), c.nextState) << "type " << c.type;
        // A time-out that runs the failed routine ends with the result -1,
        // which a dialog waiting for the reconnect reads.
        if (c.use.runFailedRoutine) {
            EXPECT_EQ(TickUntilAsked(handshake).kind, Step::Kind::Failed) << "type " << c.type;
            EXPECT_EQ(handshake.Result(), -1) << "type " << c.type;
        }
    }
}

TEST(ConnectHandshakeTest, ALateOutOfBandTimeOutLeavesAnIdleHandshakeAlone)
{
    ConnectHandshake handshake;
    (void)handshake.OnTimeout(kRequestOobS);
    EXPECT_EQ(handshake.State(), ConnectHandshake::kIdle);
    EXPECT_EQ(handshake.OnTimer().kind, Step::Kind::None);
}

TEST(ConnectHandshakeTest, StateRepliesEndTheHandshakeByLengthAndErrorFlag)
{
    const struct {
        bool errorFlag;
        std::size_t length;
        ReplyUse use;
    } cases[] = {
        {false, ConnectHandshake::kStateBlockSize, ReplyUse::ConnectedSteps},
        {false, ConnectHandshake::kStateBlockSize - 1, ReplyUse::StateReplyTooShort},
        {true, 8, ReplyUse::ShowLoggerError},
        {false, 0, ReplyUse::Ignore},
    };
    for (const auto& c : cases) {
        ConnectHandshake handshake;
        WalkTo(handshake, ConnectHandshake::kAwaitingState);
        EXPECT_EQ(handshake.OnReply(kRequestStateGet, c.errorFlag, c.length), c.use) << c.length;
        if (c.use == ReplyUse::ConnectedSteps || c.use == ReplyUse::Ignore) {
            EXPECT_EQ(handshake.State(), ConnectHandshake::kAwaitingState);
        } else {
            EXPECT_EQ(TickUntilAsked(handshake).kind, Step::Kind::Failed) << c.length;
            EXPECT_EQ(handshake.Result(), -1);
        }
    }
}

// Each awaited answer in turn, good or refused: what is kept, and a second
// copy of the same answer changes nothing.
TEST(ConnectHandshakeTest, ItemValuesAreKeptOnlyFromGoodReplies)
{
    const struct {
        int awaitingState;
        std::uint16_t type;
        ReplyUse good;
        ReplyUse refused;
    } cases[] = {
        {16, kRequestMsgTimeout, ReplyUse::Consume, ReplyUse::Consume},
        {4, kRequestPwStatus, ReplyUse::KeepPasswordStatus, ReplyUse::ShowLoggerError},
        {9, kRequestRtStreamReq, ReplyUse::Consume, ReplyUse::Consume},
        {12, kRequestCfGet, ReplyUse::Consume, ReplyUse::Consume},
        {32, kRequestCfGet, ReplyUse::StorePolledConfigWord, ReplyUse::Consume},
        {36, kRequestCfGet, ReplyUse::StoreLoggerInfoText, ReplyUse::Consume},
        {24, kRequestCfGet, ReplyUse::StoreCapabilityByte, ReplyUse::Consume},
    };
    for (const auto& c : cases) {
        for (bool errorFlag : {false, true}) {
            ConnectHandshake handshake;
            WalkTo(handshake, c.awaitingState);
            EXPECT_EQ(handshake.OnReply(c.type, errorFlag, kSomeData), errorFlag ? c.refused : c.good)
                << c.awaitingState;
            EXPECT_EQ(handshake.OnReply(c.type, errorFlag, kSomeData), ReplyUse::Ignore) << c.awaitingState;
        }
    }
}

TEST(ConnectHandshakeTest, APasswordStatusErrorFailsTheHandshake)
{
    ConnectHandshake handshake;
    WalkTo(handshake, 4);
    EXPECT_EQ(handshake.OnReply(kRequestPwStatus, true, kSomeData), ReplyUse::ShowLoggerError);
    EXPECT_EQ(handshake.State(), 8);
    EXPECT_EQ(TickUntilAsked(handshake).kind, Step::Kind::Failed);
}

}  // namespace
}  // namespace connect_handshake_test
}  // namespace corvane
