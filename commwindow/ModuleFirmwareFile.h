#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// A module firmware file (".bin"): a 32-byte header, then the payload the
// module receives unchanged in blocks.
//   0   magic "TVLKMODULE" (ten characters, no terminator)
//   28  module type the firmware is for (0 analog module, 1 digital I/O module)
// The other header bytes belong to the module's loader and are not read.
class ModuleFirmwareFile {
public:
    static constexpr std::size_t kHeaderBytes = 32;
    static constexpr std::size_t kModuleTypeOffset = 28;

    enum class HeaderCheck {
        Valid,
        Short,      // fewer than 32 header bytes
        BadMagic,   // does not open with "TVLKMODULE"
        WrongType,  // firmware for another module type
    };
    // Checks the header bytes read from the file's start (as many as were read).
    static HeaderCheck CheckHeader(std::span<const std::uint8_t> header, std::uint8_t moduleType);

    // The payload length of a file of fileLength bytes; 0 for a file no longer than its header.
    static std::uint64_t PayloadLength(std::uint64_t fileLength);

    // The size of the next block with sent of total payload bytes already sent (0 when all are sent).
    static std::size_t NextBlockBytes(std::uint64_t sent, std::uint64_t total);
};

}  // namespace corvane
