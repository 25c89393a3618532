#include "data/DiagnosticFileReader.h"

#include <algorithm>

namespace corvane {

std::optional<DiagnosticFileRow> DiagnosticFileReader::Next()
{
    if (ended_)
        return std::nullopt;
    std::streambuf* source = in_.rdbuf();
    if (source == nullptr) {
        ended_ = true;
        failed_ = true;
        return std::nullopt;
    }
    line_.clear();
    bool any = false;
    try {
        for (;;) {
            const int c = source->sbumpc();
            if (c == std::char_traits<char>::eof()) {
                ended_ = true;
                break;
            }
            any = true;
            ++charactersRead_;
            if (c == '\n')
                break;
            // One character past the limit is kept so that a "\r" before
            // the line end can still be told from the line's own text.
            if (line_.size() <= kMaxLineCharacters)
                line_.push_back(static_cast<char>(c));
        }
    } catch (...) {
        ended_ = true;
        failed_ = true;
        return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    if (line_.size() > kMaxLineCharacters)
        line_.resize(kMaxLineCharacters);
    return SplitLine(line_);
}

DiagnosticFileRow DiagnosticFileReader::SplitLine(std::string_view line)
{
    DiagnosticFileRow row;
    row.time = std::string(line.substr(0, std::min(line.size(), kTimeCharacters)));
    if (line.size() > kDescriptionOffset)
        row.description = std::string(line.substr(kDescriptionOffset));
    return row;
}

}  // namespace corvane
