#include "card/CCardManagerWorkerThread.h"

#include "CardTestSupport.h"
#include "base/AtomicFile.h"
#include "card/CFlashCardManager.h"
#include "data/LoggedDataRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_card_manager_worker_thread_test {
namespace {

using test::CardReportWindow;
using test::ScratchFolder;

constexpr std::uint32_t kSmall = 0x6720A000;
constexpr std::uint32_t kLarge = 0x6720C000;  // the session of the cancelled jobs

std::string Hex(std::uint32_t seconds) { return CardImageWriter::HexName(seconds); }

std::string ReadText(const std::filesystem::path& path)
{
    const FileContents contents = ReadWholeFile(path, std::size_t{1} << 28);
    EXPECT_FALSE(contents.error) << contents.error.message;
    return std::string(contents.bytes.begin(), contents.bytes.end());
}

// The renderer's own output for the session, and its header lines.
struct Rendering {
    std::string text;
    std::string header;
};

Rendering Render(const std::filesystem::path& folder, char mode)
{
    LoggedDataContext context;
    LoggedDataRenderOptions options;
    options.mode = mode;
    EXPECT_EQ(LoggedDataOpen(context, folder, options), 0);
    Rendering rendering;
    std::array<char, 700> buffer{};
    int count = 0;
    while ((count = LoggedDataRead(context, buffer)) > 0)
        rendering.text.append(buffer.data(), static_cast<std::size_t>(count));
    EXPECT_EQ(count, 0);
    rendering.header = std::string(LoggedDataHeaderLines(context).value_or(""));
    EXPECT_EQ(LoggedDataClose(context), 0);
    return rendering;
}

class CCardManagerWorkerThreadTest : public test::PlatformTest {
protected:
    CCardManagerWorkerThreadTest()
    {
        settings_.drive = card_.Path().string();
        EXPECT_TRUE(App().PostThreadMessage(manager_.GetWorkerThreadId(), kCardSetNotifyWindowMessage, 0,
            static_cast<std::intptr_t>(window_.Handle().value)));
    }

    std::filesystem::path Session(std::uint32_t start) const { return card_.Path() / "Log" / Hex(start); }
    std::filesystem::path Output(const char* name) const { return out_.Path() / name; }

    CardJob Job(std::uint32_t start, CardJobKind kind, const char* output) const
    {
        CardJob job;
        job.sessionName = Hex(start);
        job.kind = kind;
        job.outputFilePath = Output(output);
        return job;
    }

    // Posts the job and handles the worker's reports until it has ended.
    void Run(const CardJob& job, bool deleteAfter = false)
    {
        const int before = Ended();
        const int doneBefore = window_.Count(kCardJobDoneMessage);
        const int deletedBefore = window_.Count(kCardDeleteDoneMessage);
        ASSERT_TRUE(manager_.PostCardJob(job, deleteAfter));
        test::PumpUntil(App(), [&] { return Ended() > before; });
        if (deleteAfter && window_.Count(kCardJobDoneMessage) > doneBefore)
            test::PumpUntil(App(), [&] { return window_.Count(kCardDeleteDoneMessage) > deletedBefore; });
    }
    int Ended() const
    {
        return window_.Count(kCardJobDoneMessage) + window_.Count(kCardOutputErrorMessage)
            + window_.Count(kCardJobFailedMessage);
    }

