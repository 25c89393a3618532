#include "logger/LoggerReflash.h"

#include "halvix/protocol/RequestTypes.h"
#include "logger/HiddenReconnect.h"
#include "tests/logger/FirmwareImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

struct FakeReconnect final : HiddenReconnect {
    int* disconnects;
    int* connects;
    const int* result;
    FakeReconnect(int* d, int* c, const int* r) : disconnects(d), connects(c), result(r) {}
    void PostDisconnect() override { ++*disconnects; }
    void PostConnectWaiting() override { ++*connects; }
    int Result() const override { return *result; }
};

// Records what the reflash asks of its dialog and answers as set up.
struct FakePort final : LoggerReflashPort {
    std::deque<std::optional<std::filesystem::path>> choices;
    std::deque<bool> okAnswers;
    bool yesAnswer = true;
    bool cellular = false;
    int flashDataResult = 0;
    int reconnectResult = 0;

    struct Block {
        std::uint32_t offset;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Block> blocks;
    std::vector<std::string> log;
    std::vector<std::string> boxes;  // "caption|text"
    int stops = 0, inits = 0, chooses = 0;
    std::vector<std::uint16_t> execs;
    int disconnects = 0, connects = 0;
    bool reflashing = false, timer = false, closeButton = false, cancelled = false, timeoutStatus = false;
    std::uint32_t upper = 0, position = 0;

