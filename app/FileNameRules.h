#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class CConnectionDetails;
class CFolderOptions;
class MainFramePoster;

// Names for the logger's memory and the path splitting of net saves. Paths
// split on both '/' and '\'; lengths count characters (one byte each once
// the name is stored as record text).

enum LoggerFileNameResult : int {
    kLoggerFileNameUnchanged = 0,
    kLoggerFileNameShortened = -2,
    kLoggerFileNameUnusable = -1,
};

// The notice announcing a cut name: the name before the cut and its new
// maximum length.
std::string FormatFileNameCutNotice(std::string_view baseName, int maximum);

// Puts the base name and extension of sourcePath (the last dot starts the
// extension) into destination, cut so that the whole name has at most limit
// characters: a longer base name keeps its first limit - extension length
// characters. Returns 0 (unchanged), -2 (shortened) or -1 (no base name, or
// an extension that leaves no room for one; destination untouched). With
// notices, a cut is announced to the user through the main frame.
int MakeLoggerFileName(std::string& destination, std::string_view sourcePath, int limit, MainFramePoster* notices);

// The base name (at most 59 characters) followed by the extension (at most 4
// characters with the dot).
std::string GetFileNamePart(std::string_view path);
// Everything up to and with the last separator; empty when there is none.
std::string GetDirectoryPart(std::string_view path);

// The folder where files fetched from the logger for the page views are
// kept: the program's temporary folder followed by "NetCache/".
std::string GetNetCacheFolder(const CFolderOptions& folders);

inline constexpr std::string_view kVersionCompatibilityCaption = "Version Compatibility Warning";

// Null when compatible or when no logger is connected (loggerFirmware
// empty); otherwise the warning text. Versions are a.b.c.d words with a in
// the top byte; only a.b take part.
std::optional<std::string_view> CheckNetVersionCompatibility(std::uint32_t netFirst, std::uint32_t netSecond,
    std::optional<std::uint32_t> loggerFirmware, std::uint32_t programVersion);

// The same check for this program and the logger connected now.
std::optional<std::string> CheckNetVersionForConnection(
    const CConnectionDetails& connection, std::uint32_t netFirst, std::uint32_t netSecond);

}  // namespace corvane
