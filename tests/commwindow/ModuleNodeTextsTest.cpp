#include "commwindow/ModuleNodeTexts.h"

#include "halvix/protocol/ModuleReplies.h"

#include <gtest/gtest.h>

namespace corvane {
namespace module_node_texts_test {
namespace {

TEST(ModuleNodeTexts, ModuleTypeTexts)
{
    EXPECT_EQ(ModuleTypeText(0), "VEXA-7 Isolated Input Module");
    EXPECT_EQ(ModuleTypeText(1), "VEXA-2 Digital Input/Output Module");
    EXPECT_EQ(ModuleTypeText(2), "Unknown Module Type");
    EXPECT_EQ(ModuleTypeText(255), "Unknown Module Type");
}

TEST(ModuleNodeTexts, FirmwareVersionTexts)
{
    struct Case {
        std::uint8_t major, minor, build;
        const char* text;
    };
    const Case cases[] = {
        {1, 2, 3, "01.02.03"},
        {10, 0, 99, "10.00.99"},
        {255, 255, 254, "255.255.254"},
        {255, 255, 255, "Reflash Needed"},
    };
    for (const Case& c : cases) {
        ModuleInformation info;
        info.firmware[0] = c.major;
        info.firmware[1] = c.minor;
        info.firmware[2] = c.build;
        EXPECT_EQ(FirmwareVersionText(info), c.text);
    }
}

TEST(ModuleNodeTexts, SerialNumberIsShownSigned)
{
    EXPECT_EQ(SerialNumberText(123456789u), "123456789");
    EXPECT_EQ(SerialNumberText(0xFFFFFFFFu), "-1");
}

}  // namespace
}  // namespace module_node_texts_test
}  // namespace corvane
