#include "halvix/HalvixLib.h"

#include "HalvixTestSupport.h"
#include "base/UniqueFd.h"
#include "halvix/protocol/FdWrite.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"
#include "halvix/protocol/LoginDigest.h"
#include "halvix/protocol/ModbusTransactionLayout.h"
#include "halvix/protocol/ModuleReplies.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/SessionRequests.h"
#include "loggersim/SimulatedLogger.h"
#include "tests/loggersim/TestNetImage.h"
#include "tests/loggersim/TestSessionStream.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ostream>
#include <thread>

namespace corvane {
namespace halvix_library_test {
namespace {

using test::Posted;
using test::PostLog;
using test::RecordingPoster;
using test::ScratchFolder;

constexpr std::uint32_t kCommsThread = 41;
constexpr WindowHandle kWindow{17};

enum class LinkKind { Network, Serial };

void PrintTo(LinkKind kind, std::ostream* out) { *out << (kind == LinkKind::Network ? "network" : "serial"); }

// A library installed for the test and linked to an in-process simulated
// logger that offers both a TCP port and a pseudo-terminal.
class HalvixLinkTest : public ::testing::TestWithParam<LinkKind> {
protected:
    HalvixLinkTest()
    {
        SimulatorOptions options;
        options.stateFolder = folder_.Path() / "logger";
        options.pty = true;
        options.realTimeIntervalMs = 20;
        sim_ = std::make_unique<SimulatedLogger>(options);
        EXPECT_TRUE(sim_->Start()) << sim_->StartError();
        library_ = std::make_unique<HalvixLibrary>(std::make_unique<RecordingPoster>(posts_));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        EXPECT_EQ(CxSetCommsThreadID(kCommsThread), kCxOk);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
        EXPECT_EQ(CxSetRetryTime(5000), kCxOk);
        EXPECT_EQ(CxSetMaxRetries(0), kCxOk);
    }

    ~HalvixLinkTest() override
    {
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        sim_->Stop();
    }

    int Connect(LinkKind kind)
    {
        if (kind == LinkKind::Serial) {
            ptyBefore_ = sim_->PtyPath();
            library_->SetSerialDevice(7, ptyBefore_);
            EXPECT_EQ(CxSetComPort(7), kCxOk);
            EXPECT_EQ(CxSetSerialDCB(SerialSettings{}), kCxOk);
            EXPECT_EQ(CxSetCommunicationType(kCommTypeSerial), kCxOk);
        } else {
            EXPECT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
            EXPECT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
            EXPECT_EQ(CxSetSocketConnectTimeout(2000), kCxOk);
        }
        return CxLoggerConnect(1);
    }

    void WaitForNewPty()
    {
        for (int i = 0; i < 2000 && sim_->PtyPath() == ptyBefore_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_NE(sim_->PtyPath(), ptyBefore_);
    }

    // Issues a request and waits for its answer (the next window message).
    Posted Answer(const std::function<int()>& request)
    {
        const std::size_t before = PostLog::WindowPosts(posts_->Snapshot()).size();
        EXPECT_EQ(request(), kCxOk);
        return posts_->WaitForWindowPost(before + 1);
    }

    std::shared_ptr<CReplyMessage> Reply(const std::function<int()>& request, std::uint16_t type)
    {
        const Posted posted = Answer(request);
        EXPECT_EQ(posted.id, kReplyMessage);
        EXPECT_EQ(posted.window, kWindow);
        EXPECT_EQ(posted.wParam, type);
        EXPECT_NE(posted.reply, nullptr);
        if (posted.reply == nullptr)
            return std::make_shared<CReplyMessage>(0xFFFF, 0, true, "no reply", std::vector<std::uint8_t>{});
        EXPECT_EQ(posted.reply->RequestType(), type);
        return posted.reply;
    }

    ScratchFolder folder_;
    std::shared_ptr<PostLog> posts_ = std::make_shared<PostLog>();
    std::unique_ptr<SimulatedLogger> sim_;
    std::string ptyBefore_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
};

INSTANTIATE_TEST_SUITE_P(Links, HalvixLinkTest, ::testing::Values(LinkKind::Network, LinkKind::Serial),
    [](const ::testing::TestParamInfo<LinkKind>& link) {
        return link.param == LinkKind::Network ? "Network" : "Serial";
    });

TEST_P(HalvixLinkTest, EveryRequestIsAnsweredWithTheDataItsCallersRead)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    EXPECT_EQ(CxGetCommsStatus(), GetParam() == LinkKind::Serial ? kCommsSerialOpen : kCommsNetworkOpen);
    EXPECT_EQ(CxPollConnection(), 0);

    auto ping = Reply([] { return CxPing(kWindow, "Connect Ping"); }, kRequestPing);
    EXPECT_FALSE(ping->ErrorFlag());
    EXPECT_EQ(ping->TextAt(0), "Connect Ping");

    auto oob = Reply([] { return CxOobS(kWindow, 1); }, kRequestOobS);
    EXPECT_EQ(oob->U32At(0), 0u);

    auto timeout = Reply([] { return CxMsgTimeout(kWindow); }, kRequestMsgTimeout);
    EXPECT_EQ(timeout->U32At(0), 5000u);

