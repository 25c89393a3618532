#include "controls/DosStringEdit.h"

#include "EditTestDialog.h"
#include "PlatformTestSupport.h"
#include "platform/ControlAutomation.h"

namespace corvane {
namespace dos_string_edit_test {
namespace {

namespace ca = control_automation;

class DosStringEditTest : public test::PlatformTest {
protected:
    DosStringEditTest()
    {
        EXPECT_TRUE(dialog_.Create());
        dialog_.Edit().SetFocus();
    }

    void ExpectOneRefusalBox()
    {
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        const MessageBoxRequest& box = Prompts().messageBoxes.front();
        EXPECT_EQ(box.text,
            "The only valid characters for this are digits, letters, underscore, space, tilde, plus and minus");
        EXPECT_EQ(box.caption, "Valid Characters");
        EXPECT_EQ(box.icon, MessageBoxIcon::Warning);
        EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
        EXPECT_TRUE(box.beep);
        EXPECT_EQ(box.owner, dialog_.Handle());
        Prompts().messageBoxes.clear();
    }

    test::EditTestDialog dialog_;
};

TEST_F(DosStringEditTest, TypedNameCharactersGoIn)
{
    DosStringEdit dosEdit(dialog_.Edit());
    ASSERT_TRUE(ca::TypeText(dialog_.Edit(), "Main Page_2~+-"));
    EXPECT_EQ(dialog_.Edit().GetText(), "Main Page_2~+-");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(DosStringEditTest, EachRefusedCharacterBeepsAndTells)
{
    DosStringEdit dosEdit(dialog_.Edit());
    for (const char* typed : {".", "/", "\\", "*", "\xC3\xA9"}) {
        dialog_.Edit().SetText("page");
        dialog_.Edit().SetSel(4, 4);
        ASSERT_TRUE(ca::TypeText(dialog_.Edit(), typed));
        EXPECT_EQ(dialog_.Edit().GetText(), "page") << typed;
        ExpectOneRefusalBox();
    }
}

TEST_F(DosStringEditTest, PastedTextIsFilteredToo)
{
    DosStringEdit dosEdit(dialog_.Edit());
    EditControl& edit = dialog_.Edit();
    edit.ReplaceSel("trend 1");
    EXPECT_EQ(edit.GetText(), "trend 1");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    edit.ReplaceSel("page.xml");
    EXPECT_EQ(edit.GetText(), "trend 1");
    ExpectOneRefusalBox();
}

TEST_F(DosStringEditTest, BackspaceAlwaysWorks)
{
    DosStringEdit dosEdit(dialog_.Edit());
    EditControl& edit = dialog_.Edit();
    edit.SetText("ab");
    edit.SetSel(2, 2);
    ASSERT_TRUE(ca::PressKey(edit, ca::Key::Backspace));
    EXPECT_EQ(edit.GetText(), "a");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

}  // namespace
}  // namespace dos_string_edit_test
}  // namespace corvane
