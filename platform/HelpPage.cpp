#include "platform/HelpPage.h"

#include <array>
#include <cstdio>
#include <system_error>

namespace corvane {

namespace {

std::string Hex8(std::uint32_t value, bool upper)
{
    std::array<char, 9> digits{};
    std::snprintf(digits.data(), digits.size(), upper ? "%08X" : "%08x", static_cast<unsigned>(value));
    return digits.data();
}

bool IsRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path HelpFolder(std::string_view helpDirVariable, const std::filesystem::path& programFolder)
{
    if (!helpDirVariable.empty())
        return std::filesystem::path(helpDirVariable);
    if (programFolder.empty())
        return {};
    return (programFolder / ".." / "share" / "corvane" / "help").lexically_normal();
}

std::string HelpPageName(std::uint32_t helpId) { return Hex8(helpId, false) + ".html"; }

std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& folder, std::uint32_t helpId)
{
    if (folder.empty())
        return std::nullopt;
    for (const bool upper : {false, true}) {
        std::filesystem::path page = folder / (Hex8(helpId, upper) + ".html");
        if (IsRegularFile(page))
            return page;
    }
    return std::nullopt;
}

std::string MissingHelpText(std::uint32_t helpId)
{
    return "No help page is installed for topic 0x" + Hex8(helpId, true) + ".";
}

std::string UnopenedHelpText(std::uint32_t helpId, const std::filesystem::path& page)
{
    return "The help page for topic 0x" + Hex8(helpId, true) + " could not be opened: " + page.string() + ".";
}

}  // namespace corvane
