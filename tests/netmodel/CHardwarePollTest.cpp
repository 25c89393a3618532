#include "netmodel/CHardwarePoll.h"

#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "netmodel/HardwarePollOwner.h"
#include "netmodel/HardwarePollReporter.h"
#include "netmodel/HardwarePollWait.h"
#include "tests/platform/PlatformTestSupport.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace corvane {
namespace c_hardware_poll_test {
namespace {

using test::RecordingPromptSink;
using test::ScratchFolder;

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr std::uint32_t kQueryLimitMs = 20000;

class RecordingOwner final : public HardwarePollOwner {
public:
    explicit RecordingOwner(const CHardwarePoll& poll) : poll_(poll) {}
    void OnHardwarePollDone() override { statesSeen.push_back(poll_.PollState()); }
    std::vector<int> statesSeen;

private:
    const CHardwarePoll& poll_;
};

class RecordingReporter final : public HardwarePollReporter {
public:
    void ShowLoggerError(const CReplyMessage& reply) override
    {
        shown.push_back("error " + std::to_string(reply.Code()) + " " + std::string(reply.TextAt(2)));
    }
    void ShowStopBox(std::string_view text, std::string_view caption) override
    {
        shown.push_back("box " + std::string(caption) + ": " + std::string(text));
    }
    void ShowStatus(std::string_view text) override { shown.push_back("status " + std::string(text)); }
    void LogDiagnostic(std::string_view text) override { shown.push_back("log " + std::string(text)); }
    std::vector<std::string> shown;
};

BusModule Module(std::uint8_t type, std::uint16_t switchWord, std::array<std::uint8_t, 3> firmware = {1, 2, 3})
{
    return BusModule{type, firmware, 123456789, "Module", switchWord};
}

std::vector<std::uint8_t> Record(std::uint8_t address, std::uint8_t type)
{
    std::vector<std::uint8_t> record(CHardwarePoll::kModuleRecordSize, 0);
    record[1] = address;
    record[2] = type;
    record[3] = 1;
    record[10] = 'D';
    return record;
}

// A poll that queries an in-process simulated logger over TCP through the
// communications library and the application's message loop.
class CHardwarePollTest : public ::testing::Test {
protected:
    CHardwarePollTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"});
        app_->SetPromptSink(&prompts_);
        NewPoll();
        state_ = LoggerState::Fresh();
        state_.modules.clear();
    }

    ~CHardwarePollTest() override
    {
        CxLoggerConnect(0);
        poll_.reset();
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
    }

    // Starts the logger with state_ and links the library to it.
    void Connect(std::uint32_t retryTimeMs = 5000)
    {
        const auto folder = folder_.Path() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveLoggerState(folder, state_));
        SimulatorOptions options;
        options.stateFolder = folder;
        sim_ = std::make_unique<SimulatedLogger>(options);
        ASSERT_TRUE(sim_->Start()) << sim_->StartError();
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(*app_));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        ASSERT_EQ(CxInitHalvixLib(), kCxOk);
        ASSERT_EQ(CxSetRetryTime(retryTimeMs), kCxOk);
        ASSERT_EQ(CxSetMaxRetries(0), kCxOk);
        ASSERT_EQ(CxSetNetworkServer("127.0.0.1", sim_->Port()), kCxOk);
        ASSERT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        ASSERT_EQ(CxLoggerConnect(1), kCxOk) << library_->LastLinkError();
    }

    void NewPoll()
    {
        poll_ = std::make_unique<CHardwarePoll>();
        owner_ = std::make_unique<RecordingOwner>(*poll_);
        poll_->SetReporter(&reporter_);
    }

    bool Query(std::uint32_t limitMs = kQueryLimitMs)
    {
        poll_->Reset();
        poll_->Start(*owner_);
        return WaitForHardwarePoll(*poll_, limitMs);
    }

    // Runs the message loop until the running query reaches state.
    void RunUntilState(int state)
    {
        for (int i = 0; i < 2000 && poll_->PollState() != state; ++i)
            app_->WaitMilliseconds(5);
        ASSERT_EQ(poll_->PollState(), state);
    }

    void PostReply(std::uint16_t type, bool error, std::vector<std::uint8_t> data)
    {
        ASSERT_TRUE(app_->PostMessage(poll_->ReplyWindow(), kReplyMessage, type, 0,
            std::make_unique<CReplyMessage>(type, error ? 0x4242 : 0, error, error ? "Busy" : "", std::move(data))));
    }

    ScratchFolder folder_;
    RecordingPromptSink prompts_;
    std::unique_ptr<Application> app_;
    LoggerState state_;
    std::unique_ptr<SimulatedLogger> sim_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    RecordingReporter reporter_;
    std::unique_ptr<CHardwarePoll> poll_;
    std::unique_ptr<RecordingOwner> owner_;
};

