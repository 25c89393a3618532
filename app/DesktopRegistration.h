#pragma once

#include "base/FileError.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// The desktop's knowledge of net files: a MIME type for "*.nt3" and a
// desktop entry that opens such files with this program.
inline constexpr std::string_view kNetMimeType = "application/x-corvane-net";
inline constexpr std::string_view kDesktopEntryName = "corvane.desktop";
inline constexpr std::string_view kMimePackageName = "corvane-net.xml";

// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share;
// empty when neither is usable.
std::filesystem::path DesktopDataHome(std::string_view xdgDataHome, std::string_view home);
std::filesystem::path DesktopDataHomeOfProcess();

// The files' contents.
std::string DesktopEntryText(const std::filesystem::path& executable);
std::string MimePackageText();

// Writes dataHome/applications/corvane.desktop and
// dataHome/mime/packages/corvane-net.xml atomically, each only when its
// contents differ. The first failure is returned.
FileError RegisterNetFiles(const std::filesystem::path& dataHome, const std::filesystem::path& executable);

}  // namespace corvane
