#include "icons/function/RegisterFunctionIcons.h"

#include "icons/common/FunctionIconCatalogue.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CCorvaneIcon.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace register_function_icons_test {
namespace {

constexpr std::uint16_t kProgramIconType = 1;
constexpr std::uint16_t kLastTypeCode = 0x0FFF;

TEST(RegisterFunctionIconsTest, RegistersOnlyCatalogueTypeCodes)
{
    IconFactory factory;
    RegisterFunctionIcons(factory);
    const auto rows = FunctionIconCatalogue();
    for (std::uint16_t code = kProgramIconType + 1; code <= kLastTypeCode; ++code) {
        if (!factory.HasClass(code))
            continue;
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const auto& row) { return row.typeCode == code; }))
            << "type code " << code;
    }
}

TEST(RegisterFunctionIconsTest, MakesAnIconOfTheRowsTypeForEveryRegisteredRow)
{
    IconFactory factory;
    RegisterFunctionIcons(factory);
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        if (!factory.HasClass(row.typeCode))
            continue;
        SCOPED_TRACE(std::string(row.tooltip));
        const std::unique_ptr<CCorvaneIcon> icon = factory.Create(row.typeCode, row.subtype.value_or(0));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ClassName(), row.className);
    }
}

}  // namespace
}  // namespace register_function_icons_test
}  // namespace corvane