    ScratchFolder card_;
    ScratchFolder out_;
    test::FakeCardSettings settings_;
    test::FakeMediaProbe probe_;
    CFlashCardManager manager_{App(), settings_, probe_};
    CardReportWindow window_;
};

class RenderKindTest : public CCardManagerWorkerThreadTest, public ::testing::WithParamInterface<CardJobKind> {};

TEST_P(RenderKindTest, RendersTheSessionWithItsSeparator)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 2000));
    const char mode = GetParam() == CardJobKind::TabText ? '\t' : ',';
    Run(Job(kSmall, GetParam(), "data.csv"));

    EXPECT_EQ(window_.Ids(), (std::vector<MessageId>{kCardJobStartedMessage, kCardJobDoneMessage}));
    EXPECT_EQ(window_.sessionNames, std::vector<std::string>{Hex(kSmall)});
    const std::string text = ReadText(Output("data.csv"));
    EXPECT_EQ(text, Render(Session(kSmall), mode).text);
    EXPECT_NE(text.find(std::string("Tank Temperature") + mode), std::string::npos);
    ASSERT_FALSE(window_.progress.empty());
    EXPECT_TRUE(std::is_sorted(window_.progress.begin(), window_.progress.end()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RenderKindTest, ::testing::Values(CardJobKind::CommaText, CardJobKind::TabText));

TEST_F(CCardManagerWorkerThreadTest, SplitPartsEachBeginWithTheHeaderLines)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 2000));
    constexpr std::uint32_t kLimit = 8192;
    settings_.splitLimit = kLimit;
    settings_.workFolder = out_.Path();
    Run(Job(kSmall, CardJobKind::CommaText, "data.csv"));
    ASSERT_TRUE(window_.Got(kCardJobDoneMessage));

    const Rendering whole = Render(Session(kSmall), ',');
    ASSERT_FALSE(whole.header.empty());
    EXPECT_TRUE(whole.text.starts_with(whole.header));
    EXPECT_EQ(ReadText(Output("header.txt")), whole.header);
    EXPECT_FALSE(std::filesystem::exists(Output("data.csv")));

    std::string joined;
    int parts = 0;
    for (; std::filesystem::exists(
             Output("data.csv").parent_path() / CCardManagerWorkerThread::MakeSplitName("data.csv", parts));
         ++parts) {
        const std::string part
            = ReadText(Output("data.csv").parent_path() / CCardManagerWorkerThread::MakeSplitName("data.csv", parts));
        EXPECT_TRUE(part.starts_with(whole.header)) << parts;
        EXPECT_LE(part.size(), kLimit) << parts;
        EXPECT_TRUE(part.ends_with("\n")) << parts;
        joined += parts == 0 ? part : part.substr(whole.header.size());
    }
    EXPECT_GT(parts, 5);
    EXPECT_EQ(joined, whole.text);
}

TEST_F(CCardManagerWorkerThreadTest, ARenderingThatFailsIsReportedAsAFailure)
{
    std::filesystem::create_directories(Session(kSmall));  // no HEADER
    Run(Job(kSmall, CardJobKind::CommaText, "data.csv"));
    EXPECT_EQ(window_.Ids(), (std::vector<MessageId>{kCardJobStartedMessage, kCardJobFailedMessage}));
    EXPECT_EQ(window_.Failures(), std::vector<std::uintptr_t>{std::uintptr_t(CardJobFailure::RenderFailed)});
    EXPECT_FALSE(std::filesystem::exists(Output("data.csv")));
}

TEST_F(CCardManagerWorkerThreadTest, AnOutputThatCannotBeCreatedIsReported)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 20));
    for (const CardJobKind kind : {CardJobKind::CommaText, CardJobKind::RawCopy}) {
        window_.received.clear();
        Run(Job(kSmall, kind, "missing-folder/data.csv"));
        EXPECT_EQ(window_.Ids(), (std::vector<MessageId>{kCardJobStartedMessage, kCardOutputErrorMessage}));
    }
}

TEST_F(CCardManagerWorkerThreadTest, CopiesHeaderThenDataFilesByNameAndReportsGapsAndSkippedFiles)
{
    const std::uint32_t stop = test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 6000));
    const std::filesystem::path session = Session(kSmall);
    std::filesystem::rename(session / "HEADER", session / "header");
    std::filesystem::remove(session / "00000001.vrd");
    std::filesystem::remove(session / "00000003.vrd");
    std::filesystem::remove(session / "00000004.vrd");
    std::filesystem::rename(session / "00000002.vrd", session / "00000002.VRD");
    std::ofstream(session / "notes.txt") << "not logged data";
    const std::string expected = ReadText(session / "header") + ReadText(session / "00000000.vrd")
        + ReadText(session / "00000002.VRD") + ReadText(session / "00000005.vrd") + ReadText(session / "00000006.vrd")
        + ReadText(session / "00000007.vrd");
    EXPECT_FALSE(std::filesystem::exists(session / "00000008.vrd"));

    Run(Job(kSmall, CardJobKind::RawCopy, "data.xid"));
    EXPECT_EQ(window_.Ids(), (std::vector<MessageId>{kCardJobStartedMessage, kCardJobDoneMessage}));
    EXPECT_EQ(ReadText(Output("data.xid")), expected);
    ASSERT_EQ(window_.copyReports.size(), 1u);
    EXPECT_EQ(
        window_.copyReports[0].missing, (std::vector<std::string>{"00000001.vrd", "00000003.vrd to 00000004.vrd"}));
    EXPECT_EQ(window_.copyReports[0].skipped, (std::vector<std::string>{Hex(stop) + ".vre", "notes.txt"}));
    ASSERT_FALSE(window_.progress.empty());
    EXPECT_EQ(window_.progress.back(), 100);
}

TEST_F(CCardManagerWorkerThreadTest, ACopyWithoutHeaderFails)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 20));
    std::filesystem::remove(Session(kSmall) / "HEADER");
    Run(Job(kSmall, CardJobKind::RawCopy, "data.xid"));
    EXPECT_EQ(window_.Failures(), std::vector<std::uintptr_t>{std::uintptr_t(CardJobFailure::CopyFailed)});
    EXPECT_FALSE(std::filesystem::exists(Output("data.xid")));
}

