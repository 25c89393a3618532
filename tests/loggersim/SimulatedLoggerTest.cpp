#include "loggersim/SimulatedLogger.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/UniqueFd.h"
#include "halvix/protocol/FlashAccessKey.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/FlashRequests.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/NetImageFile.h"
#include "loggersim/SessionDownload.h"
#include "loggersim/SessionRequests.h"
#include "tests/loggersim/TestNetImage.h"
#include "tests/loggersim/TestSessionStream.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <optional>
#include <thread>

namespace corvane {
namespace simulated_logger_test {
namespace {

using test::ScratchFolder;

// A bare client of the link protocol over TCP.
class WireClient {
public:
    explicit WireClient(std::uint16_t port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(::connect(fd_.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }

    // A client on the serial link: the pseudo-terminal's device, raw.
    explicit WireClient(const std::string& ptyPath) : fd_(::open(ptyPath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
        termios line{};
        EXPECT_EQ(::tcgetattr(fd_.Get(), &line), 0);
        ::cfmakeraw(&line);
        EXPECT_EQ(::tcsetattr(fd_.Get(), TCSANOW, &line), 0);
    }

    void Send(std::uint16_t type, std::uint32_t id, std::vector<std::uint8_t> payload)
    {
        Frame frame;
        frame.requestType = type;
        frame.requestId = id;
        frame.payload = std::move(payload);
        const auto bytes = EncodeFrame(frame).value();
        EXPECT_EQ(::write(fd_.Get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // The next count frames; fewer when the link closes (or nothing comes
    // for long, which only guards against a hang).
    std::vector<Frame> Receive(std::size_t count)
    {
        std::vector<Frame> frames;
        while (frames.size() < count) {
            if (auto frame = reader_.Next()) {
                frames.push_back(std::move(*frame));
                continue;
            }
            pollfd entry{fd_.Get(), POLLIN, 0};
            if (::poll(&entry, 1, 20000) <= 0)
                break;
            std::uint8_t chunk[1024];
            const ssize_t read = ::read(fd_.Get(), chunk, sizeof chunk);
            if (read <= 0) {
                closed_ = true;
                break;
            }
            reader_.Feed(std::span(chunk, static_cast<std::size_t>(read)));
        }
        return frames;
    }

    bool Closed() const { return closed_; }

private:
    UniqueFd fd_;
    FrameReader reader_;
    bool closed_ = false;
};

class SimulatedLoggerTest : public ::testing::Test {
protected:
    std::unique_ptr<SimulatedLogger> StartLogger(std::optional<bool> passwordsOn = std::nullopt, bool pty = false)
    {
        SimulatorOptions options;
        options.passwordsOn = passwordsOn;
        options.pty = pty;
        return StartLogger(std::move(options));
    }

    std::unique_ptr<SimulatedLogger> StartLogger(SimulatorOptions options)
    {
        options.stateFolder = folder_.Path();
        auto logger = std::make_unique<SimulatedLogger>(options);
        EXPECT_TRUE(logger->Start()) << logger->StartError();
        return logger;
    }

    ScratchFolder folder_;
};

TEST_F(SimulatedLoggerTest, TheStatusMessageGoesOutBeforeTheRunReply)
{
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestRun, 10, {1, 0, 0, 0});
    const auto frames = client.Receive(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].kind, FrameKind::Unsolicited);
    EXPECT_EQ(frames[0].requestType, kUnsolicitedStatus);
    EXPECT_EQ(frames[0].code, kStatusLoggerEnabled);
    EXPECT_EQ(frames[1].kind, FrameKind::Reply);
    EXPECT_EQ(frames[1].requestId, 10u);
    EXPECT_EQ(frames[1].payload, (std::vector<std::uint8_t>{2, 0}));
}

TEST_F(SimulatedLoggerTest, ARepeatedRequestIsAnsweredAgainButDoneOnce)
{
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestRun, 5, {1, 0, 0, 0});
    client.Send(kRequestRun, 5, {1, 0, 0, 0});
    // The same id with other contents is a new request.
    client.Send(kRequestRun, 5, {0, 0, 0, 0});
    const auto frames = client.Receive(5);
    ASSERT_EQ(frames.size(), 5u);
    const FrameKind kinds[]
        = {FrameKind::Unsolicited, FrameKind::Reply, FrameKind::Reply, FrameKind::Unsolicited, FrameKind::Reply};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(frames[i].kind, kinds[i]) << i;
    EXPECT_EQ(frames[1], frames[2]);
    EXPECT_EQ(frames[3].code, kStatusLoggerHalted);
    EXPECT_FALSE(logger->State().running);
}

TEST_F(SimulatedLoggerTest, StateChangesAreKeptAcrossARestart)
{
    {
        auto logger = StartLogger();
        WireClient client(logger->Port());
        client.Send(kRequestCfSet, 1, {16, 'W', 'E', 'L', 'L', '-', '9', 0});
        client.Send(kRequestRun, 2, {1, 0, 0, 0});
        EXPECT_EQ(client.Receive(3).size(), 3u);
        EXPECT_TRUE(logger->SaveError().empty()) << logger->SaveError();
    }
    const LoadedLoggerState saved = LoadLoggerState(folder_.Path());
    EXPECT_EQ(saved.state.unitId, "WELL-9");
    EXPECT_TRUE(saved.state.running);
    auto logger = StartLogger();
    EXPECT_EQ(logger->State().unitId, "WELL-9");
    EXPECT_TRUE(logger->StateNotice().empty());
}

TEST_F(SimulatedLoggerTest, PasswordsSwitchedAtStartAreReportedAndKept)
{
    for (const bool on : {true, false}) {
        {
            auto logger = StartLogger(on);
            WireClient client(logger->Port());
            client.Send(kRequestPwStatus, 1, {});
            const auto frames = client.Receive(1);
            ASSERT_EQ(frames.size(), 1u);
            EXPECT_EQ(frames[0].payload.at(0), on ? 1 : 0);
        }
        EXPECT_EQ(LoadLoggerState(folder_.Path()).state.passwordsOn, on ? 1 : 0);
        // Without the option the kept setting stays.
        EXPECT_EQ(StartLogger()->State().passwordsOn, on ? 1 : 0);
    }
}

TEST_F(SimulatedLoggerTest, ADamagedStateFileIsReportedAtStart)
{
    folder_.Write(kLoggerStateFileName, "serial-number = many\n");
    auto logger = StartLogger();
    EXPECT_NE(logger->StateNotice().find("serial-number"), std::string::npos) << logger->StateNotice();
    EXPECT_EQ(logger->State().serialNumber, LoggerState::Fresh().serialNumber);
    // The fresh state is written in its place.
    EXPECT_TRUE(LoadLoggerState(folder_.Path()).notice.empty());
}

TEST_F(SimulatedLoggerTest, FaultsShapeTheAnswers)
{
    auto logger = StartLogger();
    logger->InjectFault({SimFault::Kind::ErrorReply, kRequestPing, 0, 0x4242, "Busy", 1});
    logger->InjectFault({SimFault::Kind::NoReply, kRequestOobS, 0, 0, {}, 1});
    WireClient client(logger->Port());
    client.Send(kRequestPing, 1, {'a', 0});
    client.Send(kRequestOobS, 2, {1, 0});
    client.Send(kRequestPing, 3, {'b', 0});
    const auto frames = client.Receive(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(frames[0].error);
    EXPECT_EQ(frames[0].code, 0x4242);
    EXPECT_EQ(ParseErrorPayload(frames[0].payload).text, "Busy");
    EXPECT_EQ(frames[1].requestId, 3u);
    EXPECT_FALSE(frames[1].error);

    logger->InjectFault({SimFault::Kind::DropLink, std::nullopt, 0, 0, {}, 1});
    client.Send(kRequestPing, 4, {'c', 0});
    EXPECT_TRUE(client.Receive(1).empty());
    EXPECT_TRUE(client.Closed());
}

// A fault that skips requests answers them as usual, then applies to the
// next of its type only.
TEST_F(SimulatedLoggerTest, AFaultCanWaitForLaterRequestsOfItsType)
{
    auto logger = StartLogger();
    SimFault fault{SimFault::Kind::ErrorReply, kRequestPing, 0, 0x4305, "Late", 1};
    fault.skip = 2;
    logger->InjectFault(fault);
    WireClient client(logger->Port());
    client.Send(kRequestOobS, 1, {1, 0});
    for (std::uint32_t id = 2; id <= 5; ++id)
        client.Send(kRequestPing, id, {'a', 0});
    const auto frames = client.Receive(5);
    ASSERT_EQ(frames.size(), 5u);
    std::vector<bool> errors;
    for (const auto& frame : frames)
        errors.push_back(frame.error);
    EXPECT_EQ(errors, (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(frames[3].code, 0x4305);
}

TEST_F(SimulatedLoggerTest, MessagesGoToEveryLinkAndDropLinksClosesThem)
{
    auto logger = StartLogger();
    WireClient first(logger->Port());
    WireClient second(logger->Port());
    // A ping each, so both links are being served.
    first.Send(kRequestPing, 1, {0});
    second.Send(kRequestPing, 1, {0});
    ASSERT_EQ(first.Receive(1).size(), 1u);
    ASSERT_EQ(second.Receive(1).size(), 1u);
    logger->SendMessage(kUnsolicitedStatus, kStatusCardInstalled, "SD Card installed");
    for (WireClient* client : {&first, &second}) {
        const auto frames = client->Receive(1);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].code, kStatusCardInstalled);
    }
    logger->DropLinks();
    EXPECT_TRUE(first.Receive(1).empty());
    EXPECT_TRUE(first.Closed());
}

// Whether a TCP connection to the port is taken now.
bool Accepts(std::uint16_t port)
{
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

TEST_F(SimulatedLoggerTest, AResetLoggerDropsItsLinksAndComesBackOnTheSamePortAfterItsRestartTime)
{
    SimulatorOptions options;
    options.pty = true;
    options.restartMs = 1000;  // short enough for a quick test, long enough for a loaded machine
    auto logger = StartLogger(std::move(options));
    const std::uint16_t port = logger->Port();
    WireClient client(port);
    client.Send(kRequestReset, 3, {0, 0});
    const auto reply = client.Receive(1);
    ASSERT_EQ(reply.size(), 1u);
    EXPECT_EQ(reply[0].requestType, kRequestReset);
    EXPECT_EQ(reply[0].payload, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_TRUE(client.Receive(1).empty());
    EXPECT_TRUE(client.Closed());
    EXPECT_TRUE(logger->Restarting());
    EXPECT_FALSE(Accepts(port));
    for (int waited = 0; logger->LinkCount() != 0 && waited < 2000; waited += 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(logger->LinkCount(), 0u);

    for (int waited = 0; logger->Restarting() && waited < 5000; waited += 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_FALSE(logger->Restarting());
    EXPECT_EQ(logger->Port(), port);
    WireClient again(port);
    again.Send(kRequestPing, 4, {'x', 0});
    ASSERT_EQ(again.Receive(1).size(), 1u);
    // The serial link is offered again too.
    for (int waited = 0; logger->LinkCount() < 2 && waited < 2000; waited += 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(logger->LinkCount(), 2u);
    EXPECT_FALSE(logger->PtyPath().empty());
}

TEST_F(SimulatedLoggerTest, NewFirmwareRestartsTheLoggerAfterItsReply)
{
    SimulatorOptions options;
    options.reflashRestartMs = 1000;
    auto logger = StartLogger(options);
    WireClient client(logger->Port());
    const auto key = FlashAccessKey();
    client.Send(kRequestFlashInit, 1, {key.begin(), key.end()});
    ASSERT_EQ(client.Receive(1).size(), 1u);
    // The version bytes alone, in the last block of an image of 0xF7FFC bytes.
    std::uint32_t id = 2;
    for (std::uint32_t offset = 0; offset < kFirmwareVersionOffset + 4; offset += kFlashDataMaxBytes) {
        const std::uint32_t count = std::min<std::uint32_t>(kFlashDataMaxBytes, kFirmwareVersionOffset + 4 - offset);
        std::vector<std::uint8_t> payload(6 + count, 0);
        ByteWriter writer(payload);
        writer.U32LE(offset);
        writer.U16LE(static_cast<std::uint16_t>(count));
        if (offset + count == kFirmwareVersionOffset + 4)
            std::copy_n(std::array<std::uint8_t, 4>{3, 2, 0, 7}.begin(), 4, payload.end() - 4);
        client.Send(kRequestFlashData, ++id, std::move(payload));
        const auto frames = client.Receive(1);
        ASSERT_EQ(frames.size(), 1u);
        ASSERT_FALSE(frames[0].error) << offset;
    }
    std::vector<std::uint8_t> exec(key.begin(), key.end());
    exec.insert(exec.end(), {1, 0});
    client.Send(kRequestFlashExec, ++id, exec);
    const auto frames = client.Receive(2);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(frames[0].error);
    EXPECT_TRUE(client.Closed());
    EXPECT_EQ(LoadLoggerState(folder_.Path()).state.firmwareVersion, 0x03020007u);
    // While it restarts it takes no link; afterwards it is served.
    EXPECT_TRUE(logger->Restarting());
    EXPECT_FALSE(Accepts(logger->Port()));
    for (int waited = 0; logger->Restarting() && waited < 5000; waited += 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_FALSE(logger->Restarting());
    WireClient later(logger->Port());
    later.Send(kRequestPing, 1, {0});
    EXPECT_EQ(later.Receive(1).size(), 1u);
}

// The value of a net request or reply, in its first four bytes.
std::vector<std::uint8_t> NetValue(std::uint32_t value, std::span<const std::uint8_t> block = {})
{
    std::vector<std::uint8_t> payload(kNetBlockOffset + block.size());
    ByteWriter writer(payload);
    writer.U32LE(value);
    writer.Bytes(block);
    return payload;
}

std::uint32_t NetValueOf(const Frame& reply)
{
    ByteReader reader(reply.payload);
    const std::uint32_t value = reader.U32LE();
    return reader.Failed() ? 0xFFFFFFFF : value;
}

// Sends image in blocks, the final call (an empty block) and the init;
// the first error reply, or the init's reply.
Frame UploadNet(WireClient& client, std::span<const std::uint8_t> image)
{
    std::uint32_t value = 0;
    std::uint32_t id = 100;
    for (std::size_t offset = 0;; offset += kNetBlockSize) {
        const std::size_t count = offset < image.size() ? std::min(kNetBlockSize, image.size() - offset) : 0;
        client.Send(kRequestNetSet, ++id, NetValue(value, image.subspan(std::min(offset, image.size()), count)));
        const auto frames = client.Receive(1);
        if (frames.size() != 1 || frames[0].error)
            return frames.empty() ? Frame{} : frames[0];
        value = NetValueOf(frames[0]);
        if (count == 0)
            break;
    }
    client.Send(kRequestNetInit, ++id, {});
    const auto frames = client.Receive(1);
    return frames.empty() ? Frame{} : frames[0];
}

TEST_F(SimulatedLoggerTest, TheNetIsKeptAcrossARestart)
{
    const auto image = test::MakeTestNetImage(2600, "Lift Station");
    {
        auto logger = StartLogger();
        WireClient client(logger->Port());
        const Frame init = UploadNet(client, image);
        EXPECT_EQ(init.requestType, kRequestNetInit);
        EXPECT_FALSE(init.error);
        EXPECT_TRUE(logger->SaveError().empty()) << logger->SaveError();
    }
    EXPECT_EQ(LoadNetImage(folder_.Path()).image, image);
    auto logger = StartLogger();
    EXPECT_TRUE(logger->StateNotice().empty()) << logger->StateNotice();
    EXPECT_EQ(logger->State().netName, "Lift Station");
    WireClient client(logger->Port());
    client.Send(kRequestNetParm, 1, {});
    auto frames = client.Receive(1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload.at(0), kNetStatusPresent);
    std::vector<std::uint8_t> read;
    std::uint32_t value = 0;
    for (std::uint32_t id = 2; id < 10; ++id) {
        client.Send(kRequestNetGet, id, NetValue(value));
        frames = client.Receive(1);
        ASSERT_EQ(frames.size(), 1u);
        ASSERT_FALSE(frames[0].error);
        read.insert(read.end(), frames[0].payload.begin() + 4, frames[0].payload.end());
        value = NetValueOf(frames[0]);
        if (value == 0)
            break;
    }
    EXPECT_EQ(read, image);
}

TEST_F(SimulatedLoggerTest, EraseAllErasesTheKeptSessions)
{
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {LoggedSessionPlan{}, LoggedSessionPlan{}}));
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestEraseAll, 1, {});
    const auto frames = client.Receive(1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(frames[0].error);
    const LoadedLoggedSessions left = LoadLoggedSessions(folder_.Path());
    EXPECT_TRUE(left.error.empty()) << left.error;
    EXPECT_TRUE(left.sessions.empty());
}

TEST_F(SimulatedLoggerTest, ANetOrEraseThatCannotBeStoredIsReportedAsAnError)
{
    // A folder where the file belongs makes its atomic write fail.
    std::filesystem::create_directory(folder_.Path() / kNetImageFileName);
    std::filesystem::create_directory(folder_.Path() / kLoggedSessionsFileName);
    auto logger = StartLogger();
    WireClient client(logger->Port());
    const Frame init = UploadNet(client, test::MakeTestNetImage(500));
    EXPECT_TRUE(init.error);
    EXPECT_EQ(init.code, kSimErrorStorage);
    client.Send(kRequestEraseAll, 1, {});
    const auto frames = client.Receive(1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].error);
    EXPECT_EQ(frames[0].code, kSimErrorStorage);
    EXPECT_FALSE(logger->SaveError().empty());
}

std::vector<std::uint8_t> SdlStartData(std::string_view name)
{
    std::vector<std::uint8_t> data(2 + name.size());
    ByteWriter writer(data);
    writer.U16LE(kSdlModeWhole);
    writer.FixedText(name, name.size());
    return data;
}

// Reads a download to its end; the blocks must follow one another.
void ReceiveWholeDownload(WireClient& client, std::vector<std::uint8_t>& received)
{
    for (;;) {
        const auto frames = client.Receive(1);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].kind, FrameKind::Reply);
        EXPECT_EQ(frames[0].requestId, 5u);
        ASSERT_EQ(frames[0].requestType, kReplySdlData);
        if (frames[0].payload.empty())
            break;
        ByteReader reader(frames[0].payload);
        ASSERT_EQ(reader.U32LE(), received.size());
        received.insert(received.end(), frames[0].payload.begin() + kSdlOffsetSize, frames[0].payload.end());
    }
}

void ExpectWholeDownload(WireClient& client, const std::vector<std::uint8_t>& expected)
{
    std::vector<std::uint8_t> received;
    ReceiveWholeDownload(client, received);
    EXPECT_EQ(received, expected);
}

TEST_F(SimulatedLoggerTest, ADownloadStreamsTheSessionAfterItsStartReply)
{
    const LoggedSessionPlan plan = test::SessionAt(0x6720A000, 300);
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {test::SessionAt(0x67000000), plan}));
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestSdlStart, 5, SdlStartData(SessionName(plan)));
    const auto started = client.Receive(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].requestType, kReplySdlStarted);
    EXPECT_FALSE(started[0].error);

    ExpectWholeDownload(client, test::GeneratedStream(logger->State(), plan));
}

// A session still logging is listed without a stop and sent with the scans
// due before the logger's clock, which runs on from the host's.
TEST_F(SimulatedLoggerTest, ARunningSessionIsListedAndSentAsFarAsTheClock)
{
    LoggedSessionPlan plan;
    plan.scanCount = 0;
    plan.stopped = false;
    const auto hostNow = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
    // Began 100 s ago by the logger's clock, which is an hour ahead of the host's.
    LoggerState state = LoggerState::Fresh();
    state.clockOffsetSeconds = 3600;
    ASSERT_FALSE(SaveLoggerState(folder_.Path(), state));
    plan.startSeconds = static_cast<std::uint32_t>(hostNow() + 3600 - 100);
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {plan}));
    auto logger = StartLogger();
    WireClient client(logger->Port());

