#include "controls/FloatEdit.h"
#include "controls/NumericText.h"
#include "controls/PosFloatEdit.h"

#include "EditTestDialog.h"
#include "PlatformTestSupport.h"
#include "platform/ControlAutomation.h"

namespace corvane {
namespace numeric_edit_test {
namespace {

namespace ca = control_automation;

TEST(NumericTextTest, AcceptsNumbersInTheMaking)
{
    struct Case {
        std::u32string_view text;
        bool signedOk;
        bool positiveOk;
    };
    const Case cases[] = {
        {U"", true, true},
        {U"12.5", true, true},
        {U"-", true, false},
        {U".", true, true},
        {U"-3", true, false},
        {U"-.5", true, false},
        {U"1.2.3", false, false},
        {U"3-", false, false},
        {U"--3", false, false},
        {U"1e5", false, false},
        {U"1,5", false, false},
        {U"\u0661", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsNumericEditText(c.text, true), c.signedOk) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(IsNumericEditText(c.text, false), c.positiveOk) << std::string(c.text.begin(), c.text.end());
    }
}

class NumericEditTest : public test::PlatformTest {
protected:
    NumericEditTest() { EXPECT_TRUE(dialog_.Create()); }

    // Puts text in the edit, places the caret and types one character.
    std::string TypeAt(const std::string& text, int caret, const std::string& typed)
    {
        EditControl& edit = dialog_.Edit();
        edit.SetText(text);
        edit.SetFocus();
        edit.SetSel(caret, caret);
        EXPECT_TRUE(ca::TypeText(edit, typed));
        return edit.GetText();
    }

    test::EditTestDialog dialog_;
};

TEST_F(NumericEditTest, FloatEditJudgesEachKeyByItsPlace)
{
    FloatEdit floatEdit(dialog_.Edit());
    struct Case {
        const char* text;
        int caret;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"12.5", 0, ".", "12.5"},
        {"12.5", 4, ".", "12.5"},
        {"12.5", 0, "-", "-12.5"},
        {"12.5", 2, "-", "12.5"},
        {"-3", 0, "7", "-3"},
        {"-3", 1, "7", "-73"},
        {"-3", 0, "-", "-3"},
        {"", 0, "x", ""},
        {"", 0, "-", "-"},
        {"", 0, "-1.25", "-1.25"},
        {"4", 1, "a1", "41"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypeAt(c.text, c.caret, c.typed), c.expected) << c.text << " + " << c.typed << " at " << c.caret;
}

TEST_F(NumericEditTest, PosFloatEditNeverTakesASign)
{
    PosFloatEdit posEdit(dialog_.Edit());
    EXPECT_EQ(TypeAt("", 0, "-"), "");
    EXPECT_EQ(TypeAt("5", 0, "-"), "5");
    EXPECT_EQ(TypeAt("5", 1, ".25"), "5.25");
    EXPECT_EQ(TypeAt("5.2", 3, "."), "5.2");
    EXPECT_EQ(TypeAt("5", 1, "k"), "5");
}

TEST_F(NumericEditTest, PastedTextIsJudgedAsAWhole)
{
    FloatEdit floatEdit(dialog_.Edit());
    EditControl& edit = dialog_.Edit();
    edit.SetText("7");
    edit.SetFocus();
    edit.SetSel(1, 1);
    edit.ReplaceSel("1.5");
    EXPECT_EQ(edit.GetText(), "71.5");
    edit.ReplaceSel("2.5");  // a second point
    EXPECT_EQ(edit.GetText(), "71.5");
    edit.SetSel(0, -1);
    edit.ReplaceSel("-0.125");  // replacing everything, sign and all
    EXPECT_EQ(edit.GetText(), "-0.125");
    edit.SetSel(0, -1);
    edit.ReplaceSel("12abc");
    EXPECT_EQ(edit.GetText(), "-0.125");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(NumericEditTest, DeletingStillWorks)
{
    FloatEdit floatEdit(dialog_.Edit());
    EditControl& edit = dialog_.Edit();
    edit.SetText("-2.5");
    edit.SetFocus();
    edit.SetSel(4, 4);
    ASSERT_TRUE(ca::PressKey(edit, ca::Key::Backspace));
    ASSERT_TRUE(ca::PressKey(edit, ca::Key::Backspace));
    EXPECT_EQ(edit.GetText(), "-2");
}

}  // namespace
}  // namespace numeric_edit_test
}  // namespace corvane
