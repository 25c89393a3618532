#include "data/LoggedDataLineBuilder.h"

#include "data/LoggedDataRenderer.h"

namespace corvane {
namespace {

constexpr std::string_view kRowEnd = "\r\n";

// Record texts may hold the characters that HTML gives a meaning to.
void AppendHtmlText(std::string& line, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': line.append("&amp;"); break;
        case '<': line.append("&lt;"); break;
        case '>': line.append("&gt;"); break;
        default: line.push_back(c); break;
        }
    }
}

}  // namespace

void LoggedDataLineBuilder::BeginRow(std::string& line) const
{
    if (mode_ == logrender::kModeHtml)
        line.append("<tr>");
}

void LoggedDataLineBuilder::AddCell(std::string& line, std::string_view text) const
{
    switch (mode_) {
    case logrender::kModeHtml:
        line.append("<td>");
        if (text.empty())
            line.append("<br>");
        else
            AppendHtmlText(line, text);
        line.append("</td>");
        break;
    case logrender::kModePadded:
        line.append(text);
        if (text.size() < kPaddedWidth)
            line.append(kPaddedWidth - text.size(), ' ');
        break;
    default:
        line.append(text);
        line.push_back(mode_);
        break;
    }
}

void LoggedDataLineBuilder::EndRow(std::string& line)
{
    if (mode_ == logrender::kModeHtml)
        line.append("</tr>");
    line.append(kRowEnd);
    ++rows_;
}

void LoggedDataLineBuilder::EmptyRow(std::string& line)
{
    BeginRow(line);
    if (mode_ == logrender::kModeHtml)
        AddCell(line, {});
    EndRow(line);
}

void LoggedDataLineBuilder::LabelRow(std::string& line, std::string_view label, std::string_view value)
{
    BeginRow(line);
    AddCell(line, label);
    AddCell(line, value);
    EndRow(line);
}

void LoggedDataLineBuilder::MessageRow(std::string& line, std::string_view text)
{
    BeginRow(line);
    AddCell(line, text);
    EndRow(line);
}

}  // namespace corvane