TEST_F(CHardwarePollTest, ANewPollHasFinishedWithAnEmptyTable)
{
    EXPECT_EQ(poll_->PollState(), CHardwarePoll::kFinished);
    EXPECT_FALSE(poll_->IsRunning());
    EXPECT_EQ(poll_->ReplyWindow(), WindowHandle{});
    for (int slot = 0; slot < CHardwarePoll::kSlotCount; ++slot) {
        EXPECT_FALSE(poll_->IsModulePresent(slot));
        EXPECT_FALSE(poll_->HasModuleRecord(slot));
        EXPECT_EQ(poll_->GetModuleRecord(slot)[1], 0xFF);
    }
}

TEST_F(CHardwarePollTest, ReadsTheBaseConfigurationTheModulesAndTheAnalogSwitchWords)
{
    state_.baseConfigWord = 0x0351;
    state_.modules[2] = Module(kModuleTypeAnalog, 0x0102);
    state_.modules[4] = Module(kModuleTypeDigital, 0x1111);
    state_.modules[5] = Module(kModuleTypeAnalog, 0xAA48);
    state_.modules[7] = Module(kModuleTypeAnalog, 0x2222, {0xFF, 0xFF, 0xFF});  // no valid firmware
    state_.modules[9] = Module(kModuleTypeAnalog, 0x8000);
    Connect();

    EXPECT_TRUE(Query());

    EXPECT_EQ(poll_->PollState(), CHardwarePoll::kFinished);
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_TRUE(reporter_.shown.empty());
    EXPECT_EQ(app_->WaitCursorDepth(), 0);
    EXPECT_EQ(poll_->InputSwitchWord(), 0x0351);
    EXPECT_EQ(poll_->GetModuleMask(), (1u << 2) | (1u << 4) | (1u << 5) | (1u << 7) | (1u << 9));
    EXPECT_EQ(poll_->ErrorFlags(), 0);
    EXPECT_FALSE(poll_->TimedOut());
    // Analog modules with firmware answer their switch word; the digital
    // module and the one without firmware are not asked.
    const struct {
        int slot;
        std::uint16_t word;
        bool record;
    } slots[] = {{2, 0x0102, true}, {4, 0, true}, {5, 0xAA48, true}, {7, 0, false}, {9, 0x8000, true}};
    for (const auto& s : slots) {
        EXPECT_TRUE(poll_->IsModulePresent(s.slot)) << s.slot;
        EXPECT_EQ(poll_->HasModuleRecord(s.slot), s.record) << s.slot;
        EXPECT_EQ(poll_->GetModuleValue(s.slot), s.word) << s.slot;
        const std::vector<std::uint8_t> expected
            = ModuleRecordBytes(static_cast<std::uint8_t>(s.slot), state_.modules[static_cast<std::uint8_t>(s.slot)]);
        const auto record = poll_->GetModuleRecord(s.slot);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), expected.begin(), expected.end())) << s.slot;
    }
    EXPECT_FALSE(poll_->IsModulePresent(3));
    EXPECT_FALSE(poll_->HasModuleRecord(3));
}

