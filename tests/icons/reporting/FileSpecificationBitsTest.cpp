#include "icons/reporting/FileSpecificationBits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvane {
namespace file_specification_bits_test {
namespace {

using Bits = FileSpecificationBits;

Bits Make(int data, int format, int content, bool dateTime, bool serial, bool loggerName)
{
    Bits bits;
    bits.dataChoice = data;
    bits.format = format;
    bits.content = content;
    bits.appendDateTime = dateTime;
    bits.appendSerialNumber = serial;
    bits.appendLoggerName = loggerName;
    return bits;
}

TEST(FileSpecificationBitsTest, DecodesEachFieldOfTheOptionWord)
{
    struct Case {
        const char* what;
        std::uint16_t word;
        bool ftp;
        Bits bits;
    };
    const std::vector<Case> cases{
        {"new e-mail icon", 0x0008, false, Make(Bits::kNone, 0, 0, false, false, false)},
        {"new FTP icon", 0x2000, true, Make(Bits::kAllNew, Bits::kCommaSeparated, 0, false, false, false)},
        {"content 3", 0x0003, false, Make(Bits::kAllNew, 0, 3, false, false, false)},
        {"last acquired", 0x0004, true, Make(Bits::kLastAcquired, 0, 0, false, false, false)},
        {"raw data", 0x0030, false, Make(Bits::kAllNew, Bits::kRawData, 0, false, false, false)},
        {"Ombrelix format", 0x0020, false, Make(Bits::kAllNew, Bits::kOmbrelixFormat, 0, false, false, false)},
        {"serial number", 0x0080, false, Make(Bits::kAllNew, 0, 0, false, true, false)},
        {"logger name", 0x0100, false, Make(Bits::kAllNew, 0, 0, false, false, true)},
        {"date/time", 0x0200, false, Make(Bits::kAllNew, 0, 0, true, false, false)},
        {"other bits ignored", 0xFC00, false, Make(Bits::kAllNew, 0, 0, false, false, false)},
        {"None has no FTP choice", 0x0008, true, Make(Bits::kAllNew, 0, 0, false, false, false)},
        {"data field 3 has no choice", 0x000C, false, Make(Bits::kAllNew, 0, 0, false, false, false)},
        {"format 4 has no choice", 0x0040, false, Make(Bits::kAllNew, Bits::kCommaSeparated, 0, false, false, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Bits::Decode(c.word, c.ftp), c.bits);
    }
}

TEST(FileSpecificationBitsTest, EncodeSetsBitsZeroToNineAndKeepsTheRest)
{
    struct Case {
        const char* what;
        std::uint16_t before;
        Bits bits;
        std::uint16_t after;
    };
    const std::vector<Case> cases{
        {"FTP passive and subdirectory kept", 0x33FF, Make(Bits::kAllNew, 0, 0, false, false, false), 0x3000},
        {"logger id bit kept", 0x0408, Make(Bits::kLastAcquired, Bits::kTabSeparated, 2, false, false, false), 0x0416},
        {"everything", 0x0000, Make(Bits::kNone, Bits::kRawData, 3, true, true, true), 0x03BB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.bits.Encode(c.before), c.after);
        EXPECT_EQ(Bits::Decode(c.after, false), c.bits) << "round trip";
    }
}

TEST(FileSpecificationBitsTest, RawDataOnlyWithAllNewAndNoneForEmailOnly)
{
    struct Case {
        int data;
        bool ftp;
        FileSpecificationEnabling enabling;  // none shown, text formats, raw data
    };
    const std::vector<Case> cases{
        {Bits::kAllNew, false, {true, true, true}},
        {Bits::kLastAcquired, false, {true, true, false}},
        {Bits::kNone, false, {true, false, false}},
        {Bits::kAllNew, true, {false, true, true}},
        {Bits::kLastAcquired, true, {false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "data " << c.data << (c.ftp ? " FTP" : " e-mail"));
        EXPECT_EQ(FileSpecificationEnabling::For(c.data, c.ftp), c.enabling);
    }
}

TEST(FileSpecificationBitsTest, RawDataGivesWayWhenOnlyLastValuesAreSent)
{
    struct Case {
        int data;
        int format;
        int settled;
    };
    const std::vector<Case> cases{
        {Bits::kAllNew, Bits::kRawData, Bits::kRawData},
        {Bits::kLastAcquired, Bits::kRawData, Bits::kCommaSeparated},
        {Bits::kLastAcquired, Bits::kOmbrelixFormat, Bits::kOmbrelixFormat},
        {Bits::kNone, Bits::kRawData, Bits::kRawData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.data << "/" << c.format);
        EXPECT_EQ(SettleFileFormat(c.data, c.format), c.settled);
    }
}

TEST(FileSpecificationBitsTest, BaseFilenameIsNeededUnlessNothingIsSent)
{
    for (const int data : {Bits::kAllNew, Bits::kLastAcquired, Bits::kNone}) {
        Bits bits;
        bits.dataChoice = data;
        EXPECT_EQ(bits.NeedsBaseFilename(), data != Bits::kNone) << data;
    }
}

}  // namespace
}  // namespace file_specification_bits_test
}  // namespace corvane
