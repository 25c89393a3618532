#include "icons/function/RegisterFunctionPalette.h"

#include "PlatformTestSupport.h"

#include "icons/function/CMathIcon.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/PaletteIconMakers.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvane {
namespace register_function_palette_test {
namespace {

constexpr Point kDrop{110, 90};
constexpr Size kIcon{32, 32};

struct PaletteRow {
    int cell;
    std::string_view className;
    Size size;
    bool variant;  // the class tells the cell by its picture
};

// The function icons of the palette: the class each cell makes and its size.
constexpr PaletteRow kRows[] = {
    {0, "CSampleRateClockIcon", kIcon, false},
    {3, "CMathIcon", kIcon, false},
    {4, "CComparatorIcon", kIcon, true},
    {5, "CComparatorIcon", kIcon, true},
    {6, "CConstIcon", kIcon, true},
    {7, "CConstIcon", kIcon, true},
    {8, "CConstIcon", kIcon, true},
    {9, "CTaccumIcon", kIcon, false},
    {10, "CSSClockIcon", kIcon, false},
    {13, "CLCDtextIcon", kIcon, true},
    {14, "CLCDtextIcon", kIcon, true},
    {15, "CWarningIcon", kIcon, false},
    {16, "CNotIcon", kIcon, false},
    {17, "CAndIcon", kIcon, false},
    {18, "COrIcon", kIcon, false},
    {19, "CXorIcon", kIcon, false},
    {20, "CFlipFlopIcon", kIcon, false},
    {21, "CMultiplexIcon", kIcon, false},
    {22, "CDCintIcon", kIcon, true},
    {23, "CRateOfChangeIcon", kIcon, false},
    {24, "CDCintIcon", kIcon, true},
    {25, "CSumIcon", kIcon, false},
    {26, "CAvgIcon", kIcon, false},
    {27, "CMinMaxIcon", kIcon, false},
    {28, "CDeltaIcon", kIcon, false},
    {29, "CFilterIcon", kIcon, false},
    {30, "CCountIcon", kIcon, true},
    {31, "CCountIcon", kIcon, true},
    {32, "CStopIcon", kIcon, false},
    {33, "CPeriodicOutputIcon", kIcon, false},
    {34, "CWarmupIcon", kIcon, false},
    {35, "CDelayIcon", kIcon, false},
    {36, "CLatchIcon", kIcon, false},
    {37, "CTnoteIcon", {9, 13}, false},
    {38, "CSchedIcon", kIcon, false},
    {39, "CDataBufferIcon", kIcon, false},
    {41, "CSpikeBlockerIcon", kIcon, false},
    {42, "COneShotIcon", kIcon, false},
    {43, "CScratchPadIcon", kIcon, false},
};

class FunctionPalette : public test::PlatformTest {};

TEST_F(FunctionPalette, EveryFunctionCellMakesItsClassAtItsSize)
{
    PaletteIconMakers makers;
    RegisterFunctionPaletteIcons(makers, nullptr);
    for (const PaletteRow& row : kRows) {
        SCOPED_TRACE(row.cell);
        const int picture = 10001 + row.cell;
        const auto icon = makers.Make(row.cell, Rect::FromPointAndSize(kDrop, row.size), picture);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ClassName(), row.className);
        EXPECT_EQ(icon->Position().Extent(), row.size);
        if (row.variant) {
            EXPECT_EQ(icon->BitmapId(), picture) << "the picture picks the variant";
        }
    }
    for (const int other : {1, 2, 11, 12, 40, 44, 45, 46, 47})
        EXPECT_FALSE(makers.Has(other)) << other;
}

TEST_F(FunctionPalette, APlacedMathIconReachesTheGivenLibrary)
{
    SettingsStore store;
    for (SettingsStore* given : {static_cast<SettingsStore*>(nullptr), &store}) {
        PaletteIconMakers makers;
        RegisterFunctionPaletteIcons(makers, given);
        const auto icon = makers.Make(3, Rect::FromPointAndSize(kDrop, kIcon), 10004);
        const auto* math = dynamic_cast<const CMathIcon*>(icon.get());
        ASSERT_NE(math, nullptr);
        EXPECT_EQ(math->LibraryStore(), given);
    }
}

}  // namespace
}  // namespace register_function_palette_test
}  // namespace corvane
