#include "download/CDownloadDlg.h"

#include "DownloadTestServices.h"
#include "PinnedTimeZone.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "SimulatorLink.h"

#include "data/ConvertLoggedDataFile.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SessionDownload.h"
#include "loggersim/SessionRequests.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"
#include "shell/ErrorBoxes.h"
#include "shell/Waits.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

namespace corvane {
namespace c_download_dlg_test {
namespace {

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 800;
constexpr std::uint32_t kRoundMs = 25;
constexpr std::uint32_t kShortRetryMs = 200;

constexpr std::uint32_t kFirstStart = 0x6720A000;

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The session's stream as the logger sends it.
std::string SessionStream(const LoggedSessionPlan& plan)
{
    SessionDownload download(LoggedSessionGenerator(LoggerState::Fresh(), plan), kSdlModeWhole);
    std::string stream;
    while (const auto block = download.Next())
        if (block->data.size() > kSdlOffsetSize)
            stream.append(block->data.begin() + kSdlOffsetSize, block->data.end());
    return stream;
}

// A raw file on a disk that fills at one block: that block's write fails,
// or the block is taken and the next flush fails. Counts the blocks that
// reach it, the failing one included.
class FillingRawFile final : public std::streambuf {
public:
    enum class Fails { Write, Flush };

    FillingRawFile(Fails fails, std::uint32_t fullAtBlock) : fails_(fails), fullAtBlock_(fullAtBlock) {}

    std::uint32_t Blocks() const { return blocks_; }

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override
    {
        if (++blocks_ >= fullAtBlock_) {
            full_ = true;
            if (fails_ == Fails::Write)
                return 0;
        }
        return count;
    }
    int_type overflow(int_type) override { return traits_type::eof(); }
    int sync() override { return full_ && fails_ == Fails::Flush ? -1 : 0; }

private:
    const Fails fails_;
    const std::uint32_t fullAtBlock_;
    std::uint32_t blocks_ = 0;
    bool full_ = false;
};

// Stands in for the Communication Window: hands the list replies to the
// dialog and clears its erase mark when an erase is answered (and ends the
// dialog when the erase was refused).
class CommWindow final : public Window {
public:
    CDownloadDlg* dialog = nullptr;
    bool listDone = false;

    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id != kReplyMessage)
            return Window::OnMessage(message);
        const auto reply = message.TakePayload<CReplyMessage>();
        if (!reply || dialog == nullptr)
            return 0;
        if (reply->RequestType() == kRequestListSessions && dialog->ParseSessionList(*reply) == 0) {
            dialog->CancelIfNoSessions(false);
            dialog->SetBusy(false, "Session List Retrieved");
            listDone = true;
        }
        if (reply->RequestType() == kRequestEraseSession) {
            dialog->ClearErasePending();
            if (reply->ErrorFlag())
                dialog->EndDownload(true);
        }
        return 0;
    }
};

class DownloadDialog : public test::PlatformTest {
protected:
    DownloadDialog() : PlatformTest(true), services(scratch.Path()) {}

    ~DownloadDialog() override { dialog.reset(); }

    static std::vector<LoggedSessionPlan> Plans(int count, std::uint32_t scans = 30)
    {
        std::vector<LoggedSessionPlan> plans(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            plans[static_cast<std::size_t>(i)].startSeconds = kFirstStart + static_cast<std::uint32_t>(i) * 0x1000;
            plans[static_cast<std::size_t>(i)].scanCount = scans;
            plans[static_cast<std::size_t>(i)].loggingMode = static_cast<std::uint8_t>(i % 2);
        }
        return plans;
    }

    void Connect(const std::vector<LoggedSessionPlan>& plans)
    {
        loggerFolder = scratch.Path() / "logger";
        std::filesystem::create_directories(loggerFolder);
        ASSERT_FALSE(SaveLoggerState(loggerFolder, LoggerState::Fresh()));
        ASSERT_FALSE(SaveLoggedSessions(loggerFolder, plans));
        ASSERT_NO_FATAL_FAILURE(link.Connect(App(), loggerFolder));
    }

