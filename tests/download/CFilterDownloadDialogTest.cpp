#include "download/CFilterDownloadDialog.h"

#include "DownloadTestServices.h"
#include "PinnedTimeZone.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "SimulatorLink.h"

#include "base/ByteWriter.h"
#include "data/LogRecords.h"
#include "download/SessionEntry.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SessionRequests.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DateTimeControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"
#include "shell/ErrorBoxes.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace corvane {
namespace c_filter_download_dialog_test {
namespace {

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 2000;
constexpr auto kRound = std::chrono::milliseconds(5);
// 2024-03-15 10:00:00 UTC.
constexpr std::uint32_t kSessionStart = 1710496800;
constexpr std::uint32_t kScans = 600;  // one a second

std::vector<std::string> Lines(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The lines after the units row.
std::vector<std::string> DataRows(const std::vector<std::string>& lines)
{
    const auto units = std::find_if(
        lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("mm/dd/yyyy"); });
    if (units == lines.end())
        return {};
    return {units + 1, lines.end()};
}

// The UTC seconds of a row that starts " MM/DD/YYYY, HH:MM:SS".
std::int64_t RowSeconds(const std::string& row)
{
    std::tm fields{};
    if (std::sscanf(row.c_str(), " %d/%d/%d, %d:%d:%d", &fields.tm_mon, &fields.tm_mday, &fields.tm_year,
            &fields.tm_hour, &fields.tm_min, &fields.tm_sec)
        != 6)
        return -1;
    fields.tm_mon -= 1;
    fields.tm_year -= 1900;
    return ::timegm(&fields);
}

// The dialog against an in-process simulated logger over TCP, through the
// communications library. The application runs on a manual clock, so the
// watchdog moves only when a test advances it; the logger's replies come
// in real time and the test handles them as they arrive.
class FilterDownload : public test::PlatformTest {
protected:
    FilterDownload() : services(scratch.Path()), zone("<+02>-2")
    {
        entry.outputPath = services.downloads / "filtered.csv";
        services.timeColumns = TimeColumns::Utc;
    }

    ~FilterDownload() override { dialog.reset(); }

    // Starts the logger with one session and takes it as the entry.
    void Connect(bool stopped = true)
    {
        const auto folder = scratch.Path() / "logger";
        std::filesystem::create_directories(folder);
        const LoggerState state = LoggerState::Fresh();
        ASSERT_FALSE(SaveLoggerState(folder, state));
        LoggedSessionPlan plan;
        plan.startSeconds = kSessionStart;
        plan.scanCount = kScans;
        plan.stopped = stopped;
        ASSERT_FALSE(SaveLoggedSessions(folder, {plan}));
        const LoggedSessionGenerator generator(state, plan);
        entry.name = SessionName(plan);
        entry.start = plan.startSeconds;
        entry.stop = generator.StopSeconds();
        entry.size = static_cast<std::uint32_t>(SessionStreamSize(state, plan));

        ASSERT_NO_FATAL_FAILURE(link.Connect(App(), folder));
    }

    void Open()
    {
        dialog = std::make_unique<CFilterDownloadDialog>(services, entry);
        ASSERT_TRUE(dialog->Create());
    }

    // Handles what arrives until done says so (or the bound is reached).
    void RunUntil(const std::function<bool()>& done)
    {
        for (int round = 0; round < kLimitRounds && !done(); ++round) {
            App().ProcessPending();
            std::this_thread::sleep_for(kRound);
        }
    }

    // Opens the dialog and waits for the session's points.
    void OpenWithPoints()
    {
        Open();
        RunUntil([&] { return List().GetCount() > 0 || !dialog->IsOpen(); });
        ASSERT_EQ(List().GetCount(), 4);
        EXPECT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Idle);
    }

    // Waits for the data phase to take its first block from a logger that
    // then falls silent.
    void StartStalledDataPhase()
    {
        SimFault stall;
        stall.kind = SimFault::Kind::SdlStall;
        stall.requestType = kRequestSdlStart;
        link.Logger().InjectFault(stall);
        Button(res::kIdcFilterGetLogData).Click();
        ASSERT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Data);
        RunUntil([&] { return std::filesystem::file_size(RawPath()) > 0; });
        ASSERT_GT(std::filesystem::file_size(RawPath()), 0u);
    }

