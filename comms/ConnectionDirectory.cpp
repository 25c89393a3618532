#include "comms/ConnectionDirectory.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

// File header: version (4), entry count (4), last connection name (32).
constexpr std::size_t kVersionOffset = 0;
constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kLastConnectionOffset = 8;
constexpr std::size_t kLastConnectionSize = 32;

// Entry: name (32), USB port name (32), reserved (16), kind (4),
// COM index (4), address (256), IP port (4).
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kNameSize = 32;
constexpr std::size_t kUsbPortNameOffset = 32;
constexpr std::size_t kUsbPortNameSize = 32;
constexpr std::size_t kReservedOffset = 64;
constexpr std::size_t kKindOffset = 80;
constexpr std::size_t kComIndexOffset = 84;
constexpr std::size_t kAddressOffset = 88;
constexpr std::size_t kAddressSize = 256;
constexpr std::size_t kIpPortOffset = 344;

static_assert(kIpPortOffset + 4 == OM_DIRECTORY_ENTRY::kSize);
static_assert(kLastConnectionOffset + kLastConnectionSize == ConnectionDirectory::kHeaderSize);
static_assert(kReservedOffset + OM_DIRECTORY_ENTRY::kReservedSize == kKindOffset);

// A text field as the program holds it: at most maxBytes Windows-1252
// bytes (the field less its terminator), in UTF-8.
std::string ReadText(ByteReader& reader, std::size_t fieldSize, std::size_t maxBytes, std::string_view field)
{
    std::string_view raw = reader.FixedText(fieldSize, field);
    return Cp1252ToUtf8(raw.substr(0, std::min(raw.size(), maxBytes)));
}

void WriteText(
    ByteWriter& writer, std::string_view text, std::size_t fieldSize, std::size_t maxBytes, std::string_view field)
{
    writer.FixedText(Utf8ToCp1252(text, maxBytes), fieldSize, field);
}

OM_DIRECTORY_ENTRY ReadEntry(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    OM_DIRECTORY_ENTRY entry;
    reader.Seek(kNameOffset);
    entry.name = ReadText(reader, kNameSize, OM_DIRECTORY_ENTRY::kMaxNameBytes, "connection name");
    reader.Seek(kUsbPortNameOffset);
    entry.usbPortName = ReadText(reader, kUsbPortNameSize, OM_DIRECTORY_ENTRY::kMaxUsbPortNameBytes, "USB port name");
    reader.Seek(kReservedOffset);
    std::span<const std::uint8_t> reserved = reader.Bytes(OM_DIRECTORY_ENTRY::kReservedSize, "reserved");
    std::copy(reserved.begin(), reserved.end(), entry.reserved.begin());
    reader.Seek(kKindOffset);
    entry.kind = reader.I32LE("connection kind");
    reader.Seek(kComIndexOffset);
    entry.comIndex = reader.I32LE("COM index");
    reader.Seek(kAddressOffset);
    entry.address = ReadText(reader, kAddressSize, OM_DIRECTORY_ENTRY::kMaxAddressBytes, "address");
    reader.Seek(kIpPortOffset);
    entry.ipPort = reader.I32LE("IP port");
    return entry;
}

void WriteEntry(std::span<std::uint8_t> bytes, const OM_DIRECTORY_ENTRY& entry)
{
    ByteWriter writer(bytes);
    writer.Seek(kNameOffset);
    WriteText(writer, entry.name, kNameSize, OM_DIRECTORY_ENTRY::kMaxNameBytes, "connection name");
    writer.Seek(kUsbPortNameOffset);
    WriteText(writer, entry.usbPortName, kUsbPortNameSize, OM_DIRECTORY_ENTRY::kMaxUsbPortNameBytes, "USB port name");
    writer.Seek(kReservedOffset);
    writer.Bytes(entry.reserved, "reserved");
    writer.Seek(kKindOffset);
    writer.I32LE(entry.kind, "connection kind");
    writer.Seek(kComIndexOffset);
    writer.I32LE(entry.comIndex, "COM index");
    writer.Seek(kAddressOffset);
    WriteText(writer, entry.address, kAddressSize, OM_DIRECTORY_ENTRY::kMaxAddressBytes, "address");
    writer.Seek(kIpPortOffset);
    writer.I32LE(entry.ipPort, "IP port");
}

}  // namespace