TEST_F(CCardManagerWorkerThreadTest, DeletesTheSessionAfterASuccessfulJobOnlyWhenAsked)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 20));
    Run(Job(kSmall, CardJobKind::RawCopy, "first.xid"));
    EXPECT_TRUE(std::filesystem::exists(Session(kSmall)));

    std::filesystem::create_directories(Session(kLarge));  // no HEADER: the job fails
    Run(Job(kLarge, CardJobKind::CommaText, "failed.csv"), true);
    EXPECT_TRUE(std::filesystem::exists(Session(kLarge)));

    window_.received.clear();
    Run(Job(kSmall, CardJobKind::CommaText, "second.csv"), true);
    EXPECT_EQ(window_.Ids(),
        (std::vector<MessageId>{
            kCardJobStartedMessage, kCardJobDoneMessage, kCardDeleteStartedMessage, kCardDeleteDoneMessage}));
    EXPECT_FALSE(std::filesystem::exists(Session(kSmall)));
    EXPECT_TRUE(std::filesystem::exists(Output("second.csv")));
}

TEST_F(CCardManagerWorkerThreadTest, ACancelEndsEveryJobAtItsStartUntilCleared)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kSmall, 20));
    manager_.CancelJob();
    Run(Job(kSmall, CardJobKind::CommaText, "data.csv"));
    Run(Job(kSmall, CardJobKind::RawCopy, "data.xid"));
    EXPECT_EQ(window_.Ids(), (std::vector<MessageId>{kCardJobFailedMessage, kCardJobFailedMessage}));
    EXPECT_EQ(window_.Failures(), (std::vector<std::uintptr_t>{0, 0}));
    EXPECT_FALSE(std::filesystem::exists(Output("data.csv")));

    manager_.ClearCancel();
    Run(Job(kSmall, CardJobKind::CommaText, "data.csv"));
    EXPECT_TRUE(window_.Got(kCardJobDoneMessage));
}

// A worker of its own whose first progress report runs a step on the worker
// thread itself, so the test acts while a job is surely running. Jobs are
// posted before Resume, so they queue in order.
class ScriptedWorker {
public:
    ScriptedWorker(
        Application& app, WindowHandle window, std::function<void(CCardManagerWorkerThread&)> onFirstProgress)
        : app_(app), onFirstProgress_(std::move(onFirstProgress)),
          worker_(app,
              [this, &app](WindowHandle notify, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
                  std::unique_ptr<Payload> payload) {
                  if (id == kCardProgressMessage && !fired_) {
                      fired_ = true;
                      onFirstProgress_(worker_);
                  }
                  return app.PostMessage(notify, id, wParam, lParam, std::move(payload));
              })
    {
        EXPECT_TRUE(app.PostThreadMessage(
            worker_.ThreadId(), kCardSetNotifyWindowMessage, 0, static_cast<std::intptr_t>(window.value)));
    }

    void Post(const CardJob& job, const std::filesystem::path& logFolder, bool deleteAfter)
    {
        auto request = std::make_unique<CardJobRequest>();
        request->job = job;
        request->job.sessionFolderPath = logFolder / job.sessionName;
        request->logFolder = logFolder;
        EXPECT_TRUE(app_.PostThreadMessage(
            worker_.ThreadId(), kCardStartJobMessage, deleteAfter ? 1 : 0, 0, std::move(request)));
    }
    CCardManagerWorkerThread& Worker() { return worker_; }

private:
    Application& app_;
    std::function<void(CCardManagerWorkerThread&)> onFirstProgress_;
    bool fired_ = false;  // worker thread only
    CCardManagerWorkerThread worker_;
};

TEST_F(CCardManagerWorkerThreadTest, CancelsARunningRenderingAndTheJobQueuedBehindIt)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kLarge, 4000));
    ScriptedWorker scripted(
        App(), window_.Handle(), [](CCardManagerWorkerThread& worker) { worker.CancelEvent().Set(); });
    scripted.Post(Job(kLarge, CardJobKind::CommaText, "running.csv"), card_.Path() / "Log", true);
    scripted.Post(Job(kLarge, CardJobKind::RawCopy, "queued.xid"), card_.Path() / "Log", false);
    scripted.Worker().Resume();
    test::PumpUntil(App(), [&] { return window_.Failures().size() == 2; });

    EXPECT_EQ(
        window_.Ids(), (std::vector<MessageId>{kCardJobStartedMessage, kCardJobFailedMessage, kCardJobFailedMessage}));
    EXPECT_EQ(window_.Failures(),
        (std::vector<std::uintptr_t>{
            std::uintptr_t(CardJobFailure::RenderCancelled), std::uintptr_t(CardJobFailure::CancelledBeforeStart)}));
    // What was rendered stays; the queued job wrote nothing, and nothing was deleted.
    const std::string whole = Render(Session(kLarge), ',').text;
    EXPECT_EQ(ReadText(Output("running.csv")), whole.substr(0, 2048));
    EXPECT_FALSE(std::filesystem::exists(Output("queued.xid")));
    EXPECT_TRUE(std::filesystem::exists(Session(kLarge) / "HEADER"));
}