TEST_F(CHardwarePollTest, ABusWithoutModulesFinishesAfterTheEnumeration)
{
    Connect();
    EXPECT_TRUE(Query());
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_EQ(poll_->GetModuleMask(), 0);
    EXPECT_EQ(poll_->CurrentSlot(), -1);
    EXPECT_TRUE(reporter_.shown.empty());
}

TEST_F(CHardwarePollTest, ANewQueryKeepsTheTableUntilReset)
{
    state_.modules[3] = Module(kModuleTypeAnalog, 0x8000);
    Connect();
    ASSERT_TRUE(Query());
    sim_->InjectFault({SimFault::Kind::ErrorReply, kRequestTlTran, 0, 0x4242, "Busy", 1});
    poll_->Start(*owner_);
    EXPECT_TRUE(WaitForHardwarePoll(*poll_, kQueryLimitMs));
    EXPECT_EQ(poll_->GetModuleValue(3), 0x8000);
    poll_->Reset();
    EXPECT_EQ(poll_->GetModuleValue(3), 0);
    EXPECT_EQ(poll_->GetModuleMask(), 0);
    EXPECT_FALSE(poll_->HasModuleRecord(3));
}

TEST_F(CHardwarePollTest, LoggerErrorsEndTheQueryWithTheirBoxAndKeepWhatArrived)
{
    state_.modules[6] = Module(kModuleTypeAnalog, 0x8000);
    Connect();
    const struct {
        std::uint16_t type;
        std::uint16_t baseWord;
        std::uint16_t mask;
    } cases[] = {
        {kRequestBaseCfg, 0, 0},
        {kRequestTLEnum, 0x0351, 0},
        {kRequestTlTran, 0x0351, 1u << 6},
    };
    for (const auto& c : cases) {
        reporter_.shown.clear();
        owner_->statesSeen.clear();
        sim_->InjectFault({SimFault::Kind::ErrorReply, c.type, 0, 0x4321, "Bus fault", 1});
        poll_->Reset();
        poll_->SetInputSwitchWord(0x1234);
        poll_->Start(*owner_);
        EXPECT_TRUE(WaitForHardwarePoll(*poll_, kQueryLimitMs)) << c.type;
        EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished}) << c.type;
        EXPECT_EQ(reporter_.shown, std::vector<std::string>{"error 17185 Bus fault"}) << c.type;
        EXPECT_EQ(poll_->ErrorFlags(), CHardwarePoll::kLoggerErrorFlag) << c.type;
        EXPECT_EQ(poll_->InputSwitchWord(), c.baseWord) << c.type;
        EXPECT_EQ(poll_->GetModuleMask(), c.mask) << c.type;
        EXPECT_EQ(poll_->GetModuleValue(6), 0) << c.type;
        EXPECT_EQ(app_->WaitCursorDepth(), 0) << c.type;
    }
}