    std::ptrdiff_t Requests(std::uint16_t requestType) const
    {
        const auto types = link.Logger().RequestTypes();
        return std::count(types.begin(), types.end(), requestType);
    }
    // Waits for the logger to take one more request of the type than before.
    void ExpectLoggerTold(std::uint16_t requestType, std::ptrdiff_t before)
    {
        RunUntil([&] { return Requests(requestType) > before; });
        EXPECT_EQ(Requests(requestType), before + 1);
    }

    ListBoxControl& List() const { return *dialog->GetControlAs<ListBoxControl>(res::kIdcFilterPointList); }
    ButtonControl& Button(int id) const { return *dialog->GetControlAs<ButtonControl>(id); }
    DateTimeControl& Picker(int id) const { return *dialog->GetControlAs<DateTimeControl>(id); }
    bool Visible(int id) const { return dialog->GetControl(id)->IsVisible(); }
    std::filesystem::path RawPath() const { return services.working / CFilterDownloadDialog::kRawFileName; }

    // Shows seconds on a date and time picker pair, as local time.
    void Pick(int dateId, int timeId, std::int64_t seconds)
    {
        Picker(dateId).SetTimeSeconds(seconds);
        Picker(timeId).SetTimeSeconds(seconds);
    }

    // Downloads and converts with the points and pickers as they are now.
    void DownloadAndConvert()
    {
        Button(res::kIdcFilterGetLogData).Click();
        RunUntil([&] { return !dialog->IsOpen(); });
        ASSERT_FALSE(dialog->IsOpen());
        EXPECT_EQ(dialog->EndCode(), kIdOk);
    }

    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

public:
    test::ScratchFolder scratch;
    test::DownloadTestServices services;
    test::PinnedTimeZone zone;
    SessionEntry entry;
    test::SimulatorLink link;
    std::unique_ptr<CFilterDownloadDialog> dialog;
};

TEST_F(FilterDownload, ListsThePointsOfTheSessionsHead)
{
    Connect();
    OpenWithPoints();

    const std::vector<std::string> expected
        = {"1\tTank Temperature\tdegC", "2\tLine Pressure\tkPa", "3\tPulse Count\tpulses", "4\tPump Running\t"};
    for (int i = 0; i < List().GetCount(); ++i) {
        EXPECT_EQ(List().GetText(i), expected[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(List().GetSel(i));
    }
    EXPECT_TRUE(dialog->GetControl(res::kIdcFilterGetLogData)->IsEnabled());
    // The pickers show the session's ends in local time (UTC+2), am/pm by the hour.
    EXPECT_EQ(Picker(res::kIdcFilterStartTime).GetTime().hour, 12);
    EXPECT_EQ(Button(res::kIdcFilterStartPm).GetCheck(), 1);
    EXPECT_EQ(Picker(res::kIdcFilterStopTime).GetTimeSeconds(), entry.stop);
    EXPECT_FALSE(Visible(res::kIdcFilterStillLoggingNotice));
    EXPECT_FALSE(Visible(res::kIdcFilterStopUnknownNotice));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(dialog->SaveImage(test::OutputFile("FilterDownloadDialog.png").string()));
}

TEST_F(FilterDownload, TheHeadEndsWithItsFirstShortBlock)
{
    // A head of a unit header and 25 point definitions: one full block of
    // 1024 bytes and a short one.
    std::vector<std::uint8_t> head(logrec::kUnitHeaderLength + 25 * logrec::kPointDefinitionLength);
    ByteWriter writer(head);
    writer.U8(logrec::kTypeUnitHeader);
    for (std::int16_t id = 1; id <= 25; ++id) {
        writer.Seek(logrec::kUnitHeaderLength + static_cast<std::size_t>(id - 1) * logrec::kPointDefinitionLength);
        writer.U8(logrec::kTypePointDefinition);
        writer.U8(1);
        writer.I16LE(id);
        writer.U16LE(0);
        writer.FixedText("Point " + std::to_string(id), logrec::kPointNameWidth);
    }
    ASSERT_FALSE(writer.Failed());
    Connect();
    SimFault silent;
    silent.kind = SimFault::Kind::NoReply;
    silent.requestType = kRequestSdlStart;
    link.Logger().InjectFault(silent);
    Open();
    auto postHead = [&](std::size_t from, std::size_t to) {
        dialog->PostMessage(kReplyMessage, kReplySdlStream, 0,
            std::make_unique<CReplyMessage>(kReplySdlStream, 0, false, std::string(),
                std::vector<std::uint8_t>(
                    head.begin() + static_cast<std::ptrdiff_t>(from), head.begin() + static_cast<std::ptrdiff_t>(to))));
        App().ProcessPending();
    };
    postHead(0, 1024);
    EXPECT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Head);
    EXPECT_EQ(List().GetCount(), 0);
    EXPECT_FALSE(dialog->GetControl(res::kIdcFilterGetLogData)->IsEnabled());
    postHead(1024, head.size());
    EXPECT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Idle);
    ASSERT_EQ(List().GetCount(), 25);
    EXPECT_EQ(List().GetText(24), "25\tPoint 25\t");
    EXPECT_EQ(List().GetSelCount(), 25);
    EXPECT_TRUE(dialog->GetControl(res::kIdcFilterGetLogData)->IsEnabled());
}

