#include "app/FileNameRules.h"

#include "app/CFolderOptions.h"
#include "comms/CConnectionDetails.h"
#include "comms/ProgramVersion.h"
#include "comms/MainFrameMessages.h"
#include "comms/MainFramePoster.h"

#include <memory>

namespace corvane {

namespace {

constexpr std::size_t kFileNamePartBaseMax = 59;
constexpr std::size_t kFileNamePartExtensionMax = 4;

constexpr std::string_view kIncompatibleNetText
    = "This Program Net may be incompatible with the current version of  Corvane III and/or Fennavox firmware.  "
      "Incompatible Program Nets may result in incomprehensible error messages and icon settings.  It is not always "
      "possible to rectify a Program Net for compatibility and a Net rebuild may be necessary.\n\nIt may be possible "
      "to upload this Program Net into the Fennavox however, proper icon settings and operation of the Program Net "
      "should be verified before deploying the instrument.\n\nView the Global Icon dialog for version details.";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The part after the last separator (and after a drive such as "C:").
std::string_view FileNameOf(std::string_view path)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (IsSeparator(path[i]))
            start = i + 1;
    if (start == 0 && path.size() >= 2 && path[1] == ':')
        start = 2;
    return path.substr(start);
}

struct SplitName {
    std::string_view base;
    std::string_view extension;  // with its dot
};

SplitName SplitFileName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {name, {}};
    return {name.substr(0, dot), name.substr(dot)};
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters of UTF-8 text (each one byte once stored as record text).
std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        if (!IsContinuationByte(c))
            ++count;
    return count;
}

// The first count characters of UTF-8 text, never splitting a character.
std::string_view FirstCharacters(std::string_view text, std::size_t count)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            if (seen == count)
                return text.substr(0, i);
            ++seen;
        }
    }
    return text;
}

}  // namespace

std::string FormatFileNameCutNotice(std::string_view baseName, int maximum)
{
    return "The file name (" + std::string(baseName) + ") will be truncated to " + std::to_string(maximum)
        + " characters max when saved to Ombrelix memory..\n";
}

int MakeLoggerFileName(std::string& destination, std::string_view sourcePath, int limit, MainFramePoster* notices)
{
    const SplitName name = SplitFileName(FileNameOf(sourcePath));
    if (name.base.empty())
        return kLoggerFileNameUnusable;
    const auto baseLength = static_cast<std::int64_t>(CharacterCount(name.base));
    const auto extensionLength = static_cast<std::int64_t>(CharacterCount(name.extension));
    if (baseLength + extensionLength <= limit) {
        destination = std::string(name.base) + std::string(name.extension);
        return kLoggerFileNameUnchanged;
    }
    const std::int64_t keep = limit - extensionLength;
    if (keep <= 0)
        return kLoggerFileNameUnusable;
    if (notices != nullptr)
        notices->PostToMainFrame(kShowNoticeMessage, kNoticeCaptionWarning,
            std::make_unique<ValuePayload<std::string>>(FormatFileNameCutNotice(name.base, limit - 1)));
    destination = std::string(FirstCharacters(name.base, static_cast<std::size_t>(keep))) + std::string(name.extension);
    return kLoggerFileNameShortened;
}

std::string GetFileNamePart(std::string_view path)
{
    const SplitName name = SplitFileName(FileNameOf(path));
    return std::string(FirstCharacters(name.base, kFileNamePartBaseMax))
        + std::string(FirstCharacters(name.extension, kFileNamePartExtensionMax));
}

std::string GetDirectoryPart(std::string_view path)
{
    const std::string_view name = FileNameOf(path);
    return std::string(path.substr(0, path.size() - name.size()));
}

std::string GetNetCacheFolder(const CFolderOptions& folders) { return folders.GetTempFolder() + "NetCache/"; }

std::optional<std::string_view> CheckNetVersionCompatibility(std::uint32_t netFirst, std::uint32_t netSecond,
    std::optional<std::uint32_t> loggerFirmware, std::uint32_t programVersion)
{
    if (!loggerFirmware)
        return std::nullopt;
    const auto majorMinor = [](std::uint32_t word) { return word >> 16; };
    const std::uint32_t firmware = majorMinor(*loggerFirmware);
    if (firmware == majorMinor(programVersion) && firmware == majorMinor(netFirst)
        && majorMinor(programVersion) == majorMinor(netSecond))
        return std::nullopt;
    return kIncompatibleNetText;
}

std::optional<std::string> CheckNetVersionForConnection(
    const CConnectionDetails& connection, std::uint32_t netFirst, std::uint32_t netSecond)
{
    const std::optional<std::uint32_t> firmware
        = connection.IsConnected() ? std::optional(connection.GetFirmwareVersion()) : std::nullopt;
    if (auto warning = CheckNetVersionCompatibility(netFirst, netSecond, firmware, GetProgramVersion()))
        return std::string(*warning);
    return std::nullopt;
}

}  // namespace corvane
