// The communications library against the simulated logger PROGRAM, over TCP
// and over the pseudo-terminal it offers.
#include "halvix/HalvixLib.h"

#include "HalvixTestSupport.h"
#include "loggersim/LoggerRequests.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

namespace corvane {
namespace logger_program_test {
namespace {

using test::Posted;
using test::PostLog;
using test::RecordingPoster;
using test::ScratchFolder;

constexpr WindowHandle kWindow{23};
constexpr std::uint32_t kCommsThread = 5;

// corvane-loggersim as a child process, with its standard input and output
// on pipes.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const std::filesystem::path& stateFolder)
    {
        const char* program = std::getenv("CORVANE_LOGGERSIM");
        if (program == nullptr) {
            ADD_FAILURE() << "CORVANE_LOGGERSIM is not set";
            return;
        }
        int input[2];
        int output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) {
            ADD_FAILURE() << "no pipes";
            return;
        }
        const std::string state = stateFolder.string();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(input[0], STDIN_FILENO);
            ::dup2(output[1], STDOUT_FILENO);
            ::execl(program, program, "--listen", "127.0.0.1:0", "--pty", "--state", state.c_str(),
                "--realtime-interval", "20", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(input[0]);
        ::close(output[1]);
        toChild_ = input[1];
        fromChild_ = output[0];
        while (port_ == 0 || ptyPath_.empty()) {
            const std::optional<std::string> line = ReadLine();
            if (!line)
                break;
            if (line->rfind("listening ", 0) == 0)
                port_ = static_cast<std::uint16_t>(std::stoi(line->substr(line->rfind(':') + 1)));
            if (line->rfind("pty ", 0) == 0)
                ptyPath_ = line->substr(4);
        }
        EXPECT_NE(port_, 0);
        EXPECT_FALSE(ptyPath_.empty());
    }

