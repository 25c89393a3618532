#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Execute strings are the commands one instance of the program sends to the
// running one through the single-instance channel, and that the desktop
// hands over for a file the user opens: `[open("/path/to/file.nt3")]`.

// The path of an open command. Whitespace around the command is ignored;
// the path is everything between `[open("` and the final `")]`, taken as
// it is (file names may hold quotes and brackets). An empty path, a path
// holding a zero byte, and every other text give nullopt.
std::optional<std::string> ParseExecuteString(std::string_view text);

// The open command for a path, as ParseExecuteString reads it back.
std::string FormatOpenExecuteString(std::string_view path);

}  // namespace corvane
