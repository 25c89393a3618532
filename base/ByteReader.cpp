#include "base/ByteReader.h"

namespace corvane {

std::string_view ByteReader::FixedText(std::size_t count, std::string_view field)
{
    std::span<const std::uint8_t> raw = Bytes(count, field);
    std::size_t length = 0;
    while (length < raw.size() && raw[length] != 0)
        ++length;
    return {reinterpret_cast<const char*>(raw.data()), length};
}

}  // namespace corvane
