#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class NoticeSink;

// Icon texts that show input values keep a marker "^<n>" where the user
// typed a printf-style format for input n; these turn one into the
// other.

struct ParsedInputFormat {
    bool isFormat = false;     // a valid format was replaced by its marker
    std::size_t consumed = 0;  // characters of the text taken (0: copy the '%' as text)
    int width = 0;
    int precision = 0;
};

// Reads the format at the start of text, which must begin with
// '%'. "%%" appends one '%'. A numeric value takes a width of one or two
// digits (not 0) followed by "l" and one letter, or by "." a precision of
// one or two digits and 'f' or 'g'; a text value takes "s". A valid one
// appends '^' and the value index (never for index -1).
ParsedInputFormat ParseFormatSpec(std::string_view text, std::string& out, bool numeric, int valueIndex);

// Appends the printf format of input n: "%s" for text; for a
// number "%<width>.0f", or "%<width + precision>.<precision>f". A number
// whose width is 0 gets a lone '%' and the notice "The format for <icon>
// input #<n> was left blank".
void WriteInputFormat(int inputNumber, bool numeric, int width, int precision, std::string& out,
    std::string_view iconName, NoticeSink* notices);

// Turns an icon text back into a format string, doubling each '%'. With an
// end, the text up to it is copied and input n's format appended
// (unless n is -1). Without one, the copy stops at a carriage return and
// "^" and the character after it become input n's format.
void ExpandTextTemplate(std::string_view text, std::optional<std::size_t> end, std::string& out, int inputNumber,
    int width, int precision, bool numeric, std::string_view iconName, NoticeSink* notices);

}  // namespace corvane