    // Opens the dialog and waits for the whole session list.
    void OpenAndList()
    {
        dialog = std::make_unique<CDownloadDlg>(services, comm.Handle());
        comm.dialog = dialog.get();
        ASSERT_TRUE(dialog->Create());
        RunUntil([&] { return comm.listDone; });
        ASSERT_TRUE(comm.listDone);
    }

    void RunUntil(const std::function<bool()>& done)
    {
        for (int round = 0; round < kLimitRounds && !done(); ++round)
            WaitMilliseconds(kRoundMs);
    }

    ListBoxControl& List() { return *dialog->GetControlAs<ListBoxControl>(res::kIdcDownloadSessionList); }
    void Click(int id) { dialog->GetControlAs<ButtonControl>(id)->Click(); }
    bool Enabled(int id) { return dialog->GetControl(id)->IsEnabled(); }

    void SelectOnly(std::initializer_list<int> lines)
    {
        List().SetSel(-1, false);
        for (const int line : lines)
            List().SetSel(line, true);
        NotifyEvent changed{Notification::SelectionChanged, res::kIdcDownloadSessionList};
        dialog->Notify(changed);
    }

    void AnswerFile(const std::filesystem::path& path)
    {
        FileDialogResult result;
        result.paths = {path.string()};
        Prompts().fileDialogAnswers.push_back(result);
    }

    // Starts a download of the first session that the logger never answers
    // (the library gives the request up soon, so later requests go out).
    void StartSilentDownload()
    {
        ASSERT_EQ(CxSetRetryTime(kShortRetryMs), kCxOk);
        SimFault silent;
        silent.kind = SimFault::Kind::NoReply;
        silent.requestType = kRequestSdlStart;
        link.Logger().InjectFault(silent);
        SelectOnly({0});
        AnswerFile(services.downloads / "silent.csv");
        Click(res::kIdcDownloadSelected);
        RunUntil([&] { return dialog->IsTransferring(); });
        ASSERT_TRUE(dialog->IsTransferring());
    }

    bool SimTook(std::uint16_t type) const
    {
        const auto types = link.Logger().RequestTypes();
        return std::find(types.begin(), types.end(), type) != types.end();
    }

    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    std::filesystem::path RawPath() const { return services.working / CDownloadDlg::kRawFileName; }