    // Whatever second the answer falls in, it matches one second of the clock.
    const auto matchesAClockSecond = [&](std::int64_t before, const auto& matches) {
        for (std::int64_t clock = before + 3600; clock <= hostNow() + 3600; ++clock)
            if (matches(SessionAsOf(plan, clock)))
                return true;
        return false;
    };
    const std::int64_t listedFrom = hostNow();
    client.Send(kRequestListSessions, 4, std::vector<std::uint8_t>(kSessionListHeaderSize));
    const auto list = client.Receive(1);
    ASSERT_EQ(list.size(), 1u);
    ASSERT_EQ(list[0].payload.size(), kSessionListHeaderSize + kSessionRecordSize);
    ByteReader record(list[0].payload);
    record.Seek(kSessionListHeaderSize + kSessionNameSize);
    EXPECT_EQ(record.U32LE(), plan.startSeconds);
    EXPECT_EQ(record.U32LE(), 0u) << "no stop while logging";
    const std::uint32_t size = record.U32LE();
    EXPECT_TRUE(matchesAClockSecond(listedFrom, [&](const LoggedSessionPlan& grown) {
        return grown.scanCount >= 100 && SessionStreamSize(logger->State(), grown) == size;
    })) << size;

    const std::int64_t sentFrom = hostNow();
    client.Send(kRequestSdlStart, 5, SdlStartData(SessionName(plan)));
    ASSERT_EQ(client.Receive(1).size(), 1u);
    std::vector<std::uint8_t> received;
    ASSERT_NO_FATAL_FAILURE(ReceiveWholeDownload(client, received));
    EXPECT_TRUE(matchesAClockSecond(sentFrom, [&](const LoggedSessionPlan& grown) {
        return test::GeneratedStream(logger->State(), grown) == received;
    })) << received.size();
}

// The serial link's buffer fills while the reader is away; what did not fit
// waits for room instead of being cut off.
TEST_F(SimulatedLoggerTest, ASerialReaderThatFallsBehindStillGetsEveryBlock)
{
    const LoggedSessionPlan plan = test::SessionAt(0x6720A000, 20000);
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {plan}));
    auto logger = StartLogger(std::nullopt, true);
    WireClient client(logger->PtyPath());
    client.Send(kRequestSdlStart, 5, SdlStartData(SessionName(plan)));
    // Nothing is read until the link has been full at least once.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (logger->FullLinkWrites() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_GT(logger->FullLinkWrites(), 0u) << "the link never filled";
    const auto started = client.Receive(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].requestType, kReplySdlStarted);
    const std::vector<std::uint8_t> expected = test::GeneratedStream(logger->State(), plan);
    ASSERT_GT(expected.size(), 256u * 1024u) << "the session must not fit the link's buffers";
    ExpectWholeDownload(client, expected);
}

