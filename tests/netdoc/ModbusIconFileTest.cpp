#include "netdoc/ModbusIconFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_icon_file_test {
namespace {

// A saved remote register icon: version word, then an 86-byte header and
// fixed part, one output entry and two empty texts.
std::vector<std::uint8_t> SavedFile()
{
    std::vector<std::uint8_t> record(100, 0);
    record[0] = 100;
    record[4] = 7;
    record[11] = 1;
    return BuildModbusIconFile(record);
}

TEST(ModbusIconFileTest, BuildsTheVersionWordBeforeTheRecordAndReadsItBack)
{
    const std::vector<std::uint8_t> file = SavedFile();
    ASSERT_EQ(file.size(), 102u);
    EXPECT_EQ(file[0], 0x01);
    EXPECT_EQ(file[1], 0x01);
    const auto parsed = ParseModbusIconFile(file);
    ASSERT_TRUE(std::holds_alternative<std::span<const std::uint8_t>>(parsed));
    const auto record = std::get<std::span<const std::uint8_t>>(parsed);
    EXPECT_EQ(record.data(), file.data() + 2);
    EXPECT_EQ(record.size(), 100u);
}

TEST(ModbusIconFileTest, RefusesEveryShorterFile)
{
    const std::vector<std::uint8_t> file = SavedFile();
    for (std::size_t cut = 0; cut < file.size(); ++cut) {
        const auto parsed = ParseModbusIconFile(std::span(file).first(cut));
        ASSERT_TRUE(std::holds_alternative<RecordError>(parsed)) << cut;
        EXPECT_EQ(std::get<RecordError>(parsed).kind, RecordErrorKind::Truncated) << cut;
    }
}

TEST(ModbusIconFileTest, NamesTheFieldThatRefusesTheFile)
{
    struct Case {
        const char* name;
        std::size_t offset;
        std::uint8_t value;
        RecordErrorKind kind;
        std::size_t errorOffset;
        const char* field;
    };
    const std::vector<Case> cases{
        {"version", 0, 0x02, RecordErrorKind::BadValue, 0, "file version"},
        {"version high byte", 1, 0x00, RecordErrorKind::BadValue, 0, "file version"},
        {"odd length", 2, 99, RecordErrorKind::BadLength, 2, "record length"},
        {"length below the header", 2, 70, RecordErrorKind::BadLength, 2, "record length"},
        {"length short of the file", 2, 98, RecordErrorKind::BadLength, 2, "record length"},
        {"length past the file", 2, 102, RecordErrorKind::Truncated, 102, "record length"},
        {"register list icon", 6, 5, RecordErrorKind::BadValue, 6, "type word"},
        {"subtype bits", 7, 0x10, RecordErrorKind::BadValue, 6, "type word"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> file = SavedFile();
        file[c.offset] = c.value;
        const auto parsed = ParseModbusIconFile(file);
        ASSERT_TRUE(std::holds_alternative<RecordError>(parsed));
        const RecordError& error = std::get<RecordError>(parsed);
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.offset, c.errorOffset);
        EXPECT_EQ(error.field, c.field);
    }
}

}  // namespace
}  // namespace modbus_icon_file_test
}  // namespace corvane
