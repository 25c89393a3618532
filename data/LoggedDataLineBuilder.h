#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Lays out the renderer's text rows in its output mode: cells followed by a
// separator character, cells padded to 35 characters, or HTML table rows.
// Rows end with CR LF. Appends to the caller's line and counts ended rows.
class LoggedDataLineBuilder {
public:
    static constexpr std::size_t kPaddedWidth = 35;

    explicit LoggedDataLineBuilder(char mode) : mode_(mode) {}

    void BeginRow(std::string& line) const;
    void AddCell(std::string& line, std::string_view text) const;
    void EndRow(std::string& line);

    void EmptyRow(std::string& line);
    void LabelRow(std::string& line, std::string_view label, std::string_view value);
    void MessageRow(std::string& line, std::string_view text);

    std::size_t Rows() const { return rows_; }

private:
    char mode_;
    std::size_t rows_ = 0;
};

}  // namespace corvane