TEST_F(CCardManagerWorkerThreadTest, CancelsARunningCopy)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kLarge, 4000));
    ScriptedWorker scripted(
        App(), window_.Handle(), [](CCardManagerWorkerThread& worker) { worker.CancelEvent().Set(); });
    scripted.Post(Job(kLarge, CardJobKind::RawCopy, "data.xid"), card_.Path() / "Log", true);
    scripted.Worker().Resume();
    test::PumpUntil(App(), [&] { return window_.Failures().size() == 2; });

    EXPECT_EQ(window_.Failures(),
        (std::vector<std::uintptr_t>{
            std::uintptr_t(CardJobFailure::CopyCancelled), std::uintptr_t(CardJobFailure::CopyFailed)}));
    EXPECT_FALSE(window_.Got(kCardJobDoneMessage));
    EXPECT_FALSE(std::filesystem::exists(Output("data.xid")));
    EXPECT_TRUE(std::filesystem::exists(Session(kLarge)));
}

TEST_F(CCardManagerWorkerThreadTest, StoppingEndsARunningJobAndJoinsTheThread)
{
    test::WriteCardSession(card_.Path(), test::CardSession(kLarge, 4000));
    Event running(Event::Reset::Manual);
    // The job waits inside its first report until the stop cancels it.
    ScriptedWorker scripted(App(), window_.Handle(), [&running](CCardManagerWorkerThread& worker) {
        running.Set();
        EXPECT_TRUE(worker.CancelEvent().Wait(std::chrono::seconds(60)));
    });
    scripted.Post(Job(kLarge, CardJobKind::CommaText, "data.csv"), card_.Path() / "Log", false);
    scripted.Worker().Resume();
    ASSERT_TRUE(running.Wait(std::chrono::seconds(60)));

    EXPECT_EQ(scripted.Worker().Stop(), WorkerThread::StopResult::Joined);
    EXPECT_FALSE(scripted.Worker().Running());
    App().ProcessPending();
    EXPECT_EQ(window_.Failures(), std::vector<std::uintptr_t>{std::uintptr_t(CardJobFailure::RenderCancelled)});
}

TEST(CCardManagerWorkerThreadNames, SplitNamesCarryTheIndexBeforeTheExtension)
{
    EXPECT_EQ(
        CCardManagerWorkerThread::MakeSplitName("/out/data.csv", 0), std::filesystem::path("/out/data-000000.csv"));
    EXPECT_EQ(
        CCardManagerWorkerThread::MakeSplitName("/out/data.csv", 3), std::filesystem::path("/out/data-000003.csv"));
    EXPECT_EQ(CCardManagerWorkerThread::MakeSplitName("log.txt", 123456), std::filesystem::path("log-123456.txt"));
}

TEST(CCardManagerWorkerThreadNames, CutsABlockAfterItsLastLineFeed)
{
    const std::array<std::array<const char*, 3>, 4> cases = {{
        {"a,b\r\nc,d\r\ne,", "a,b\r\nc,d\r\n", "e,"},
        {"a,b\r\n", "a,b\r\n", ""},
        {"no line end", "", "no line end"},
        {"", "", ""},
    }};
    for (const auto& [text, kept, carried] : cases) {
        std::string block = text;
        std::string carry = "old";
        CCardManagerWorkerThread::CutAtLastLine(block, carry);
        EXPECT_EQ(block, kept) << text;
        EXPECT_EQ(carry, carried) << text;
    }
}

TEST(CCardManagerWorkerThreadNames, TheCopyTakesHeaderAndDataFilesOnly)
{
    for (const char* taken : {"HEADER", "header", "00000000.vrd", "00000012.VRD", "ABCDEFGH.Vrd"})
        EXPECT_FALSE(CCardManagerWorkerThread::IsExcluded(taken)) << taken;
    for (const char* excluded : {"6720A000.vre", "HEADER.bak", "0.vrd", "000000000.vrd", "notes.txt", ".vrd"})
        EXPECT_TRUE(CCardManagerWorkerThread::IsExcluded(excluded)) << excluded;
}

}  // namespace
}  // namespace c_card_manager_worker_thread_test
}  // namespace corvane
