#include "icons/hardware/DesktopTextViewer.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>

extern char** environ;

namespace corvane {
namespace {

// A short-lived shell starts xdg-open in the background and ends at once
// (failing when there is no xdg-open), so the program waits only for the
// shell and leaves no child behind. The path is passed as an argument,
// never as part of the command text.
constexpr const char* kShell = "/bin/sh";
constexpr const char* kLaunch = "command -v xdg-open >/dev/null || exit 1; xdg-open \"$1\" >/dev/null 2>&1 &";

}  // namespace

bool DesktopTextViewer::Show(const std::filesystem::path& file)
{
    std::string shell(kShell);
    std::string flag("-c");
    std::string command(kLaunch);
    std::string name("sh");
    std::string path = file.string();
    char* argv[] = {shell.data(), flag.data(), command.data(), name.data(), path.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, kShell, nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace corvane
