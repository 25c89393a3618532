#include "netdoc/NetFindingsText.h"

namespace corvane {

namespace {

constexpr std::string_view kIndent = "     ";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string NetFindingsText(std::string_view heading, std::span<const std::string> lines)
{
    std::string text(heading);
    text += kLineEnd;
    for (const std::string& line : lines) {
        text += kIndent;
        text += line;
        text += kLineEnd;
    }
    return text;
}

std::string ToDisplayLineEnds(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            shown += text[i];
    return shown;
}

}  // namespace corvane
