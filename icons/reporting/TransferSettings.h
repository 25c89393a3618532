#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// The settings the e-mail and FTP icons share and the File Specification
// page edits: the base filename of the data files sent and the option
// word's choices, with the size limit and the owner's kind.
struct TransferSettings {
    static constexpr std::size_t kBaseFilenameLimit = 45;
    static constexpr std::uint16_t kEmailSizeLimit = 2880;
    static constexpr std::uint16_t kEmailFlag = 0;
    static constexpr std::uint16_t kFtpFlag = 1;

    // Windows-1252, at most 45 bytes.
    std::string baseFilename;
    std::uint32_t word = 0;
    // A copy of the record's option word.
    std::uint16_t optionWord = 0;
    // The e-mail icon's number of input references (0 for FTP).
    std::uint8_t referenceCount = 0;
    std::uint16_t sizeLimit = 0;
    // 0 e-mail, 1 FTP.
    std::uint16_t flagWord = kEmailFlag;
};

// Bits of the option word shared by the e-mail and FTP records.
namespace transfer_option {
inline constexpr std::uint16_t kFileContentMask = 0x0003;
inline constexpr std::uint16_t kDataChoiceMask = 0x000C;
inline constexpr int kDataChoiceShift = 2;
inline constexpr std::uint16_t kDataFormatMask = 0x0070;
inline constexpr std::uint16_t kAppendSerial = 0x0080;
inline constexpr std::uint16_t kAppendLoggerName = 0x0100;
inline constexpr std::uint16_t kAppendDateTime = 0x0200;
inline constexpr std::uint16_t kIncludeLoggerId = 0x0400;
inline constexpr std::uint16_t kFtpSubdirectory = 0x1000;
inline constexpr std::uint16_t kFtpPassive = 0x2000;
}  // namespace transfer_option

}  // namespace corvane
