#include "icons/reporting/RegisterReportingPalette.h"

#include "PlatformTestSupport.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/PaletteIconMakers.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvane {
namespace register_reporting_palette_test {
namespace {

constexpr Point kDrop{110, 90};

class ReportingPalette : public test::PlatformTest {};

TEST_F(ReportingPalette, EveryReportingCellMakesItsClassAtItsSize)
{
    struct Row {
        int cell;
        std::string_view className;
        Size size;
    };
    constexpr Row kRows[] = {
        {1, "CBigRamIcon", {32, 64}},
        {2, "CBigProbeIcon", {32, 64}},
        {11, "CEmailIcon", {32, 64}},
        {12, "CFTPIcon", {32, 64}},
        {40, "CModbusServerIcon", {32, 32}},
        {44, "CDataTagIcon", {32, 32}},
        {45, "CBigMqttIcon", {32, 64}},
        {47, "CModbusClientIcon", {32, 32}},
    };
    PaletteIconMakers makers;
    RegisterReportingPaletteIcons(makers, nullptr);
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.cell);
        const auto icon = makers.Make(row.cell, Rect::FromPointAndSize(kDrop, row.size), 10001 + row.cell);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ClassName(), row.className);
        EXPECT_EQ(icon->Position().Extent(), row.size);
    }
    for (const int other : {0, 3, 10, 13, 46})
        EXPECT_FALSE(makers.Has(other)) << other;
}

TEST_F(ReportingPalette, APlacedMqttIconKeepsItsSeriesInTheGivenStore)
{
    SettingsStore store;
    PaletteIconMakers makers;
    RegisterReportingPaletteIcons(makers, &store);
    const auto icon = makers.Make(45, Rect::FromPointAndSize(kDrop, {32, 64}), 10046);
    ASSERT_NE(dynamic_cast<const CBigMqttIcon*>(icon.get()), nullptr);
    EXPECT_TRUE(store.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue).has_value());
}

}  // namespace
}  // namespace register_reporting_palette_test
}  // namespace corvane