    test::ScratchFolder scratch;
    test::DownloadTestServices services;
    std::filesystem::path loggerFolder;
    test::SimulatorLink link;
    CommWindow comm;
    std::unique_ptr<CDownloadDlg> dialog;
};

TEST_F(DownloadDialog, ListsTheLoggersSessionsOverSeveralReplies)
{
    const test::PinnedTimeZone zone("UTC");
    const auto plans = Plans(6);
    ASSERT_GT(plans.size(), kSessionsPerListReply);
    Connect(plans);
    services.timeColumns = TimeColumns::Both;
    OpenAndList();

    ASSERT_EQ(dialog->SessionLineCount(), 6);
    EXPECT_EQ(List().GetSelCount(), 6) << "every line is selected as it comes";
    const auto kilobytes = (SessionStreamSize(LoggerState::Fresh(), plans[0]) + 1023) / 1024;
    EXPECT_EQ(
        List().GetText(0), "\tCont\t10/29/24 08:42:40\t10/29/24 08:43:10\t" + std::to_string(kilobytes) + "\t6720A000");
    EXPECT_EQ(dialog->Sessions().At(1).mode, 1);
    EXPECT_EQ(services.status.Last(), "Session List Retrieved");
    EXPECT_TRUE(dialog->GetControlAs<ButtonControl>(res::kIdcDownloadBothTimes)->GetCheck());
    EXPECT_TRUE(Enabled(res::kIdcDownloadSelected));
    EXPECT_FALSE(Enabled(res::kIdcDownloadFilter));
    EXPECT_TRUE(Enabled(kIdCancel));
    dialog->SaveImage(test::OutputFile("DataDownloadDialog.png").string());

    // The buttons follow the selection.
    Click(res::kIdcDownloadDeselectAll);
    EXPECT_EQ(List().GetSelCount(), 0);
    EXPECT_FALSE(Enabled(res::kIdcDownloadSelected));
    EXPECT_FALSE(Enabled(res::kIdcDownloadFilter));
    SelectOnly({2});
    EXPECT_TRUE(Enabled(res::kIdcDownloadSelected));
    EXPECT_TRUE(Enabled(res::kIdcDownloadFilter));
    Click(res::kIdcDownloadSelectAll);
    EXPECT_EQ(List().GetSelCount(), 6);
    EXPECT_FALSE(Enabled(res::kIdcDownloadFilter));
}

TEST_F(DownloadDialog, ListsSixtyFiveOfSeventySessions)
{
    const auto plans = Plans(70);
    Connect(plans);
    OpenAndList();
    ASSERT_EQ(dialog->SessionLineCount(), 65);
    EXPECT_EQ(dialog->Sessions().Size(), 65u);
    EXPECT_NE(List().GetText(64).find(SessionName(plans[64])), std::string::npos);
    EXPECT_EQ(List().GetSelCount(), 65);
}

TEST_F(DownloadDialog, EndsWhenTheLoggerHasNoSessions)
{
    Connect({});
    OpenAndList();
    EXPECT_FALSE(dialog->IsOpen());
}

TEST_F(DownloadDialog, RefusesToListWithoutALink)
{
    dialog = std::make_unique<CDownloadDlg>(services, comm.Handle());
    dialog->Create();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Connect to Logger first"});
}

TEST_F(DownloadDialog, DownloadsEverySessionIntoItsOwnConvertedFile)
{
    const test::PinnedTimeZone zone("UTC");
    const auto plans = Plans(3);
    Connect(plans);
    OpenAndList();
    const auto chosen = services.downloads / "log.csv";
    AnswerFile(chosen);
    Click(res::kIdcDownloadSelected);
    RunUntil([&] { return !dialog->IsDownloading(); });

    ASSERT_FALSE(dialog->IsDownloading());
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    const FileDialogRequest& request = Prompts().fileDialogs.front();
    EXPECT_EQ(request.title, "Download File Save");
    EXPECT_EQ(request.defaultExtension, "csv");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.fileName, (services.downloads / "*.csv").string());
    EXPECT_NE(request.filter.find("Raw data (*.xid)|*.xid||"), std::string::npos);
    EXPECT_EQ(services.notedFiles, std::vector<std::string>{chosen.string()});
    EXPECT_EQ(services.chosenFolders, std::vector<std::string>{chosen.string()});

    const char* names[] = {"log_241029_084240.csv", "log_241029_095056.csv", "log_241029_105912.csv"};
    for (std::size_t i = 0; i < plans.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const auto raw = scratch.Path() / "expected.bin";
        std::ofstream(raw, std::ios::binary) << SessionStream(plans[i]);
        FileConvertRequest expected;
        expected.input = raw;
        expected.output = scratch.Path() / "expected.csv";
        expected.sessionStart = plans[i].startSeconds;
        ASSERT_TRUE(ConvertLoggedDataFile(expected).ok);
        const std::string converted = ReadFile(services.downloads / names[i]);
        EXPECT_FALSE(converted.empty());
        EXPECT_EQ(converted, ReadFile(expected.output));
    }
    EXPECT_FALSE(std::filesystem::exists(RawPath()));
    EXPECT_FALSE(std::filesystem::exists(chosen)) << "several sessions never use the chosen name itself";
    EXPECT_EQ(services.status.Last(), "Data Download Complete");
    EXPECT_FALSE(services.status.progress) << "the bar goes when the run ends";
    EXPECT_TRUE(dialog->IsOpen());
}

