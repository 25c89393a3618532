#include "commwindow/ModuleReflash.h"

#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/ModuleReplies.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <set>
#include <utility>
#include <string>
#include <vector>

namespace corvane {
namespace module_reflash_test {
namespace {

using State = ModuleReflash::State;
using Events = std::vector<std::string>;

const char* const kSendFailedText = "A problem was encountered while sending\nthe message to the module.\n\nUnable to "
                                    "continue with the reflash operation.";
const char* const kRetryErrorText = "Error response from the modue, but the operation may be retried.\nIf the error "
                                    "continues to occur, the module must be returned to QZL.";
const char* const kRetryMissingText = "Missing response from the modue, but the operation may be retried.\nIf the "
                                      "error continues to occur, the module must be returned to QZL.";

// A firmware file: the header for type, then payload bytes counting up.
std::vector<std::uint8_t> FirmwareFile(std::uint8_t type, std::size_t payload)
{
    std::vector<std::uint8_t> file(32 + payload, 0);
    std::memcpy(file.data(), "TVLKMODULE", 10);
    file[28] = type;
    for (std::size_t i = 0; i < payload; ++i)
        file[32 + i] = static_cast<std::uint8_t>(i * 7);
    return file;
}

// The node dialog's side as a log of what the reflash asked for. A request
// is refused when its number (counting from 1) is in refuse.
class FakePort : public ModuleReflashPort {
public:
    std::vector<std::uint8_t> file;
    bool openable = true;
    std::optional<std::size_t> readLimit;  // the file stops giving bytes after this many
    std::set<int> refuse;
    Events events;
    std::vector<std::uint8_t> received;  // the payload as sent in blocks
    std::vector<Message> messages;
    int pendingPause = 0;
    bool open = false;
    int requests = 0;

