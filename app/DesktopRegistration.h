#pragma once

#include "base/FileError.h"

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// The desktop's knowledge of net files: a MIME type for "*.nt3" with an
// icon of its own, and a desktop entry with the program's icon that opens
// such files with this program.
inline constexpr std::string_view kNetMimeType = "application/x-corvane-net";
inline constexpr std::string_view kDesktopEntryName = "corvane.desktop";
inline constexpr std::string_view kMimePackageName = "corvane-net.xml";
inline constexpr std::string_view kDesktopIconName = "corvane";
// The MIME type with '/' as '-', the name the desktop looks for by default.
inline constexpr std::string_view kNetFileIconName = "application-x-corvane-net";
// The icon sizes installed, as folders icons/hicolor/<n>x<n>/.
inline constexpr std::array<int, 6> kDesktopIconSizes = {16, 32, 48, 64, 128, 256};

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share;
// empty when neither is usable.
std::filesystem::path DesktopDataHome(std::string_view xdgDataHome, std::string_view home);
std::filesystem::path DesktopDataHomeOfProcess();

// Where the desktop database tools ("update-mime-database",
// "update-desktop-database") are looked for, and how long each may run
// before it is ended. Without them the desktop picks the files up later.
struct DesktopTools {
    std::string searchPath;  // like PATH; empty entries (the current folder) are skipped
    std::chrono::milliseconds bound{10000};

    static DesktopTools FromProcess();
};

// The files' contents.
std::string DesktopEntryText(const std::filesystem::path& executable);
std::string MimePackageText();

// Writes the icons (dataHome/icons/hicolor/<n>x<n>/apps/corvane.png and
// .../mimetypes/application-x-corvane-net.png at each size),
// dataHome/mime/packages/corvane-net.xml and
// dataHome/applications/corvane.desktop atomically, each only when its
// contents differ. When the MIME package changed, runs
// "update-mime-database dataHome/mime", and when the desktop entry changed,
// "update-desktop-database dataHome/applications", if the tools are found;
// their failures are ignored. The first failure to write is returned.
FileError RegisterNetFiles(
    const std::filesystem::path& dataHome, const std::filesystem::path& executable, const DesktopTools& tools);

}  // namespace corvane