    auto passwords = Reply([] { return CxPwStatus(kWindow); }, kRequestPwStatus);
    EXPECT_EQ(passwords->U8At(0), 0);
    EXPECT_EQ(passwords->U8At(1), 1);

    auto stream = Reply([] { return CxRtStreamReq(kWindow, 0); }, kRequestRtStreamReq);
    EXPECT_EQ(stream->U16At(0), 0);

    auto state = Reply([] { return CxStateGet(kWindow); }, kRequestStateGet);
    EXPECT_EQ(state->DataLength(), 136u);
    EXPECT_EQ(state->TextAt(0, 22), "Simulated Logger");
    EXPECT_EQ(state->TextAt(22, 22), "SIM-0001");
    EXPECT_EQ(state->U32At(44), sim_->State().firmwareVersion);

    auto identification = Reply([] { return CxCfGet(kWindow, 76); }, kRequestCfGet);
    EXPECT_EQ(identification->DataLength(), 2u + 14u);
    EXPECT_EQ(identification->U16At(0), 76);
    EXPECT_EQ(identification->U32At(2), 100001u);

    const auto name = test::Bytes(std::string_view("Pump House\0", 11));
    auto set = Reply([&] { return CxCfSet(kWindow, 17, name); }, kRequestCfSet);
    EXPECT_FALSE(set->ErrorFlag());
    EXPECT_EQ(set->U16At(0), 17);
    auto named = Reply([] { return CxCfGet(kWindow, 17); }, kRequestCfGet);
    EXPECT_EQ(named->TextAt(2), "Pump House");
    EXPECT_EQ(sim_->State().unitName, "Pump House");

    auto keys = Reply([] { return CxCfEnum(kWindow); }, kRequestCfEnum);
    const auto keyBytes = keys->Data();
    for (const std::uint8_t key : std::array<std::uint8_t, 5>{1, 42, 76, 80, 91})
        EXPECT_NE(std::find(keyBytes.begin(), keyBytes.end(), key), keyBytes.end()) << int(key);

    EXPECT_EQ(CxDisco(kWindow), kCxOk);
    EXPECT_EQ(posts_->WaitForWindowPost(11).id, kReplyMessage);
}

TEST_P(HalvixLinkTest, RunSendsTheStatusMessageBeforeItsReply)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    auto start = Reply([] { return CxRun(kWindow, 1, 0); }, kRequestRun);
    EXPECT_FALSE(start->ErrorFlag());
    EXPECT_EQ(start->Code(), 0);
    EXPECT_EQ(start->DataLength(), 2u);
    EXPECT_EQ(start->U16At(0), 2);

    const auto posts = posts_->Snapshot();
    const auto status = std::find_if(posts.begin(), posts.end(), [](const Posted& p) { return p.toThread; });
    const auto reply = std::find_if(posts.begin(), posts.end(), [](const Posted& p) { return !p.toThread; });
    ASSERT_NE(status, posts.end());
    EXPECT_LT(status - posts.begin(), reply - posts.begin());
    EXPECT_EQ(status->threadId, kCommsThread);
    EXPECT_EQ(status->id, kUnsolicitedMessage);
    EXPECT_EQ(status->wParam, kUnsolicitedStatus);
    ASSERT_NE(status->reply, nullptr);
    EXPECT_EQ(status->reply->RequestType(), kUnsolicitedStatus);
    EXPECT_EQ(status->reply->U16At(2), kStatusLoggerEnabled);
    EXPECT_EQ(status->reply->TextAt(10), "Logger enabled");
    EXPECT_TRUE(sim_->State().running);

    auto stop = Reply([] { return CxRun(kWindow, 0, 0); }, kRequestRun);
    EXPECT_EQ(stop->Code(), 0);
    auto again = Reply([] { return CxRun(kWindow, 0, 0); }, kRequestRun);
    EXPECT_FALSE(again->ErrorFlag());
    EXPECT_EQ(again->Code(), kCodeAlreadyStopped);
    EXPECT_EQ(again->U16At(0), 2);
    // One message per change: enabled, then halted; none for the second stop.
    const auto all = posts_->Snapshot();
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const Posted& p) { return p.toThread; }), 2);
}

TEST_P(HalvixLinkTest, ErrorRepliesCarryCodeAndTextInDataAndFields)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    auto missing = Reply([] { return CxCfGet(kWindow, 200); }, kRequestCfGet);
    EXPECT_TRUE(missing->ErrorFlag());
    EXPECT_EQ(missing->Code(), kSimErrorNoSuchItem);
    EXPECT_EQ(missing->ErrorText(), "Configuration item 200 is not present");
    EXPECT_EQ(missing->U16At(0), kSimErrorNoSuchItem);
    EXPECT_EQ(missing->TextAt(2), missing->ErrorText());
    EXPECT_EQ(missing->DataLength(), 2u + missing->ErrorText().size() + 1u);

    sim_->InjectFault({SimFault::Kind::ErrorReply, kRequestRun, 0, 282, "SD card scan in progress", 1});
    auto refused = Reply([] { return CxRun(kWindow, 1, 0); }, kRequestRun);
    EXPECT_TRUE(refused->ErrorFlag());
    EXPECT_EQ(refused->Code(), 282);
    EXPECT_EQ(refused->ErrorText(), "SD card scan in progress");
    EXPECT_FALSE(sim_->State().running);
}

