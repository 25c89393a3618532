#pragma once

#include "base/UniqueFd.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// A logger firmware file (".bin"): the whole file, from its first byte to
// its last, is the image the logger receives. Its bytes 0xF7FF8..0xF7FFB
// are the version, the logger type first; the type must be 3. No other
// field is read.
//
// The file stays open while the reflash sends it, read block by block from
// the start.
class LoggerFirmwareFile {
public:
    static constexpr std::uint64_t kVersionOffset = 0xF7FF8;
    static constexpr std::uint8_t kLoggerType = 3;
    using Version = std::array<std::uint8_t, 4>;

    enum class VersionCheck {
        Valid,
        Short,      // the file ends before the four version bytes
        WrongType,  // the type byte is not 3
        ReadError,  // the file could not be read there
    };
    struct VersionResult {
        VersionCheck check = VersionCheck::Short;
        Version version{};
    };

    // The check of the bytes read at the version offset (as many as were read).
    static VersionResult CheckVersionBytes(std::span<const std::uint8_t> bytes);
    // The check of a whole image held in memory.
    static VersionResult CheckImage(std::span<const std::uint8_t> image);
    // "%02d.%02d.%02d.%02d", in file order.
    static std::string VersionText(const Version& version);
    // The size of the next block with sent of total bytes already sent (0 when all are sent).
    static std::size_t NextBlockBytes(std::uint64_t sent, std::uint64_t total);

    LoggerFirmwareFile() = default;
    LoggerFirmwareFile(LoggerFirmwareFile&&) noexcept = default;
    LoggerFirmwareFile& operator=(LoggerFirmwareFile&&) noexcept = default;

    // Opens path for reading and takes its length; false when it cannot be
    // opened (or is no regular file).
    bool Open(const std::filesystem::path& path);
    bool IsOpen() const { return fd_.Valid(); }
    void Close() { fd_.Reset(); }
    // The length at the time it was opened.
    std::uint64_t Length() const { return length_; }
    // Reads the four version bytes and goes back to the start of the file.
    VersionResult ReadVersion();
    // Reads up to into.size() bytes from the current place, as many as the
    // file gives (fewer only at its end); nothing on a read error.
    std::optional<std::size_t> Read(std::span<std::uint8_t> into);

private:
    UniqueFd fd_;
    std::uint64_t length_ = 0;
};

}  // namespace corvane
