#include "app/ProgramVersionStrings.h"

#include "base/ProgramFileVersion.h"

#include <array>
#include <utility>

namespace corvane {

namespace {

bool SameKey(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kStrings = {{
    {"ProductName", "Corvane"},
    {"ProductVersion", kProgramFileVersion},
    {"CompanyName", "Tarnwick"},
    {kLegalNoticeKey, "Copyright (C) Tarnwick. All rights reserved."},
    {"FileDescription", "Corvane"},
    {"FileVersion", kProgramFileVersion},
    {"InternalName", "corvane"},
}};

}  // namespace

std::string ProgramVersionString(std::string_view key)
{
    for (const auto& [name, value] : kStrings) {
        if (SameKey(name, key))
            return std::string(value);
    }
    return {};
}

}  // namespace corvane
