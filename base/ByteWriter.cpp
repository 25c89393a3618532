#include "base/ByteWriter.h"

#include <algorithm>

namespace corvane {

bool ByteWriter::Bytes(std::span<const std::uint8_t> data, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(data.size(), field);
    std::copy(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(out.size()), out.begin());
    return !Failed();
}

bool ByteWriter::Zeros(std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    return !Failed();
}

bool ByteWriter::FixedText(std::string_view text, std::size_t count, std::string_view field)
{
    std::span<std::uint8_t> out = Claim(count, field);
    std::size_t length = std::min(text.size(), out.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = i < length ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
    return !Failed();
}

}  // namespace corvane
