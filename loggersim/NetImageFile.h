#pragma once

#include "base/FileError.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// The simulated logger's program net, kept whole in its state folder.
constexpr const char* kNetImageFileName = "net.bin";

// A net image as the logger checks it:
//   0      u32 total length, little-endian (this field, the records, the CRC)
//   4      the icon records
//   n - 4  u32 CRC-32 of bytes 0 .. n - 5, most significant byte first
constexpr std::size_t kSimNetLengthSize = 4;
constexpr std::size_t kSimNetCrcSize = 4;
constexpr std::size_t kSimNetMaxSize = 65536;
// The first record is the Program icon: its name at record offset 12 (21
// bytes) and its description at record offset 72 (22 bytes), each
// NUL-terminated when shorter.
constexpr std::size_t kSimNetNameOffset = kSimNetLengthSize + 12;
constexpr std::size_t kSimNetNameSize = 21;
constexpr std::size_t kSimNetDescriptionOffset = kSimNetLengthSize + 72;
constexpr std::size_t kSimNetDescriptionSize = 22;

enum class NetImageCheck {
    Good,
    BadLength,  // shorter than length field and CRC, longer than the limit, or the length field differs
    BadCrc,
};

NetImageCheck CheckNetImage(std::span<const std::uint8_t> image);

// The Program icon's name and description of an image (Windows-1252
// bytes), empty when the image is too short to hold them.
std::string NetImageName(std::span<const std::uint8_t> image);
std::string NetImageDescription(std::span<const std::uint8_t> image);

struct LoadedNetImage {
    std::vector<std::uint8_t> image;  // empty: the logger has no net
    std::string notice;               // empty, or why a net file was not taken
};

// Reads the folder's net file; a missing file means no net, and a file that
// cannot be read or fails the check is reported and not taken.
LoadedNetImage LoadNetImage(const std::filesystem::path& folder);
// Writes the net file atomically.
FileError SaveNetImage(const std::filesystem::path& folder, std::span<const std::uint8_t> image);

}  // namespace corvane