TEST_F(FilterDownload, ConvertsTheChosenPointsInsideTheWindow)
{
    Connect();
    OpenWithPoints();
    Button(res::kIdcFilterDeselectAll).Click();
    List().SetSel(1, true);
    List().SetSel(3, true);
    const std::uint32_t from = kSessionStart + 100;
    const std::uint32_t to = kSessionStart + 199;
    Pick(res::kIdcFilterStartDate, res::kIdcFilterStartTime, from);
    Pick(res::kIdcFilterStopDate, res::kIdcFilterStopTime, to);
    DownloadAndConvert();

    EXPECT_TRUE(entry.filtered);
    EXPECT_EQ(entry.pointIds, (std::vector<std::int16_t>{2, 4}));
    EXPECT_EQ(entry.start, from);
    EXPECT_EQ(entry.stop, to);
    const auto lines = Lines(entry.outputPath);
    const auto heads = std::find_if(
        lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("UTC Date"); });
    ASSERT_NE(heads, lines.end());
    EXPECT_EQ(*heads, "UTC Date,UTC Time,Elapsed,Line Pressure,Pump Running,");
    const auto rows = DataRows(lines);
    EXPECT_EQ(rows.size(), to - from + 1);
    for (const std::string& row : rows) {
        const std::int64_t seconds = RowSeconds(row);
        EXPECT_GE(seconds, from) << row;
        EXPECT_LE(seconds, to) << row;
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 5) << row;
    }
    EXPECT_FALSE(std::filesystem::exists(RawPath()));
    EXPECT_TRUE(BoxTexts().empty());
    const auto& messages = services.status.messages;
    EXPECT_NE(std::find(messages.begin(), messages.end(), "10 KBytes received"), messages.end());
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Download complete"), messages.end());
}

TEST_F(FilterDownload, AnEmptyWindowGivesTheHeaderAndNoRows)
{
    struct Case {
        const char* what;
        std::uint32_t from;
        std::uint32_t to;
    };
    const Case cases[] = {
        {"a window ending before it starts", kSessionStart + 300, kSessionStart + 200},
        {"a window after the last scan", kSessionStart + kScans + 10, kSessionStart + kScans + 100},
        {"a window before the first scan", kSessionStart - 100, kSessionStart - 1},
    };
    Connect();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        services.status.messages.clear();
        OpenWithPoints();
        Pick(res::kIdcFilterStartDate, res::kIdcFilterStartTime, c.from);
        Pick(res::kIdcFilterStopDate, res::kIdcFilterStopTime, c.to);
        DownloadAndConvert();

        const auto lines = Lines(entry.outputPath);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.front().starts_with("UNIT ID:"));
        EXPECT_NE(std::find(lines.begin(), lines.end(), "mm/dd/yyyy,hh:mm:ss,Seconds,degC,kPa,pulses,,"), lines.end());
        EXPECT_TRUE(DataRows(lines).empty());
        EXPECT_TRUE(BoxTexts().empty());
        EXPECT_EQ(services.status.Last(), "Download complete") << "the file is what the window asks for";
        dialog.reset();
        std::filesystem::remove(entry.outputPath);
    }
}

TEST_F(FilterDownload, NoPointChosenConvertsTheTimesAloneAfterANotice)
{
    Connect();
    OpenWithPoints();
    Button(res::kIdcFilterDeselectAll).Click();
    DownloadAndConvert();

    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Nothing selected");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Download Data");
    EXPECT_TRUE(entry.pointIds.empty());
    const auto rows = DataRows(Lines(entry.outputPath));
    ASSERT_EQ(rows.size(), kScans);
    EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), ','), 3) << rows[0];
}