    int SendStop() override { return ++stops, 0; }
    int SendFlashInit() override { return ++inits, 0; }
    int SendFlashData(std::uint32_t offset, std::span<const std::uint8_t> block) override
    {
        if (flashDataResult == 0)
            blocks.push_back({offset, {block.begin(), block.end()}});
        return flashDataResult;
    }
    int SendFlashExec(std::uint16_t relay) override { return execs.push_back(relay), 0; }
    std::optional<std::filesystem::path> ChooseFirmwareFile() override
    {
        ++chooses;
        if (choices.empty())
            return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
    void AppendLog(std::string_view line) override { log.emplace_back(line); }
    void SetProgressRange(std::uint32_t u) override { upper = u; }
    void SetProgressPosition(std::uint32_t p) override { position = p; }
    void StepProgress() override { position = std::min(position + 1, upper); }
    void ShowCloseButton() override { closeButton = true; }
    void ShowBox(std::string_view text, std::string_view caption, BoxIcon) override
    {
        boxes.push_back(std::string(caption) + "|" + std::string(text));
    }
    bool AskOkCancel(std::string_view text, std::string_view caption) override
    {
        ShowBox(text, caption, BoxIcon::Question);
        if (okAnswers.empty())
            return true;
        const bool ok = okAnswers.front();
        okAnswers.pop_front();
        return ok;
    }
    bool AskYesNo(std::string_view text, std::string_view caption) override
    {
        ShowBox(text, caption, BoxIcon::Question);
        return yesAnswer;
    }
    void ShowTimeoutStatus() override { timeoutStatus = true; }
    void StartTimer() override { timer = true; }
    void StopTimer() override { timer = false; }
    std::unique_ptr<HiddenReconnect> MakeHiddenReconnect() override
    {
        return std::make_unique<FakeReconnect>(&disconnects, &connects, &reconnectResult);
    }
    void SetReflashing(bool on) override { reflashing = on; }
    bool IsCellularLogger() override { return cellular; }
    void CloseCancelled() override { cancelled = true; }

    bool Logged(std::string_view line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
    long Count(std::string_view line) const { return std::count(log.begin(), log.end(), line); }
};

constexpr std::size_t kMiB = 1024 * 1024;

class LoggerReflashTest : public ::testing::Test {
protected:
    FakePort port;
    LoggerReflash reflash{port};

    // Chooses a firmware file of the image and answers every reply up to
    // the execute request with success.
    void SendWholeFile(const std::vector<std::uint8_t>& image, std::string_view name = "reflash.bin")
    {
        port.choices.push_back(WriteFirmwareFile(name, image));
        reflash.Start(true);
        ASSERT_EQ(reflash.State(), LoggerReflash::kBlocks);
        Reply(kRequestFlashInit);
        while (reflash.State() == LoggerReflash::kBlocks)
            Reply(kRequestFlashData);
        Reply(kRequestFlashData);  // the last block's reply
    }

    void Reply(std::uint16_t type, std::uint16_t code = 0, std::string_view text = {})
    {
        reflash.OnReply(type, true, code != 0, code, text);
    }

    void TickUntil(int tick)
    {
        while (reflash.TickCount() < tick)
            reflash.OnTick();
    }
};

TEST_F(LoggerReflashTest, AOneMegabyteFileGoesInOrderedBlocksThenTheLoggerRestartsAndReconnects)
{
    const auto image = FirmwareImage(kMiB);
    SendWholeFile(image);
    ASSERT_EQ(port.blocks.size(), kMiB / 1024);
    std::vector<std::uint8_t> joined;
    for (std::size_t i = 0; i < port.blocks.size(); ++i) {
        EXPECT_EQ(port.blocks[i].offset, i * 1024);
        joined.insert(joined.end(), port.blocks[i].bytes.begin(), port.blocks[i].bytes.end());
    }
    EXPECT_EQ(joined, image);
    EXPECT_EQ(port.execs, (std::vector<std::uint16_t>{1}));
    EXPECT_EQ(reflash.State(), LoggerReflash::kRestart);
    EXPECT_TRUE(port.timer);
    EXPECT_EQ(port.upper, 30u);
    Reply(kRequestFlashExec);
    EXPECT_EQ(reflash.State(), LoggerReflash::kWaitReconnect);
    EXPECT_TRUE(port.reflashing);
    EXPECT_EQ(port.disconnects, 1);
    TickUntil(29);
    EXPECT_EQ(port.connects, 0);
    TickUntil(30);
    EXPECT_EQ(port.connects, 1);
    EXPECT_TRUE(port.Logged("Begin poll for reflash completion"));
    port.reconnectResult = 1;
    TickUntil(31);
    EXPECT_EQ(reflash.State(), LoggerReflash::kComplete);
    EXPECT_FALSE(port.reflashing);
    EXPECT_FALSE(port.timer);
    EXPECT_FALSE(reflash.FileOpen());
    EXPECT_TRUE(port.closeButton);
    EXPECT_EQ(port.position, port.upper);
    const std::vector<std::string> expected = {"Opening File " + reflash.FilePath(), "Sending firmware update...",
        "Initiating Reprogramming Operation", "Logger Reprogramming Sequence Started - Please Wait...",
        "Begin poll for reflash completion", "Reflash Complete..."};
    EXPECT_EQ(port.log, expected);
    EXPECT_EQ(port.boxes, (std::vector<std::string>{"Reflash|Reflash file 03.01.02.03 is selected.\n\nContinue?"}));
}

TEST_F(LoggerReflashTest, TheReconnectIsRetriedBelow100TicksAndNeverWaitsForEver)
{
    struct Case {
        const char* name;
        bool cellular;
        std::vector<int> results;  // from the first tick after the wait, the last repeated
        int endState;
        int endTick;
        long failedReconnects;
    };
    const Case cases[] = {
        {"fails at 100 ticks", false, {-1}, LoggerReflash::kFailed, 100, 100 - 30},
        {"succeeds after two failures", false, {-1, -1, 0, 1}, LoggerReflash::kComplete, 34, 2},
        {"never answers", false, {0}, LoggerReflash::kFailed, 130, 1},
        {"cellular fails at once", true, {-1}, LoggerReflash::kFailed, 121, 1},
        {"cellular connects", true, {0, 1}, LoggerReflash::kComplete, 122, 0},
    };
    for (const Case& c : cases) {
        FakePort casePort;
        casePort.cellular = c.cellular;
        LoggerReflash run(casePort);
        casePort.choices.push_back(WriteFirmwareFile("reconnect.bin", FirmwareImage(LoggerFirmwareFile::kVersionOffset + 4)));
        run.Start(false);
        run.OnReply(kRequestFlashInit, true, false, 0, {});
        while (run.State() == LoggerReflash::kBlocks || run.State() == LoggerReflash::kExecute)
            run.OnReply(kRequestFlashData, true, false, 0, {});
        EXPECT_EQ(casePort.execs, (std::vector<std::uint16_t>{0})) << c.name;
        run.OnReply(kRequestFlashExec, true, false, 0, {});
        const int wait = c.cellular ? 120 : 30;
        EXPECT_EQ(run.WaitSeconds(), wait) << c.name;
        while (run.TickCount() < wait)
            run.OnTick();
        for (std::size_t i = 0; run.State() == LoggerReflash::kWaitReconnect && run.TickCount() < 1000; ++i) {
            casePort.reconnectResult = c.results[std::min(i, c.results.size() - 1)];
            run.OnTick();
        }
        EXPECT_EQ(run.State(), c.endState) << c.name;
        EXPECT_EQ(run.TickCount(), c.endTick) << c.name;
        EXPECT_EQ(casePort.Count("Reconnect failed"), c.failedReconnects) << c.name;
        EXPECT_EQ(casePort.Count("Cell modem delay..."), c.cellular ? 7 : 0) << c.name;
        EXPECT_EQ(casePort.Logged("Reflash Failed"), c.endState == LoggerReflash::kFailed) << c.name;
        EXPECT_EQ(casePort.reflashing, c.endState != LoggerReflash::kComplete) << c.name;
        EXPECT_FALSE(casePort.timer) << c.name;
        // Closing after a failure clears the reflashing mark.
        run.OnClose();
        EXPECT_FALSE(casePort.reflashing) << c.name;
    }
}

TEST(LoggerReflashFailureTest, EachFailureEndsInTheFailedStateWithTheFileClosed)
{
    const auto reply = [](LoggerReflash& r, std::uint16_t type, std::uint16_t code = 0, std::string_view text = {}) {
        r.OnReply(type, true, code != 0, code, text);
    };
    struct Case {
        const char* name;
        std::function<void(FakePort&, LoggerReflash&)> fault;
        std::string logged;
        std::string box;
        std::size_t blocksSent;
    };
    const Case cases[] = {
        {"init refused", [&](FakePort&, LoggerReflash& r) { reply(r, kRequestFlashInit, 0x4120, "Flash access denied"); },
            "Reflash Error Code (0x4120) Encountered: Flash access denied",
            "Error Encountered|Reflash Error Code (0x4120) Encountered\n\nFlash access denied", 0},
        {"block refused",
            [&](FakePort&, LoggerReflash& r) {
                reply(r, kRequestFlashInit);
                reply(r, kRequestFlashData, 0x4121, "out of sequence");
            },
            "Reflash Error Code (0x4121) Encountered: out of sequence",
            "Error Encountered|Reflash Error Code (0x4121) Encountered\n\nout of sequence", 1},
        {"time-out", [](FakePort&, LoggerReflash& r) { r.OnTimeout(kRequestFlashData); }, "Reflash Failed",
            "Communication Timeout|** TIMEOUT **", 0},
        {"block cannot be sent",
            [&](FakePort& p, LoggerReflash& r) {
                p.flashDataResult = 3;
                reply(r, kRequestFlashInit);
            },
            "***Error 3 sending CxFlashData***", "", 0},
        {"file cut short after it was chosen",
            [&](FakePort&, LoggerReflash& r) {
                reply(r, kRequestFlashInit);
                std::filesystem::resize_file(r.FilePath(), 3000);
                for (int i = 0; i < 5; ++i)
                    reply(r, kRequestFlashData);
            },
            "****Exception while attempting to read firmware file***", "", 2},
        {"stop refused", [&](FakePort&, LoggerReflash& r) { reply(r, kRequestRun, 0x4101, "no"); },
            "Reflash Error Code (0x4101) Encountered: no", "Error Encountered|Reflash Error Code (0x4101) Encountered\n\nno",
            0},
    };
    for (const Case& c : cases) {
        FakePort port;
        port.choices.push_back(WriteFirmwareFile("failure.bin", FirmwareImage(kMiB)));
        LoggerReflash reflash(port);
        reflash.Start(true);
        c.fault(port, reflash);
        EXPECT_EQ(reflash.State(), LoggerReflash::kFailed) << c.name;
        EXPECT_TRUE(port.Logged(c.logged)) << c.name;
        EXPECT_EQ(port.log.back(), "Reflash Failed") << c.name;
        EXPECT_FALSE(reflash.FileOpen()) << c.name;
        EXPECT_TRUE(port.closeButton) << c.name;
        EXPECT_EQ(port.blocks.size(), c.blocksSent) << c.name;
        if (!c.box.empty()) {
            EXPECT_EQ(port.boxes.back(), c.box) << c.name;
        }
        // Nothing moves a failed reflash again.
        const std::size_t lines = port.log.size();
        reply(reflash, kRequestFlashData);
        reflash.OnTimeout(kRequestFlashData);
        reflash.Start(true);
        reflash.OnTick();
        EXPECT_EQ(port.log.size(), lines) << c.name;
        EXPECT_EQ(reflash.State(), LoggerReflash::kFailed) << c.name;
    }
}

TEST_F(LoggerReflashTest, TheStopBeforeAReflashAcceptsAHaltedOrStoppedLogger)
{
    EXPECT_TRUE(reflash.Begin(false));
    EXPECT_EQ(port.stops, 0);
    port.yesAnswer = false;
    EXPECT_FALSE(reflash.Begin(true));
    EXPECT_EQ(port.stops, 0);
    port.yesAnswer = true;
    EXPECT_TRUE(reflash.Begin(true));
    EXPECT_EQ(port.stops, 1);
    for (const std::uint16_t code : {std::uint16_t{0}, LoggerReflash::kCodeLoggerHalted, LoggerReflash::kCodeAlreadyStopped})
        Reply(kRequestRun, code, "halted");
    EXPECT_EQ(reflash.State(), LoggerReflash::kSelect);
    EXPECT_TRUE(port.log.empty());
    // A reply without data changes nothing.
    reflash.OnReply(kRequestRun, false, true, 0x4101, "no");
    EXPECT_EQ(reflash.State(), LoggerReflash::kSelect);
}

TEST_F(LoggerReflashTest, ChoosingTheFileRefusesOtherTypesAndLetsTheUserChooseAgain)
{
    // No file chosen: the dialog closes.
    reflash.Start(true);
    EXPECT_TRUE(port.cancelled);
    port.cancelled = false;

    // A file for another logger type, one too short to hold the version,
    // one that cannot be opened, then a good one that the user declines,
    // then the good one accepted.
    port.choices.push_back(WriteFirmwareFile("type4.bin", FirmwareImage(kMiB, 4)));
    port.choices.push_back(WriteFirmwareFile("short.bin", FirmwareImage(4096)));
    port.choices.push_back(WriteFirmwareFile("good.bin", FirmwareImage(kMiB)));
    port.choices.push_back(WriteFirmwareFile("good.bin", FirmwareImage(kMiB)));
    port.okAnswers = {false, true};
    for (int press = 0; press < 3; ++press) {
        reflash.Start(true);
        EXPECT_EQ(reflash.State(), LoggerReflash::kSelect) << press;
        EXPECT_FALSE(reflash.FileOpen()) << press;
    }
    EXPECT_EQ(port.boxes[0], "Reflash|error, bin file does not match logger type");
    EXPECT_EQ(port.boxes[1], "Reflash|error, bin file does not match logger type");
    EXPECT_TRUE(port.Logged(reflash.FilePath() + " closed."));
    EXPECT_TRUE(port.Logged("Reflash Terminated."));
    EXPECT_EQ(port.inits, 0);
    reflash.Start(false);
    EXPECT_EQ(reflash.State(), LoggerReflash::kBlocks);
    EXPECT_EQ(port.inits, 1);
    EXPECT_FALSE(port.cancelled);

    // The start button does nothing while the reflash runs.
    const int chooses = port.chooses;
    reflash.Start(true);
    EXPECT_EQ(port.chooses, chooses);
    EXPECT_EQ(port.inits, 1);
    EXPECT_FALSE(reflash.RetainRelay());

    port.choices.push_back(OutputFile("missing-firmware.bin"));
    LoggerReflash other(port);
    other.Start(true);
    EXPECT_TRUE(port.cancelled);
    EXPECT_EQ(port.boxes.back(), "Reflash|File (" + OutputFile("missing-firmware.bin").string() + ") Could Not be Opened");
}

TEST_F(LoggerReflashTest, AnExecuteErrorOnlyLogsAndTheUserCloses)
{
    SendWholeFile(FirmwareImage(LoggerFirmwareFile::kVersionOffset + 4));
    Reply(kRequestFlashExec, 0x4122, "Firmware image does not suit this logger");
    EXPECT_TRUE(port.Logged("VXM_FLASHEXEC error response received"));
    EXPECT_EQ(reflash.State(), LoggerReflash::kRestart);
    EXPECT_FALSE(port.reflashing);
    EXPECT_EQ(port.disconnects, 0);
    TickUntil(200);
    EXPECT_EQ(reflash.State(), LoggerReflash::kRestart);
    reflash.OnClose();
    EXPECT_FALSE(port.timer);
    EXPECT_FALSE(reflash.FileOpen());
}

}  // namespace
}  // namespace corvane::test
