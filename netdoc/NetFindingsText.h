#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The report of the net checks as the check and conversion dialogs show
// it: the heading, then every finding line (empty separator lines too)
// indented by five blanks, each line ended by "\r\n".
std::string NetFindingsText(std::string_view heading, std::span<const std::string> lines);

// The report with "\n" line ends, as the multi-line edit shows it.
std::string ToDisplayLineEnds(std::string_view text);

}  // namespace corvane
