#include "netmodel/ObjectArchive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace corvane {
namespace object_archive_test {
namespace {

class Bytes {
public:
    Bytes& U16(std::uint16_t v) { return Put(v, 2); }
    Bytes& U32(std::uint32_t v) { return Put(v, 4); }
    Bytes& Text(const std::string& text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& NewClass(const std::string& name) { return U16(0xFFFF).U16(0).U16(static_cast<std::uint16_t>(name.size())).Text(name); }
    Bytes& Record(std::uint8_t left)
    {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + kObjectRecordSize, 0);
        bytes_[at] = left;
        return *this;
    }
    const std::vector<std::uint8_t>& Get() const { return bytes_; }

private:
    Bytes& Put(std::uint32_t v, int count)
    {
        for (int i = 0; i < count; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
        return *this;
    }
    std::vector<std::uint8_t> bytes_;
};

ObjectRecord At(std::int32_t left)
{
    ObjectRecord record{};
    record.left = left;
    record.penOn = 0;
    record.penStyle = 0;
    record.penWidthX = 0;
    record.penWidthY = 0;
    record.brushOn = 0;
    record.brushColour = 0;
    return record;
}

TEST(ObjectArchiveTest, ClassesAreNamedOnceThenReferencedByIndex)
{
    // Indices: class A 1, object 2, class B 3, object 4, objects 5 and 6.
    const Bytes bytes = Bytes()
                            .U16(4)
                            .NewClass("CAlpha").Record(1)
                            .NewClass("CBeta").Record(2)
                            .U16(0x8001).Record(3)
                            .U16(0x8003).Record(4)
                            .U32(0);
    const auto parsed = ReadObjectArchive(bytes.Get());
    ASSERT_TRUE(std::holds_alternative<std::vector<ArchivedObject>>(parsed));
    const std::vector<ArchivedObject> expected = {
        {"CAlpha", At(1)}, {"CBeta", At(2)}, {"CAlpha", At(3)}, {"CBeta", At(4)}};
    EXPECT_EQ(std::get<std::vector<ArchivedObject>>(parsed), expected);
    EXPECT_EQ(WriteObjectArchive(expected), bytes.Get());
}

TEST(ObjectArchiveTest, EmptyListRoundTrips)
{
    const std::vector<std::uint8_t> bytes = WriteObjectArchive({});
    EXPECT_EQ(bytes, Bytes().U16(0).U32(0).Get());
    const auto parsed = ReadObjectArchive(bytes);
    ASSERT_TRUE(std::holds_alternative<std::vector<ArchivedObject>>(parsed));
    EXPECT_TRUE(std::get<std::vector<ArchivedObject>>(parsed).empty());
}

TEST(ObjectArchiveTest, BigCountsAndIndicesUseTheLongForms)
{
    // One class and 32765 objects of it bring the next class to index 0x7FFF.
    std::vector<ArchivedObject> objects(32765, ArchivedObject{"CAlpha", At(1)});
    objects.resize(70000, ArchivedObject{"CBeta", At(2)});
    const std::vector<std::uint8_t> bytes = WriteObjectArchive(objects);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2] | bytes[3] << 8 | bytes[4] << 16, 70000);
    // The second CBeta object: 0x7FFF then 0x80007FFF.
    const std::size_t second = 6 + (6 + 6 + 50) + 32764 * 52 + (6 + 5 + 50);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(second),
                                        bytes.begin() + static_cast<std::ptrdiff_t>(second) + 6),
              (std::vector<std::uint8_t>{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80}));
    const auto parsed = ReadObjectArchive(bytes);
    ASSERT_TRUE(std::holds_alternative<std::vector<ArchivedObject>>(parsed));
    EXPECT_EQ(std::get<std::vector<ArchivedObject>>(parsed), objects);
}

TEST(ObjectArchiveTest, LongCountFormIsReadForSmallCounts)
{
    const Bytes bytes = Bytes().U16(0xFFFF).U32(1).NewClass("CAlpha").Record(9).U32(0);
    const auto parsed = ReadObjectArchive(bytes.Get());
    ASSERT_TRUE(std::holds_alternative<std::vector<ArchivedObject>>(parsed));
    EXPECT_EQ(std::get<std::vector<ArchivedObject>>(parsed).size(), 1u);
}

TEST(ObjectArchiveTest, EveryTruncationIsRefused)
{
    const std::vector<std::uint8_t> bytes =
        WriteObjectArchive(std::vector<ArchivedObject>{{"CAlpha", At(1)}, {"CAlpha", At(2)}});
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_TRUE(std::holds_alternative<RecordError>(ReadObjectArchive(std::span(bytes).first(length)))) << length;
    }
}

TEST(ObjectArchiveTest, MalformedArchivesAreRefusedWithTheirField)
{
    struct Case {
        const char* what;
        Bytes bytes;
        std::string field;
        std::size_t offset;
    };
    const std::vector<Case> cases = {
        {"index names an object", Bytes().U16(2).NewClass("CA").Record(1).U16(0x8002).Record(2).U32(0), "class index", 60},
        {"index zero", Bytes().U16(2).NewClass("CA").Record(1).U16(0x8000).Record(2).U32(0), "class index", 60},
        {"index ahead", Bytes().U16(2).NewClass("CA").Record(1).U16(0x8003).Record(2).U32(0), "class index", 60},
        {"big tag without class bit", Bytes().U16(2).NewClass("CA").Record(1).U16(0x7FFF).U32(1).Record(2).U32(0),
         "class tag", 60},
        {"object reference", Bytes().U16(1).U16(0x0001).Record(1).U32(0), "class tag", 2},
        {"null object", Bytes().U16(1).U16(0).Record(1).U32(0), "class tag", 2},
        {"schema", Bytes().U16(1).U16(0xFFFF).U16(1).U16(2).Text("CA").Record(1).U32(0), "schema", 4},
        {"empty name", Bytes().U16(1).U16(0xFFFF).U16(0).U16(0).Record(1).U32(0), "class name length", 6},
        {"name with zero", Bytes().U16(1).U16(0xFFFF).U16(0).U16(3).Text(std::string("C\0A", 3)).Record(1).U32(0),
         "class name", 8},
        {"embedded items", Bytes().U16(1).NewClass("CA").Record(1).U32(1), "embedded item count", 60},
        {"trailing byte", Bytes().U16(0).U32(0).U16(0), "end of archive", 6},
        {"count beyond the bytes", Bytes().U16(0xFFFF).U32(0xFFFFFFFF).U32(0), "object count", 0},
    };
    for (const Case& c : cases) {
        const auto parsed = ReadObjectArchive(c.bytes.Get());
        ASSERT_TRUE(std::holds_alternative<RecordError>(parsed)) << c.what;
        EXPECT_EQ(std::get<RecordError>(parsed).field, c.field) << c.what;
        EXPECT_EQ(std::get<RecordError>(parsed).offset, c.offset) << c.what;
    }
}

}  // namespace
}  // namespace object_archive_test
}  // namespace corvane
