#pragma once

#include <filesystem>
#include <string>

namespace corvane {

// A path in single quotes, as messages about files show it.
inline std::string QuotedPath(const std::filesystem::path& path)
{
    // Built by appending: g++ 12 at -O3 warns falsely (-Wrestrict) about
    // "'" + std::string.
    std::string quoted(1, '\'');
    quoted.append(path.string());
    quoted.push_back('\'');
    return quoted;
}

}  // namespace corvane
