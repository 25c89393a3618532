#include "controls/FileNameChars.h"

namespace corvane {

namespace {

constexpr std::string_view kPlainChars = "-+_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kWithSpacesChars = "-+_~ 0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

}  // namespace

std::string_view AllowedFileNameChars(int kind)
{
    switch (kind) {
    case static_cast<int>(FileNameCharSet::kPlain):
        return kPlainChars;
    case static_cast<int>(FileNameCharSet::kWithSpaces):
        return kWithSpacesChars;
    default:
        return {};
    }
}

std::optional<std::size_t> FindInvalidFileNameChar(std::string_view text, int kind)
{
    const std::string_view allowed = AllowedFileNameChars(kind);
    if (allowed.empty())
        return std::nullopt;
    const std::size_t position = text.find_first_not_of(allowed);
    if (position == std::string_view::npos)
        return std::nullopt;
    return position;
}

bool IsFileNameChar(char32_t c, int kind)
{
    if (c >= 0x80)
        return false;
    return AllowedFileNameChars(kind).find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace corvane
