#include "logger/CStatusDialog.h"

#include "LoggerTestServices.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "SimulatorLink.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/LoggerStatusTexts.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimFault.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "res/LoggerStatusIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_status_dialog_test {
namespace {

// A bound that only keeps a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 2000;
constexpr std::uint32_t kRoundMs = 5;
constexpr std::int64_t kMessageTime = 1700000000;

// The dialog against an in-process simulated logger over TCP, through the
// communications library, on real time.
class StatusDialog : public test::PlatformTest {
protected:
    StatusDialog() : PlatformTest(true) {}
    ~StatusDialog() override { dialog.reset(); }

    void Connect(const std::function<void(LoggerState&)>& adjust = {})
    {
        const auto folder = scratch.Path() / "logger";
        std::filesystem::create_directories(folder);
        LoggerState state = LoggerState::Fresh();
        if (adjust)
            adjust(state);
        ASSERT_FALSE(SaveLoggerState(folder, state));
        ASSERT_NO_FATAL_FAILURE(link.Connect(App(), folder));
    }

    void Open()
    {
        dialog = std::make_unique<CStatusDialog>(services);
        ASSERT_TRUE(dialog->Create());
        WaitUntil([this] { return dialog->Caption().find("SN") != std::string::npos; });
    }

    void WaitUntil(const std::function<bool()>& done)
    {
        for (int round = 0; round < kLimitRounds && !done() && Prompts().messageBoxes.empty(); ++round)
            App().WaitMilliseconds(kRoundMs);
    }

    std::string Text(int id) const { return dialog->GetControl(id)->GetText(); }
    int Check(int id) const { return dialog->GetControlAs<ButtonControl>(id)->GetCheck(); }
    std::vector<std::string> Messages() const
    {
        auto* list = dialog->GetControlAs<ListBoxControl>(res::kIdcStatusMessages);
        std::vector<std::string> lines;
        for (int i = 0; i < list->GetCount(); ++i)
            lines.push_back(list->GetText(i));
        return lines;
    }
    std::size_t Requests(std::uint16_t type) const
    {
        const std::vector<std::uint16_t> types = link.Logger().RequestTypes();
        return static_cast<std::size_t>(std::count(types.begin(), types.end(), type));
    }
    void Reply(std::uint16_t type, bool error, std::vector<std::uint8_t> data)
    {
        App().SendMessage(dialog->Handle(), kReplyMessage, type, 0,
            std::make_unique<CReplyMessage>(type, error ? 0x4105 : 0, error, error ? "Refused" : "", std::move(data)));
    }

    test::ScratchFolder scratch;
    test::SimulatorLink link;
    test::LoggerTestServices services;
    std::unique_ptr<CStatusDialog> dialog;
};

TEST_F(StatusDialog, ShowsTheMessagesTheStateAndTheSerialNumber)
{
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) {
        state.AddRuntimeMessage(kMessageTime, "Logger was reset\nby the user");
        state.AddRuntimeMessage(kMessageTime + 60, "Logging session halted by user");
        state.serialNumber = 4000000000u;
        state.unitName = "North Well";
        state.statusWord = 0x20 | 0x200 | 0x80000;
        state.timeZoneMinutes = -330;
        state.daylightRule = 0x1;
        state.logMemoryKb = 8192;
        state.logUsedKb = 2048;
        state.clockBattery = 190;
    }));
    services.memoryKb = 4096;
    ASSERT_NO_FATAL_FAILURE(Open());
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(dialog->Caption(), "Logger Status     SN 4000000000");
    EXPECT_EQ(Messages(),
        (std::vector<std::string>{
            FormatRuntimeMessageLine(LocalTimeOf(kMessageTime), "Logger was reset by the user"),
            FormatRuntimeMessageLine(LocalTimeOf(kMessageTime + 60), "Logging session halted by user"),
        }));
    // Each message once, then the one past the last.
    EXPECT_EQ(Requests(kRequestInfoMsg), 3u);

    const struct {
        int id;
        const char* text;
    } fields[] = {
        {res::kIdcStatusUnitName, "North Well"},
        {res::kIdcStatusUnitId, "SIM-0001"},
        {res::kIdcStatusFirmware, "3.1.0.0"},
        {res::kIdcStatusMode, "Stopped. Using Internal Memory"},
        {res::kIdcStatusTimeRule, "Local with DST"},
        {res::kIdcStatusUtcOffset, "5.50 hours"},
        {res::kIdcStatusMemorySize, "8192 KBytes"},
        {res::kIdcStatusMemoryUsed, "2048 KBytes (25.00 %)"},
        {res::kIdcStatusNetMemory, "0 Bytes"},
        {res::kIdcStatusSupplyVolts, "12.00 VDC"},
        {res::kIdcStatusBatteryVolts, "3.60 VDC (GOOD)"},
        {res::kIdcStatusClockBattery, "2.90 VDC (LOW)"},
        {res::kIdcStatusTemperature, "25.0 C -- 77.0 F"},
    };
    for (const auto& field : fields)
        EXPECT_EQ(Text(field.id), field.text) << field.id;
    EXPECT_NE(Text(res::kIdcStatusLoggerTime), "");
    EXPECT_TRUE(dialog->GetControlAs<EditControl>(res::kIdcStatusUnitName)->IsReadOnly());
    for (const CStatusDialog::FlagBox& box : CStatusDialog::FlagBoxes())
        EXPECT_EQ(Check(box.checkBox), box.bit == 0x20 || box.bit == 0x200 ? 1 : 0) << box.checkBox;
    // A logger on USB shows no signal fields.
    EXPECT_FALSE(dialog->GetControl(res::kIdcStatusSignal1)->IsVisible());
    EXPECT_FALSE(dialog->GetControl(res::kIdcStatusSignal2)->IsVisible());

    // The application keeps the status word, the memory in use and the zone.
    EXPECT_EQ(services.statusWord, 0x20u | 0x200u | 0x80000u);
    EXPECT_EQ(services.memoryUsedKb, 2048u);
    EXPECT_EQ(services.memoryKb, 4096u);
    EXPECT_EQ(services.timeZone.OffsetMinutes(), -330);
    EXPECT_EQ(services.timeZone.Flags(), 1u);
    EXPECT_TRUE(dialog->SaveImage(test::OutputFile("CStatusDialog.png").string()));
}

