#include "icons/hardware/HardwareIconCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvane {
namespace hardware_icon_catalogue_test {
namespace {

TEST(HardwareIconCatalogueTest, ClassesSharingATypeCodeAreToldApartBySubtype)
{
    std::set<std::pair<std::uint16_t, std::uint16_t>> seen;
    for (const HardwareIconInfo& row : HardwareIconCatalogue()) {
        if (!row.subtype)
            continue;
        EXPECT_TRUE(seen.insert({row.typeCode, *row.subtype}).second) << row.className;
    }
}

TEST(HardwareIconCatalogueTest, OnlyTheExcitationIconMayBeDeletedOrSitsOnThePalette)
{
    for (const HardwareIconInfo& row : HardwareIconCatalogue())
        EXPECT_EQ(row.deletable, row.className == "CExciteIcon") << row.className;
    EXPECT_EQ(kExcitationBitmapId, 10001 + kExcitationPaletteCell);
}

TEST(HardwareIconCatalogueTest, LoggerFunctionIconsHaveNoTerminals)
{
    for (std::string_view name :
        {"CEngLEDIcon", "CEngAlarmIcon", "CExciteIcon", "CBattIcon", "CTempBaseIcon", "CPowerManagementIcon"}) {
        const HardwareIconInfo* row = HardwareIconForClass(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->moduleType, -1) << name;
        EXPECT_EQ(row->baseName, "CCorvaneIcon") << name;
    }
    EXPECT_EQ(HardwareIconForClass("CQuvEngRelayIcon")->moduleType, 0);
    EXPECT_EQ(HardwareIconForClass("CVLVXM_7Icon")->moduleType, 1);
    EXPECT_EQ(HardwareIconForClass("CVEXA2FreqInIcon")->moduleType, 2);
    EXPECT_EQ(HardwareIconForClass("CNoSuchIcon"), nullptr);
}

struct RowCase {
    std::string_view className;
    std::uint16_t typeCode;
    int bitmapId;
    int placingId;
    int dialogId;
};

class HardwareIconRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(HardwareIconRowTest, HoldsTheRowOfItsClass)
{
    const RowCase& c = GetParam();
    const HardwareIconInfo* row = HardwareIconForClass(c.className);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->typeCode, c.typeCode);
    EXPECT_EQ(row->bitmapId, c.bitmapId);
    EXPECT_EQ(row->placingId, c.placingId);
    EXPECT_EQ(row->dialogId, c.dialogId);
}

INSTANTIATE_TEST_SUITE_P(LoggerFunctions, HardwareIconRowTest,
    testing::Values(RowCase{"CQuvEngRelayIcon", 24, 414, 414, 335}, RowCase{"CEngLEDIcon", 25, 12003, 12003, 611},
        RowCase{"CEngAlarmIcon", 25, 615, 615, 612}, RowCase{"CExciteIcon", 26, 10047, 0, 697},
        RowCase{"CBattIcon", 17, 401, 401, 274}, RowCase{"CTempBaseIcon", 16, 403, 403, 289},
        RowCase{"CPowerManagementIcon", 6, 10098, 0, 542}, RowCase{"CGpdiIcon", 19, 12005, 402, 273},
        RowCase{"CVHEngIcon", 22, 404, 404, 323}),
    [](const testing::TestParamInfo<RowCase>& row) { return std::string(row.param.className); });

}  // namespace
}  // namespace hardware_icon_catalogue_test
}  // namespace corvane
