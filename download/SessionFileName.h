#pragma once

#include <cstdint>
#include <filesystem>

namespace corvane {

// The output file of one of several downloaded sessions: the chosen path
// with "_YYMMDD_HHMMSS" (the session's start in the PC's local time) put
// before the extension of the file name, or after a name without one.
// Folder names are never touched.
std::filesystem::path MakeSessionFileName(const std::filesystem::path& chosen, std::uint32_t startSeconds);

}  // namespace corvane
