#include "download/CDownloadFromCardDialog.h"

#include "CardTestSupport.h"
#include "DownloadTestServices.h"
#include "PinnedTimeZone.h"
#include "base/AtomicFile.h"
#include "card/CFlashCardManager.h"
#include "data/ConvertLoggedDataFile.h"
#include "download/CardSessionJoin.h"
#include "platform/ButtonControl.h"
#include "platform/ListViewControl.h"
#include "platform/ProgressControl.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace c_download_from_card_dialog_test {
namespace {

using test::ScratchFolder;

constexpr std::uint32_t kLogToFull = 0x6720A000;
constexpr std::uint32_t kRotary = 0x6720B000;
constexpr std::uint32_t kHistogram = 0x6720C000;  // still logging
constexpr std::uint32_t kHundredKb = 0x6720D000;

constexpr const char* kEraseText = "Continuing will delete all data contained in the selected sessions.\n\n"
                                   "Are you sure you want to delete the selected sessions?";

std::string Hex(std::uint32_t seconds) { return CardImageWriter::HexName(seconds); }

std::string ReadText(const std::filesystem::path& path)
{
    const FileContents contents = ReadWholeFile(path, std::size_t{1} << 26);
    EXPECT_FALSE(contents.error) << contents.error.message;
    return std::string(contents.bytes.begin(), contents.bytes.end());
}

// Date and time texts in the C locale's form for the test.
class TimeLocaleGuard {
public:
    TimeLocaleGuard() : old_(std::setlocale(LC_TIME, nullptr)) { std::setlocale(LC_TIME, "C"); }
    ~TimeLocaleGuard() { std::setlocale(LC_TIME, old_.c_str()); }
    TimeLocaleGuard(const TimeLocaleGuard&) = delete;
    TimeLocaleGuard& operator=(const TimeLocaleGuard&) = delete;

private:
    std::string old_;
};

// The dialog, noting the card worker's reports as they arrive.
class ReportingCardDialog final : public CDownloadFromCardDialog {
public:
    using CDownloadFromCardDialog::CDownloadFromCardDialog;

    std::vector<MessageId> reports;
    std::vector<std::intptr_t> progress;

    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id == kCardProgressMessage)
            progress.push_back(message.lParam);
        else if (message.id >= kCardJobDoneMessage && message.id <= kCardOutputErrorMessage)
            reports.push_back(message.id);
        return CDownloadFromCardDialog::OnMessage(message);
    }
    int Count(MessageId id) const { return static_cast<int>(std::count(reports.begin(), reports.end(), id)); }
};

class CDownloadFromCardDialogTest : public test::PlatformTest {
protected:
    CDownloadFromCardDialogTest()
    {
        settings_.drive = card_.Path().string();
        manager_ = std::make_unique<CFlashCardManager>(App(), settings_, probe_);
    }
    ~CDownloadFromCardDialogTest() override
    {
        dialog_.reset();
        manager_.reset();
    }

    std::filesystem::path Session(std::uint32_t start) const { return card_.Path() / "Log" / Hex(start); }

    void WriteSessions()
    {
        test::WriteCardSession(card_.Path(), test::CardSession(kLogToFull, 3000));
        LoggedSessionPlan rotary = test::CardSession(kRotary, 500);
        rotary.loggingMode = 1;
        test::WriteCardSession(card_.Path(), rotary);
        LoggedSessionPlan histogram = test::CardSession(kHistogram, 100, false);
        histogram.loggingMode = 2;
        test::WriteCardSession(card_.Path(), histogram);
    }

    // A session of 100 KB of data files (listed as 101 KB).
    void WriteHundredKbSession() const
    {
        const std::string folder = "Log/" + Hex(kHundredKb) + "/";
        std::filesystem::create_directories(card_.Path() / folder);
        for (const char* name : {"00000000.vrd", "00000001.vrd", "00000002.vrd"})
            card_.Write(folder + name, std::string(32768, 'd'));
        card_.Write(folder + "00000003.vrd", std::string(4096, 'd'));
        card_.Write(folder + "HEADER", "head");
    }

    // Opens the dialog and lets its first timer tick fill the list.
    void Open()
    {
        dialog_ = std::make_unique<ReportingCardDialog>(services_, *manager_);
        ASSERT_TRUE(dialog_->Create());
        TestClock().Advance(CDownloadFromCardDialog::kRefreshTimerMs);
        App().ProcessPending();
    }

