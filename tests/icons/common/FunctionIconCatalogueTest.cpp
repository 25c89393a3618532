#include "icons/common/FunctionIconCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvane {
namespace function_icon_catalogue_test {
namespace {

TEST(FunctionIconCatalogueTest, EveryCellIsUsedOnceAndDrawsItsOwnBitmap)
{
    std::set<int> cells;
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        SCOPED_TRACE(std::string(row.className) + " " + std::string(row.tooltip));
        EXPECT_GE(row.paletteCell, 0);
        EXPECT_LT(row.paletteCell, 48);
        EXPECT_TRUE(cells.insert(row.paletteCell).second) << "cell used twice";
        EXPECT_EQ(row.bitmapId, 10001 + row.paletteCell);
        EXPECT_EQ(FunctionIconForCell(row.paletteCell), &row);
        EXPECT_GE(row.recordLength, 72);
        EXPECT_EQ(row.recordLength % 2, 0);
    }
    EXPECT_EQ(cells.size(), 39u);
    EXPECT_EQ(FunctionIconForCell(1), nullptr) << "a cell of another family";
    EXPECT_EQ(FunctionIconForCell(48), nullptr);
}

TEST(FunctionIconCatalogueTest, ClassesSharingATypeCodeAreToldApartBySubtype)
{
    std::set<std::pair<std::uint16_t, std::uint16_t>> seen;
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        if (!row.subtype)
            continue;
        EXPECT_TRUE(seen.insert({row.typeCode, *row.subtype}).second) << row.className << " " << row.tooltip;
    }
}

struct RowCase {
    int cell;
    std::string_view className;
    std::uint16_t typeCode;
    std::optional<std::uint16_t> subtype;
    std::string_view tooltip;
    int inputs;
    int outputs;
    bool trigger;
    bool enable;
    bool select;
    std::uint16_t recordLength;
    int dialogId;
    std::uint32_t helpContext;
    ConnectionRequirements checks;
};

class FunctionIconRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(FunctionIconRowTest, HoldsTheRowOfItsCell)
{
    const RowCase& c = GetParam();
    const FunctionIconInfo* row = FunctionIconForCell(c.cell);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->className, c.className);
    EXPECT_EQ(row->typeCode, c.typeCode);
    EXPECT_EQ(row->subtype, c.subtype);
    EXPECT_EQ(row->tooltip, c.tooltip);
    EXPECT_EQ(row->inputs, c.inputs);
    EXPECT_EQ(row->outputs, c.outputs);
    EXPECT_EQ(row->trigger, c.trigger);
    EXPECT_EQ(row->enable, c.enable);
    EXPECT_EQ(row->select, c.select);
    EXPECT_EQ(row->recordLength, c.recordLength);
    EXPECT_EQ(row->dialogId, c.dialogId);
    EXPECT_EQ(row->helpContext, c.helpContext);
    EXPECT_EQ(row->checks.trigger, c.checks.trigger);
    EXPECT_EQ(row->checks.select, c.checks.select);
    EXPECT_EQ(row->checks.minimumInputs, c.checks.minimumInputs);
    EXPECT_EQ(row->checks.output, c.checks.output);
    EXPECT_EQ(row->checks.isolationAllowed, c.checks.isolationAllowed);
}

// The rows whose columns differ most from their neighbours.
INSTANTIATE_TEST_SUITE_P(Rows, FunctionIconRowTest,
    testing::Values(RowCase{0, "CSampleRateClockIcon", 2, std::nullopt, "Sample Rate Clock", 1, 1, false, true, false,
                        80, 269, 0, {false, false, 0, false, true}},
        RowCase{13, "CLCDtextIcon", 64, 1, "LCD Latched Message", 2, 0, true, true, false, 78, 341, 131413,
            {true, false, 0, false, false}},
        RowCase{14, "CLCDtextIcon", 64, 0, "LCD Conditional Message", 3, 0, false, true, true, 78, 341, 131418,
            {false, false, 0, false, false}},
        RowCase{16, "CNotIcon", 256, 3, "Logic-NOT (Inverter)", 1, 1, false, true, false, 74, 304, 631,
            {false, false, 1, true, false}},
        RowCase{20, "CFlipFlopIcon", 257, 0, "R-S FlipFlop", 2, 1, false, false, false, 74, 362, 0,
            {false, false, 1, true, false}},
        RowCase{6, "CConstIcon", 260, 0, "Constant", 0, 1, false, false, false, 78, 313, 501,
            {false, false, 0, true, false}},
        RowCase{8, "CConstIcon", 260, 0xA000, "Remote Control Switch", 0, 1, false, true, false, 78, 313, 721,
            {false, false, 0, true, false}},
        RowCase{5, "CComparatorIcon", 261, 1, "Window Comparator", 3, 1, false, true, false, 78, 322, 0,
            {false, false, 2, true, false}},
        RowCase{30, "CCountIcon", 263, 0, "Timed Counter", 1, 1, true, true, false, 78, 314, 131386,
            {false, false, 1, true, false}},
        RowCase{21, "CMultiplexIcon", 265, std::nullopt, "Multiplexer", 2, 1, false, true, true, 72, 296, 0,
            {false, true, 2, true, false}},
        RowCase{22, "CDCintIcon", 267, 0x800, "Time Integral", 1, 1, true, true, false, 74, 338, 0,
            {true, false, 1, true, false}},
        RowCase{39, "CDataBufferIcon", 275, std::nullopt, "Data Buffer", 1, 8, false, true, false, 74, 539, 2171,
            {false, false, 0, true, true}},
        RowCase{42, "COneShotIcon", 278, std::nullopt, "One Shot", 1, 1, false, true, false, 84, 613, 12405,
            {false, false, 1, true, false}}));

}  // namespace
}  // namespace function_icon_catalogue_test
}  // namespace corvane
