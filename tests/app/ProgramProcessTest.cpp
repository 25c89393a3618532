#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "platform/Document.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

extern char** environ;

namespace corvane::test {
namespace program_process_test {
namespace {

// Runs a command (found on PATH) with the scratch folders as its home and
// runtime folder; its exit status, or -1.
int RunCommand(
    const std::filesystem::path& scratch, const std::vector<std::string>& command, const char* platform = "offscreen")
{
    std::vector<std::string> environment = {"HOME=" + (scratch / "home").string(),
        "XDG_RUNTIME_DIR=" + (scratch / "run").string(), "XDG_CONFIG_HOME=" + (scratch / "config").string(),
        "XDG_DATA_HOME=" + (scratch / "share2").string(), "QT_QPA_PLATFORM=" + std::string(platform)};
    if (const char* path = std::getenv("PATH")) {
        environment.push_back("PATH=" + std::string(path));
    }
    std::vector<std::string> argv = command;
    std::vector<char*> argp;
    for (auto& argument : argv) {
        argp.push_back(argument.data());
    }
    argp.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (command.empty() || posix_spawnp(&pid, command[0].c_str(), nullptr, nullptr, argp.data(), envp.data()) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// The program as a second process.
int RunProgram(const std::filesystem::path& scratch, const std::vector<std::string>& arguments)
{
    const char* program = std::getenv("CORVANE_PROGRAM");
    if (program == nullptr) {
        return -1;
    }
    std::vector<std::string> command = {program};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunCommand(scratch, command);
}

bool OnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        std::error_code error;
        if (end > start && std::filesystem::exists(std::filesystem::path(folders.substr(start, end - start)) / name, error)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

class SingleInstanceHandOverTest : public ShellTest {
protected:
    CorvaneAppOptions InstanceOptions() const
    {
        CorvaneAppOptions options = Options();
        // Where the program itself looks, under the runtime folder it is given.
        options.instanceSocket = Scratch() / "run" / "corvane" / "instance.sock";
        return options;
    }
};

TEST_F(SingleInstanceHandOverTest, SecondStartHandsItsFileToTheRunningOneAndEnds)
{
    if (std::getenv("CORVANE_PROGRAM") == nullptr) {
        GTEST_SKIP() << "CORVANE_PROGRAM is not set (run through ctest)";
    }
    CCorvaneApp shell(App(), MakePlaceholderNeighbours(), InstanceOptions());
    ASSERT_EQ(shell.InitInstance(), CCorvaneApp::StartResult::Running);
    const std::filesystem::path net = Scratch() / "plant room.nt3";
    std::ofstream(net) << "net";

    ASSERT_EQ(RunProgram(Scratch(), {net.string()}), 0);
    // The hand-over is acknowledged before the second process ends; the
    // running one opens the file when its loop next runs.
    App().ProcessPending();
    App().ProcessPending();
    ASSERT_NE(shell.NetDocument(), nullptr);
    EXPECT_EQ(shell.NetDocument()->PathName(), net);
    EXPECT_EQ(shell.MainFrame()->ActiveDocument(), shell.NetDocument());
    // The second start created nothing of its own.
    EXPECT_FALSE(std::filesystem::exists(Scratch() / "config"));
    shell.ExitInstance();
}

TEST_F(SingleInstanceHandOverTest, SecondStartWithoutAFileBringsTheRunningOneBack)
{
    if (std::getenv("CORVANE_PROGRAM") == nullptr) {
        GTEST_SKIP() << "CORVANE_PROGRAM is not set (run through ctest)";
    }
    CCorvaneApp shell(App(), MakePlaceholderNeighbours(), InstanceOptions());
    ASSERT_EQ(shell.InitInstance(), CCorvaneApp::StartResult::Running);
    const std::filesystem::path before = shell.NetDocument()->PathName();
    shell.MainFrame()->ShowMinimized();
    App().ProcessPending();
    ASSERT_TRUE(shell.MainFrame()->IsMinimized());

    ASSERT_EQ(RunProgram(Scratch(), {}), 0);
    App().ProcessPending();
    App().ProcessPending();
    EXPECT_FALSE(shell.MainFrame()->IsMinimized());
    EXPECT_EQ(shell.NetDocument()->PathName(), before);
    shell.ExitInstance();
}

TEST(ProgramUnderXServer, StartsAndKeepsRunningUnderXvfb)
{
    const char* program = std::getenv("CORVANE_PROGRAM");
    if (program == nullptr || !OnPath("xvfb-run") || !OnPath("timeout")) {
        GTEST_SKIP() << "needs xvfb-run and the program (run through ctest)";
    }
    ScratchFolder scratch;
    std::filesystem::create_directories(scratch.Path() / "run");
    std::filesystem::permissions(scratch.Path() / "run", std::filesystem::perms::owner_all);
    // Still running when the time is up (timeout's status 124): it started,
    // showed its window on the X server and did not end or crash.
    EXPECT_EQ(RunCommand(scratch.Path(), {"xvfb-run", "-a", "timeout", "10", program, "-nosplash"}, "xcb"), 124);
}

}  // namespace
}  // namespace program_process_test
}  // namespace corvane::test
