#include "app/DesktopRegistration.h"

#include "app/ProgramIcon.h"
#include "base/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corvane {
namespace {

constexpr std::size_t kMaxExistingBytes = 1024 * 1024;

// An argument of the Exec key: quoted, with the characters that quoting
// does not protect escaped, then the backslashes doubled once more
// for the desktop file's own string rules.
std::string ExecArgument(const std::string& path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted.push_back('\\');
        }
        quoted.push_back(c);
    }
    quoted.push_back('"');
    std::string escaped;
    for (const char c : quoted) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '%') {
            escaped += "%%";
        } else {
            escaped.push_back(c);
        }
    }
    return escaped;
}

// Writes the file when its contents differ; *changed tells whether it did.
FileError WriteIfChanged(const std::filesystem::path& path, std::string_view text, bool* changed = nullptr)
{
    const FileContents existing = ReadWholeFile(path, kMaxExistingBytes);
    if (!existing.error
        && std::string_view(reinterpret_cast<const char*>(existing.bytes.data()), existing.bytes.size()) == text) {
        return {};
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return {FileErrorKind::Failed, error.value(), error.message()};
    }
    FileError written = WriteFileAtomically(path, text);
    if (!written && changed != nullptr) {
        *changed = true;
    }
    return written;
}

FileError WriteIcons(const std::filesystem::path& dataHome)
{
    for (const int size : kDesktopIconSizes) {
        const std::filesystem::path folder
            = dataHome / "icons" / "hicolor" / (std::to_string(size) + "x" + std::to_string(size));
        const std::string program = MakeProgramIcon(size).KeyedPngBytes(kIconKeyColour);
        const std::string netFile = MakeNetFileIcon(size).KeyedPngBytes(kIconKeyColour);
        if (program.empty() || netFile.empty()) {
            return {FileErrorKind::Failed, 0, "the icons could not be drawn"};
        }
        if (FileError error = WriteIfChanged(folder / "apps" / (std::string(kDesktopIconName) + ".png"), program)) {
            return error;
        }
        if (FileError error
            = WriteIfChanged(folder / "mimetypes" / (std::string(kNetFileIconName) + ".png"), netFile)) {
            return error;
        }
    }
    return {};
}

// The tool's path in the first folder of the search path that holds it as
// an executable file; empty when none does. Relative folders are skipped,
// so nothing is run from the current folder.
std::filesystem::path FindTool(std::string_view name, std::string_view searchPath)
{
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
        const std::filesystem::path folder(searchPath.substr(start, end - start));
        start = end + 1;
        if (!folder.is_absolute()) {
            continue;
        }
        const std::filesystem::path candidate = folder / name;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// Runs the tool with one argument and its output thrown away, when the
// search path has it; waits for it up to the bound and ends it after that.
void RunOptionalTool(std::string_view name, const std::filesystem::path& argument, const DesktopTools& tools)
{
    const std::filesystem::path tool = FindTool(name, tools.searchPath);
    if (tool.empty()) {
        return;
    }
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return;
    }
    for (const int descriptor : {0, 1, 2}) {
        (void)posix_spawn_file_actions_addopen(
            &actions, descriptor, "/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    std::string programName(name);
    std::string argumentText = argument.string();
    std::vector<char*> argv = {programName.data(), argumentText.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + tools.bound;
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR)) {
            return;
        }
        if (std::chrono::steady_clock::now() >= giveUp) {
            // A tool that hangs is ended, and reaped so that it leaves no zombie.
            (void)::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

std::filesystem::path DesktopDataHome(std::string_view xdgDataHome, std::string_view home)
{
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        return std::filesystem::path(xdgDataHome);
    }
    if (!home.empty() && home.front() == '/') {
        return std::filesystem::path(home) / ".local" / "share";
    }
    return {};
}

std::filesystem::path DesktopDataHomeOfProcess()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return DesktopDataHome(xdg != nullptr ? xdg : "", home != nullptr ? home : "");
}

DesktopTools DesktopTools::FromProcess()
{
    DesktopTools tools;
    if (const char* path = std::getenv("PATH")) {
        tools.searchPath = path;
    }
    return tools;
}

std::string DesktopEntryText(const std::filesystem::path& executable)
{
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Corvane\n"
                       "Comment=Program and monitor data loggers\n"
                       "Exec=";
    text += ExecArgument(executable.string());
    text += " %f\n"
            "Icon=";
    text += kDesktopIconName;
    text += "\n"
            "MimeType=";
    text += kNetMimeType;
    text += ";\n"
            "Terminal=false\n"
            "Categories=Development;Engineering;\n";
    return text;
}

std::string MimePackageText()
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"";
    text += kNetMimeType;
    text += "\">\n"
            "    <comment>Corvane net file</comment>\n"
            "    <icon name=\"";
    text += kNetFileIconName;
    text += "\"/>\n"
            "    <glob pattern=\"*.nt3\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n";
    return text;
}

FileError RegisterNetFiles(
    const std::filesystem::path& dataHome, const std::filesystem::path& executable, const DesktopTools& tools)
{
    if (dataHome.empty()) {
        return {FileErrorKind::Failed, 0, "no data folder for the desktop files"};
    }
    // The icons come first, so that the entry never names a missing one.
    if (FileError error = WriteIcons(dataHome)) {
        return error;
    }
    bool mimeChanged = false;
    if (FileError error
        = WriteIfChanged(dataHome / "mime" / "packages" / kMimePackageName, MimePackageText(), &mimeChanged)) {
        return error;
    }
    bool entryChanged = false;
    if (FileError error
        = WriteIfChanged(dataHome / "applications" / kDesktopEntryName, DesktopEntryText(executable), &entryChanged)) {
        return error;
    }
    if (mimeChanged) {
        RunOptionalTool("update-mime-database", dataHome / "mime", tools);
    }
    if (entryChanged) {
        RunOptionalTool("update-desktop-database", dataHome / "applications", tools);
    }
    return {};
}

}  // namespace corvane