TEST_F(SimulatedLoggerTest, ADownloadErrorEndsTheDownload)
{
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {test::SessionAt(0x6720A000, 100000)}));
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestSdlStart, 5, SdlStartData("6720A000"));
    ASSERT_EQ(client.Receive(3).size(), 3u);  // the start reply and two blocks
    client.Send(kRequestSdlError, 6, std::vector<std::uint8_t>(8, 0));
    std::optional<Frame> errorReply;
    while (!errorReply) {
        auto frames = client.Receive(1);
        ASSERT_EQ(frames.size(), 1u);
        if (frames[0].requestId == 6)
            errorReply = std::move(frames[0]);
        else
            ASSERT_FALSE(frames[0].payload.empty()) << "the download ran to its end";
    }
    EXPECT_FALSE(errorReply->error);
    // Nothing of the download follows the answer to the error.
    client.Send(kRequestStateGet, 7, {});
    const auto next = client.Receive(1);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0].requestId, 7u);
}

TEST_F(SimulatedLoggerTest, EraseSessionRemovesItFromTheKeptSessions)
{
    const std::vector<LoggedSessionPlan> sessions = {test::SessionAt(0x67000000), test::SessionAt(0x67001000)};
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), sessions));
    auto logger = StartLogger();
    WireClient client(logger->Port());
    client.Send(kRequestEraseSession, 1, {'6', '7', '0', '0', '0', '0', '0', '0'});
    client.Send(kRequestEraseSession, 2, {'6', '7', '0', '0', '0', '0', '0', '0'});
    const auto frames = client.Receive(2);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FALSE(frames[0].error);
    EXPECT_TRUE(frames[1].error);
    EXPECT_EQ(frames[1].code, kSimErrorNoSuchSession);
    const LoadedLoggedSessions left = LoadLoggedSessions(folder_.Path());
    EXPECT_TRUE(left.error.empty()) << left.error;
    EXPECT_EQ(left.sessions, (std::vector<LoggedSessionPlan>{sessions[1]}));
}