TEST_F(CHardwarePollTest, RepliesWithTooLittleDataEndTheQueryAsFailed)
{
    state_.modules[6] = Module(kModuleTypeAnalog, 0x8000);
    Connect(60000);
    const struct {
        const char* why;
        int waitingState;
        std::uint16_t type;
        bool error;
        std::vector<std::uint8_t> data;
        const char* shown;
    } cases[] = {
        {"empty base configuration", CHardwarePoll::kBaseConfigRequested, kRequestBaseCfg, false, {},
            "box Bad Reply From Logger: Reply with insufficient data received"},
        {"one-byte base configuration", CHardwarePoll::kBaseConfigRequested, kRequestBaseCfg, false, {0x51},
            "box Bad Reply From Logger: Reply with insufficient data received"},
        {"three-byte switch word", CHardwarePoll::kTransactionPending, kRequestTlTran, false, {6, 17, 0x80},
            "box Bad Reply From Logger: Reply with insufficient data received"},
        {"error without code and text", CHardwarePoll::kBaseConfigRequested, kRequestBaseCfg, true, {}, "error 16962 "},
    };
    for (const auto& c : cases) {
        // A new link and poll for each case: the request left unanswered
        // before is answered with a time-out to the window of the poll before.
        NewPoll();
        ASSERT_EQ(CxLoggerConnect(1), kCxOk);
        reporter_.shown.clear();
        // The logger keeps quiet; the test answers in its place.
        sim_->InjectFault({SimFault::Kind::NoReply, c.type, 0, 0, {}, 1});
        poll_->Start(*owner_);
        RunUntilState(c.waitingState);
        PostReply(c.type, c.error, c.data);
        EXPECT_FALSE(WaitForHardwarePoll(*poll_, kQueryLimitMs)) << c.why;
        EXPECT_EQ(poll_->PollState(), CHardwarePoll::kFailed) << c.why;
        EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFailed}) << c.why;
        EXPECT_EQ(reporter_.shown, std::vector<std::string>{c.shown}) << c.why;
        EXPECT_EQ(poll_->GetModuleValue(6), 0) << c.why;
        EXPECT_EQ(app_->WaitCursorDepth(), 0) << c.why;
    }
}

TEST_F(CHardwarePollTest, TheEnumerationTakesSixteenRecordsIntoTheSlotOfTheirAddress)
{
    Connect(60000);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestTLEnum, 0, 0, {}, 1});
    poll_->Start(*owner_);
    RunUntilState(CHardwarePoll::kEnumerationRequested);
    // Digital modules only, so no transaction follows. Address 17 first,
    // which no slot takes; then modules 1..15; the four records after the
    // sixteenth (module 0) and a partial record are not taken.
    std::vector<std::uint8_t> data = Record(17, kModuleTypeDigital);
    data[10] = 'X';
    for (int i = 1; i < 20; ++i) {
        const std::vector<std::uint8_t> record = Record(static_cast<std::uint8_t>(i < 16 ? i : 0), kModuleTypeDigital);
        data.insert(data.end(), record.begin(), record.end());
    }
    data.push_back(0xEE);
    PostReply(kRequestTLEnum, false, data);
    EXPECT_TRUE(WaitForHardwarePoll(*poll_, kQueryLimitMs));
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_EQ(poll_->GetModuleMask(), 0xFFFE);
    EXPECT_FALSE(poll_->HasModuleRecord(0));
    EXPECT_EQ(poll_->GetModuleRecord(1)[1], 1);
    EXPECT_EQ(poll_->GetModuleRecord(1)[10], 'D');
}

TEST_F(CHardwarePollTest, RecordsBeyondTheBusAreLoggedAndSkippedWithoutATransaction)
{
    Connect(60000);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestTLEnum, 0, 0, {}, 1});
    poll_->Start(*owner_);
    RunUntilState(CHardwarePoll::kEnumerationRequested);
    // A digital module 1, then an analog record at address 17 (17 & 15 = 1).
    std::vector<std::uint8_t> data = Record(1, kModuleTypeDigital);
    std::vector<std::uint8_t> beyond = Record(17, kModuleTypeAnalog);
    beyond[10] = 'X';
    data.insert(data.end(), beyond.begin(), beyond.end());
    PostReply(kRequestTLEnum, false, data);
    EXPECT_TRUE(WaitForHardwarePoll(*poll_, kQueryLimitMs));
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_EQ(poll_->ErrorFlags(), 0) << "no switch-word request went out";
    EXPECT_EQ(poll_->GetModuleMask(), 0x0002);
    EXPECT_EQ(poll_->GetModuleRecord(1)[2], kModuleTypeDigital);
    EXPECT_EQ(poll_->GetModuleRecord(1)[10], 'D');
    EXPECT_EQ(reporter_.shown,
        std::vector<std::string>{"log Hardware query: skipped the record of a module at bus address 17"});
}

