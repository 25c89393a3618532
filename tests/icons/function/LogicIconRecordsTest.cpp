#include "LogicIconsTestSupport.h"

#include "icons/common/FunctionIconCatalogue.h"
#include "icons/function/CAndIcon.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CFlipFlopIcon.h"
#include "icons/function/CLatchIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CXorIcon.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <functional>

namespace corvane {
namespace logic_icon_records_test {
namespace {

using test::ExpectedRecord;
using test::Saved;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::uint8_t kLogic = 0;  // flags byte of a logic input or output
constexpr std::uint8_t kData = 2;   // flags byte of a data input

struct PlacedCase {
    std::string_view label;
    std::function<std::unique_ptr<CCorvaneIcon>()> place;
    int bitmap;
    bool trigger;
    bool enable;
    std::uint16_t fixedLength;
    ExpectedRecord record;
};

std::vector<PlacedCase> PlacedCases()
{
    return {
        {"AND", [] { return std::make_unique<CAndIcon>(kDrop); }, res::kBitmapAnd, false, true, 74,
            {256, "And", {0x00, 0x00}, 2, kLogic, 1, kLogic}},
        {"OR", [] { return std::make_unique<COrIcon>(kDrop); }, res::kBitmapOr, false, true, 74,
            {256, "Or", {0x01, 0x00}, 2, kLogic, 1, kLogic}},
        {"XOR", [] { return std::make_unique<CXorIcon>(kDrop); }, res::kBitmapXor, false, true, 74,
            {256, "Exclusive OR", {0x02, 0x00}, 2, kLogic, 1, kLogic}},
        {"NOT", [] { return std::make_unique<CNotIcon>(kDrop); }, res::kBitmapNot, false, true, 74,
            {256, "Invert", {0x03, 0x00}, 1, kLogic, 1, kLogic}},
        {"latch", [] { return std::make_unique<CLatchIcon>(kDrop); }, res::kBitmapLatch, true, false, 74,
            {257, "Latch", {0x00, 0x50}, 1, kLogic, 1, kLogic}},
        {"flip-flop", [] { return std::make_unique<CFlipFlopIcon>(kDrop); }, res::kBitmapFlipFlop, false, false, 74,
            {257, "FlipFlop", {0x00, 0xC0}, 2, kLogic, 1, kLogic}},
        {"comparator", [] { return std::make_unique<CComparatorIcon>(kDrop, res::kBitmapComparator); },
            res::kBitmapComparator, false, true, 78, {261, "Compare", {0, 0, 0, 0, 0, 0}, 2, kData, 1, kLogic}},
        {"window comparator", [] { return std::make_unique<CComparatorIcon>(kDrop, res::kBitmapWindowComparator); },
            res::kBitmapWindowComparator, false, true, 78,
            {261, "Compare", {0x00, 0x80, 0, 0, 0, 0}, 3, kData, 1, kLogic}},
    };
}

class LogicIconRecords : public test::LogicIconNetTest {};

TEST_F(LogicIconRecords, PlacedIconsWriteTheirDefaultRecordsAndLoadAndSaveThemUnchanged)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.label));
        const std::unique_ptr<CCorvaneIcon> placed = c.place();
        EXPECT_EQ(placed->BitmapId(), c.bitmap);
        EXPECT_EQ(placed->Name(), c.record.name);
        const std::vector<std::uint8_t> expected = c.record.Bytes();
        EXPECT_EQ(Saved(*placed), expected);

        const std::unique_ptr<CCorvaneIcon> loaded = Load(expected);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), placed->ClassName());
        EXPECT_EQ(loaded->BitmapId(), c.bitmap);
        EXPECT_EQ(loaded->Caption(), c.record.name);
        EXPECT_EQ(loaded->TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(loaded->EnableInput().IsActive(), c.enable);
        EXPECT_EQ(Saved(*loaded), expected);
    }
}

TEST_F(LogicIconRecords, PlacedIconsMatchTheirCatalogueRows)
{
    const auto rows = FunctionIconCatalogue();
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.label));
        const std::unique_ptr<CCorvaneIcon> icon = c.place();
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const FunctionIconInfo& r) {
            return r.className == icon->ClassName() && r.bitmapId == icon->BitmapId();
        });
        ASSERT_NE(row, rows.end());
        EXPECT_EQ(row->typeCode, icon->TypeCode());
        EXPECT_EQ(row->inputs, icon->InputCount());
        EXPECT_EQ(row->outputs, icon->OutputCount());
        EXPECT_EQ(row->trigger, c.trigger);
        EXPECT_EQ(row->enable, c.enable);
        EXPECT_EQ(row->trigger, icon->TriggerInput().IsActive());
        EXPECT_EQ(row->enable, icon->EnableInput().IsActive());
        EXPECT_EQ(row->select, icon->ExtraInputCount() > 0);
        EXPECT_EQ(row->recordLength, c.fixedLength);
    }
}

TEST_F(LogicIconRecords, StoredValuesSurviveALoadAndSave)
{
    // A latched OR with the De Morgan picture and its inverted output; a
    // latch with "OFF"; an edge-based flip-flop; a window comparator with
    // hysteresis 2.5 and LOW between the thresholds.
    struct Case {
        std::string_view label;
        ExpectedRecord record;
        std::string_view className;
        int bitmap;
    };
    const std::vector<Case> cases{
        {"OR", {256, "Any", {0xC1, 0x01}, 5, kLogic, 2, kLogic}, "COrIcon", res::kBitmapOrDeMorganInverted},
        {"latch", {257, "Hold", {0x00, 0x70}, 1, kLogic, 1, kLogic}, "CLatchIcon", res::kBitmapLatch},
        {"flip-flop", {257, "RS", {0x00, 0x28}, 2, kLogic, 1, kLogic}, "CFlipFlopIcon", res::kBitmapFlipFlop},
        {"window", {261, "Band", {0x00, 0xE0, 0x00, 0x00, 0x20, 0x40}, 3, kData, 1, kLogic}, "CComparatorIcon",
            res::kBitmapWindowComparator},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        const std::vector<std::uint8_t> bytes = c.record.Bytes();
        const std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ClassName(), c.className);
        EXPECT_EQ(icon->BitmapId(), c.bitmap);
        EXPECT_EQ(Saved(*icon), bytes);
    }
}

TEST_F(LogicIconRecords, RefusesATruncatedFixedPart)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.label));
        std::vector<std::uint8_t> bytes = c.record.Bytes();
        // The record claims only the header and one byte less than the fixed part.
        const std::size_t length = c.fixedLength - 2;
        bytes.resize(length);
        test::PutU16(bytes, 0, static_cast<std::uint16_t>(length));
        EXPECT_EQ(Load(bytes), nullptr);
    }
}

}  // namespace
}  // namespace logic_icon_records_test
}  // namespace corvane