TEST_F(DownloadDialog, ReportsAFailedConversionAndKeepsItsRawData)
{
    const test::PinnedTimeZone zone("UTC");
    Connect(Plans(2));
    OpenAndList();
    // A folder where the second session's file would go.
    std::filesystem::create_directories(services.downloads / "log_241029_095056.csv");
    AnswerFile(services.downloads / "log.csv");
    Click(res::kIdcDownloadSelected);
    RunUntil([&] { return !dialog->IsDownloading(); });

    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_FALSE(BoxTexts().front().empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(services.downloads / "log_241029_084240.csv"));
    EXPECT_TRUE(std::filesystem::exists(RawPath()));
    EXPECT_TRUE(dialog->IsOpen());
    // A run with a session that did not reach its file is not complete.
    EXPECT_EQ(services.status.Last(), "Data Download Error");
    EXPECT_FALSE(services.status.progress);
}

TEST_F(DownloadDialog, AFullDiskEndsTheRunInsteadOfConvertingAShortFile)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this machine";
    Connect(Plans(1, 400));
    OpenAndList();
    std::filesystem::create_symlink("/dev/full", RawPath());
    AnswerFile(services.downloads / "full.csv");
    Click(res::kIdcDownloadSelected);
    RunUntil([&] { return !dialog->IsOpen(); });

    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Download bin file could not be written."});
    EXPECT_FALSE(std::filesystem::exists(services.downloads / "full.csv"));
    // The request reaches the logger through the library's own thread.
    RunUntil([&] { return SimTook(kRequestSdlError); });
    EXPECT_TRUE(SimTook(kRequestSdlError)) << "the logger is told to stop";
}

// The disk fills at several blocks, the failure seen at the write or at a
// flush: the run ends at most kRawFlushBlocks blocks later with the write
// failure's message, and nothing is converted.
TEST_F(DownloadDialog, ARawFileThatFailsEndsTheRunWithinTheFlushInterval)
{
    using Fails = FillingRawFile::Fails;
    const auto plans = Plans(1, 2000);
    const auto blocks = static_cast<std::uint32_t>((SessionStreamSize(LoggerState::Fresh(), plans[0]) + 1023) / 1024);
    ASSERT_GT(blocks, 2 * CDownloadDlg::kRawFlushBlocks + 2);
    struct Case {
        Fails fails;
        std::uint32_t fullAtBlock;
    };
    const Case cases[] = {
        {Fails::Write, 1},                                  // the first block
        {Fails::Write, 7},                                  // between flushes
        {Fails::Write, CDownloadDlg::kRawFlushBlocks + 1},  // just after a flush
        {Fails::Write, blocks},                             // the last block
        {Fails::Flush, 1},                                  // seen by the first flush
        {Fails::Flush, CDownloadDlg::kRawFlushBlocks},      // seen by the flush after it
        {Fails::Flush, CDownloadDlg::kRawFlushBlocks + 1},  // seen a whole interval later
        {Fails::Flush, blocks},                             // seen by the flush at the end
    };
    Connect(plans);
    for (const Case& c : cases) {
        const std::string name = std::string(c.fails == Fails::Write ? "write" : "flush") + " fails at block "
            + std::to_string(c.fullAtBlock) + " of " + std::to_string(blocks);
        SCOPED_TRACE(name);
        FillingRawFile raw(c.fails, c.fullAtBlock);
        services.rawFile = [&raw] { return std::make_unique<std::ostream>(&raw); };
        Prompts().messageBoxes.clear();
        comm.listDone = false;
        OpenAndList();
        const auto output = services.downloads / (name + ".csv");
        AnswerFile(output);
        Click(res::kIdcDownloadSelected);
        RunUntil([&] { return !dialog->IsOpen(); });

        EXPECT_FALSE(dialog->IsOpen());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Download bin file could not be written."});
        EXPECT_FALSE(std::filesystem::exists(output));
        EXPECT_GE(raw.Blocks(), c.fullAtBlock);
        EXPECT_LT(raw.Blocks() - c.fullAtBlock, CDownloadDlg::kRawFlushBlocks);
        if (c.fails == Fails::Write) {
            EXPECT_EQ(raw.Blocks(), c.fullAtBlock) << "a failed write is seen at once";
        }
        dialog.reset();
        comm.dialog = nullptr;
    }
}