    bool SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data) override
    {
        ++requests;
        std::string event = "flash " + std::to_string(subCommand);
        if (!data.empty())
            event += " " + std::to_string(data.size());
        if (refuse.count(requests)) {
            events.push_back(event + " refused");
            return false;
        }
        events.push_back(event);
        received.insert(received.end(), data.begin(), data.end());
        return true;
    }
    void StartPause(int ms) override
    {
        pendingPause = ms;
        events.push_back("pause " + std::to_string(ms));
    }
    bool OpenFirmware() override
    {
        if (!openable)
            return false;
        open = true;
        at_ = 0;
        events.push_back("open");
        return true;
    }
    std::uint64_t FirmwareLength() override { return file.size(); }
    std::size_t ReadFirmware(std::span<std::uint8_t> into) override
    {
        const std::size_t end = std::min(file.size(), readLimit.value_or(file.size()));
        const std::size_t n = std::min(into.size(), end - std::min(end, at_));
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(at_), n, into.begin());
        at_ += n;
        return n;
    }
    void CloseFirmware() override
    {
        open = false;
        events.push_back("close");
    }
    void ShowProgress(std::uint64_t, std::uint64_t) override {}
    void ShowMessage(const Message& message) override
    {
        messages.push_back(message);
        events.push_back("box " + message.title);
    }
    void Finished(bool succeeded) override { events.push_back(succeeded ? "succeeded" : "failed"); }

private:
    std::size_t at_ = 0;
};

// Answers every request and pause well until the reflash stands in a
// status request (or ends); returns whether it got there.
bool RunToStatus(ModuleReflash& reflash, FakePort& port)
{
    reflash.Start();
    for (int guard = 0; guard < 1000 && reflash.Running() && reflash.GetState() != State::StatusRequested; ++guard) {
        if (port.pendingPause) {
            port.pendingPause = 0;
            reflash.OnPauseElapsed();
        } else {
            reflash.OnReply(false, 0, {});
        }
    }
    return reflash.GetState() == State::StatusRequested;
}

void ElapsePause(ModuleReflash& reflash, FakePort& port)
{
    ASSERT_NE(port.pendingPause, 0);
    port.pendingPause = 0;
    reflash.OnPauseElapsed();
}

TEST(ModuleReflash, GoodReflashSendsThePayloadInBlocksThenPollsStatus)
{
    FakePort port;
    port.file = FirmwareFile(1, 2041);
    ModuleReflash reflash(port, 1);
    ASSERT_TRUE(RunToStatus(reflash, port));
    const Events expected = {"flash 4", "flash 0", "open", "pause 1000", "flash 1 1020", "flash 1 1020", "flash 1 1",
        "close", "flash 2", "pause 100", "flash 3"};
    EXPECT_EQ(port.events, expected);
    EXPECT_EQ(port.received, std::vector<std::uint8_t>(port.file.begin() + 32, port.file.end()));

    // Three busy answers, each followed by a new request after 100 ms, then done.
    port.events.clear();
    for (int i = 0; i < 3; ++i) {
        reflash.OnReply(true, 0x303, "busy");
        ElapsePause(reflash, port);
    }
    reflash.OnReply(true, 0, {});
    const Events polled = {"pause 100", "flash 3", "pause 100", "flash 3", "pause 100", "flash 3",
        "box Reflash Complete", "succeeded"};
    EXPECT_EQ(port.events, polled);
    EXPECT_EQ(port.messages.back().text, "Reflash operation successful.");
    EXPECT_TRUE(port.messages.back().information);
    EXPECT_EQ(reflash.GetState(), State::Idle);
}

TEST(ModuleReflash, AHeaderOnlyFileGoesStraightToTheEnd)
{
    FakePort port;
    port.file = FirmwareFile(0, 0);
    ModuleReflash reflash(port, 0);
    ASSERT_TRUE(RunToStatus(reflash, port));
    const Events expected = {"flash 4", "flash 0", "open", "pause 1000", "close", "flash 2", "pause 100", "flash 3"};
    EXPECT_EQ(port.events, expected);
    reflash.OnReply(false, 0, {});
    EXPECT_EQ(port.events.back(), "succeeded");
}

TEST(ModuleReflash, FileFaultsStopAfterErase)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        std::uint8_t dialogType;
        bool openable;
        const char* text;
        const char* title;
    };
    std::vector<std::uint8_t> badMagic = FirmwareFile(1, 10);
    badMagic[3] = 'X';
    std::vector<std::uint8_t> shortFile = FirmwareFile(1, 0);
    shortFile.pop_back();
    const Case cases[] = {
        {"cannot open", FirmwareFile(1, 10), 1, false, "Problem opening firmware file\n\nUnable to continue.",
            "File Error"},
        {"short", shortFile, 1, true,
            "A problem was encountered reading the\nreflash file.\n\nUnable to continue with the reflash operation.",
            "Communication Error"},
        {"magic", badMagic, 1, true,
            "The selected file is not a valid Tevlink Module\nreflash file.\n\nUnable to continue with the reflash "
            "operation.",
            "Communication Error"},
        {"analog file for digital module", FirmwareFile(0, 10), 1, true,
            "The selected file is not a valid VEXA-2 Module reflash file.\n\nUnable to continue with the reflash "
            "operation.",
            "Communication Error"},
        {"digital file for analog module", FirmwareFile(1, 10), 0, true,
            "The selected file is not a valid VEXA-7 Module reflash file.\n\nUnable to continue with the reflash "
            "operation.",
            "Communication Error"},
    };
    for (const Case& c : cases) {
        FakePort port;
        port.file = c.file;
        port.openable = c.openable;
        ModuleReflash reflash(port, c.dialogType);
        EXPECT_FALSE(RunToStatus(reflash, port)) << c.name;
        ASSERT_EQ(port.messages.size(), 1u) << c.name;
        EXPECT_EQ(port.messages[0].text, c.text) << c.name;
        EXPECT_EQ(port.messages[0].title, c.title) << c.name;
        EXPECT_EQ(port.events.back(), "failed") << c.name;
        EXPECT_FALSE(port.open) << c.name;
        EXPECT_EQ(port.requests, 2) << c.name;  // prepare and erase only
        EXPECT_EQ(reflash.GetState(), State::Idle) << c.name;
    }
}

