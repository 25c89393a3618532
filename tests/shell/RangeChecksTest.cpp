#include "shell/RangeChecks.h"

#include "PlatformTestSupport.h"
#include "RecordingNoticeSink.h"

namespace corvane {
namespace range_checks_test {
namespace {

using test::RecordingNoticeSink;

TEST(ClampToRangeTest, ClampsRoundsAndTellsInThatOrder)
{
    const std::string kRange0To100 = " was automatically changed to be between 0 and 100";
    struct Case {
        std::int32_t value;
        std::int32_t minimum;
        std::int32_t maximum;
        bool round;
        std::int32_t expected;
        std::vector<std::string> notices;
    };
    const std::vector<Case> cases = {
        {12, 0, 100, true, 10, {"Rounding 12 to the nearest 5 ms"}},
        {13, 0, 100, true, 15, {"Rounding 13 to the nearest 5 ms"}},
        {15, 0, 100, true, 15, {}},
        {150, 0, 100, true, 100, {"Requested number (150)" + kRange0To100}},
        {-4, 0, 100, false, 0, {"Requested number (-4)" + kRange0To100}},
        {50, 0, 100, false, 50, {}},
        {7, 0, 100, false, 7, {}},
        // Negative values round to the nearest multiple of 5 as positive ones do.
        {-12, -100, 100, true, -10, {"Rounding -12 to the nearest 5 ms"}},
        {-13, -100, 100, true, -15, {"Rounding -13 to the nearest 5 ms"}},
        {-3, -100, 100, true, -5, {"Rounding -3 to the nearest 5 ms"}},
        {-2, -100, 100, true, 0, {"Rounding -2 to the nearest 5 ms"}},
        {-5, -100, 100, true, -5, {}},
        {-20, -100, 100, true, -20, {}},
        // Clamped first, then the clamped value is rounded.
        {-150, -103, 100, true, -100,
            {"Rounding -103 to the nearest 5 ms",
                "Requested number (-150) was automatically changed to be between -103 and 100"}},
        {500, 0, 103, true, 100,
            {"Rounding 103 to the nearest 5 ms",
                "Requested number (500) was automatically changed to be between 0 and 103"}},
        {INT32_MAX, 0, INT32_MAX, true, 2147483645, {"Rounding 2147483647 to the nearest 5 ms"}},
        {INT32_MIN, INT32_MIN, 0, true, -2147483645, {"Rounding -2147483648 to the nearest 5 ms"}},
    };
    for (const Case& c : cases) {
        RecordingNoticeSink notices;
        std::int32_t value = c.value;
        ClampToRange(value, c.minimum, c.maximum, c.round, &notices);
        EXPECT_EQ(value, c.expected) << c.value;
        EXPECT_EQ(notices.Texts(), c.notices) << c.value;
        for (const RecordingNoticeSink::Shown& shown : notices.shown) {
            EXPECT_EQ(shown.caption, "Warning");
            EXPECT_EQ(shown.style, NoticeStyle::Warning);
        }
    }
}

TEST(ClampToRangeTest, NoticesKeepTheirFullLength)
{
    const std::string text = FormatRangeNotice(INT32_MIN, INT32_MIN, INT32_MAX);
    EXPECT_EQ(
        text, "Requested number (-2147483648) was automatically changed to be between -2147483648 and 2147483647");
    EXPECT_GT(text.size(), 79u);
    EXPECT_EQ(FormatRoundingNotice(-2147483647), "Rounding -2147483647 to the nearest 5 ms");
}

TEST(ClampToRangeTest, WorksWithoutANoticeSink)
{
    std::int32_t value = 12;
    ClampToRange(value, 0, 5, true, nullptr);
    EXPECT_EQ(value, 5);
}

class CheckRangeUnsignedTest : public test::PlatformTest {};

TEST_F(CheckRangeUnsignedTest, OutOfRangeTellsTheUser)
{
    const WindowHandle owner{};
    EXPECT_TRUE(CheckRangeUnsigned(owner, 5, 5, 10, "Channel"));
    EXPECT_TRUE(CheckRangeUnsigned(owner, 10, 5, 10, "Channel"));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_FALSE(CheckRangeUnsigned(owner, 11, 5, 10, "Channel"));
    EXPECT_FALSE(CheckRangeUnsigned(owner, 4294967295u, 0, 4294967294u, "Interval"));
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    const MessageBoxRequest& box = Prompts().messageBoxes[0];
    EXPECT_EQ(box.text, "Channel must be between 5 and 10");
    EXPECT_EQ(box.caption, "Configuration Error");
    EXPECT_EQ(box.icon, MessageBoxIcon::Warning);
    EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Interval must be between 0 and 4294967294");
}

}  // namespace
}  // namespace range_checks_test
}  // namespace corvane