    ~SimulatorProcess()
    {
        if (pid_ <= 0)
            return;
        Command("quit", false);
        int status = 0;
        for (int i = 0; i < 1000 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (::waitpid(pid_, &status, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            ADD_FAILURE() << "the simulator did not quit";
        }
        ::close(toChild_);
        ::close(fromChild_);
    }

    std::uint16_t Port() const { return port_; }
    const std::string& PtyPath() const { return ptyPath_; }

    // Sends a command line and waits for its "ok" (not for quit).
    void Command(const std::string& line, bool waitForOk = true)
    {
        const std::string text = line + "\n";
        EXPECT_EQ(::write(toChild_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        while (waitForOk) {
            const std::optional<std::string> reply = ReadLine();
            if (!reply) {
                ADD_FAILURE() << "no answer to " << line;
                return;
            }
            if (reply->rfind("pty ", 0) == 0)
                ptyPath_ = reply->substr(4);
            if (reply->rfind("ok ", 0) == 0)
                return;
        }
    }

    // Waits for the simulator to announce a pseudo-terminal other than old.
    void WaitForPtyOtherThan(const std::string& old)
    {
        while (ptyPath_ == old) {
            const std::optional<std::string> line = ReadLine();
            if (!line) {
                ADD_FAILURE() << "no new pseudo-terminal";
                return;
            }
            if (line->rfind("pty ", 0) == 0)
                ptyPath_ = line->substr(4);
        }
    }

private:
    std::optional<std::string> ReadLine()
    {
        for (;;) {
            const std::size_t end = buffered_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffered_.substr(0, end);
                buffered_.erase(0, end + 1);
                return line;
            }
            pollfd entry{fromChild_, POLLIN, 0};
            if (::poll(&entry, 1, 20000) <= 0)
                return std::nullopt;
            char chunk[256];
            const ssize_t count = ::read(fromChild_, chunk, sizeof chunk);
            if (count <= 0)
                return std::nullopt;
            buffered_.append(chunk, static_cast<std::size_t>(count));
        }
    }

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    std::string buffered_;
    std::uint16_t port_ = 0;
    std::string ptyPath_;
};

enum class LinkKind { Network, Serial };

void PrintTo(LinkKind kind, std::ostream* out) { *out << (kind == LinkKind::Network ? "network" : "serial"); }

class LoggerProgramTest : public ::testing::TestWithParam<LinkKind> {
protected:
    LoggerProgramTest()
    {
        EXPECT_EQ(CxSetCommsThreadID(kCommsThread), kCxOk);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
        EXPECT_EQ(CxSetRetryTime(3000), kCxOk);
        EXPECT_EQ(CxSetMaxRetries(0), kCxOk);
    }
    ~LoggerProgramTest() override { CxLoggerConnect(0); }

    int Connect()
    {
        if (GetParam() == LinkKind::Serial) {
            library_.SetSerialDevice(3, sim_.PtyPath());
            EXPECT_EQ(CxSetComPort(3), kCxOk);
            EXPECT_EQ(CxSetCommunicationType(kCommTypeSerial), kCxOk);
        } else {
            EXPECT_EQ(CxSetNetworkServer("127.0.0.1", sim_.Port()), kCxOk);
            EXPECT_EQ(CxSetCommunicationType(kCommTypeNetwork), kCxOk);
        }
        return CxLoggerConnect(1);
    }

    Posted Answer(const std::function<int()>& request)
    {
        const std::size_t before = PostLog::WindowPosts(posts_->Snapshot()).size();
        EXPECT_EQ(request(), kCxOk);
        return posts_->WaitForWindowPost(before + 1);
    }

    ScratchFolder folder_;
    SimulatorProcess sim_{folder_.Path() / "logger"};
    std::shared_ptr<PostLog> posts_ = std::make_shared<PostLog>();
    HalvixLibrary library_{std::make_unique<RecordingPoster>(posts_)};
    HalvixInstallation installation_{library_};
};

INSTANTIATE_TEST_SUITE_P(Links, LoggerProgramTest, ::testing::Values(LinkKind::Network, LinkKind::Serial),
    [](const ::testing::TestParamInfo<LinkKind>& link) {
        return link.param == LinkKind::Network ? "Network" : "Serial";
    });

TEST_P(LoggerProgramTest, EveryRequestIsAnswered)
{
    ASSERT_EQ(Connect(), kCxOk) << library_.LastLinkError();
    const std::vector<std::uint8_t> unitId = test::Bytes(std::string_view("LAB-7\0", 6));
    const std::vector<std::uint8_t> levels(64, 0);
    const struct {
        std::uint16_t type;
        std::function<int()> request;
        std::uint32_t minimumData;
    } cases[] = {
        {kRequestPing, [] { return CxPing(kWindow, "Connect Ping"); }, 13},
        {kRequestOobS, [] { return CxOobS(kWindow, 1); }, 4},
        {kRequestMsgTimeout, [] { return CxMsgTimeout(kWindow); }, 4},
        {kRequestPwStatus, [] { return CxPwStatus(kWindow); }, 2},
        {kRequestRtStreamReq, [] { return CxRtStreamReq(kWindow, 0); }, 2},
        {kRequestCfGet, [] { return CxCfGet(kWindow, 91); }, 3},
        {kRequestCfSet, [&] { return CxCfSet(kWindow, 16, unitId); }, 2},
        {kRequestCfEnum, [] { return CxCfEnum(kWindow); }, 30},
        {kRequestStateGet, [] { return CxStateGet(kWindow); }, 136},
        {kRequestRun, [] { return CxRun(kWindow, 1, 0); }, 2},
        {kRequestRun, [] { return CxRun(kWindow, 0, 0); }, 2},
        // A fresh logger's diagnostic log is longer than one block.
        {kRequestDbFGet, [] { return CxDbFGet(kWindow, 0); }, 1024},
        {kRequestQuvDbFCtl, [&] { return CxQuvDbFCtl(kWindow, levels, 5, 0); }, 34},
    };
    for (const auto& c : cases) {
        const Posted posted = Answer(c.request);
        ASSERT_EQ(posted.id, kReplyMessage) << c.type;
        ASSERT_NE(posted.reply, nullptr);
        EXPECT_EQ(posted.reply->RequestType(), c.type);
        EXPECT_FALSE(posted.reply->ErrorFlag()) << c.type << ": " << posted.reply->ErrorText();
        EXPECT_GE(posted.reply->DataLength(), c.minimumData) << c.type;
    }
    const Posted state = Answer([] { return CxStateGet(kWindow); });
    ASSERT_NE(state.reply, nullptr);
    EXPECT_EQ(state.reply->TextAt(22, 22), "LAB-7");
    EXPECT_EQ(posts_->WaitForThreadPost(kUnsolicitedStatus).reply->U16At(2), kStatusLoggerEnabled);
}

TEST_P(LoggerProgramTest, TimeOutsErrorRepliesAndADroppedLink)
{
    ASSERT_EQ(Connect(), kCxOk) << library_.LastLinkError();
    sim_.Command("fault no-reply:29/1");
    sim_.Command("fault error:13/1:0x4103:No keys here");
    ASSERT_EQ(CxSetRetryTime(200), kCxOk);
    const Posted timedOut = Answer([] { return CxOobS(kWindow, 1); });
    EXPECT_EQ(timedOut.id, kTimeoutMessage);
    EXPECT_EQ(timedOut.wParam, kRequestOobS);
    EXPECT_EQ(timedOut.lParam, kRequestOobS);
    ASSERT_EQ(CxSetRetryTime(3000), kCxOk);

    const Posted refused = Answer([] { return CxCfEnum(kWindow); });
    ASSERT_NE(refused.reply, nullptr);
    EXPECT_TRUE(refused.reply->ErrorFlag());
    EXPECT_EQ(refused.reply->Code(), 0x4103);
    EXPECT_EQ(refused.reply->ErrorText(), "No keys here");
    EXPECT_EQ(refused.reply->U16At(0), 0x4103);

    sim_.Command("message 0xE000 3840 Watchdog");
    EXPECT_EQ(posts_->WaitForThreadPost(kUnsolicitedFatalError).reply->TextAt(10), "Watchdog");

    sim_.Command("fault no-reply:0");
    ASSERT_EQ(CxStateGet(kWindow), kCxOk);
    const std::string ptyBefore = sim_.PtyPath();
    sim_.Command("drop");
    const Posted lost = posts_->WaitForWindowPost(3);
    EXPECT_EQ(lost.id, kTimeoutMessage);
    EXPECT_EQ(lost.lParam, kRequestStateGet);
    posts_->WaitUntil([](const auto&) { return CxPollConnection() != 0; });
    EXPECT_EQ(CxGetCommsStatus(), kCommsLinkLost);

    if (GetParam() == LinkKind::Serial)
        sim_.WaitForPtyOtherThan(ptyBefore);
    sim_.Command("clear-faults");
    ASSERT_EQ(Connect(), kCxOk) << library_.LastLinkError();
    EXPECT_EQ(Answer([] { return CxPing(kWindow, "PP"); }).id, kReplyMessage);
}

TEST(LoggerProgramStateTest, StateSurvivesARestart)
{
    ScratchFolder folder;
    const auto stateFolder = folder.Path() / "logger";
    auto posts = std::make_shared<PostLog>();
    HalvixLibrary library(std::make_unique<RecordingPoster>(posts));
    ASSERT_EQ(library.Init(), kCxOk);
    ASSERT_EQ(library.SetCommunicationType(kCommTypeNetwork), kCxOk);
    {
        SimulatorProcess sim(stateFolder);
        ASSERT_EQ(library.SetNetworkServer("127.0.0.1", sim.Port()), kCxOk);
        ASSERT_EQ(library.LoggerConnect(1), kCxOk) << library.LastLinkError();
        const auto name = test::Bytes(std::string_view("Boiler\0", 7));
        ASSERT_EQ(library.CfSet(kWindow, 17, name), kCxOk);
        ASSERT_EQ(library.Run(kWindow, 1, 0), kCxOk);
        posts->WaitForWindowPost(2);
        ASSERT_EQ(library.LoggerConnect(0), kCxOk);
    }
    SimulatorProcess sim(stateFolder);
    ASSERT_EQ(library.SetNetworkServer("127.0.0.1", sim.Port()), kCxOk);
    ASSERT_EQ(library.LoggerConnect(1), kCxOk) << library.LastLinkError();
    ASSERT_EQ(library.StateGet(kWindow), kCxOk);
    const Posted state = posts->WaitForWindowPost(3);
    ASSERT_NE(state.reply, nullptr);
    EXPECT_EQ(state.reply->TextAt(0, 22), "Boiler");
    EXPECT_NE(state.reply->U32At(48).value_or(0) & 0x80000000u, 0u);
    ASSERT_EQ(library.LoggerConnect(0), kCxOk);
}

}  // namespace
}  // namespace logger_program_test
}  // namespace corvane