TEST_F(FilterDownload, AFailedConversionIsReportedAndKeepsTheRawDownload)
{
    Connect();
    OpenWithPoints();
    entry.outputPath = services.downloads / "no such folder" / "filtered.csv";
    Button(res::kIdcFilterGetLogData).Click();
    RunUntil([&] { return !dialog->IsOpen(); });
    ASSERT_FALSE(dialog->IsOpen());
    EXPECT_EQ(dialog->EndCode(), kIdCancel);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_FALSE(Prompts().messageBoxes[0].text.empty());
    EXPECT_EQ(std::filesystem::file_size(RawPath()), entry.size);
    const auto& messages = services.status.messages;
    EXPECT_EQ(std::find(messages.begin(), messages.end(), "Download complete"), messages.end());
    EXPECT_EQ(services.status.Last(), "Data Download Error");
}

TEST_F(FilterDownload, ARawFileThatCannotBeWrittenEndsTheDialogWithoutCompleting)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this machine";
    Connect();
    for (const bool inHead : {true, false}) {
        SCOPED_TRACE(inHead ? "the head" : "the data");
        Prompts().messageBoxes.clear();
        services.status.messages.clear();
        std::filesystem::remove(RawPath());
        if (inHead) {
            std::filesystem::create_symlink("/dev/full", RawPath());
            Open();
        } else {
            OpenWithPoints();
            std::filesystem::remove(RawPath());
            std::filesystem::create_symlink("/dev/full", RawPath());
            Button(res::kIdcFilterGetLogData).Click();
        }
        RunUntil([&] { return !dialog->IsOpen(); });
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string(CFilterDownloadDialog::kWriteFailedText)});
        EXPECT_EQ(services.status.Last(), "Data Download Error");
        EXPECT_FALSE(std::filesystem::exists(entry.outputPath));
        dialog.reset();
    }
}

TEST_F(FilterDownload, ShowsTheStopOfASessionWithoutOne)
{
    struct Case {
        const char* what;
        std::uint32_t stop;
        int notice;
        int otherNotice;
        bool stopPickersShown;
    };
    constexpr std::int64_t kNow = 1767605400;  // the manual clock's calendar time
    const Case cases[] = {
        {"still logging: the window ends now", 0, res::kIdcFilterStillLoggingNotice, res::kIdcFilterStopUnknownNotice,
            true},
        {"stop unreadable", 0x7FFFFFFF, res::kIdcFilterStopUnknownNotice, res::kIdcFilterStillLoggingNotice, false},
    };
    Connect(false);
    TestClock().SetCalendarSeconds(kNow);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        entry.stop = c.stop;
        Open();
        EXPECT_TRUE(Visible(c.notice));
        EXPECT_FALSE(Visible(c.otherNotice));
        for (const int id :
            {res::kIdcFilterStopDate, res::kIdcFilterStopTime, res::kIdcFilterStopAm, res::kIdcFilterStopPm})
            EXPECT_EQ(Visible(id), c.stopPickersShown) << id;
        if (c.stop == 0) {
            EXPECT_EQ(entry.stop, kNow);
            EXPECT_EQ(Picker(res::kIdcFilterStopTime).GetTimeSeconds(), kNow);
        }
        RunUntil([&] { return dialog->CurrentPhase() == CFilterDownloadDialog::Phase::Idle; });
        dialog.reset();
    }
}

TEST_F(FilterDownload, AmAndPmMoveTheirTimeByTwelveHours)
{
    Connect();
    OpenWithPoints();
    Picker(res::kIdcFilterStartTime).SetTime({2024, 3, 15, 3, 15, 0});
    Button(res::kIdcFilterStartPm).Click();
    EXPECT_EQ(Picker(res::kIdcFilterStartTime).GetTime().hour, 15);
    Button(res::kIdcFilterStartPm).Click();
    EXPECT_EQ(Picker(res::kIdcFilterStartTime).GetTime().hour, 15);
    Button(res::kIdcFilterStartAm).Click();
    EXPECT_EQ(Picker(res::kIdcFilterStartTime).GetTime().hour, 3);
}