// The names of the sessions a list request answers (one reply, so at most
// kSessionsPerListReply of them).
std::vector<std::string> ListedNames(WireClient& client, std::uint32_t id)
{
    client.Send(kRequestListSessions, id, std::vector<std::uint8_t>(kSessionListHeaderSize));
    const auto frames = client.Receive(1);
    std::vector<std::string> names;
    if (frames.size() != 1 || frames[0].error)
        return {"no list"};
    ByteReader reader(frames[0].payload);
    for (std::size_t at = kSessionListHeaderSize; at + kSessionRecordSize <= frames[0].payload.size();
         at += kSessionRecordSize) {
        reader.Seek(at);
        names.emplace_back(reader.FixedText(kSessionNameSize));
    }
    return names;
}

// The list is read from the state folder at the first request over it and
// kept: a later change to the file is not seen, an erase reaches both.
TEST_F(SimulatedLoggerTest, KeepsTheSessionListItReadAtTheFirstRequest)
{
    const std::vector<LoggedSessionPlan> sessions = {test::SessionAt(0x67000000), test::SessionAt(0x67001000)};
    auto logger = StartLogger();
    // Written after the start, before any request over the sessions.
    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), sessions));
    WireClient client(logger->Port());
    EXPECT_EQ(ListedNames(client, 1), (std::vector<std::string>{"67000000", "67001000"}));

    ASSERT_FALSE(SaveLoggedSessions(folder_.Path(), {test::SessionAt(0x68000000)}));
    EXPECT_EQ(ListedNames(client, 2), (std::vector<std::string>{"67000000", "67001000"}));

    client.Send(kRequestEraseSession, 3, {'6', '7', '0', '0', '0', '0', '0', '0'});
    const auto erased = client.Receive(1);
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_FALSE(erased[0].error);
    EXPECT_EQ(ListedNames(client, 4), std::vector<std::string>{"67001000"});
    EXPECT_EQ(LoadLoggedSessions(folder_.Path()).sessions, std::vector<LoggedSessionPlan>{sessions[1]});

    client.Send(kRequestEraseAll, 5, {});
    const auto erasedAll = client.Receive(1);
    ASSERT_EQ(erasedAll.size(), 1u);
    EXPECT_FALSE(erasedAll[0].error);
    EXPECT_TRUE(ListedNames(client, 6).empty());
}