    ListViewControl& List() const { return *dialog_->GetControlAs<ListViewControl>(res::kIdcCardSessionList); }
    std::string Status() const { return dialog_->GetControl(res::kIdcCardStatus)->GetText(); }
    void Click(int id) const { dialog_->GetControlAs<ButtonControl>(id)->Click(); }
    int LineOf(std::uint32_t start) const { return List().FindItemData(-1, static_cast<std::intptr_t>(start)); }
    void Select(std::initializer_list<std::uint32_t> starts) const
    {
        for (int line = 0; line < List().GetItemCount(); ++line)
            List().SetItemSelected(line, false);
        for (const std::uint32_t start : starts)
            List().SetItemSelected(LineOf(start), true);
    }
    std::vector<std::string> Line(int line) const
    {
        std::vector<std::string> texts;
        for (int column = 0; column < 6; ++column)
            texts.push_back(List().GetItemText(line, column));
        return texts;
    }
    std::string SizeText(std::uint32_t start) const
    {
        std::uintmax_t size = 0;
        for (const auto& entry : std::filesystem::directory_iterator(Session(start)))
            if (entry.path().extension() == ".vrd")
                size += entry.file_size();
        return std::to_string(size / 1024 + 1);
    }
    std::vector<std::string> MessageTexts()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    const test::PinnedTimeZone zone_{"XYZ-9"};
    const TimeLocaleGuard locale_;
    ScratchFolder card_;
    ScratchFolder folder_;
    test::DownloadTestServices services_{folder_.Path()};
    test::FakeCardSettings settings_;
    test::FakeMediaProbe probe_;
    std::unique_ptr<CFlashCardManager> manager_;
    std::unique_ptr<ReportingCardDialog> dialog_;
};

TEST_F(CDownloadFromCardDialogTest, ListsTheCardsEntriesColumnByColumn)
{
    WriteSessions();
    card_.Write("Log/00000001.txt");  // plain files are listed too, with no mode of their own
    card_.Write("Log/notes");
    services_.timeColumns = TimeColumns::Both;
    Open();

    const std::vector<std::vector<std::string>> expected = {
        {"?", "?", "Thu Jan  1 09:00:01 1970", "**/**/** **:**:**", "1", "00000001.txt"},
        {"Log To Full", "Sequential", "Tue Oct 29 17:42:40 2024", "Tue Oct 29 17:52:40 2024", SizeText(kLogToFull),
            Hex(kLogToFull)},
        {"Rotary", "Sequential", "Tue Oct 29 18:50:56 2024", "Tue Oct 29 18:52:36 2024", SizeText(kRotary),
            Hex(kRotary)},
        {"N/A", "Histogram", "Tue Oct 29 19:59:12 2024", "**/**/** **:**:**", SizeText(kHistogram), Hex(kHistogram)},
        {"N/A", "Histogram", "Thu Jan  1 09:00:00 1970", "**/**/** **:**:**", "1", "notes"},
    };
    ASSERT_EQ(List().GetItemCount(), static_cast<int>(expected.size()));
    for (int line = 0; line < List().GetItemCount(); ++line)
        EXPECT_EQ(Line(line), expected[static_cast<std::size_t>(line)]) << line;
    EXPECT_EQ(List().GetItemData(1), static_cast<std::intptr_t>(kLogToFull));
    EXPECT_EQ(List().GetColumnWidth(5), 178);
    EXPECT_EQ(dialog_->GetControlAs<ButtonControl>(res::kIdcCardBothTimes)->GetCheck(), 1);
    EXPECT_EQ(dialog_->GetControlAs<ProgressControl>(res::kIdcCardProgress)->GetPos(), 0);
    EXPECT_TRUE(dialog_->GetControl(res::kIdcCardDownload)->IsVisible());
    EXPECT_FALSE(dialog_->GetControl(res::kIdcCardCancelDownload)->IsVisible());

    // Filled once: later ticks leave the list alone.
    std::filesystem::remove_all(Session(kRotary));
    TestClock().Advance(10 * CDownloadFromCardDialog::kRefreshTimerMs);
    App().ProcessPending();
    EXPECT_EQ(List().GetItemCount(), static_cast<int>(expected.size()));

    Click(kIdHelp);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{CDownloadFromCardDialog::kHelpTopic});

    Select({kLogToFull});
    EXPECT_TRUE(dialog_->SaveImage(test::OutputFile("CardDownloadDialog.png").string()));
}