TEST_P(HalvixLinkTest, AnUnansweredRequestTimesOutWithItsTypeInBothParameters)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    ASSERT_EQ(CxSetRetryTime(150), kCxOk);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestOobS, 0, 0, {}, -1});
    const Posted timedOut = Answer([] { return CxOobS(kWindow, 1); });
    EXPECT_EQ(timedOut.id, kTimeoutMessage);
    EXPECT_EQ(timedOut.window, kWindow);
    EXPECT_EQ(timedOut.wParam, kRequestOobS);
    EXPECT_EQ(timedOut.lParam, kRequestOobS);
    EXPECT_EQ(timedOut.reply, nullptr);
    // The link goes on with the next request.
    ASSERT_EQ(CxSetRetryTime(5000), kCxOk);
    Reply([] { return CxPing(kWindow, "PP"); }, kRequestPing);
}

// An idle link waits one retry time at most; a shorter retry time set
// meanwhile still holds for the next request.
TEST_P(HalvixLinkTest, AShortenedRetryTimeHoldsForTheNextRequest)
{
    ASSERT_EQ(CxSetRetryTime(60000), kCxOk);
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    Reply([] { return CxPing(kWindow, "PP"); }, kRequestPing);
    ASSERT_EQ(CxSetRetryTime(150), kCxOk);
    ASSERT_EQ(CxSetMaxRetries(1), kCxOk);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestOobS, 0, 0, {}, -1});
    EXPECT_EQ(Answer([] { return CxOobS(kWindow, 1); }).id, kTimeoutMessage);
    // The repeat goes out before the time-out is posted, but a busy
    // simulator may take it only afterwards.
    const auto sent = [&] {
        const auto types = sim_->RequestTypes();
        return std::count(types.begin(), types.end(), kRequestOobS);
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sent() < 2 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(sent(), 2) << "sent once and again once";
}

TEST_P(HalvixLinkTest, ARetryRecoversALostAnswerWithoutDoingTheRequestTwice)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    ASSERT_EQ(CxSetRetryTime(150), kCxOk);
    ASSERT_EQ(CxSetMaxRetries(2), kCxOk);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestRun, 0, 0, {}, 1});
    auto start = Reply([] { return CxRun(kWindow, 1, 0); }, kRequestRun);
    EXPECT_EQ(start->Code(), 0);
    // A reply delayed past the retry time is answered again from the
    // logger's copy; the late original is dropped.
    sim_->InjectFault({SimFault::Kind::Delay, kRequestRun, 400, 0, {}, 1});
    auto stop = Reply([] { return CxRun(kWindow, 0, 0); }, kRequestRun);
    EXPECT_EQ(stop->Code(), 0);
    EXPECT_FALSE(sim_->State().running);
    // Enabled and halted once each, whatever the repeats.
    const auto all = posts_->WaitUntil([](const std::vector<Posted>& posts) {
        return std::count_if(posts.begin(), posts.end(), [](const Posted& p) { return p.toThread; }) >= 2;
    });
    EXPECT_EQ(PostLog::WindowPosts(all).size(), 2u);
}

TEST_P(HalvixLinkTest, ADroppedLinkAnswersWhatWaitsWithTimeoutsAndIsReported)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    // The link drops when the ping is sent again, so the state request
    // queued meanwhile is waiting too.
    ASSERT_EQ(CxSetRetryTime(150), kCxOk);
    ASSERT_EQ(CxSetMaxRetries(1), kCxOk);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestPing, 0, 0, {}, 1});
    sim_->InjectFault({SimFault::Kind::DropLink, kRequestPing, 0, 0, {}, 1});
    ASSERT_EQ(CxPing(kWindow, "PP"), kCxOk);
    ASSERT_EQ(CxStateGet(kWindow), kCxOk);
    const Posted first = posts_->WaitForWindowPost(1);
    const Posted second = posts_->WaitForWindowPost(2);
    EXPECT_EQ(first.id, kTimeoutMessage);
    EXPECT_EQ(first.lParam, kRequestPing);
    EXPECT_EQ(second.id, kTimeoutMessage);
    EXPECT_EQ(second.lParam, kRequestStateGet);
    EXPECT_NE(CxPollConnection(), 0);
    EXPECT_EQ(CxGetCommsStatus(), kCommsLinkLost);
    EXPECT_EQ(CxPing(kWindow, "PP"), kCxCommError);

    // Connecting again works; a serial link comes back on a new device.
    if (GetParam() == LinkKind::Serial)
        WaitForNewPty();
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    EXPECT_EQ(CxPollConnection(), 0);
    Reply([] { return CxPing(kWindow, "PP"); }, kRequestPing);
}

