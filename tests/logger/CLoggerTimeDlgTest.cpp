#include "logger/CLoggerTimeDlg.h"

#include "LoggerLinkTestSupport.h"
#include "PinnedTimeZone.h"
#include "TestOutput.h"

#include "base/ByteReader.h"
#include "halvix/protocol/RequestTypes.h"
#include "platform/ButtonControl.h"
#include "res/ClockIds.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::test {
namespace c_logger_time_dlg_test {
namespace {

// 2026-01-05 09:30:00.250 UTC, the PC's clock in these tests.
constexpr std::int64_t kPcSeconds = 1767605400;

// The dialog on a fixed PC clock, with the reset it runs noted.
class TestTimeDlg final : public CLoggerTimeDlg {
public:
    using CLoggerTimeDlg::CLoggerTimeDlg;
    int resets = 0;
    bool resetResult = true;

protected:
    PcTime PcNow() const override { return {kPcSeconds, 250}; }
    bool RunResetDialog() override
    {
        ++resets;
        return resetResult;
    }
};

class CLoggerTimeDlgTest : public LoggerLinkTest {
protected:
    CLoggerTimeDlgTest() : LoggerLinkTest(false) {}

    // A logger whose clock reads the PC's UTC time now, changed by adjust.
    void StartClockLogger(const std::function<void(LoggerState&)>& adjust = {})
    {
        StartLogger([&](LoggerState& state) {
            state.clockOffsetSeconds = kPcSeconds - static_cast<std::int64_t>(std::time(nullptr));
            if (adjust)
                adjust(state);
        });
    }

    std::unique_ptr<TestTimeDlg> Open(bool readOnly = false)
    {
        auto dialog = std::make_unique<TestTimeDlg>(connection, zone, status, reconnects, usbLinkCheck);
        dialog->SetReadOnly(readOnly);
        EXPECT_TRUE(dialog->Create());
        EXPECT_TRUE(RunUntil([&] { return !Text(*dialog, res::kIdcLoggerTimeText).empty(); }));
        return dialog;
    }

    static std::string Text(const Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
    static void Click(const Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }

    std::string ServerItem() const
    {
        const auto& items = logger_->State().items;
        const auto found = items.find(78);
        return found == items.end() ? std::string() : std::string(reinterpret_cast<const char*>(found->second.data()));
    }
};

TEST_F(CLoggerTimeDlgTest, TheClocksShowAndATypedOffsetMovesTheLoggerClockAndIsSentOnUpdate)
{
    const PinnedTimeZone pcZone(kCentralEurope);
    StartClockLogger();
    auto dialog = Open();
    ASSERT_TRUE(RunUntil([&] { return Text(*dialog, res::kIdcTimeServerName) == "pool.ntp.org"; }));
    EXPECT_EQ(Text(*dialog, res::kIdcLoggerTimeText).substr(0, 24), "Mon Jan 05 2026  09:30:0");
    EXPECT_EQ(Text(*dialog, res::kIdcLoggerOffsetText), "+0");
    EXPECT_EQ(Text(*dialog, res::kIdcPcTimeText), "Mon Jan 05 2026  10:30:00");
    EXPECT_EQ(Text(*dialog, res::kIdcPcOffsetText), "+1");
    EXPECT_EQ(Text(*dialog, res::kIdcUtcTimeText), "Mon Jan 05 2026  09:30:00");
    EXPECT_TRUE(dialog->NtpSupported());
    EXPECT_TRUE(dialog->GetControl(res::kIdcInternetTimeCheck)->IsVisible());
    EXPECT_EQ(Text(*dialog, res::kIdcUpdateClock), "Update logger clock\nand time settings");

    // A sign and a letter are refused; a lone sign is waited on.
    dialog->GetControl(res::kIdcLoggerOffsetHours)->SetText("+1a");
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text, CLoggerTimeDlg::kHoursText);
    const std::size_t boxes = Prompts().messageBoxes.size();
    dialog->GetControl(res::kIdcLoggerOffsetHours)->SetText("-");
    dialog->GetControl(res::kIdcLoggerOffsetHours)->SetText("+1");
    EXPECT_EQ(Prompts().messageBoxes.size(), boxes);
    EXPECT_EQ(dialog->OffsetMinutes(), -60);
    ASSERT_TRUE(RunUntil([&] { return Text(*dialog, res::kIdcLoggerTimeText).rfind("Mon Jan 05 2026  10:30", 0) == 0; }));
    EXPECT_EQ(Text(*dialog, res::kIdcLoggerOffsetText), "+1");
    // Only shown so far: neither the logger nor the program's zone changed.
    EXPECT_EQ(zone.OffsetMinutes(), 0);
    EXPECT_FALSE(Took(kRequestQuvTimeSet));