TEST_F(DownloadDialog, CopiesOneSessionToARawFile)
{
    const auto plans = Plans(3, 400);
    Connect(plans);
    OpenAndList();
    SelectOnly({1});
    const auto chosen = services.downloads / "one.xid";
    AnswerFile(chosen);
    Click(res::kIdcDownloadSelected);
    RunUntil([&] { return !dialog->IsDownloading(); });

    const std::string stream = SessionStream(plans[1]);
    ASSERT_GT(stream.size(), 10 * 1024u) << "long enough for progress reports";
    EXPECT_EQ(ReadFile(chosen), stream);
    const auto& messages = services.status.messages;
    EXPECT_NE(std::find(messages.begin(), messages.end(), "10 KBytes received"), messages.end());
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(DownloadDialog, RefusesAnUnknownOutputTypeBeforeDownloading)
{
    Connect(Plans(1));
    OpenAndList();
    AnswerFile(services.downloads / "log.doc");
    Click(res::kIdcDownloadSelected);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Unknown output file type \"doc.\""});
    EXPECT_FALSE(dialog->IsDownloading());
    EXPECT_TRUE(services.notedFiles.empty());
    EXPECT_FALSE(SimTook(kRequestSdlStart));
}

TEST_F(DownloadDialog, FilterDownloadOffersNoRawFileAndRefusesOne)
{
    Connect(Plans(2));
    OpenAndList();
    SelectOnly({0});
    AnswerFile(services.downloads / "filtered.XID");
    Click(res::kIdcDownloadFilter);
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_EQ(Prompts().fileDialogs.front().filter.find("xid"), std::string::npos);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(BoxTexts().front().find("cannot be saved as raw data (.xid)"), std::string::npos);
    EXPECT_TRUE(services.notedFiles.empty());
}

TEST_F(DownloadDialog, ErasesTheSelectedSession)
{
    const auto plans = Plans(3);
    Connect(plans);
    OpenAndList();
    SelectOnly({1});
    Click(res::kIdcDownloadEraseSelected);

    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes.front().caption, "WARNING:");
    EXPECT_EQ(Prompts().messageBoxes.front().buttons, MessageBoxButtons::OkCancel);
    EXPECT_FALSE(dialog->IsErasePending());
    ASSERT_EQ(dialog->SessionLineCount(), 2);
    EXPECT_EQ(dialog->Sessions().At(0).name, SessionName(plans[0]));
    EXPECT_EQ(dialog->Sessions().At(1).name, SessionName(plans[2]));
    EXPECT_NE(List().GetText(1).find(SessionName(plans[2])), std::string::npos);
    EXPECT_EQ(services.status.Last(), "Erasure Complete");
    EXPECT_TRUE(Enabled(res::kIdcDownloadSelectAll));
    const auto left = LoadLoggedSessions(loggerFolder).sessions;
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].startSeconds, plans[2].startSeconds);
}

TEST_F(DownloadDialog, EndsWhenTheLoggerRefusesTheErase)
{
    Connect(Plans(2));
    OpenAndList();
    SimFault refuse;
    refuse.kind = SimFault::Kind::ErrorReply;
    refuse.requestType = kRequestEraseSession;
    refuse.code = 0x4110;
    link.Logger().InjectFault(refuse);
    SelectOnly({0});
    Click(res::kIdcDownloadEraseSelected);

    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_FALSE(dialog->IsErasePending());
    EXPECT_EQ(dialog->SessionLineCount(), 2) << "nothing is removed from the list";
    EXPECT_EQ(LoadLoggedSessions(loggerFolder).sessions.size(), 2u);
}

