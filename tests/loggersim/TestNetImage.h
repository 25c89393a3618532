#pragma once

#include "base/ByteWriter.h"
#include "base/Crc32.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace corvane::test {

// A net image of size bytes (at least 102) as the logger checks it: the
// length field, a Program icon record holding name (record offset 12) and
// description (record offset 72) and patterned bytes after them, then the
// CRC most significant byte first.
inline std::vector<std::uint8_t> MakeTestNetImage(
    std::size_t size, std::string_view name = "Pump Station", std::string_view description = "Two pumps")
{
    std::vector<std::uint8_t> image(size, 0);
    for (std::size_t i = 98; i < size; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    ByteWriter writer(image);
    writer.U32LE(static_cast<std::uint32_t>(size));
    writer.U16LE(static_cast<std::uint16_t>(size - 8));
    writer.Seek(8);
    writer.U16LE(1);
    writer.Seek(16);
    writer.FixedText(name, 21);
    writer.Seek(76);
    writer.FixedText(description, 22);
    writer.Seek(size - 4);
    writer.U32BE(Crc32(std::span(image).first(size - 4)));
    return image;
}

}  // namespace corvane::test