TEST_F(SimulatedLoggerTest, RecordsTheLatestRequestsUpToItsLimit)
{
    SimulatorOptions options;
    options.requestRecordLimit = 3;
    auto logger = StartLogger(std::move(options));
    WireClient client(logger->Port());
    struct Request {
        std::uint16_t type;
        std::vector<std::uint8_t> data;
    };
    const Request sent[] = {
        {kRequestStateGet, {}},
        {kRequestListSessions, std::vector<std::uint8_t>(kSessionListHeaderSize)},
        {kRequestEraseSession, {'6', '7', '0', '0', '0', '0', '0', '0'}},
        {kRequestStateGet, {}},
        {kRequestListSessions, std::vector<std::uint8_t>(kSessionListHeaderSize)},
    };
    std::vector<std::uint16_t> taken;
    for (const Request& request : sent) {
        client.Send(request.type, static_cast<std::uint32_t>(taken.size() + 1), request.data);
        ASSERT_EQ(client.Receive(1).size(), 1u);
        taken.push_back(request.type);
        const auto kept = static_cast<std::ptrdiff_t>(std::min<std::size_t>(taken.size(), 3));
        EXPECT_EQ(logger->RequestTypes(), std::vector<std::uint16_t>(taken.end() - kept, taken.end()))
            << "after " << taken.size() << " requests";
    }
}

