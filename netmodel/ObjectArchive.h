#pragma once

#include "netmodel/ObjectRecord.h"
#include "netmodel/RecordError.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

// One object of an archived object list: its class name and its record.
struct ArchivedObject {
    std::string className;
    ObjectRecord record;

    bool operator==(const ArchivedObject&) const = default;
};

// The object-list archive of a document:
//   count u16 (0xFFFF: then count u32)
//   per object: the class tag, then the 50-byte object record
//     new class:   u16 0xFFFF, u16 schema 0, u16 name length, name bytes
//     known class: u16 0x8000 | index, or u16 0x7FFF then u32 0x80000000 | index
//   u32 count of embedded items, 0
// Indices start at 1 and count classes and objects together, in the order
// they appear. Anything else, and bytes after the end, is refused.
std::variant<std::vector<ArchivedObject>, RecordError> ReadObjectArchive(std::span<const std::uint8_t> bytes);

std::vector<std::uint8_t> WriteObjectArchive(std::span<const ArchivedObject> objects);

}  // namespace corvane