TEST_P(HalvixLinkTest, UnsolicitedMessagesReachTheCommsThread)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    // A request first, so the simulator has taken the link.
    Reply([] { return CxPing(kWindow, "PP"); }, kRequestPing);
    sim_->SendMessage(kUnsolicitedRuntimeError, 7, "Divide by zero");
    const Posted error = posts_->WaitForThreadPost(kUnsolicitedRuntimeError);
    EXPECT_EQ(error.threadId, kCommsThread);
    ASSERT_NE(error.reply, nullptr);
    EXPECT_EQ(error.reply->U16At(2), 7);
    EXPECT_EQ(error.reply->TextAt(10), "Divide by zero");

    Reply([] { return CxRtStreamReq(kWindow, 1); }, kRequestRtStreamReq);
    const Posted values = posts_->WaitForThreadPost(kUnsolicitedRealTime);
    ASSERT_NE(values.reply, nullptr);
    EXPECT_GE(values.reply->DataLength(), 10u);
    EXPECT_EQ((values.reply->DataLength() - 10) % 6, 0u);
    EXPECT_EQ(values.reply->U32At(0), 1u);
    EXPECT_EQ(values.reply->U16At(10), 1);
    Reply([] { return CxRtStreamReq(kWindow, 0); }, kRequestRtStreamReq);
}

TEST_P(HalvixLinkTest, BusyBitShowsWhileARequestWaits)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestStateGet, 0, 0, {}, -1});
    ASSERT_EQ(CxSetRetryTime(60000), kCxOk);
    ASSERT_EQ(CxStateGet(kWindow), kCxOk);
    const std::uint32_t open = GetParam() == LinkKind::Serial ? kCommsSerialOpen : kCommsNetworkOpen;
    EXPECT_EQ(CxGetCommsStatus(), open | kCommsBusy);
    // Closing the link answers the waiting request.
    ASSERT_EQ(CxLoggerConnect(0), kCxOk);
    EXPECT_EQ(posts_->WaitForWindowPost(1).id, kTimeoutMessage);
    EXPECT_EQ(CxGetCommsStatus(), 0u);
    EXPECT_NE(CxPollConnection(), 0);
}

TEST_P(HalvixLinkTest, TracingLogsTheTrafficOnlyWhileSwitchedOn)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    Reply([] { return CxPing(kWindow, "quiet"); }, kRequestPing);
    const std::size_t quiet = library_->LogLines().size();
    ASSERT_EQ(CxSetLoggingFlags(kLogAll), kCxOk);
    Reply([] { return CxPing(kWindow, "loud"); }, kRequestPing);
    EXPECT_GT(library_->LogLines().size(), quiet);
    EXPECT_EQ(CxAddEventToLog("Status: Logger enabled"), kCxOk);
    const auto lines = library_->LogLines();
    EXPECT_NE(lines.back().find("Status: Logger enabled"), std::string::npos);
    std::int32_t flags = 0;
    EXPECT_EQ(CxGetLoggingFlags(flags), kCxOk);
    EXPECT_EQ(flags, kLogAll);
}

// A CxUserAuth buffer of the given stage with text at the stage's field.
std::array<std::uint8_t, kUserAuthBufferSize> UserAuthBuffer(
    std::uint16_t stage, std::string_view text, std::string_view clientNonce = {})
{
    std::array<std::uint8_t, kUserAuthBufferSize> buffer{};
    buffer[0] = static_cast<std::uint8_t>(stage);
    std::copy(text.begin(), text.end(), buffer.begin() + kUserAuthUserNameOffset);
    std::copy(clientNonce.begin(), clientNonce.end(), buffer.begin() + kUserAuthClientNonceOffset);
    return buffer;
}

TEST_P(HalvixLinkTest, TheLoginStagesTravelAsTheirReplyTypes)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    const auto first = UserAuthBuffer(kUserAuthStageChallenge, "admin", "89abcdef");
    auto challenge = Reply([&] { return CxUserAuth(kWindow, first); }, kRequestUserAuth);
    ASSERT_FALSE(challenge->ErrorFlag());
    EXPECT_EQ(challenge->U16At(0), 0);
    const std::string nonce(challenge->TextAt(2));
    const std::string realm(challenge->TextAt(2 + nonce.size() + 1));
    EXPECT_EQ(realm, "Simulated Logger");

    const auto second
        = UserAuthBuffer(kUserAuthStageResponse, LoginDigestResponse("admin", realm, "admin", nonce, "89abcdef"));
    auto result = Reply([&] { return CxUserAuth(kWindow, second); }, kRequestPassWd);
    EXPECT_FALSE(result->ErrorFlag());
    EXPECT_EQ(result->U32At(0), 0xFFFFFFFFu);
    EXPECT_EQ(result->U32At(4), 0xFFFFFFFFu);
}