TEST(ModuleReflash, RefusedRequestAtAnyStepFailsAndClosesTheFile)
{
    // Requests of a 2041-byte reflash: 1 prepare, 2 erase, 3-5 blocks, 6 end, 7 status.
    for (int refused = 1; refused <= 7; ++refused) {
        FakePort port;
        port.file = FirmwareFile(1, 2041);
        port.refuse = {refused};
        ModuleReflash reflash(port, 1);
        EXPECT_FALSE(RunToStatus(reflash, port)) << refused;
        ASSERT_EQ(port.messages.size(), 1u) << refused;
        EXPECT_EQ(port.messages[0].text, kSendFailedText) << refused;
        EXPECT_EQ(port.messages[0].title, "Communication Error") << refused;
        EXPECT_EQ(port.events.back(), "failed") << refused;
        EXPECT_FALSE(port.open) << refused;
        EXPECT_EQ(port.requests, refused) << refused;
    }
}

TEST(ModuleReflash, ShortBlockReadFails)
{
    FakePort port;
    port.file = FirmwareFile(1, 2041);
    port.readLimit = 32 + 1500;
    ModuleReflash reflash(port, 1);
    EXPECT_FALSE(RunToStatus(reflash, port));
    EXPECT_EQ(port.messages.at(0).text, kSendFailedText);
    EXPECT_EQ(port.requests, 3);  // prepare, erase, one full block
    EXPECT_FALSE(port.open);
}

TEST(ModuleReflash, ErrorOrTimeoutAtAnyStepEndsTheReflash)
{
    // Steps answered well before the fault: 0 prepare, 1 erase, 2-3 blocks, 4 end.
    for (int goodReplies = 0; goodReplies <= 4; ++goodReplies) {
        for (bool timeout : {false, true}) {
            FakePort port;
            port.file = FirmwareFile(1, 1500);
            ModuleReflash reflash(port, 1);
            reflash.Start();
            for (int i = 0; i < goodReplies; ++i) {
                reflash.OnReply(false, 0, {});
                if (port.pendingPause) {
                    port.pendingPause = 0;
                    reflash.OnPauseElapsed();
                }
            }
            if (timeout)
                reflash.OnTimeout();
            else
                reflash.OnReply(true, 0x1234, "Module not present");
            ASSERT_EQ(port.messages.size(), 1u) << goodReplies << timeout;
            EXPECT_EQ(port.messages[0].text,
                timeout ? kSendFailedText : "Error (1234) while processing request.\n\nModule not present")
                << goodReplies;
            EXPECT_EQ(port.messages[0].title, "Communication Error");
            EXPECT_EQ(port.events.back(), "failed");
            EXPECT_FALSE(port.open);
            EXPECT_EQ(reflash.GetState(), State::Idle);
        }
    }
}

TEST(ModuleReflash, StatusCodesEndWithTheirTexts)
{
    struct Case {
        std::uint16_t code;
        const char* text;
        const char* title;
        const char* end;
    };
    const Case cases[] = {
        {0, "Reflash operation successful.", "Reflash Complete", "succeeded"},
        {0x302, kRetryErrorText, "Reflash Error", "failed"},
        {0x304, kRetryErrorText, "Reflash Error", "failed"},
        {0x306, kRetryErrorText, "Reflash Error", "failed"},
        {0x4305, kRetryErrorText, "Reflash Error", "failed"},
        {0x307, kRetryMissingText, "Reflash Error", "failed"},
        {0x305, "Unexpected ErrorCode (0x0305) in status response\nText: Odd", "Reflash Error", "failed"},
        {0xBEEF, "Unexpected ErrorCode (0xBEEF) in status response\nText: Odd", "Reflash Error", "failed"},
    };
    for (const Case& c : cases) {
        FakePort port;
        port.file = FirmwareFile(0, 100);
        ModuleReflash reflash(port, 0);
        ASSERT_TRUE(RunToStatus(reflash, port));
        reflash.OnReply(true, c.code, "Odd");
        ASSERT_EQ(port.messages.size(), 1u) << c.code;
        EXPECT_EQ(port.messages[0].text, c.text) << c.code;
        EXPECT_EQ(port.messages[0].title, c.title) << c.code;
        EXPECT_EQ(port.events.back(), c.end) << c.code;
        EXPECT_EQ(reflash.GetState(), State::Idle);
    }
}

