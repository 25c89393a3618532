#pragma once

#include <cstdint>

namespace corvane {

// Bits 0 to 9 of the option word that the e-mail and FTP icons share: which
// data-tag data the action sends as files, in which format, with what file
// content and with what added to the file name.
struct FileSpecificationBits {
    // Data to send (bits 2-3).
    static constexpr int kAllNew = 0;        // "All new Data Tag values since previous transfer"
    static constexpr int kLastAcquired = 1;  // "Only last acquired Data Tag values"
    static constexpr int kNone = 2;          // "None", e-mail only
    // Data format (bits 4-6).
    static constexpr int kCommaSeparated = 0;
    static constexpr int kTabSeparated = 1;
    static constexpr int kOmbrelixFormat = 2;
    static constexpr int kRawData = 3;
    // Data file content (bits 0-1): 0 to 3.
    static constexpr int kContentChoices = 4;

    static constexpr std::uint16_t kAppendSerialNumber = 0x0080;  // bit 7
    static constexpr std::uint16_t kAppendLoggerName = 0x0100;    // bit 8
    static constexpr std::uint16_t kAppendDateTime = 0x0200;      // bit 9
    // The bits the File Specification page owns; the others pass through it.
    static constexpr std::uint16_t kMask = 0x03FF;

    int dataChoice = kAllNew;
    int format = kCommaSeparated;
    int content = 0;
    bool appendDateTime = false;
    bool appendSerialNumber = false;
    bool appendLoggerName = false;

    friend bool operator==(const FileSpecificationBits&, const FileSpecificationBits&) = default;

    // The choices of an option word. A field holding a value that has no
    // choice (and "None" for FTP, which does not offer it) reads as the
    // first choice.
    static FileSpecificationBits Decode(std::uint16_t optionWord, bool ftp);
    // The option word with bits 0 to 9 set from the choices, the other bits kept.
    std::uint16_t Encode(std::uint16_t optionWord) const;

    // Whether the base filename may be left empty: only when nothing is sent.
    bool NeedsBaseFilename() const { return dataChoice != kNone; }
};

// Which choices of the File Specification page are offered.
struct FileSpecificationEnabling {
    bool noneShown = false;           // "None": e-mail only
    bool textFormatsEnabled = false;  // comma, tab and Ombrelix formats: unless "None"
    bool rawDataEnabled = false;      // "Raw data": only with "All new"

    friend bool operator==(const FileSpecificationEnabling&, const FileSpecificationEnabling&) = default;

    static FileSpecificationEnabling For(int dataChoice, bool ftp);
};

// The format kept when the data choice changes: "Raw data" goes with "All
// new" only, so with "Only last acquired" it gives way to comma-separated;
// with "None" no format applies and the choice stays as it was.
int SettleFileFormat(int dataChoice, int format);

}  // namespace corvane
