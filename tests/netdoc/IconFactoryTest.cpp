#include "NetDocTestSupport.h"

#include "netdoc/COpaqueIcon.h"
#include "netdoc/IconFactory.h"

#include <gtest/gtest.h>

namespace corvane {
namespace icon_factory_test {
namespace {

std::vector<std::uint8_t> RecordWithWords(std::uint16_t w, std::uint16_t w2, std::uint8_t inputs = 0)
{
    std::vector<std::uint8_t> record(96, 0);
    record[10] = inputs;
    record[72] = static_cast<std::uint8_t>(w);
    record[73] = static_cast<std::uint8_t>(w >> 8);
    record[74] = static_cast<std::uint8_t>(w2);
    record[75] = static_cast<std::uint8_t>(w2 >> 8);
    return record;
}

TEST(IconFactory, ShapesFollowTypeAndSubtype)
{
    struct Case {
        std::uint16_t type;
        std::uint16_t subtype;
        std::optional<std::pair<int, int>> counts;
    };
    const Case cases[] = {
        {256, 9, std::pair{24, 2}},      // only the low three bits count: Or
        {256, 2, std::pair{2, 2}},       // Xor
        {258, 0x3000, std::pair{1, 4}},  // 0x6000 is tested first: min/max
        {258, 0x1000, std::pair{1, 3}},
        {258, 0, std::nullopt},
        {6, 0, std::nullopt},
        {66, 0, std::nullopt},
        {22, 4, std::nullopt},
        {33, 0xE000, std::nullopt},
        {33, 0xC000, std::pair{1, 1}},
        {261, 1, std::pair{3, 2}},
        {261, 0, std::pair{2, 2}},
        {999, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto shape = IconTypeShapeOf(c.type, c.subtype);
        ASSERT_EQ(shape.has_value(), c.counts.has_value()) << c.type << "/" << c.subtype;
        if (shape) {
            EXPECT_EQ(std::pair(shape->inputs, shape->outputs), *c.counts) << c.type << "/" << c.subtype;
        }
    }
}

TEST(IconFactory, SubtypesComeFromTheWordsAfterTheHeader)
{
    struct Case {
        std::uint16_t type;
        std::uint16_t w;
        std::uint16_t w2;
        std::uint8_t inputs;
        std::uint16_t subtype;
    };
    const Case cases[] = {
        {22, 0x2000, 0, 0, 3}, {22, 0x0008, 0, 0, 1}, {22, 0x0018, 0, 0, 2}, {22, 0, 0, 0, 0},
        {32, 0, 0x00FF, 0, 0x38}, {33, 0, 0xFFFF, 0, 0xE000}, {256, 0x1209, 0, 0, 0x09},
        {261, 0, 0, 3, 1}, {261, 0, 0, 2, 0}, {64, 0x0003, 0, 0, 1}, {300, 0xFFFF, 0xFFFF, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubtypeFromRecord(RecordWithWords(c.w, c.w2, c.inputs), c.type), c.subtype) << c.type;
    EXPECT_EQ(SubtypeFromRecord(std::vector<std::uint8_t>(10, 0xFF), 22), 0) << "a short record reads as zeros";
}

TEST(IconFactory, SpecialInputsFollowTheTypeTable)
{
    const SpecialInputs none{}, enable{false, true, false}, both{true, true, false}, select{false, true, true};
    const auto plain = RecordWithWords(0, 0);
    EXPECT_EQ(SpecialInputsOf(1, 0, plain), none);
    EXPECT_EQ(SpecialInputsOf(2, 0, plain), enable);
    EXPECT_EQ(SpecialInputsOf(16, 0, plain), both);
    EXPECT_EQ(SpecialInputsOf(265, 0, plain), select);
    EXPECT_EQ(SpecialInputsOf(23, 0, RecordWithWords(0xC000, 0)), enable);
    EXPECT_EQ(SpecialInputsOf(23, 0, plain), both);
    EXPECT_EQ(SpecialInputsOf(64, 1, plain), both) << "latched messages";
    EXPECT_EQ(SpecialInputsOf(64, 0, plain), select) << "conditional messages";
    EXPECT_EQ(SpecialInputsOf(257, 0x1000, plain), (SpecialInputs{true, false, false}));
}

TEST(IconFactory, KnownTypesWithoutAClassBecomeOpaqueIcons)
{
    const IconFactory factory = test::TestFactory();
    auto made = factory.Create(16, 0);
    ASSERT_NE(made, nullptr);
    auto* opaque = dynamic_cast<COpaqueIcon*>(made.get());
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(opaque->StoredTypeCode(), 16);
    EXPECT_FALSE(made->IsDeletable());
    EXPECT_EQ(made->OutputCount(), 1);
    EXPECT_TRUE(factory.Create(26, 0)->IsDeletable());
    EXPECT_NE(dynamic_cast<test::GateIcon*>(factory.Create(256, 1).get()), nullptr);
    EXPECT_EQ(factory.Create(6, 0), nullptr);
}

}  // namespace
}  // namespace icon_factory_test
}  // namespace corvane