TEST_F(StatusDialog, ClickingASessionFlagClearsItInTheLoggerAndASystemFlagStaysAsReported)
{
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) { state.statusWord = 0x20 | 0x40 | 0x200; }));
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_EQ(Check(res::kIdcFlagWatchdog), 1);

    dialog->GetControlAs<ButtonControl>(res::kIdcFlagWatchdog)->Click();
    EXPECT_EQ(Check(res::kIdcFlagWatchdog), 0);
    WaitUntil([this] { return (link.Logger().State().statusWord & 0x20) == 0; });
    EXPECT_EQ(link.Logger().State().statusWord, 0x40u | 0x200u);

    // Read-only boxes go back to what the logger said, checked or not.
    for (const int box : {res::kIdcFlagClockLow, res::kIdcFlagNoNet}) {
        const int before = Check(box);
        dialog->GetControlAs<ButtonControl>(box)->Click();
        EXPECT_EQ(Check(box), before) << box;
    }
    App().WaitMilliseconds(50);
    EXPECT_EQ(Requests(kRequestSFlagClr), 1u);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Check(res::kIdcFlagUserReset), 1);

    // Refresh reads everything again: the cleared flag stays clear.
    // The serial number is asked for once the state reply has been shown.
    const std::size_t serials = Requests(kRequestCfGet);
    dialog->GetControlAs<ButtonControl>(res::kIdcStatusRefresh)->Click();
    WaitUntil([&] { return Requests(kRequestCfGet) > serials; });
    EXPECT_EQ(Requests(kRequestStateGet), 2u);
    EXPECT_EQ(Check(res::kIdcFlagWatchdog), 0);
    EXPECT_EQ(Check(res::kIdcFlagUserReset), 1);
}

