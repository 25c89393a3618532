#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

class ByteReader;
class ByteWriter;

// The stored form of a drawn net object, 50 bytes, little-endian, packed:
//
//   0 i32 left     4 i32 top      8 i32 right    12 i32 bottom
//  16 u16 type    18 u16 pen on
//  20 u32 pen style   24 i32 pen width x   28 i32 pen width y   32 u32 pen colour
//  36 u16 brush on
//  38 u32 brush style 42 u32 brush colour  46 u32 brush hatch
inline constexpr std::size_t kObjectRecordSize = 50;
inline constexpr std::size_t kObjectLeftOffset = 0;
inline constexpr std::size_t kObjectTopOffset = 4;
inline constexpr std::size_t kObjectRightOffset = 8;
inline constexpr std::size_t kObjectBottomOffset = 12;
inline constexpr std::size_t kObjectTypeOffset = 16;
inline constexpr std::size_t kObjectPenOnOffset = 18;
inline constexpr std::size_t kObjectPenStyleOffset = 20;
inline constexpr std::size_t kObjectPenWidthXOffset = 24;
inline constexpr std::size_t kObjectPenWidthYOffset = 28;
inline constexpr std::size_t kObjectPenColourOffset = 32;
inline constexpr std::size_t kObjectBrushOnOffset = 36;
inline constexpr std::size_t kObjectBrushStyleOffset = 38;
inline constexpr std::size_t kObjectBrushColourOffset = 42;
inline constexpr std::size_t kObjectBrushHatchOffset = 46;

// The record's values; the defaults are those of a new object (inside-frame
// pen one pixel wide, solid light grey brush).
struct ObjectRecord {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::uint16_t type = 0;
    std::uint16_t penOn = 1;
    std::uint32_t penStyle = 6;
    std::int32_t penWidthX = 1;
    std::int32_t penWidthY = 1;
    std::uint32_t penColour = 0;
    std::uint16_t brushOn = 1;
    std::uint32_t brushStyle = 0;
    std::uint32_t brushColour = 0xC0C0C0;
    std::uint32_t brushHatch = 0;

    bool operator==(const ObjectRecord&) const = default;
};

// Reads 50 bytes at the reader's position; a short buffer leaves the
// failure in the reader and the record partly filled.
ObjectRecord ReadObjectRecord(ByteReader& reader);
// Writes 50 bytes at the writer's position; a failure stays in the writer.
void WriteObjectRecord(ByteWriter& writer, const ObjectRecord& record);

}  // namespace corvane
