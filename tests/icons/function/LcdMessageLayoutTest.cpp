#include "icons/function/LcdMessageLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace lcd_message_layout_test {
namespace {

// A conditional message: input 1 a number shown as "##.#" (4 wide), input 2
// an on/off state ("shut"/"open", 4 wide), input 3 one wide; input 0 is the
// select input and no insert.
LcdMessageLayout Conditional()
{
    std::array<int, 10> widths{};
    widths.fill(LcdMessageLayout::kNotAnInput);
    widths[1] = 4;
    widths[2] = 4;
    widths[3] = 1;
    return LcdMessageLayout(3, widths);
}

TEST(LcdMessageLayout, ReflowsToTwentyColumnsWithOneInsertPerLine)
{
    const std::string a19(19, 'a');
    const std::string a20(20, 'a');
    struct Case {
        std::string what;
        std::string text;
        bool fits;
        std::string laidOut;
        std::array<int, 3> inserts;
    };
    const std::vector<Case> cases{
        {"short", "hello", true, "hello", {-1, -1, -1}},
        {"break kept", "a\r\n^2b", true, "a\r\n^2b", {-1, 2, -1}},
        {"21st character", a20 + "b", true, a20 + "\r\nb", {-1, -1, -1}},
        {"full line then break", a20 + "\r\nb", true, a20 + "\r\nb", {-1, -1, -1}},
        {"insert past column 20", a19 + "^1", true, a19 + "\r\n^1", {-1, 1, -1}},
        {"second insert", "^1 ^2", true, "^1 \r\n^2", {1, 2, -1}},
        {"the rest flows on", a20 + "b\r\nc\r\nd", true, a20 + "\r\nbcd", {-1, -1, -1}},
        {"select input is no insert", "^0x", true, "0x", {-1, -1, -1}},
        {"caret without number", "^x", true, "x", {-1, -1, -1}},
        {"three full lines", a20 + a20 + a20, true, a20 + "\r\n" + a20 + "\r\n" + a20, {-1, -1, -1}},
        {"fourth line", a20 + a20 + a20 + "z", false, "", {}},
        {"break after the last line", "a\r\nb\r\nc\r\n", false, "", {}},
        {"second insert on the last line", "a\r\nb\r\n^1^2", false, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LcdMessageLayout::Result result = Conditional().Reflow(c.text, c.text.size());
        EXPECT_EQ(result.fits, c.fits);
        if (c.fits) {
            EXPECT_EQ(result.text, c.laidOut);
            EXPECT_EQ(result.lineInserts, c.inserts);
            EXPECT_EQ(result.caret, c.laidOut.size());
        }
    }
}

TEST(LcdMessageLayout, CaretFollowsTheTextItStoodBefore)
{
    const std::string text = std::string(21, 'a') + "bc";
    // Before the 'b' (index 21): a break went in before the 21st 'a'.
    EXPECT_EQ(Conditional().Reflow(text, 21).caret, 23u);
    EXPECT_EQ(Conditional().Reflow(text, 5).caret, 5u);
    EXPECT_EQ(Conditional().Reflow("a^zb", 3).caret, 2u) << "a deleted '^' moves the caret back";
}

TEST(LcdMessageLayout, TwoLineMessagesRefuseAThirdLine)
{
    std::array<int, 10> widths{};
    widths.fill(LcdMessageLayout::kNotAnInput);
    widths[0] = 3;
    widths[1] = 3;
    const LcdMessageLayout latched(2, widths);
    EXPECT_TRUE(latched.Reflow("a\r\nb", 0).fits);
    EXPECT_FALSE(latched.Reflow("a\r\nb\r\nc", 0).fits);
    EXPECT_EQ(latched.Reflow("^0^1", 0).text, "^0\r\n^1");
    EXPECT_FALSE(latched.Reflow("x\r\n^0^1", 0).fits);
}

TEST(LcdMessageLayout, InsertWidthsFollowTheTexts)
{
    EXPECT_EQ(LcdMessageLayout::InsertWidth(false, {"shut", "opened"}), 6);
    EXPECT_EQ(LcdMessageLayout::InsertWidth(true, {"xx", "x"}), 4);
    EXPECT_EQ(LcdMessageLayout::InsertWidth(true, {"xxx", ""}), 3);
    EXPECT_EQ(LcdMessageLayout::InsertWidth(false, {}), 0);
}

TEST(LcdMessageLayout, PreviewExpandsMarkersAndCutsLines)
{
    std::array<std::string, 10> expansions{};
    expansions[1] = "##.#";
    expansions[2] = "open";
    expansions[3] = std::string(22, 'N');
    EXPECT_EQ(Conditional().Preview("T=^1 C\r\nDoor ^2\r\nx^3", expansions),
        "T=##.# C\r\nDoor open\r\nx" + std::string(19, 'N'));
    EXPECT_EQ(Conditional().Preview("a\r\nb\r\nc\r\nd", expansions), "a\r\nb\r\nc");
}

TEST(LcdMessageLayout, FinishKeepsExactlyTheMessageLines)
{
    EXPECT_EQ(Conditional().Finish("a\r\nb"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(Conditional().Finish(""), "\r\n\r\n\r\n");
    EXPECT_EQ(Conditional().Finish("a\r\nb\r\nc\r\n"), "a\r\nb\r\nc\r\n");
}

TEST(LcdMessageLayout, TidyDropsTrailingBlanksAndBreaks)
{
    EXPECT_EQ(LcdMessageLayout::Tidy("\r\n\r\n\r\n"), "");
    EXPECT_EQ(LcdMessageLayout::Tidy("ab  \r\ncd \r\n  \r\n"), "ab\r\ncd");
    EXPECT_EQ(LcdMessageLayout::Tidy(" a\r\n\r\nb"), " a\r\n\r\nb");
}

TEST(LcdMessageLayout, NumberPatternsKeepToElevenPlaces)
{
    struct Case {
        int integer;
        int decimals;
        bool editingInteger;
        std::pair<int, int> fitted;
    };
    const Case cases[] = {
        {3, 0, true, {3, 0}},
        {0, 0, true, {0, 0}},
        {0, 2, false, {1, 2}},   // decimals need an integer digit
        {11, 1, true, {11, 0}},  // a full integer pattern takes every place
        {8, 5, true, {8, 2}},    // the decimals give way to the integer digits
        {5, 8, false, {2, 8}},   // the integer digits give way to the decimals
        {10, 1, false, {9, 1}},
        {1, 10, false, {1, 9}},
        {5, 11, false, {1, 9}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LcdMessageLayout::FitNumberPattern(c.integer, c.decimals, c.editingInteger), c.fitted)
            << c.integer << "/" << c.decimals;
}

}  // namespace
}  // namespace lcd_message_layout_test
}  // namespace corvane
