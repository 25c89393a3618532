#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The key of the legal notice among the program's version strings.
inline constexpr std::string_view kLegalNoticeKey = "LegalCopyright";

// The program's version strings by their standard keys ("ProductName",
// "FileVersion", ...; ASCII case ignored): the versions come from the
// build's shared version header. Empty for a key the program does not
// define.
std::string ProgramVersionString(std::string_view key);

}  // namespace corvane