DirectoryRead ConnectionDirectory::Read(std::span<const std::uint8_t> bytes)
{
    lastConnection_.clear();
    entries_.clear();
    DirectoryRead result;
    if (bytes.empty())
        return result;

    ByteReader reader(bytes);
    reader.Seek(kVersionOffset);
    std::int32_t version = reader.I32LE("version");
    reader.Seek(kCountOffset);
    std::uint32_t count = reader.U32LE("entry count");
    reader.Seek(kLastConnectionOffset);
    std::string lastConnection = ReadText(reader, kLastConnectionSize, kMaxLastConnectionBytes, "last connection name");
    if (reader.Failed()) {
        result.status = DirectoryReadStatus::Malformed;
        result.error = reader.Error();
        return result;
    }
    result.version = version;
    result.declaredCount = count;
    if (version != kVersion) {
        result.status = DirectoryReadStatus::Obsolete;
        return result;
    }

    result.status = DirectoryReadStatus::Read;
    lastConnection_ = std::move(lastConnection);
    // The count is only believed as far as the file goes.
    std::size_t whole = reader.Remaining() / OM_DIRECTORY_ENTRY::kSize;
    std::size_t wanted = std::min<std::size_t>(count, whole);
    entries_.reserve(wanted);
    for (std::size_t i = 0; i < wanted; ++i)
        entries_.push_back(ReadEntry(reader.Bytes(OM_DIRECTORY_ENTRY::kSize, "entry")));
    if (wanted < count && reader.Remaining() > 0) {
        // The next entry starts but does not end: leave it out and say so.
        reader.Bytes(OM_DIRECTORY_ENTRY::kSize, "entry");
        result.error = reader.Error();
    }
    return result;
}

std::vector<std::uint8_t> ConnectionDirectory::Build() const
{
    std::vector<std::uint8_t> bytes(kHeaderSize + OM_DIRECTORY_ENTRY::kSize * entries_.size(), 0);
    std::span<std::uint8_t> all(bytes);
    ByteWriter writer(all.first(kHeaderSize));
    writer.Seek(kVersionOffset);
    writer.I32LE(kVersion, "version");
    writer.Seek(kCountOffset);
    writer.U32LE(static_cast<std::uint32_t>(entries_.size()), "entry count");
    writer.Seek(kLastConnectionOffset);
    WriteText(writer, lastConnection_, kLastConnectionSize, kMaxLastConnectionBytes, "last connection name");
    for (std::size_t i = 0; i < entries_.size(); ++i)
        WriteEntry(all.subspan(kHeaderSize + i * OM_DIRECTORY_ENTRY::kSize, OM_DIRECTORY_ENTRY::kSize), entries_[i]);
    return bytes;
}

DirectoryRead ConnectionDirectory::Load(const std::filesystem::path& path)
{
    FileContents contents = ReadWholeFile(path, kMaxFileBytes);
    if (contents.error) {
        lastConnection_.clear();
        entries_.clear();
        DirectoryRead result;
        result.status = DirectoryReadStatus::Unreadable;
        result.fileError = std::move(contents.error);
        return result;
    }
    return Read(contents.bytes);
}

FileError ConnectionDirectory::Save(const std::filesystem::path& path) const
{
    std::vector<std::uint8_t> bytes = Build();
    return WriteFileAtomically(path, std::span<const std::uint8_t>(bytes));
}

std::optional<OM_DIRECTORY_ENTRY> ConnectionDirectory::GetEntry(std::string_view name) const
{
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.name == name; });
    if (found == entries_.end())
        return std::nullopt;
    return *found;
}

bool ConnectionDirectory::EntryExists(std::string_view name) const { return GetEntry(name).has_value(); }

bool ConnectionDirectory::RemoveEntry(std::string_view name)
{
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.name == name; });
    if (found == entries_.end())
        return false;
    entries_.erase(found);
    return true;
}

void ConnectionDirectory::Append(OM_DIRECTORY_ENTRY entry) { entries_.push_back(std::move(entry)); }

}  // namespace corvane