TEST_F(SimulatedLoggerTest, TheDiagnosticLogIsServedGrowsWithEventsAndIsKept)
{
    std::vector<std::uint8_t> afterStart;
    {
        SimulatorOptions options;
        options.diagnosticLogBytes = 2048;
        auto logger = StartLogger(std::move(options));
        WireClient client(logger->Port());
        const std::uint32_t offsets[] = {0, 1024, 2048};
        const std::size_t sizes[] = {1024, 1024, 0};
        for (std::size_t i = 0; i < 3; ++i) {
            std::vector<std::uint8_t> offset(4);
            ByteWriter(offset).U32LE(offsets[i]);
            client.Send(kRequestDbFGet, static_cast<std::uint32_t>(i + 1), offset);
            const auto reply = client.Receive(1);
            ASSERT_EQ(reply.size(), 1u);
            EXPECT_FALSE(reply[0].error);
            EXPECT_EQ(reply[0].payload.size(), sizes[i]) << offsets[i];
        }
        // Starting the logger leaves an event after the full blocks.
        client.Send(kRequestRun, 9, {1, 0, 0, 0});
        EXPECT_EQ(client.Receive(2).size(), 2u);
        std::vector<std::uint8_t> offset(4);
        ByteWriter(offset).U32LE(2048);
        client.Send(kRequestDbFGet, 10, offset);
        const auto reply = client.Receive(1);
        ASSERT_EQ(reply.size(), 1u);
        afterStart = reply[0].payload;
        EXPECT_GT(afterStart.size(), 6u);
    }
    // Without the option, the log in the state folder is kept.
    auto logger = StartLogger();
    WireClient client(logger->Port());
    std::vector<std::uint8_t> offset(4);
    ByteWriter(offset).U32LE(2048);
    client.Send(kRequestDbFGet, 1, offset);
    const auto reply = client.Receive(1);
    ASSERT_EQ(reply.size(), 1u);
    EXPECT_EQ(reply[0].payload, afterStart);
}

}  // namespace
}  // namespace simulated_logger_test
}  // namespace corvane
