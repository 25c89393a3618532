#include "icons/reporting/FileSpecificationBits.h"

namespace corvane {
namespace {

constexpr unsigned kContentShift = 0;
constexpr unsigned kDataShift = 2;
constexpr unsigned kFormatShift = 4;
constexpr unsigned kContentField = 0x3;
constexpr unsigned kDataField = 0x3;
constexpr unsigned kFormatField = 0x7;

}  // namespace

FileSpecificationBits FileSpecificationBits::Decode(std::uint16_t optionWord, bool ftp)
{
    FileSpecificationBits bits;
    const unsigned word = optionWord;
    bits.content = static_cast<int>((word >> kContentShift) & kContentField);
    const int data = static_cast<int>((word >> kDataShift) & kDataField);
    const int lastData = ftp ? kLastAcquired : kNone;
    bits.dataChoice = data <= lastData ? data : kAllNew;
    const int format = static_cast<int>((word >> kFormatShift) & kFormatField);
    bits.format = format <= kRawData ? format : kCommaSeparated;
    bits.appendDateTime = (optionWord & kAppendDateTime) != 0;
    bits.appendSerialNumber = (optionWord & kAppendSerialNumber) != 0;
    bits.appendLoggerName = (optionWord & kAppendLoggerName) != 0;
    return bits;
}

std::uint16_t FileSpecificationBits::Encode(std::uint16_t optionWord) const
{
    unsigned word = optionWord & ~unsigned{kMask};
    word |= (static_cast<unsigned>(content) & kContentField) << kContentShift;
    word |= (static_cast<unsigned>(dataChoice) & kDataField) << kDataShift;
    word |= (static_cast<unsigned>(format) & kFormatField) << kFormatShift;
    if (appendSerialNumber)
        word |= kAppendSerialNumber;
    if (appendLoggerName)
        word |= kAppendLoggerName;
    if (appendDateTime)
        word |= kAppendDateTime;
    return static_cast<std::uint16_t>(word);
}

FileSpecificationEnabling FileSpecificationEnabling::For(int dataChoice, bool ftp)
{
    FileSpecificationEnabling enabling;
    enabling.noneShown = !ftp;
    enabling.textFormatsEnabled = dataChoice != FileSpecificationBits::kNone;
    enabling.rawDataEnabled = dataChoice == FileSpecificationBits::kAllNew;
    return enabling;
}

int SettleFileFormat(int dataChoice, int format)
{
    if (dataChoice == FileSpecificationBits::kLastAcquired && format == FileSpecificationBits::kRawData)
        return FileSpecificationBits::kCommaSeparated;
    return format;
}

}  // namespace corvane