TEST_F(CHardwarePollTest, TimeOutsEndTheQueryWithTheirMessages)
{
    state_.modules[6] = Module(kModuleTypeAnalog, 0x8000);
    // Long enough for the answered requests on a loaded machine.
    Connect(1000);
    const struct {
        std::uint16_t type;
        const char* box;
    } cases[] = {
        {kRequestBaseCfg, "box Communications Error: ** TIMEOUT **"},
        {kRequestTLEnum, "box Timeout occurred: Timed out getting TLEnum information from logger"},
        {kRequestTlTran, "box Communications Error: ** TIMEOUT **"},
    };
    for (const auto& c : cases) {
        reporter_.shown.clear();
        owner_->statesSeen.clear();
        sim_->InjectFault({SimFault::Kind::NoReply, c.type, 0, 0, {}, 1});
        EXPECT_FALSE(Query()) << c.type;
        EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFailed}) << c.type;
        EXPECT_TRUE(poll_->TimedOut()) << c.type;
        EXPECT_EQ(reporter_.shown, (std::vector<std::string>{"status Timeout", c.box})) << c.type;
        EXPECT_EQ(app_->WaitCursorDepth(), 0) << c.type;
    }
}

TEST_F(CHardwarePollTest, WithoutALinkTheQueryFailsAtOnce)
{
    poll_->Start(*owner_);  // no library installed
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFailed});
    EXPECT_EQ(app_->WaitCursorDepth(), 0);

    Connect();
    ASSERT_EQ(CxLoggerConnect(0), kCxOk);
    owner_->statesSeen.clear();
    EXPECT_FALSE(Query());
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFailed});
}

TEST_F(CHardwarePollTest, TheWaitIsBoundedAndTheLateAnswerDoesNotEndTheNextQuery)
{
    state_.modules[6] = Module(kModuleTypeAnalog, 0x8000);
    Connect(1000);
    sim_->InjectFault({SimFault::Kind::NoReply, kRequestBaseCfg, 0, 0, {}, 1});
    EXPECT_FALSE(Query(50));
    EXPECT_EQ(poll_->PollState(), CHardwarePoll::kFailed);
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFailed});
    EXPECT_EQ(app_->WaitCursorDepth(), 0);
    EXPECT_TRUE(reporter_.shown.empty());

    // The abandoned request's time-out arrives while the next query waits
    // for its own base configuration; it is not taken for that one's.
    owner_->statesSeen.clear();
    EXPECT_TRUE(Query());
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_FALSE(poll_->TimedOut());
    EXPECT_TRUE(reporter_.shown.empty());
    EXPECT_EQ(poll_->GetModuleValue(6), 0x8000);
}

TEST_F(CHardwarePollTest, StartingAgainWhileRunningRestartsWithOneWaitCursor)
{
    state_.modules[6] = Module(kModuleTypeAnalog, 0x8000);
    Connect();
    poll_->Start(*owner_);
    poll_->Start(*owner_);
    EXPECT_EQ(app_->WaitCursorDepth(), 1);
    EXPECT_TRUE(WaitForHardwarePoll(*poll_, kQueryLimitMs));
    app_->WaitMilliseconds(50);  // the second base-configuration answer is ignored
    EXPECT_EQ(owner_->statesSeen, std::vector<int>{CHardwarePoll::kFinished});
    EXPECT_EQ(poll_->GetModuleValue(6), 0x8000);
    EXPECT_EQ(app_->WaitCursorDepth(), 0);
}

TEST(HardwarePollWaitTest, TheLimitCoversEveryRequestWaitingOutEachSending)
{
    EXPECT_EQ(HardwarePollTimeLimitMs(5000, 2), 5000u * (3 * 18 + 1));
    EXPECT_EQ(HardwarePollTimeLimitMs(100, 0), 100u * 19);
    EXPECT_EQ(HardwarePollTimeLimitMs(100, -3), 100u * 19);
    EXPECT_EQ(HardwarePollTimeLimitMs(65535, 1000000), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace c_hardware_poll_test
}  // namespace corvane
