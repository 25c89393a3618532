#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Context help is a folder of local HTML pages, one per help id, named by
// the id in eight lower-case hexadecimal digits ("00020064.html"). These
// find the page; the toolkit sink opens it or tells the user the topic.

// The help folder: helpDirVariable (the value of $CORVANE_HELP_DIR) when
// it is not empty, else share/corvane/help beside the program's folder
// (programFolder/../share/corvane/help). Empty when neither is known.
std::filesystem::path HelpFolder(std::string_view helpDirVariable, const std::filesystem::path& programFolder);

// "00020064.html" for 0x20064.
std::string HelpPageName(std::uint32_t helpId);

// The page of helpId in folder when it is a regular file (or a link to
// one); the upper-case spelling of the name ("0002ABCD.html") is found too.
// Never throws: an unreadable folder means no page.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& folder, std::uint32_t helpId);

// What the user is told when there is no page: "No help page is installed
// for topic 0x00020064."
std::string MissingHelpText(std::uint32_t helpId);
// ... and when the page exists but could not be opened.
std::string UnopenedHelpText(std::uint32_t helpId, const std::filesystem::path& page);

}  // namespace corvane
