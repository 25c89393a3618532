#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// One row of a saved diagnostic file: the event time text and the event
// text, in the file's 8-bit characters.
struct DiagnosticFileRow {
    std::string time;
    std::string description;
};

// Reads the rows of a saved diagnostic file (".dlf") line by line: of each
// line at most kMaxLineCharacters characters count (the rest of a longer
// line is skipped, never made a row of its own), the first
// kTimeCharacters are the time and the text from kDescriptionOffset on the
// description (empty for a shorter line). A line ends at "\n" or "\r\n";
// a last line without its end is a row too.
class DiagnosticFileReader {
public:
    static constexpr std::size_t kMaxLineCharacters = 254;
    static constexpr std::size_t kTimeCharacters = 24;
    static constexpr std::size_t kDescriptionOffset = 26;

    explicit DiagnosticFileReader(std::istream& in) : in_(in) {}

    // The next row; nothing at the end of the file or after a read error.
    std::optional<DiagnosticFileRow> Next();
    // Every character taken from the file so far, line ends included.
    std::uint64_t CharactersRead() const { return charactersRead_; }
    // The file could not be read to its end.
    bool Failed() const { return failed_; }

    // The row of one line (without its line end).
    static DiagnosticFileRow SplitLine(std::string_view line);

private:
    std::istream& in_;
    std::string line_;
    std::uint64_t charactersRead_ = 0;
    bool failed_ = false;
    bool ended_ = false;
};

}  // namespace corvane