TEST_F(DownloadDialog, KeepsEverySessionWhenTheEraseIsNotConfirmed)
{
    Connect(Plans(2));
    OpenAndList();
    Prompts().messageBoxAnswers.push_back(kIdCancel);
    Click(res::kIdcDownloadEraseSelected);
    EXPECT_EQ(dialog->SessionLineCount(), 2);
    EXPECT_FALSE(SimTook(kRequestEraseSession));
}

TEST_F(DownloadDialog, AbortsOnABlockOutOfSequence)
{
    Connect(Plans(1));
    OpenAndList();
    StartSilentDownload();
    const auto block = [](std::uint32_t offset, std::size_t length) {
        std::vector<std::uint8_t> data = {static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(offset >> 8),
            static_cast<std::uint8_t>(offset >> 16), static_cast<std::uint8_t>(offset >> 24)};
        data.resize(kSdlOffsetSize + length, 0x55);
        return std::make_unique<CReplyMessage>(kReplySdlData, 0, false, std::string(), std::move(data));
    };
    dialog->PostMessage(kReplyMessage, kReplySdlData, 0, block(0, 1000));
    dialog->PostMessage(kReplyMessage, kReplySdlData, 0, block(1024, 1000));
    RunUntil([&] { return !dialog->IsOpen(); });

    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Data sequence error during  data download."});
    RunUntil([&] { return SimTook(kRequestSdlError); });
    EXPECT_TRUE(SimTook(kRequestSdlError));
    EXPECT_EQ(std::filesystem::file_size(RawPath()), 1000u) << "the partial raw file stays";
}

TEST_F(DownloadDialog, GivesUpWhenTheLoggerFallsSilent)
{
    Connect(Plans(1));
    OpenAndList();
    StartSilentDownload();
    // The watchdog's timer expires.
    dialog->PostMessage(kTimerMessage, CDownloadDlg::kWatchdogTimer);
    RunUntil([&] { return !dialog->IsOpen(); });

    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Communication timeout during data download."});
    RunUntil([&] { return SimTook(kRequestSdlError); });
    EXPECT_TRUE(SimTook(kRequestSdlError));
}

TEST_F(DownloadDialog, ShowsTheLoggersErrorAndEndsTheRun)
{
    Connect(Plans(2));
    OpenAndList();
    SimFault refuse;
    refuse.kind = SimFault::Kind::ErrorReply;
    refuse.requestType = kRequestSdlStart;
    refuse.code = 0x4321;
    refuse.text = "Session is busy";
    link.Logger().InjectFault(refuse);
    AnswerFile(services.downloads / "log.csv");
    Click(res::kIdcDownloadSelected);
    RunUntil([&] { return !dialog->IsOpen(); });

    EXPECT_FALSE(dialog->IsOpen());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes.front().caption, kCommErrorCaption);
    EXPECT_EQ(Prompts().messageBoxes.front().text, FormatCommError(0x4321, "Session is busy"));
    const auto& messages = services.status.messages;
    EXPECT_NE(std::find(messages.begin(), messages.end(), "Data Download Error"), messages.end());
    EXPECT_EQ(std::find(messages.begin(), messages.end(), "Data Download Cancelled"), messages.end());
    RunUntil([&] { return SimTook(kRequestSdlError); });
    EXPECT_TRUE(SimTook(kRequestSdlError)) << "the logger is told the run ended";
}

TEST_F(DownloadDialog, CloseDuringADownloadIsACancel)
{
    Connect(Plans(1));
    OpenAndList();
    StartSilentDownload();
    Click(kIdCancel);

    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_FALSE(dialog->IsTransferring());
    EXPECT_TRUE(BoxTexts().empty()) << "no time-out box";
    EXPECT_EQ(services.status.Last(), "Data Download Cancelled");
    RunUntil([&] { return SimTook(kRequestSdlError); });
    EXPECT_TRUE(SimTook(kRequestSdlError));
}

}  // namespace
}  // namespace c_download_dlg_test
}  // namespace corvane
