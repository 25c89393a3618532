#include "icons/function/CTnoteDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CTnoteIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_tnote_dialog_test {
namespace {

constexpr Rect kDrop{100, 100, 132, 132};

class TnoteDialog : public test::FunctionIconNetTest {
protected:
    bool Edit(CTnoteIcon& note, std::string_view text, int button)
    {
        CTnoteDialog dialog(note);
        test::ModalDriver driver(dialog, [&] {
            shown = dialog.GetControl(res::kIdcNoteText)->GetText();
            dialog.GetControl(res::kIdcNoteText)->SetText(text);
            dialog.GetControlAs<ButtonControl>(button)->Click();
        });
        return dialog.RunModal();
    }
    std::string shown;
};

TEST_F(TnoteDialog, OkStoresTheTextAndCancelLeavesIt)
{
    auto& note = test::Place<CTnoteIcon>(doc, kDrop);
    EXPECT_TRUE(Edit(note, "Pump on at dawn", kIdOk));
    EXPECT_EQ(shown, "");
    EXPECT_EQ(note.Text(), "Pump on at dawn");
    EXPECT_EQ(note.DrawnText(), "Pump on at dawn");

    EXPECT_FALSE(Edit(note, "Something else", kIdCancel));
    EXPECT_EQ(shown, "Pump on at dawn");
    EXPECT_EQ(note.Text(), "Pump on at dawn");
}

TEST_F(TnoteDialog, TextIsKeptAsRecordBytes)
{
    auto& note = test::Place<CTnoteIcon>(doc, kDrop);
    EXPECT_TRUE(Edit(note, "20 \xC2\xB0" "C", kIdOk));
    EXPECT_EQ(note.Text(), "20 \xB0" "C") << "the record holds Windows-1252";
    const auto saved = Saved(note);
    EXPECT_EQ(saved[74 + 3], 0xB0);
}

}  // namespace
}  // namespace c_tnote_dialog_test
}  // namespace corvane
