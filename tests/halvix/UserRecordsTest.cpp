#include "halvix/protocol/UserRecords.h"

#include "halvix/protocol/UserAuthLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace user_records_test {
namespace {

const UserRecord kSample{0, 3, "op\xE4rator", "s3cret", 0xBFFFA038u, 0x40000000u};

TEST(UserRecordsTest, RecordRoundTripsAtItsOffsets)
{
    const std::vector<std::uint8_t> bytes = EncodeUserRecord(kSample);
    ASSERT_EQ(bytes.size(), kUserRecordSize);
    EXPECT_EQ(bytes[kUserRecordSubCodeOffset], 3);
    EXPECT_EQ(bytes[kUserRecordNameOffset], 'o');
    EXPECT_EQ(bytes[kUserRecordPasswordOffset], 's');
    EXPECT_EQ(bytes[kUserRecordRightsOffset], 0x38);
    EXPECT_EQ(bytes[kUserRecordRightsOffset + 7], 0x40);
    const ParsedUserRecord parsed = ParseUserRecord(bytes);
    ASSERT_TRUE(parsed.record);
    EXPECT_EQ(*parsed.record, kSample);
}

TEST(UserRecordsTest, EveryShortLengthIsRefusedNamingTheCutField)
{
    const std::vector<std::uint8_t> bytes = EncodeUserRecord(kSample);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const ParsedUserRecord parsed = ParseUserRecord(std::span(bytes).first(length));
        ASSERT_FALSE(parsed.record) << length;
        EXPECT_EQ(parsed.error.kind, UserBytesError::Kind::Truncated) << length;
        const std::string expected = length < 1 ? "operation"
            : length < 2                        ? "sub-code"
            : length < 26                       ? "user name"
            : length < 46                       ? "password"
            : length < 50                       ? "rights low"
                                                : "rights high";
        EXPECT_EQ(parsed.error.field, expected) << length;
    }
    std::vector<std::uint8_t> longer = bytes;
    longer.resize(80, 0xAA);
    EXPECT_EQ(ParseUserRecord(longer).record, kSample);
}

TEST(UserRecordsTest, TextsWithoutTheirNulAreReadToTheFieldEnd)
{
    std::vector<std::uint8_t> bytes = EncodeUserRecord(kSample);
    std::fill_n(bytes.begin() + kUserRecordNameOffset, kUserRecordNameSize, std::uint8_t{'N'});
    std::fill_n(bytes.begin() + kUserRecordPasswordOffset, kUserRecordPasswordSize, std::uint8_t{'P'});
    const ParsedUserRecord parsed = ParseUserRecord(bytes);
    ASSERT_TRUE(parsed.record);
    EXPECT_EQ(parsed.record->name, std::string(24, 'N'));
    EXPECT_EQ(parsed.record->password, std::string(20, 'P'));
    EXPECT_EQ(parsed.record->rightsLow, kSample.rightsLow);
}

TEST(UserRecordsTest, EncodingCutsTextsToTheirFields)
{
    UserRecord record = kSample;
    record.name = std::string(30, 'n');
    record.password = std::string(30, 'p');
    const ParsedUserRecord parsed = ParseUserRecord(EncodeUserRecord(record));
    ASSERT_TRUE(parsed.record);
    EXPECT_EQ(parsed.record->name, std::string(23, 'n'));
    EXPECT_EQ(parsed.record->password, std::string(19, 'p'));
}

TEST(UserRecordsTest, PasswordChangeRequests)
{
    const PasswordChange change{"amy", "old", "n\xE9w"};
    const auto bytes = EncodePasswordChange(change);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, (std::vector<std::uint8_t>{2, 0, 'a', 'm', 'y', 0, 'o', 'l', 'd', 0, 'n', 0xE9, 'w', 0}));
    EXPECT_EQ(ParsePasswordChange(*bytes).change, change);

    EXPECT_FALSE(EncodePasswordChange({std::string(24, 'u'), "a", "b"}));
    EXPECT_FALSE(EncodePasswordChange({"u", std::string(20, 'a'), "b"}));
    EXPECT_FALSE(EncodePasswordChange({"u", "a", std::string("b\0c", 3)}));
    EXPECT_TRUE(EncodePasswordChange({std::string(23, 'u'), std::string(19, 'a'), std::string(19, 'b')}));

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        UserBytesError::Kind kind;
        std::size_t offset;
        const char* field;
    };
    std::vector<std::uint8_t> longName = {2, 0};
    longName.insert(longName.end(), 24, 'u');
    longName.push_back(0);
    const std::vector<Case> cases = {
        {"empty", {}, UserBytesError::Kind::Truncated, 0, "stage"},
        {"login stage", {1, 0, 'a', 0, 'b', 0, 'c', 0}, UserBytesError::Kind::BadStage, 0, "stage"},
        {"name cut", {2, 0, 'a', 'm'}, UserBytesError::Kind::Truncated, 2, "user name"},
        {"current cut", {2, 0, 'a', 0, 'b'}, UserBytesError::Kind::Truncated, 4, "current password"},
        {"new missing", {2, 0, 'a', 0, 'b', 0}, UserBytesError::Kind::Truncated, 6, "new password"},
        {"name too long", longName, UserBytesError::Kind::Unterminated, 2, "user name"},
    };
    for (const Case& c : cases) {
        const ParsedPasswordChange parsed = ParsePasswordChange(c.bytes);
        EXPECT_FALSE(parsed.change) << c.what;
        EXPECT_EQ(parsed.error.kind, c.kind) << c.what;
        EXPECT_EQ(parsed.error.offset, c.offset) << c.what;
        EXPECT_EQ(parsed.error.field, c.field) << c.what;
    }
}

}  // namespace
}  // namespace user_records_test
}  // namespace corvane
