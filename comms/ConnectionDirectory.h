#pragma once

#include "base/ByteError.h"
#include "base/FileError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// One saved connection. In the file it is 348 bytes, little-endian:
//
//   offset  width  field
//   0       32     connection name, NUL-terminated
//   32      32     USB port name (the tty name, "ttyACM0"), NUL-terminated
//   64      16     reserved, zero in new entries
//   80      4      connection kind (ConnectionKind; other values are kept)
//   84      4      RS-232 COM index (port number - 1; -1 when none chosen)
//   88      256    host name or address, NUL-terminated
//   344     4      IP port
//
// Texts are Windows-1252 in the file and UTF-8 here. A default-constructed
// entry is a new one: "MyLogger", kind 0, COM index 0, IP port 4660.
struct OM_DIRECTORY_ENTRY {
    static constexpr std::size_t kSize = 348;
    // The most Windows-1252 bytes a text keeps: its field less the
    // terminator, which is always written. Longer texts are cut.
    static constexpr std::size_t kMaxNameBytes = 31;
    static constexpr std::size_t kMaxUsbPortNameBytes = 31;
    static constexpr std::size_t kMaxAddressBytes = 255;
    static constexpr std::size_t kReservedSize = 16;

    std::string name = "MyLogger";
    std::string usbPortName;
    std::array<std::uint8_t, kReservedSize> reserved{};
    std::int32_t kind = 0;
    std::int32_t comIndex = 0;
    std::string address;
    std::int32_t ipPort = 4660;

    bool operator==(const OM_DIRECTORY_ENTRY&) const = default;
};

// How reading "dir.bin" went.
enum class DirectoryReadStatus {
    Read,        // version 4: the entries that were present were read
    Empty,       // an empty file: no entries
    Unreadable,  // missing, too large or failed to read (see fileError)
    Obsolete,    // a version other than 4 (see version): no entries
    Malformed,   // shorter than its header (see error): no entries
};

struct DirectoryRead {
    DirectoryReadStatus status = DirectoryReadStatus::Empty;
    std::int32_t version = 0;         // as read, once the header was read
    std::uint32_t declaredCount = 0;  // the header's entry count
    // Malformed: the header field that ran past the end. Read: a partial
    // entry at the end of the file that was left out (kind Truncated);
    // none when the file ended on an entry boundary.
    ByteError error;
    FileError fileError;  // Unreadable only
};

// The saved connections file "dir.bin": its header and the entries in list
// order. Header, little-endian:
//
//   offset  width  field
//   0       4      version, always 4
//   4       4      entry count
//   8       32     name of the last connection used, NUL-terminated
//   40      348*n  the entries
//
// Reading takes the count's entries but stops at the end of the file; a
// trailing partial entry is left out (and reported), the whole entries
// before it are kept. Bytes after the count's entries are ignored.
class ConnectionDirectory {
public:
    static constexpr std::int32_t kVersion = 4;
    static constexpr std::size_t kHeaderSize = 40;
    static constexpr std::size_t kMaxLastConnectionBytes = 31;
    // Files larger than this are not read (about 12000 entries).
    static constexpr std::size_t kMaxFileBytes = 4u << 20;

    // Replaces the contents with what bytes hold; the contents are empty
    // unless the status is Read.
    DirectoryRead Read(std::span<const std::uint8_t> bytes);
    // The file's bytes: version 4, the current entry count, every entry.
    std::vector<std::uint8_t> Build() const;

    // Read and Build over a file; Save replaces the file atomically.
    DirectoryRead Load(const std::filesystem::path& path);
    FileError Save(const std::filesystem::path& path) const;

    const std::vector<OM_DIRECTORY_ENTRY>& Entries() const { return entries_; }
    const std::string& LastConnection() const { return lastConnection_; }
    void SetLastConnection(std::string name) { lastConnection_ = std::move(name); }

    // Names compare exactly (case-sensitive); the first match wins.
    std::optional<OM_DIRECTORY_ENTRY> GetEntry(std::string_view name) const;
    bool EntryExists(std::string_view name) const;
    // Removes the first entry with the name; false when there is none.
    bool RemoveEntry(std::string_view name);
    // Adds an entry at the end of the list.
    void Append(OM_DIRECTORY_ENTRY entry);

private:
    std::string lastConnection_;
    std::vector<OM_DIRECTORY_ENTRY> entries_;
};

}  // namespace corvane