TEST_F(FilterDownload, AFaultInTheDataPhaseStopsTheLoggerAndEndsTheDialog)
{
    struct Case {
        const char* what;
        std::function<void()> fault;
        std::string text;
    };
    auto post = [this](std::uint16_t type, bool error, std::vector<std::uint8_t> data) {
        dialog->PostMessage(
            kReplyMessage, type, 0, std::make_unique<CReplyMessage>(type, 0, error, std::string(), std::move(data)));
    };
    const Case cases[] = {
        {"a block whose offset does not follow on",
            [&] {
                post(kReplySdlData, false, {0x39, 0x30, 0, 0, 1, 2, 3});
            },
            std::string(CFilterDownloadDialog::kSequenceErrorText)},
        {"5000 ms of silence", [this] { TestClock().Advance(CFilterDownloadDialog::kWatchdogMs); },
            std::string(CFilterDownloadDialog::kTimeoutText)},
        {"the logger's error",
            [&] {
                post(kReplySdlData, true, {0x0F, 0x41, 'B', 'u', 's', 'y', 0});
            },
            FormatCommError(0x410F, "Busy")},
        {"a reply of another type", [&] { post(kReplySdlOther, false, {}); },
            "Invalid message type in filterdownloaddialog"},
    };
    Connect();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prompts().messageBoxes.clear();
        link.Logger().ClearFaults();
        OpenWithPoints();
        StartStalledDataPhase();
        const auto kept = std::filesystem::file_size(RawPath());
        const auto told = Requests(kRequestSdlError);
        c.fault();
        RunUntil([&] { return !dialog->IsOpen(); });
        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(dialog->EndCode(), kIdCancel);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.text});
        ExpectLoggerTold(kRequestSdlError, told);
        EXPECT_EQ(std::filesystem::file_size(RawPath()), kept) << "the raw download stays as it was";
        EXPECT_FALSE(std::filesystem::exists(entry.outputPath));
        EXPECT_EQ(services.status.Last(), "Data Download Error");
        dialog.reset();
    }
}

TEST_F(FilterDownload, TheWatchdogWaitsFiveSecondsFromTheLastBlock)
{
    Connect();
    OpenWithPoints();
    StartStalledDataPhase();
    // A block that follows on, 3 s into the silence, starts the wait again.
    TestClock().Advance(3000);
    const auto total = static_cast<std::uint32_t>(std::filesystem::file_size(RawPath()));
    std::vector<std::uint8_t> block = {static_cast<std::uint8_t>(total), static_cast<std::uint8_t>(total >> 8),
        static_cast<std::uint8_t>(total >> 16), static_cast<std::uint8_t>(total >> 24), 13, 0, 0, 0, 0, 0, 0, 0};
    dialog->PostMessage(kReplyMessage, kReplySdlData, 0,
        std::make_unique<CReplyMessage>(kReplySdlData, 0, false, std::string(), std::move(block)));
    App().ProcessPending();
    EXPECT_EQ(std::filesystem::file_size(RawPath()), total + 8u);

    TestClock().Advance(CFilterDownloadDialog::kWatchdogMs - 1);
    App().ProcessPending();
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Data);
    TestClock().Advance(1);
    App().ProcessPending();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{std::string(CFilterDownloadDialog::kTimeoutText)});
}

TEST_F(FilterDownload, CancelDuringTheDownloadTellsTheLogger)
{
    Connect();
    OpenWithPoints();
    StartStalledDataPhase();
    const auto told = Requests(kRequestSdlError);
    Button(kIdCancel).Click();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(dialog->EndCode(), kIdCancel);
    ExpectLoggerTold(kRequestSdlError, told);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(services.status.Last(), "Data Download Cancelled");
}

TEST_F(FilterDownload, RefusesOutputTypesThatCannotBeFiltered)
{
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"raw.xid", std::string(CFilterDownloadDialog::kRawTypeRefusedText)},
        {"data.dat", "Unknown output file type \"dat.\""},
    };
    Connect();
    OpenWithPoints();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Prompts().messageBoxes.clear();
        entry.outputPath = services.downloads / c.name;
        Button(res::kIdcFilterGetLogData).Click();
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.text});
        EXPECT_EQ(dialog->CurrentPhase(), CFilterDownloadDialog::Phase::Idle);
        EXPECT_TRUE(dialog->IsOpen());
        EXPECT_FALSE(std::filesystem::exists(entry.outputPath));
    }
    const auto types = link.Logger().RequestTypes();
    EXPECT_EQ(std::count(types.begin(), types.end(), kRequestSdlStart), 1) << "nothing was downloaded";
}

}  // namespace
}  // namespace c_filter_download_dialog_test
}  // namespace corvane