TEST(ModuleReflash, BusyStatusGivesUpAfterAMinute)
{
    FakePort port;
    port.file = FirmwareFile(0, 10);
    ModuleReflash reflash(port, 0);
    ASSERT_TRUE(RunToStatus(reflash, port));
    int polls = 0;
    while (reflash.Running() && polls < 10000) {
        reflash.OnReply(true, 0x303, {});
        if (port.pendingPause) {
            ElapsePause(reflash, port);
            ++polls;
        }
    }
    EXPECT_EQ(polls * ModuleReflash::kStatusPauseMs, ModuleReflash::kStatusLimitMs - ModuleReflash::kStatusPauseMs);
    EXPECT_EQ(port.messages.at(0).text, kSendFailedText);
    EXPECT_EQ(port.events.back(), "failed");
}

TEST(ModuleReflash, AbortClosesTheFileQuietlyAndStaleRepliesAreIgnored)
{
    FakePort port;
    port.file = FirmwareFile(1, 3000);
    ModuleReflash reflash(port, 1);
    reflash.Start();
    reflash.OnReply(false, 0, {});
    reflash.OnReply(false, 0, {});
    ASSERT_TRUE(port.open);
    // A reply while the 1000 ms pause runs belongs to no request.
    reflash.OnReply(false, 0, {});
    EXPECT_EQ(port.requests, 2);
    reflash.Abort();
    EXPECT_FALSE(port.open);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(reflash.GetState(), State::Idle);
    reflash.OnPauseElapsed();
    reflash.OnReply(false, 0, {});
    reflash.OnTimeout();
    EXPECT_EQ(port.requests, 2);
    EXPECT_TRUE(port.messages.empty());
}

TEST(ModuleReflash, DestroyingARunningReflashClosesTheFile)
{
    FakePort port;
    port.file = FirmwareFile(1, 3000);
    {
        ModuleReflash reflash(port, 1);
        reflash.Start();
        reflash.OnReply(false, 0, {});
        reflash.OnReply(false, 0, {});
        ASSERT_TRUE(port.open);
    }
    EXPECT_FALSE(port.open);
}

// The reflash steps go to a simulated logger's module; its replies come back in turn.
class SimulatedModulePort : public FakePort {
public:
    LoggerState state = LoggerState::Fresh();
    std::uint8_t address = 4;
    std::optional<Frame> reply;

    bool SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data) override
    {
        if (!FakePort::SendFlash(subCommand, data))
            return false;
        Frame request;
        request.kind = FrameKind::Request;
        request.requestType = kRequestTlFlash;
        request.requestId = static_cast<std::uint32_t>(requests);
        request.payload = {address, subCommand};
        request.payload.insert(request.payload.end(), data.begin(), data.end());
        reply = HandleRequest(state, request, 1700000000).reply;
        return true;
    }
};

TEST(ModuleReflash, ReflashOfASimulatedModuleInstallsTheNewVersion)
{
    struct Case {
        std::uint16_t finalStatus;
        const char* title;
        std::array<std::uint8_t, 3> firmwareAfter;
    };
    const Case cases[] = {
        {0, "Reflash Complete", {7, 8, 9}},
        {kFlashStatusRetry306, "Reflash Error", {0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        SimulatedModulePort port;
        port.state.modules[4].flashStatus = c.finalStatus;
        port.file = FirmwareFile(kModuleTypeDigital, 2041);
        port.file[32 + 10] = 7;
        port.file[32 + 11] = 8;
        port.file[32 + 12] = 9;
        ModuleReflash reflash(port, kModuleTypeDigital);
        reflash.Start();
        for (int guard = 0; guard < 100 && reflash.Running(); ++guard) {
            if (port.pendingPause) {
                port.pendingPause = 0;
                reflash.OnPauseElapsed();
            } else if (std::optional<Frame> reply = std::exchange(port.reply, std::nullopt)) {
                reflash.OnReply(reply->error, reply->code, reply->error ? ParseErrorPayload(reply->payload).text : "");
            } else {
                reflash.OnTimeout();
            }
        }
        ASSERT_EQ(port.messages.size(), 1u) << c.finalStatus;
        EXPECT_EQ(port.messages[0].title, c.title);
        EXPECT_EQ(port.state.modules[4].firmware, c.firmwareAfter);
        // prepare, erase, three blocks, end, three busy status requests and the last one
        EXPECT_EQ(port.requests, 10);
        EXPECT_FALSE(port.open);
    }
}

}  // namespace
}  // namespace module_reflash_test
}  // namespace corvane