TEST_F(CDownloadFromCardDialogTest, ConvertsTheSelectedSessionAsTheConverterDoes)
{
    WriteSessions();
    // Named an hour after its first time stamp: the header shows the name's time.
    const std::uint32_t start = kLogToFull + 3600;
    std::filesystem::rename(Session(kLogToFull), Session(start));
    Open();
    ScratchFolder expectedFolder;
    const std::filesystem::path raw = expectedFolder.Path() / "joined.bin";
    ASSERT_TRUE(JoinCardSession(Session(start), raw));

    for (const char* extension : {"csv", "txt", "xid"}) {
        const std::filesystem::path output = services_.downloads / (std::string("session.") + extension);
        Prompts().fileDialogs.clear();
        Prompts().fileDialogAnswers.push_back(FileDialogResult{{output.string()}, 1, {}});
        Click(res::kIdcCardUtcTime);
        Select({start});
        Click(res::kIdcCardDownload);

        ASSERT_EQ(Prompts().fileDialogs.size(), 1u) << extension;
        const FileDialogRequest& request = Prompts().fileDialogs.front();
        EXPECT_FALSE(request.open);
        EXPECT_EQ(request.title, "Download File Save");
        EXPECT_EQ(request.defaultExtension, "csv");
        EXPECT_EQ(request.fileName, services_.MakeDownloadFilePath("*.csv"));
        EXPECT_EQ(request.filter, "Comma Separated (*.csv)|*.csv|Text (*.txt)|*.txt|Raw Data (*.xid)|*.xid||");
        EXPECT_TRUE(request.overwritePrompt);
        for (const auto& [id, visible] : request.extraVisible)
            EXPECT_FALSE(visible) << id;

        FileConvertRequest same;
        same.input = raw;
        same.output = expectedFolder.Path() / (std::string("expected.") + extension);
        same.timeColumns = TimeColumns::Utc;
        same.sessionStart = start;
        ASSERT_TRUE(ConvertLoggedDataFile(same).ok);
        EXPECT_EQ(ReadText(output), ReadText(same.output)) << extension;
        EXPECT_EQ(services_.notedFiles.back(), output.string());
        EXPECT_EQ(services_.chosenFolders.back(), output.string());
        EXPECT_EQ(services_.timeColumns, TimeColumns::Utc);
        EXPECT_FALSE(std::filesystem::exists(services_.working / "quvBinDownload.bin"));
        EXPECT_TRUE(dialog_->GetControl(res::kIdcCardDownload)->IsEnabled());
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty()) << MessageTexts().front();

    // An administrator who keeps raw downloads finds the joined stream.
    services_.deleteRawData = false;
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{(services_.downloads / "kept.csv").string()}, 1, {}});
    Click(res::kIdcCardDownload);
    EXPECT_EQ(ReadText(services_.working / "quvBinDownload.bin"), ReadText(raw));
}

TEST_F(CDownloadFromCardDialogTest, ASessionWithMissingDataFilesIsConvertedWholeAndTheGapShown)
{
    WriteSessions();
    ASSERT_TRUE(std::filesystem::exists(Session(kLogToFull) / "00000002.vrd"));
    ASSERT_TRUE(std::filesystem::remove(Session(kLogToFull) / "00000001.vrd"));
    Open();
    ScratchFolder expectedFolder;
    const std::filesystem::path raw = expectedFolder.Path() / "joined.bin";
    ASSERT_TRUE(JoinCardSession(Session(kLogToFull), raw));

    const std::filesystem::path output = services_.downloads / "session.xid";
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{output.string()}, 1, {}});
    Select({kLogToFull});
    Click(res::kIdcCardDownload);

    EXPECT_EQ(MessageTexts(),
        std::vector<std::string>{"Data files missing from session " + Hex(kLogToFull)
            + ": 00000001.vrd.\nThe data files present are downloaded without them."});
    const std::string joined = ReadText(raw);
    EXPECT_EQ(ReadText(output), joined);
    EXPECT_GT(joined.size(),
        std::filesystem::file_size(Session(kLogToFull) / "HEADER")
            + std::filesystem::file_size(Session(kLogToFull) / "00000000.vrd"))
        << "the data files after the gap are downloaded";
}

TEST_F(CDownloadFromCardDialogTest, RefusesWhatCannotBeDownloaded)
{
    WriteSessions();
    std::filesystem::create_directories(Session(kHundredKb));  // no HEADER
    Open();
    struct Case {
        const char* what;
        std::vector<std::uint32_t> selected;
        std::string chosen;  // empty: no file dialog expected
        std::string message;
    };
    const std::string downloads = services_.downloads.string();
    const std::vector<Case> cases = {
        {"no line", {}, "", "Please select one session"},
        {"two lines", {kLogToFull, kRotary}, "", "Please select one session"},
        {"unknown type", {kLogToFull}, downloads + "/session.dat", "Invalid File Type"},
        {"no HEADER", {kHundredKb}, downloads + "/session.csv",
            "Log data file could not be opened,\n'" + (Session(kHundredKb) / "HEADER").string()
                + "': No such file or directory"},
        {"missing output folder", {kLogToFull}, downloads + "/gone/session.csv",
            "Output file \"" + downloads + "/gone/session.csv\" could not be opened."},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        Prompts().fileDialogs.clear();
        services_.notedFiles.clear();
        if (!c.chosen.empty())
            Prompts().fileDialogAnswers.push_back(FileDialogResult{{c.chosen}, 1, {}});
        for (int line = 0; line < List().GetItemCount(); ++line)
            List().SetItemSelected(line, false);
        for (const std::uint32_t start : c.selected)
            List().SetItemSelected(LineOf(start), true);
        Click(res::kIdcCardDownload);

        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(Prompts().fileDialogs.size(), c.chosen.empty() ? 0u : 1u) << c.what;
        EXPECT_EQ(std::filesystem::exists(c.chosen), false) << c.what;
    }
    EXPECT_FALSE(std::filesystem::exists(services_.downloads / "session.csv"));
}

