#pragma once

#include "base/ByteError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

// The remote controls of a running net (`CxIcpMsg`, request 128, and
// `CxIconMsg`, request 129) and its probe points (`CxRttId`, request 68,
// and `CxRtGet`, request 69), as the program and the simulated logger both
// see them. Numbers are little-endian.

// The message kind both remote-control requests carry: the type code of
// the constant icon, whose remote kinds they reach.
constexpr std::uint16_t kRemoteIconMessageKind = 260;
// The block of either request: u16 operation, then 4 bytes.
constexpr std::size_t kRemoteIconBlockSize = 6;
constexpr std::uint16_t kRemoteOperationList = 0;   // then the u32 continuation value
constexpr std::uint16_t kRemoteOperationWrite = 1;  // then the value: i32 switch state or f32 constant
// A write is acknowledged by a reply of exactly this many bytes.
constexpr std::size_t kRemoteAckSize = 6;

// The list reply: 4 bytes not read, u32 continuation value (0: the last
// part), then 34-byte records; bytes past the last whole record are
// ignored.
//   record: 0 u16 icon id   2 1 byte not read   3 u8 kind (0 switch, else
//   constant)   4 4 bytes not read   8 4 value bytes (a switch's state in
//   the first, 1 High; a constant's f32)   12 char[22] name, NUL-terminated
constexpr std::size_t kRemoteListHeaderSize = 8;
constexpr std::size_t kRemoteListContinuationOffset = 4;
constexpr std::size_t kRemoteRecordSize = 34;
constexpr std::size_t kRemoteRecordKindOffset = 3;
constexpr std::size_t kRemoteRecordValueOffset = 8;
constexpr std::size_t kRemoteRecordNameOffset = 12;
constexpr std::size_t kRemoteRecordNameSize = 22;

struct RemoteControlRecord {
    std::uint16_t iconId = 0;
    bool isSwitch = false;
    bool switchHigh = false;  // a switch: its first value byte is 1
    float constant = 0.0f;    // a constant's value
    std::string name;         // Windows-1252 bytes

    bool operator==(const RemoteControlRecord&) const = default;
};

struct RemoteControlList {
    std::uint32_t continuation = 0;
    std::vector<RemoteControlRecord> records;
};

// A list reply's data; an error when it is shorter than its header.
std::variant<RemoteControlList, ByteError> ParseRemoteControlList(std::span<const std::uint8_t> data);
// The data of a list reply part (names cut to 21 bytes).
std::vector<std::uint8_t> BuildRemoteControlList(
    std::uint32_t continuation, std::span<const RemoteControlRecord> records);

// The blocks the program sends.
std::array<std::uint8_t, kRemoteIconBlockSize> RemoteListBlock(std::uint32_t continuation);
std::array<std::uint8_t, kRemoteIconBlockSize> RemoteSwitchBlock(bool high);
std::array<std::uint8_t, kRemoteIconBlockSize> RemoteConstantBlock(float value);

// A block as the logger reads it: the operation and the 4 bytes after it.
struct RemoteIconBlock {
    std::uint16_t operation = 0;
    std::array<std::uint8_t, 4> value{};

    std::uint32_t Continuation() const;
};
std::variant<RemoteIconBlock, ByteError> ParseRemoteIconBlock(std::span<const std::uint8_t> block);

// Probe-point descriptors (reply 68): u32 continuation value (0: the last
// part), 4 bytes not read, then 36-byte descriptors:
//   0 u16 probe id   2 char[22] name   24 char[10] units (each
//   NUL-terminated)   34 u8 digits after the point   35 u8 data type
constexpr std::size_t kProbeHeaderSize = 8;
constexpr std::size_t kProbeDescriptorSize = 36;
constexpr std::size_t kProbeNameOffset = 2;
constexpr std::size_t kProbeNameSize = 22;
constexpr std::size_t kProbeUnitsOffset = 24;
constexpr std::size_t kProbeUnitsSize = 10;
constexpr std::size_t kProbeDecimalsOffset = 34;
constexpr std::size_t kProbeDataTypeOffset = 35;
// Data types: boolean, integer; any other is real.
constexpr std::uint8_t kProbeBoolean = 0;
constexpr std::uint8_t kProbeInteger = 1;
constexpr std::uint8_t kProbeReal = 2;

struct ProbeDescriptor {
    std::uint16_t id = 0;
    std::string name;   // Windows-1252 bytes
    std::string units;  // Windows-1252 bytes
    std::uint8_t decimals = 0;
    std::uint8_t dataType = kProbeReal;

    bool operator==(const ProbeDescriptor&) const = default;
};

struct ProbeDescriptorList {
    std::uint32_t continuation = 0;
    std::vector<ProbeDescriptor> descriptors;
};

// Probe-point values (reply 69): u32 continuation value, 4 bytes not read,
// then 8-byte entries: i32 time of the reading (seconds since 1970, 0: no
// reading yet) and 4 value bytes (boolean: the first byte, non-zero High;
// integer and real: f32). Entries follow the descriptors' order across all
// parts of one pass.
constexpr std::size_t kProbeValueEntrySize = 8;

struct ProbeValueEntry {
    std::int32_t time = 0;
    std::array<std::uint8_t, 4> value{};

    float Real() const;
    bool operator==(const ProbeValueEntry&) const = default;
};

struct ProbeValueList {
    std::uint32_t continuation = 0;
    std::vector<ProbeValueEntry> entries;
};

// Each an error when the data is shorter than its 8-byte header; bytes past
// the last whole descriptor or entry are ignored.
std::variant<ProbeDescriptorList, ByteError> ParseProbeDescriptors(std::span<const std::uint8_t> data);
std::variant<ProbeValueList, ByteError> ParseProbeValues(std::span<const std::uint8_t> data);
// Reply data (names cut to 21 bytes, units to 9).
std::vector<std::uint8_t> BuildProbeDescriptors(std::uint32_t continuation, std::span<const ProbeDescriptor> descriptors);
std::vector<std::uint8_t> BuildProbeValues(std::uint32_t continuation, std::span<const ProbeValueEntry> entries);
// The 4 value bytes of a reading.
std::array<std::uint8_t, 4> ProbeRealBytes(float value);
std::array<std::uint8_t, 4> ProbeBooleanBytes(bool high);

}  // namespace corvane