TEST_P(HalvixLinkTest, ANetSentInBlocksIsInitialisedAndReadBack)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    auto stop = Reply([] { return CxRun(kWindow, 0, 0); }, kRequestRun);
    EXPECT_EQ(stop->Code(), kCodeAlreadyStopped);
    auto erase = Reply([] { return CxEraseAll(kWindow); }, kRequestEraseAll);
    EXPECT_FALSE(erase->ErrorFlag());

    // Two whole blocks: the final call is the only call without data.
    const auto image = test::MakeTestNetImage(2 * kNetBlockSize, "Intake");
    const std::span<const std::uint8_t> bytes(image);
    std::uint32_t value = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kNetBlockSize) {
        auto block
            = Reply([&] { return CxNetSet(kWindow, value, bytes.subspan(offset, kNetBlockSize)); }, kRequestNetSet);
        ASSERT_FALSE(block->ErrorFlag()) << block->ErrorText();
        value = block->U32At(0).value_or(0);
    }
    auto finalCall = Reply([&] { return CxNetSet(kWindow, value, {}); }, kRequestNetSet);
    EXPECT_FALSE(finalCall->ErrorFlag());
    auto init = Reply([] { return CxNetInit(kWindow); }, kRequestNetInit);
    EXPECT_FALSE(init->ErrorFlag()) << init->ErrorText();
    EXPECT_EQ(init->Code(), 0);

    auto parm = Reply([] { return CxNetParm(kWindow); }, kRequestNetParm);
    EXPECT_EQ(parm->U16At(kNetParmStatusOffset), kNetStatusPresent);
    EXPECT_EQ(parm->U32At(kNetParmSizeOffset), image.size());
    EXPECT_EQ(parm->TextAt(kNetParmNameOffset), "Intake");

    std::vector<std::uint8_t> read;
    std::uint32_t request = 0;
    do {
        auto block = Reply([&] { return CxNetGet(kWindow, request); }, kRequestNetGet);
        ASSERT_FALSE(block->ErrorFlag()) << block->ErrorText();
        const auto data = block->Data();
        ASSERT_GE(data.size(), kNetBlockOffset);
        read.insert(read.end(), data.begin() + kNetBlockOffset, data.end());
        request = block->U32At(0).value_or(0);
    } while (request != 0 && read.size() <= image.size());
    EXPECT_EQ(read, image);
}

TEST_P(HalvixLinkTest, ANetWithABadCrcIsRefusedWithTheLoggersText)
{
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    auto image = test::MakeTestNetImage(600);
    image[300] ^= 0xFF;
    auto block = Reply([&] { return CxNetSet(kWindow, 0, image); }, kRequestNetSet);
    auto finalCall = Reply([&] { return CxNetSet(kWindow, block->U32At(0).value_or(0), {}); }, kRequestNetSet);
    EXPECT_FALSE(finalCall->ErrorFlag());
    auto init = Reply([] { return CxNetInit(kWindow); }, kRequestNetInit);
    EXPECT_TRUE(init->ErrorFlag());
    EXPECT_EQ(init->Code(), kSimErrorNetCrc);
    EXPECT_FALSE(init->ErrorText().empty());
    auto parm = Reply([] { return CxNetParm(kWindow); }, kRequestNetParm);
    EXPECT_EQ(parm->U16At(kNetParmStatusOffset), kNetStatusAbsent);
}

std::vector<std::string> ListAllSessions(const std::function<std::shared_ptr<CReplyMessage>(std::vector<std::uint8_t>)>& list)
{
    std::vector<std::string> names;
    std::vector<std::uint8_t> data(kSessionListHeaderSize, 0);
    for (int block = 0; block < 20; ++block) {
        const auto reply = list(data);
        EXPECT_FALSE(reply->ErrorFlag()) << reply->ErrorText();
        data.assign(reply->Data().begin(), reply->Data().end());
        if (data.size() < kSessionListHeaderSize)
            break;
        for (std::size_t at = kSessionListHeaderSize; at + kSessionRecordSize <= data.size(); at += kSessionRecordSize)
            names.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(at),
                data.begin() + static_cast<std::ptrdiff_t>(at + kSessionNameSize));
        if (data[kSessionListMoreOffset] == 0)
            break;
    }
    return names;
}

TEST_P(HalvixLinkTest, SessionsAreListedDownloadedAndErased)
{
    std::vector<LoggedSessionPlan> sessions;
    for (std::uint32_t i = 0; i < 6; ++i)
        sessions.push_back(test::SessionAt(0x67000000 + i * 0x10000, 20 + 100 * i));
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path() / "logger", sessions));
    ASSERT_EQ(Connect(GetParam()), kCxOk) << library_->LastLinkError();
    const auto list = [this](std::vector<std::uint8_t> data) {
        return Reply([&] { return CxListSessions(kWindow, data); }, kRequestListSessions);
    };
    std::vector<std::string> expected;
    for (const LoggedSessionPlan& plan : sessions)
        expected.push_back(SessionName(plan));
    EXPECT_EQ(ListAllSessions(list), expected);

    // The download's replies after the start reply reach the same window.
    const std::size_t before = PostLog::WindowPosts(posts_->Snapshot()).size();
    ASSERT_EQ(CxSdlStart(kWindow, kSdlModeWhole, expected[4]), kCxOk);
    const auto isEnd = [](const Posted& posted) {
        return posted.wParam == kReplySdlData && posted.reply != nullptr && posted.reply->Data().empty();
    };
    const auto posts = PostLog::WindowPosts(posts_->WaitUntil([&](const std::vector<Posted>& all) {
        const auto windowPosts = PostLog::WindowPosts(all);
        return std::any_of(windowPosts.begin() + static_cast<std::ptrdiff_t>(std::min(before, windowPosts.size())),
            windowPosts.end(), isEnd);
    }));
    ASSERT_GT(posts.size(), before + 1);
    EXPECT_EQ(posts[before].wParam, kReplySdlStarted);
    std::vector<std::uint8_t> received;
    for (std::size_t i = before + 1; i < posts.size() && !isEnd(posts[i]); ++i) {
        ASSERT_EQ(posts[i].window, kWindow);
        ASSERT_EQ(posts[i].wParam, kReplySdlData);
        ASSERT_NE(posts[i].reply, nullptr);
        ASSERT_EQ(posts[i].reply->U32At(0), received.size());
        const auto data = posts[i].reply->Data();
        received.insert(received.end(), data.begin() + kSdlOffsetSize, data.end());
    }
    EXPECT_EQ(received, test::GeneratedStream(sim_->State(), sessions[4]));

    auto erase = Reply([&] { return CxEraseSession(kWindow, expected[1]); }, kRequestEraseSession);
    EXPECT_FALSE(erase->ErrorFlag()) << erase->ErrorText();
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(ListAllSessions(list), expected);
    auto again = Reply([&] { return CxEraseSession(kWindow, SessionName(sessions[1])); }, kRequestEraseSession);
    EXPECT_TRUE(again->ErrorFlag());
    EXPECT_EQ(again->Code(), kSimErrorNoSuchSession);
}