TEST_F(CDownloadFromCardDialogTest, ErasesSelectedSessionsThroughTheWorkerAndRelists)
{
    WriteSessions();
    WriteHundredKbSession();
    Open();
    ASSERT_EQ(List().GetItemText(LineOf(kHundredKb), 4), "101");

    Click(res::kIdcCardEraseSelected);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Please select at least one session"});

    Prompts().messageBoxes.clear();
    Prompts().messageBoxAnswers.push_back(kIdNo);
    Select({kHundredKb});
    Click(res::kIdcCardEraseSelected);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, kEraseText);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Clearing Memory");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNo);

    Prompts().messageBoxAnswers.push_back(kIdYes);
    Click(res::kIdcCardEraseSelected);
    test::PumpUntil(App(), [&] { return dialog_->Count(kCardDeleteDoneMessage) == 1; });

    // Five files counted against an expected 3: 0, 1, 2, 3 and 4 thirds.
    EXPECT_EQ(dialog_->progress, (std::vector<std::intptr_t>{0, 33, 66, 100, 133}));
    EXPECT_EQ(dialog_->reports, (std::vector<MessageId>{kCardDeleteStartedMessage, kCardDeleteDoneMessage}));
    EXPECT_EQ(Status(), "Data Deletion Complete.");
    EXPECT_FALSE(std::filesystem::exists(Session(kHundredKb)));
    EXPECT_EQ(List().GetItemCount(), 3);
    EXPECT_EQ(LineOf(kHundredKb), -1);
    EXPECT_TRUE(std::filesystem::exists(Session(kLogToFull)));
}

TEST_F(CDownloadFromCardDialogTest, ShowsTheWorkersJobReportsAndCancelsItsJobs)
{
    WriteSessions();
    Open();
    const auto runCopy = [&](MessageId last) {
        CardJob job;
        job.sessionName = Hex(kRotary);
        job.kind = CardJobKind::RawCopy;
        job.outputFilePath = services_.downloads / "copy.xid";
        const int before = dialog_->Count(last);
        ASSERT_TRUE(manager_->PostCardJob(job, false));
        test::PumpUntil(App(), [&] { return dialog_->Count(last) > before; });
    };

    dialog_->GetControl(res::kIdcCardDownload)->Show(false);
    dialog_->GetControl(res::kIdcCardCancelDownload)->Show(true);
    Click(res::kIdcCardCancelDownload);
    EXPECT_TRUE(dialog_->GetControl(res::kIdcCardDownload)->IsVisible());
    EXPECT_FALSE(dialog_->GetControl(res::kIdcCardCancelDownload)->IsVisible());
    runCopy(kCardJobFailedMessage);
    EXPECT_EQ(Status(), "Data Download Aborted.");

    manager_->ClearCancel();
    std::filesystem::remove_all(Session(kHistogram));
    runCopy(kCardJobDoneMessage);
    EXPECT_EQ(
        dialog_->reports, (std::vector<MessageId>{kCardJobFailedMessage, kCardJobStartedMessage, kCardJobDoneMessage}));
    EXPECT_EQ(Status(), "Data Download Complete.");
    EXPECT_EQ(List().GetItemCount(), 2);  // refilled

    // Close cancels as well: a job posted afterwards does not start.
    dialog_->GetControlAs<ButtonControl>(kIdCancel)->Click();
    EXPECT_FALSE(dialog_->IsOpen());
    test::CardReportWindow window;
    ASSERT_TRUE(App().PostThreadMessage(manager_->GetWorkerThreadId(), kCardSetNotifyWindowMessage, 0,
        static_cast<std::intptr_t>(window.Handle().value)));
    CardJob job;
    job.sessionName = Hex(kRotary);
    job.kind = CardJobKind::RawCopy;
    job.outputFilePath = services_.downloads / "after.xid";
    ASSERT_TRUE(manager_->PostCardJob(job, false));
    test::PumpUntil(App(), [&] { return window.Got(kCardJobFailedMessage); });
    EXPECT_EQ(window.Failures(), std::vector<std::uintptr_t>{std::uintptr_t(CardJobFailure::CancelledBeforeStart)});

    // The next dialog starts without that cancel: a job runs again.
    Open();
    runCopy(kCardJobDoneMessage);
    EXPECT_EQ(Status(), "Data Download Complete.");
}

}  // namespace
}  // namespace c_download_from_card_dialog_test
}  // namespace corvane
