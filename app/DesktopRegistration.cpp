#include "app/DesktopRegistration.h"

#include "base/AtomicFile.h"

#include <cstdlib>
#include <system_error>

namespace corvane {
namespace {

constexpr std::size_t kMaxExistingBytes = 64 * 1024;

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

FileError WriteIfChanged(const std::filesystem::path& path, const std::string& text)
{
    const FileContents existing = ReadWholeFile(path, kMaxExistingBytes);
    if (!existing.error && std::string(existing.bytes.begin(), existing.bytes.end()) == text) {
        return {};
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return {FileErrorKind::Failed, error.value(), error.message()};
    }
    return WriteFileAtomically(path, text);
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

std::string DesktopEntryText(const std::filesystem::path& executable)
{
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Corvane\n"
                       "Comment=Program and monitor data loggers\n"
                       "Exec=";
    text += ExecArgument(executable.string());
    text += " %f\n"
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
            "    <glob pattern=\"*.nt3\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n";
    return text;
}

FileError RegisterNetFiles(const std::filesystem::path& dataHome, const std::filesystem::path& executable)
{
    if (dataHome.empty()) {
        return {FileErrorKind::Failed, 0, "no data folder for the desktop files"};
    }
    if (FileError error = WriteIfChanged(dataHome / "mime" / "packages" / kMimePackageName, MimePackageText())) {
        return error;
    }
    return WriteIfChanged(dataHome / "applications" / kDesktopEntryName, DesktopEntryText(executable));
}

}  // namespace corvane
