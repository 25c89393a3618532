#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

// The settings block the e-mail and FTP icons share: the base filename of
// the data files sent and a copy of the option word (what the File
// Specification page's AttachSettings are filled from and written back
// to), with the size limit and the owner's kind.
struct TransferSettings {
    static constexpr std::size_t kBaseFilenameLimit = 45;
    static constexpr std::uint16_t kEmailSizeLimit = 2880;
    static constexpr std::uint16_t kEmailFlag = 0;
    static constexpr std::uint16_t kFtpFlag = 1;

    // Windows-1252, at most 45 bytes.
    std::string baseFilename;
    std::uint32_t word = 0;
    // A copy of the record's option word: bits 0 to 9 the File
    // Specification page's (FileSpecificationBits), 10 the logger id in the
    // e-mail's header, 12 and 13 the FTP subdirectory and passive mode.
    std::uint16_t optionWord = 0;
    // The e-mail icon's number of input references (0 for FTP).
    std::uint8_t referenceCount = 0;
    std::uint16_t sizeLimit = 0;
    // 0 e-mail, 1 FTP.
    std::uint16_t flagWord = kEmailFlag;
};

}  // namespace corvane
