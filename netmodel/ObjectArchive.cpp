#include "netmodel/ObjectArchive.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string_view>

namespace corvane {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kClassTagBit = 0x8000;
constexpr std::uint32_t kBigClassTagBit = 0x80000000;
constexpr std::uint16_t kBigCount = 0xFFFF;
// The smallest object: a two-byte class tag and its record.
constexpr std::size_t kMinObjectSize = 2 + kObjectRecordSize;

// A class name as stored: its length must fit the u16 length field.
std::string_view StoredName(const std::string& name)
{
    return std::string_view(name).substr(0, 0xFFFF);
}

RecordError Refuse(RecordErrorKind kind, std::size_t offset, std::string field)
{
    return RecordError{kind, offset, std::move(field)};
}

}  // namespace

std::variant<std::vector<ArchivedObject>, RecordError> ReadObjectArchive(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    std::size_t count = reader.U16LE("object count");
    if (count == kBigCount) {
        count = reader.U32LE("object count");
    }
    if (reader.Failed()) {
        return RecordErrorFromByteError(reader.Error());
    }
    if (count > reader.Remaining() / kMinObjectSize) {
        return Refuse(RecordErrorKind::BadCount, 0, "object count");
    }

    // Entry n (from 1) of the index table: a class name, or nothing for an object.
    std::vector<std::optional<std::string>> entries;
    std::vector<ArchivedObject> objects;
    objects.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t tagOffset = reader.Offset();
        const std::uint16_t tag = reader.U16LE("class tag");
        std::string className;
        if (tag == kNewClassTag) {
            const std::size_t schemaOffset = reader.Offset();
            if (reader.U16LE("schema") != 0 && !reader.Failed()) {
                return Refuse(RecordErrorKind::BadValue, schemaOffset, "schema");
            }
            const std::size_t lengthOffset = reader.Offset();
            const std::uint16_t nameLength = reader.U16LE("class name length");
            if (nameLength == 0 && !reader.Failed()) {
                return Refuse(RecordErrorKind::BadLength, lengthOffset, "class name length");
            }
            className = std::string(reader.FixedText(nameLength, "class name"));
            if (!reader.Failed() && className.size() != nameLength) {
                return Refuse(RecordErrorKind::BadValue, lengthOffset + 2, "class name");
            }
            entries.emplace_back(className);
        } else {
            std::uint32_t index = 0;
            if (tag == kBigTag) {
                const std::uint32_t bigTag = reader.U32LE("class index");
                if ((bigTag & kBigClassTagBit) == 0 && !reader.Failed()) {
                    return Refuse(RecordErrorKind::BadValue, tagOffset, "class tag");
                }
                index = bigTag & ~kBigClassTagBit;
            } else if ((tag & kClassTagBit) != 0) {
                index = tag & 0x7FFFu;
            } else {
                return Refuse(RecordErrorKind::BadValue, tagOffset, "class tag");
            }
            if (reader.Failed()) {
                return RecordErrorFromByteError(reader.Error());
            }
            if (index == 0 || index > entries.size() || !entries[index - 1]) {
                return Refuse(RecordErrorKind::BadValue, tagOffset, "class index");
            }
            className = *entries[index - 1];
        }
        ObjectRecord record = ReadObjectRecord(reader);
        if (reader.Failed()) {
            return RecordErrorFromByteError(reader.Error());
        }
        entries.emplace_back(std::nullopt);
        objects.push_back(ArchivedObject{std::move(className), record});
    }

    const std::size_t itemsOffset = reader.Offset();
    const std::uint32_t items = reader.U32LE("embedded item count");
    if (reader.Failed()) {
        return RecordErrorFromByteError(reader.Error());
    }
    if (items != 0) {
        return Refuse(RecordErrorKind::BadCount, itemsOffset, "embedded item count");
    }
    if (reader.Remaining() != 0) {
        return Refuse(RecordErrorKind::BadLength, reader.Offset(), "end of archive");
    }
    return objects;
}

std::vector<std::uint8_t> WriteObjectArchive(std::span<const ArchivedObject> objects)
{
    // First pass: each object's tag (0 for a new class) and the total size.
    std::map<std::string, std::uint32_t> classIndex;
    std::vector<std::uint32_t> tags;
    tags.reserve(objects.size());
    std::uint32_t nextIndex = 1;
    std::size_t size = (objects.size() < kBigCount ? std::size_t{2} : std::size_t{6}) + 4;
    for (const ArchivedObject& object : objects) {
        const std::string name(StoredName(object.className));
        const auto known = classIndex.find(name);
        if (known == classIndex.end()) {
            classIndex.emplace(name, nextIndex++);
            tags.push_back(0);
            size += 6 + name.size();
        } else {
            tags.push_back(known->second);
            size += known->second < kBigTag ? std::size_t{2} : std::size_t{6};
        }
        ++nextIndex;
        size += kObjectRecordSize;
    }

    std::vector<std::uint8_t> bytes(size, 0);
    ByteWriter writer(bytes);
    if (objects.size() < kBigCount) {
        writer.U16LE(static_cast<std::uint16_t>(objects.size()), "object count");
    } else {
        writer.U16LE(kBigCount, "object count");
        writer.U32LE(static_cast<std::uint32_t>(objects.size()), "object count");
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const std::uint32_t index = tags[i];
        if (index == 0) {
            writer.U16LE(kNewClassTag, "class tag");
            writer.U16LE(0, "schema");
            const std::string_view name = StoredName(objects[i].className);
            writer.U16LE(static_cast<std::uint16_t>(name.size()), "class name length");
            writer.FixedText(name, name.size(), "class name");
        } else if (index < kBigTag) {
            writer.U16LE(static_cast<std::uint16_t>(kClassTagBit | index), "class tag");
        } else {
            writer.U16LE(kBigTag, "class tag");
            writer.U32LE(kBigClassTagBit | index, "class index");
        }
        WriteObjectRecord(writer, objects[i].record);
    }
    writer.U32LE(0, "embedded item count");
    return bytes;
}

}  // namespace corvane