class HalvixSetUpTest : public ::testing::Test {
protected:
    std::shared_ptr<PostLog> posts_ = std::make_shared<PostLog>();
    HalvixLibrary library_{std::make_unique<RecordingPoster>(posts_)};
};

TEST_F(HalvixSetUpTest, RetryTimesAboveTheLimitAreClampedNotTruncated)
{
    const struct {
        std::uint32_t set;
        std::uint32_t expected;
    } cases[] = {{5000, 5000}, {65535, 65535}, {65536 + 100, 65535}, {90000, 65535}, {0, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(library_.SetRetryTime(c.set), kCxOk);
        std::uint32_t got = 0;
        EXPECT_EQ(library_.GetRetryTime(got), kCxOk);
        EXPECT_EQ(got, c.expected) << c.set;
    }
}

TEST_F(HalvixSetUpTest, LibraryVersionIsAtLeastTheSimulatedFirmware)
{
    std::uint32_t version = 0;
    EXPECT_EQ(library_.GetCommLibVersion(version), kCxOk);
    const std::uint32_t firmware = LoggerState::Fresh().firmwareVersion;
    EXPECT_GE((version >> 16) & 0xFF, (firmware >> 16) & 0xFF);
}

TEST_F(HalvixSetUpTest, RequestsAreRefusedBeforeInitialisationAndWithoutALink)
{
    const WindowHandle window{3};
    EXPECT_EQ(library_.Ping(window, "PP"), kCxUninitialized);
    EXPECT_EQ(library_.LoggerConnect(1), kCxUninitialized);
    EXPECT_EQ(library_.Init(), kCxOk);
    EXPECT_EQ(library_.Ping(window, "PP"), kCxCommError);
    EXPECT_EQ(library_.GetCommsStatus(), 0u);
    EXPECT_NE(library_.PollConnection(), 0);
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, FreeFunctionsWithoutAnInstalledLibraryReportUninitialised)
{
    ASSERT_EQ(InstalledHalvixLibrary(), nullptr);
    EXPECT_EQ(CxPing(WindowHandle{3}, "PP"), kCxUninitialized);
    EXPECT_EQ(CxInitHalvixLib(), kCxUninitialized);
    EXPECT_EQ(CxGetCommsStatus(), 0u);
    EXPECT_NE(CxPollConnection(), 0);
    {
        HalvixInstallation installation(library_);
        EXPECT_EQ(InstalledHalvixLibrary(), &library_);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
    }
    EXPECT_EQ(InstalledHalvixLibrary(), nullptr);
}

TEST_F(HalvixSetUpTest, SetUpArgumentsAreChecked)
{
    EXPECT_EQ(library_.SetCommunicationType(2), kCxBadArgument);
    EXPECT_EQ(library_.SetComPort(0), kCxBadArgument);
    EXPECT_EQ(library_.SetMaxRetries(-1), kCxBadArgument);
    EXPECT_EQ(library_.SetNetworkServer("", 4660), kCxBadArgument);
    EXPECT_EQ(library_.SetNetworkServer("logger", 0), kCxBadArgument);
    SerialSettings odd;
    odd.stopBits = SerialSettings::StopBits::OnePointFive;
    EXPECT_EQ(library_.SetSerialSettings(odd), kCxBadArgument);
    odd = SerialSettings{};
    odd.baudRate = 12345;
    EXPECT_EQ(library_.SetSerialSettings(odd), kCxBadArgument);
    EXPECT_EQ(library_.SetSerialSettings(SerialSettings{}), kCxOk);
}

TEST_F(HalvixSetUpTest, LoginBuffersOfAnotherSizeOrStageAreRefused)
{
    const WindowHandle window{3};
    const auto good = UserAuthBuffer(kUserAuthStageChallenge, "admin", "01234567");
    EXPECT_EQ(library_.UserAuth(window, good), kCxUninitialized);
    EXPECT_EQ(library_.Init(), kCxOk);
    EXPECT_EQ(library_.UserAuth(window, std::span(good).first(kUserAuthBufferSize - 1)), kCxBadArgument);
    std::vector<std::uint8_t> longer(good.begin(), good.end());
    longer.push_back(0);
    EXPECT_EQ(library_.UserAuth(window, longer), kCxBadArgument);
    EXPECT_EQ(library_.UserAuth(window, UserAuthBuffer(2, "admin")), kCxBadArgument);
    EXPECT_EQ(library_.UserAuth(window, good), kCxCommError);
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, DiagnosticLevelBlocksOfAnotherSizeAreRefused)
{
    const WindowHandle window{3};
    EXPECT_EQ(library_.Init(), kCxOk);
    for (const std::size_t size : {std::size_t{0}, std::size_t{63}, std::size_t{65}})
        EXPECT_EQ(library_.QuvDbFCtl(window, std::vector<std::uint8_t>(size), 5, 0), kCxBadArgument) << size;
    EXPECT_EQ(library_.QuvDbFCtl(window, std::vector<std::uint8_t>(64), 5, 0), kCxCommError);
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, ModbusTransactionsLongerThanAPduAreRefused)
{
    const WindowHandle window{3};
    const std::vector<std::uint8_t> whole(kMbTranMaxPdu, 1);
    const std::vector<std::uint8_t> tooLong(kMbTranMaxPdu + 1, 1);
    EXPECT_EQ(library_.MbTran(window, 0, 502, 1, 0, 3, whole), kCxUninitialized);
    EXPECT_EQ(library_.Init(), kCxOk);
    EXPECT_EQ(library_.MbTran(window, 0, 502, 1, 0, 16, tooLong), kCxBadArgument);
    EXPECT_EQ(library_.MbTran(window, 0, 502, 1, 0, 16, whole), kCxCommError) << "checked, then not linked";
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, ModuleReflashBlocksLongerThan1020BytesAreRefused)
{
    const WindowHandle window{3};
    const std::vector<std::uint8_t> whole(kFlashMaxBlockBytes, 1);
    const std::vector<std::uint8_t> tooLong(kFlashMaxBlockBytes + 1, 1);
    EXPECT_EQ(library_.Init(), kCxOk);
    EXPECT_EQ(library_.TlFlash(window, 1, kFlashBlock, tooLong), kCxBadArgument);
    EXPECT_EQ(library_.TlFlash(window, 1, kFlashBlock, whole), kCxCommError) << "checked, then not linked";
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, NetRequestsAreCheckedBeforeTheyAreQueued)
{
    const WindowHandle window{3};
    const std::vector<std::uint8_t> whole(kNetBlockSize, 1);
    const std::vector<std::uint8_t> tooLong(kNetBlockSize + 1, 1);
    const struct {
        const char* what;
        std::function<int()> call;
    } requests[] = {
        {"erase", [&] { return CxEraseAll(window); }},
        {"set", [&] { return CxNetSet(window, 0, whole); }},
        {"final set", [&] { return CxNetSet(window, 1024, {}); }},
        {"init", [&] { return CxNetInit(window); }},
        {"parm", [&] { return CxNetParm(window); }},
        {"get", [&] { return CxNetGet(window, 0); }},
    };
    for (const auto& r : requests)
        EXPECT_EQ(r.call(), kCxUninitialized) << r.what;
    HalvixInstallation installation(library_);
    for (const auto& r : requests)
        EXPECT_EQ(r.call(), kCxUninitialized) << r.what;
    EXPECT_EQ(library_.Init(), kCxOk);
    EXPECT_EQ(CxNetSet(window, 0, tooLong), kCxBadArgument);
    for (const auto& r : requests)
        EXPECT_EQ(r.call(), kCxCommError) << r.what;
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, SessionRequestsAreCheckedBeforeTheyAreQueued)
{
    const WindowHandle window{3};
    const std::vector<std::uint8_t> header(kSessionListHeaderSize, 0);
    const std::vector<std::uint8_t> shortHeader(kSessionListHeaderSize - 1, 0);
    const struct {
        const char* what;
        std::function<int()> call;
        bool wellFormed;
    } requests[] = {
        {"list", [&] { return CxListSessions(window, header); }, true},
        {"list with a short header", [&] { return CxListSessions(window, shortHeader); }, false},
        {"download", [&] { return CxSdlStart(window, kSdlModeWhole, "67000000"); }, true},
        {"download of a short name", [&] { return CxSdlStart(window, kSdlModeWhole, "6700000"); }, false},
        {"download of a name with a NUL", [&] { return CxSdlStart(window, 1, std::string_view("6700\0000", 8)); }, false},
        {"download error", [&] { return CxSdlError(window, 1000, 1024); }, true},
        {"erase", [&] { return CxEraseSession(window, "67000000"); }, true},
        {"erase of a long name", [&] { return CxEraseSession(window, "670000000"); }, false},
    };
    EXPECT_EQ(library_.Init(), kCxOk);
    HalvixInstallation installation(library_);
    for (const auto& r : requests)
        EXPECT_EQ(r.call(), r.wellFormed ? kCxCommError : kCxBadArgument) << r.what;
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, UserRequestsRefuseTextsLongerThanTheLoggerKeeps)
{
    const WindowHandle window{3};
    const std::string name(23, 'n');
    const std::string password(19, 'p');
    const struct {
        const char* what;
        std::function<int()> call;
        bool wellFormed;
    } requests[] = {
        {"longest user", [&] { return CxPassMan(window, 1, 0, name, password, 1, 2); }, true},
        {"long name", [&] { return CxPassMan(window, 1, 0, name + "n", password, 0, 0); }, false},
        {"long password", [&] { return CxPassMan(window, 2, 0, name, password + "p", 0, 0); }, false},
        {"password change", [&] { return CxPassWd(window, name, password, password); }, true},
        {"long current password", [&] { return CxPassWd(window, "amy", password + "p", "x"); }, false},
        {"long new password", [&] { return CxPassWd(window, "amy", "x", password + "p"); }, false},
        {"name with a NUL", [&] { return CxPassWd(window, std::string_view("a\0b", 3), "x", "y"); }, false},
    };
    EXPECT_EQ(library_.Init(), kCxOk);
    HalvixInstallation installation(library_);
    for (const auto& r : requests)
        EXPECT_EQ(r.call(), r.wellFormed ? kCxCommError : kCxBadArgument) << r.what;
    EXPECT_TRUE(posts_->Snapshot().empty());
}

TEST_F(HalvixSetUpTest, PortsMapToDevicesAndDefaultToTheSerialPorts)
{
    EXPECT_EQ(library_.SerialDevice(1), "/dev/ttyS0");
    EXPECT_EQ(library_.SerialDevice(4), "/dev/ttyS3");
    library_.SetSerialDevice(4, "/dev/ttyACM0");
    EXPECT_EQ(library_.SerialDevice(4), "/dev/ttyACM0");
}

TEST_F(HalvixSetUpTest, AFailedOpenSaysWhyAndLeavesNoLink)
{
    ScratchFolder folder;
    ASSERT_EQ(library_.Init(), kCxOk);
    library_.SetSerialDevice(9, (folder.Path() / "no-such-device").string());
    ASSERT_EQ(library_.SetComPort(9), kCxOk);
    EXPECT_EQ(library_.LoggerConnect(1), kCxCommError);
    EXPECT_NE(library_.LastLinkError().find("no-such-device"), std::string::npos);
    EXPECT_EQ(library_.GetCommsStatus(), 0u);

    library_.SetSerialDevice(9, folder.Write("plain-file").string());
    EXPECT_EQ(library_.LoggerConnect(1), kCxCommError);
    EXPECT_NE(library_.LastLinkError().find("not a serial device"), std::string::npos);
}

// A request larger than the link has room for goes out whole: what the
// thread that queued it could not write is finished by the link's thread.
TEST_F(HalvixSetUpTest, ARequestLargerThanTheLinksRoomArrivesWhole)
{
    UniqueFd listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    ASSERT_TRUE(listener.Valid());
    const int small = 4096;  // the logger takes in little at a time
    ASSERT_EQ(::setsockopt(listener.Get(), SOL_SOCKET, SO_RCVBUF, &small, sizeof small), 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::listen(listener.Get(), 1), 0);
    ASSERT_EQ(::getsockname(listener.Get(), reinterpret_cast<sockaddr*>(&address), &size), 0);
    ASSERT_EQ(library_.Init(), kCxOk);
    ASSERT_EQ(library_.SetNetworkServer("127.0.0.1", ntohs(address.sin_port)), kCxOk);
    ASSERT_EQ(library_.SetCommunicationType(kCommTypeNetwork), kCxOk);
    ASSERT_EQ(library_.LoggerConnect(1), kCxOk) << library_.LastLinkError();
    UniqueFd logger(::accept4(listener.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    ASSERT_TRUE(logger.Valid());

    std::string tag(60000, ' ');
    for (std::size_t i = 0; i < tag.size(); ++i)
        tag[i] = static_cast<char>('A' + i % 26);
    ASSERT_EQ(library_.Ping(kWindow, tag), kCxOk);

    FrameReader reader;
    std::optional<Frame> request;
    std::vector<std::uint8_t> chunk(4096);
    while (!request) {
        pollfd entry{logger.Get(), POLLIN, 0};
        ASSERT_EQ(::poll(&entry, 1, 20000), 1) << "the request stopped short";
        const ssize_t count = ::read(logger.Get(), chunk.data(), chunk.size());
        ASSERT_GT(count, 0);
        reader.Feed(std::span(chunk).first(static_cast<std::size_t>(count)));
        request = reader.Next();
    }
    EXPECT_EQ(reader.SkippedBytes(), 0u);
    EXPECT_EQ(request->requestType, kRequestPing);
    std::vector<std::uint8_t> expected = test::Bytes(tag);
    expected.push_back(0);
    EXPECT_EQ(request->payload, expected);

    Frame reply = *request;
    reply.kind = FrameKind::Reply;
    const auto bytes = EncodeFrame(reply);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(WriteAllBytes(logger.Get(), *bytes, 20000), WriteResult::Done);
    const Posted answer = posts_->WaitForWindowPost(1);
    EXPECT_EQ(answer.id, kReplyMessage);
    ASSERT_NE(answer.reply, nullptr);
    EXPECT_TRUE(std::equal(answer.reply->Data().begin(), answer.reply->Data().end(), expected.begin(), expected.end()));
    library_.LoggerConnect(0);
}

}  // namespace
}  // namespace halvix_library_test
}  // namespace corvane