TEST_F(StatusDialog, AFlagTheLoggerRefusesToClearIsShownAgain)
{
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) { state.statusWord = 0x20 | 0x80; }));
    ASSERT_NO_FATAL_FAILURE(Open());
    link.Logger().InjectFault({SimFault::Kind::ErrorReply, kRequestSFlagClr, 0, 0x4105, "Not now", 1});
    dialog->GetControlAs<ButtonControl>(res::kIdcFlagWatchdog)->Click();
    EXPECT_EQ(Check(res::kIdcFlagWatchdog), 0);
    WaitUntil([] { return false; });
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Error");
    EXPECT_EQ(Check(res::kIdcFlagWatchdog), 1);
    EXPECT_EQ(link.Logger().State().statusWord, 0x20u | 0x80u);

    // The next click is carried out; the other flag keeps its check.
    Prompts().messageBoxes.clear();
    dialog->GetControlAs<ButtonControl>(res::kIdcFlagWatchdog)->Click();
    WaitUntil([this] { return (link.Logger().State().statusWord & 0x20) == 0; });
    App().WaitMilliseconds(50);
    EXPECT_EQ(Check(res::kIdcFlagWatchdog), 0);
    EXPECT_EQ(Check(res::kIdcFlagPowerFailed), 1);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(StatusDialog, AListThatReachesTheLastIndexEndsThere)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::size_t infos = Requests(kRequestInfoMsg);
    const std::size_t states = Requests(kRequestStateGet);
    // A logger that answers the last index with a message: the state is
    // read next, not index 0 again.
    Reply(kRequestInfoMsg, false, {0xFF, 0xFF, 0, 0, 0, 0, 'e', 'n', 'd', 0});
    WaitUntil([&] { return Requests(kRequestStateGet) > states; });
    EXPECT_EQ(Requests(kRequestStateGet), states + 1);
    EXPECT_EQ(Requests(kRequestInfoMsg), infos);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("end"), std::string::npos);
}

TEST_F(StatusDialog, SignalFieldsFollowTheInterfaceKind)
{
    const struct {
        std::uint8_t kind;
        bool first;
        bool second;
        const char* firstLabel;
    } cases[] = {
        {0, false, false, "Signal Strength"},
        {2, true, false, "WiFi Sig Strength"},
        {3, true, true, "Cell Sig Strength"},
        {0x0B, true, true, "Cell Sig Strength"},  // only the low three bits count
        {9, false, false, "Signal Strength"},
    };
    ASSERT_NO_FATAL_FAILURE(Connect());
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        dialog = std::make_unique<CStatusDialog>(services);
        ASSERT_TRUE(dialog->Create());
        std::vector<std::uint8_t> block(136);
        block[132] = c.kind;
        block[134] = 0;
        block[135] = 35;
        Reply(kRequestStateGet, false, block);
        EXPECT_EQ(dialog->GetControl(res::kIdcStatusSignal1)->IsVisible(), c.first);
        EXPECT_EQ(dialog->GetControl(res::kIdcStatusSignal2)->IsVisible(), c.second);
        EXPECT_EQ(dialog->GetControl(res::kIdcStatusSignal1Label)->GetText(), c.firstLabel);
        if (c.first) {
            EXPECT_EQ(Text(res::kIdcStatusSignal1), "||||");
        }
        if (c.second) {
            EXPECT_EQ(dialog->GetControl(res::kIdcStatusSignal2Label)->GetText(), "Cell Sig Quality");
            EXPECT_EQ(Text(res::kIdcStatusSignal2), FormatSignalBar(20));
        }
    }
}

TEST_F(StatusDialog, BadRepliesAndTimeOutsAreReportedAndChangeNoField)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_NO_FATAL_FAILURE(Open());
    const std::string mode = Text(res::kIdcStatusMode);
    ASSERT_FALSE(mode.empty());
    struct Case {
        std::uint16_t type;
        bool error;
        std::vector<std::uint8_t> data;
        const char* caption;  // empty: no box
    };
    const Case cases[] = {
        {kRequestStateGet, false, std::vector<std::uint8_t>(135, 0xFF), "Bad Reply From Logger"},
        {kRequestStateGet, true, {}, "Communication Error"},
        {kRequestSFlagClr, false, {1}, "Bad Reply From Logger"},
        {kRequestSFlagClr, true, {}, "Communication Error"},
        {kRequestCfGet, false, {16, 0, 1, 0, 0, 0}, ""},  // another item: the caption stays
        {77, false, std::vector<std::uint8_t>(136, 0xFF), ""},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        Reply(c.type, c.error, c.data);
        if (*c.caption == '\0') {
            EXPECT_TRUE(Prompts().messageBoxes.empty()) << c.type;
        } else {
            ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.type;
            EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        }
        EXPECT_EQ(Text(res::kIdcStatusMode), mode);
    }
    EXPECT_NE(dialog->Caption().find("SN 100001"), std::string::npos);

    Prompts().messageBoxes.clear();
    App().SendMessage(dialog->Handle(), kTimeoutMessage, kRequestInfoMsg, 0);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "** TIMEOUT **");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Timeout");
    EXPECT_EQ(services.status.Last(), "Timeout");
}

}  // namespace
}  // namespace c_status_dialog_test
}  // namespace corvane