    // Daylight saving alone asks no reboot.
    Click(*dialog, res::kIdcDaylightCheck);
    (void)dialog->SaveImage(OutputFile("SetLoggerClock.png").string());
    Click(*dialog, res::kIdcUpdateClock);
    ASSERT_TRUE(RunUntil([&] { return !dialog->IsOpen(); }));
    EXPECT_EQ(dialog->EndCode(), kIdCancel);
    EXPECT_EQ(dialog->resets, 0);
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text, "Logger time set to Mon Jan 05 2026  10:30:00");
    EXPECT_NE(std::find(status.messages.begin(), status.messages.end(), "Clock Set"), status.messages.end());
    const LoggerState state = logger_->State();
    EXPECT_EQ(state.timeZoneMinutes, -60);
    EXPECT_EQ(state.daylightRule, 1);
    EXPECT_NEAR(static_cast<double>(std::time(nullptr) + state.clockOffsetSeconds), kPcSeconds, 5.0);
    EXPECT_EQ(ServerItem(), "pool.ntp.org");
    EXPECT_EQ(zone.OffsetMinutes(), -60);
    EXPECT_EQ(zone.Flags(), 1u);
}

TEST_F(CLoggerTimeDlgTest, ALoggerWithoutANetworkInterfaceNeverSeesInternetTime)
{
    // Interface kind 4: low bits 00. The logger's own rule bits claim
    // Internet time; the dialog neither shows nor sends it.
    StartClockLogger([](LoggerState& state) {
        state.hardwareType = 4;
        state.daylightRule = 3;
    });
    auto dialog = Open();
    EXPECT_FALSE(dialog->NtpSupported());
    EXPECT_FALSE(dialog->NtpEnabled());
    for (const int id : {res::kIdcInternetTimeCheck, res::kIdcTimeServerName, res::kIdcTimeServerLabel})
        EXPECT_FALSE(dialog->GetControl(id)->IsVisible()) << id;
    Click(*dialog, res::kIdcUpdateClock);
    ASSERT_TRUE(RunUntil([&] { return !dialog->IsOpen(); }));
    EXPECT_EQ(dialog->EndCode(), kIdCancel);
    EXPECT_EQ(logger_->State().daylightRule, 1);
    EXPECT_FALSE(Took(kRequestCfGet));
    EXPECT_FALSE(Took(kRequestCfSet));
    EXPECT_EQ(dialog->resets, 0);
}

TEST_F(CLoggerTimeDlgTest, AnInternetTimeChangeAsksThenResetsTheLoggerOnceTheServerIsWritten)
{
    StartClockLogger();
    auto dialog = Open();
    ASSERT_TRUE(RunUntil([&] { return Text(*dialog, res::kIdcTimeServerName) == "pool.ntp.org"; }));
    Click(*dialog, res::kIdcInternetTimeCheck);
    EXPECT_EQ(Text(*dialog, res::kIdcUpdateClock), "Update logger clock\nsettings");
    dialog->GetControl(res::kIdcTimeServerName)->SetText("time.example.org");

    // Cancel the reboot question: nothing is sent.
    Prompts().messageBoxAnswers = {kIdCancel};
    Click(*dialog, res::kIdcUpdateClock);
    EXPECT_EQ(Prompts().messageBoxes.back().text, CLoggerTimeDlg::kRebootText);
    EXPECT_TRUE(dialog->IsOpen());

    Prompts().messageBoxAnswers = {kIdOk};
    dialog->resetResult = false;
    const std::size_t boxes = Prompts().messageBoxes.size();
    Click(*dialog, res::kIdcUpdateClock);
    ASSERT_TRUE(RunUntil([&] { return !dialog->IsOpen(); }));
    // No "Logger time set" box while Internet time is on; the reset that
    // did not bring the logger back ends the dialog as a failure.
    EXPECT_EQ(Prompts().messageBoxes.size(), boxes + 1);
    EXPECT_EQ(dialog->resets, 1);
    EXPECT_TRUE(dialog->ResetFailed());
    EXPECT_EQ(dialog->EndCode(), kIdAbort);
    EXPECT_EQ(logger_->State().daylightRule, 2);
    EXPECT_EQ(ServerItem(), "time.example.org");
}

TEST_F(CLoggerTimeDlgTest, ReadOnlyShowsChoicesButSendsNothingAndCancelKeepsTheProgramsZone)
{
    StartClockLogger([](LoggerState& state) { state.timeZoneMinutes = 300; });
    auto dialog = Open(true);
    EXPECT_FALSE(dialog->GetControl(res::kIdcUpdateClock)->IsEnabled());
    EXPECT_EQ(Text(*dialog, res::kIdcLoggerOffsetHours), "-5");
    EXPECT_EQ(Text(*dialog, res::kIdcLoggerTimeText).substr(0, 24), "Mon Jan 05 2026  04:30:0");
    dialog->GetControl(res::kIdcLoggerOffsetHours)->SetText("3");
    ASSERT_TRUE(RunUntil([&] { return Text(*dialog, res::kIdcLoggerTimeText).rfind("Mon Jan 05 2026  12:30", 0) == 0; }));
    (void)dialog->SaveImage(OutputFile("SetLoggerClockReadOnly.png").string());
    Click(*dialog, kIdCancel);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(zone.OffsetMinutes(), 300);
    EXPECT_FALSE(Took(kRequestQuvTimeSet));
    EXPECT_EQ(logger_->State().timeZoneMinutes, 300);
}

}  // namespace
}  // namespace c_logger_time_dlg_test
}  // namespace corvane::test
