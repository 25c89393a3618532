#include "shell/CAdvisoryDlg.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "shell/AdvisorySuppressions.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <string>
#include <vector>

namespace corvane {
namespace c_advisory_dlg_test {
namespace {

// Escape and the close box reach the dialog as a cancel.
class EscapableAdvisory : public CAdvisoryDlg {
public:
    using CAdvisoryDlg::CAdvisoryDlg;
    void PressEscape() { OnCancel(); }
};

enum class Action { First, Second, Escape };

class CAdvisoryDlgTest : public test::PlatformTest {
protected:
    // Shows the box and answers it with the action; checkDontShow ticks the
    // check box first.
    int ShowAndAnswer(int boxType, const std::string& text, Action action, bool checkDontShow = false)
    {
        EscapableAdvisory box(suppressed_);
        test::ModalDriver driver(box, [&] {
            labels_ = {box.GetControl(res::kIdcAdvisoryFirst)->GetText(),
                box.GetControl(res::kIdcAdvisorySecond)->IsVisible()
                    ? box.GetControl(res::kIdcAdvisorySecond)->GetText()
                    : std::string("(hidden)")};
            message_ = box.GetControl(res::kIdcAdvisoryMessage)->GetText();
            if (checkDontShow)
                box.GetControlAs<ButtonControl>(res::kIdcAdvisoryDontShow)->SetCheck(1);
            switch (action) {
            case Action::First: box.GetControlAs<ButtonControl>(res::kIdcAdvisoryFirst)->Click(); break;
            case Action::Second: box.GetControlAs<ButtonControl>(res::kIdcAdvisorySecond)->Click(); break;
            case Action::Escape: box.PressEscape(); break;
            }
        });
        const int result = box.Show(boxType, text);
        shown_ = driver.runs > 0;
        return result;
    }

    AdvisorySuppressions suppressed_;
    std::vector<std::string> labels_;
    std::string message_;
    bool shown_ = false;
};

TEST_F(CAdvisoryDlgTest, EachBoxTypeLabelsItsButtonsAndAnswersWithMessageBoxCodes)
{
    struct Case {
        int type;
        Action action;
        int expected;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases = {
        {CAdvisoryDlg::kOkCancel, Action::First, kIdOk, {"OK", "Cancel"}},
        {CAdvisoryDlg::kOkCancel, Action::Second, kIdCancel, {"OK", "Cancel"}},
        {CAdvisoryDlg::kOkCancel, Action::Escape, kIdCancel, {"OK", "Cancel"}},
        {CAdvisoryDlg::kOk, Action::First, kIdYes, {"Ok", "(hidden)"}},
        {CAdvisoryDlg::kOk, Action::Escape, kIdYes, {"Ok", "(hidden)"}},
        {CAdvisoryDlg::kYesNo, Action::First, kIdYes, {"Yes", "No"}},
        {CAdvisoryDlg::kYesNo, Action::Second, kIdNo, {"Yes", "No"}},
        {CAdvisoryDlg::kYesNo, Action::Escape, kIdNo, {"Yes", "No"}},
    };
    for (const Case& c : cases) {
        const std::string text = "Check the battery (" + std::to_string(c.type) + ")";
        EXPECT_EQ(ShowAndAnswer(c.type, text, c.action), c.expected)
            << "type " << c.type << " action " << static_cast<int>(c.action);
        EXPECT_EQ(labels_, c.labels) << "type " << c.type;
        EXPECT_EQ(message_, text);
    }
    EXPECT_EQ(suppressed_.Count(), 0u);
}

TEST_F(CAdvisoryDlgTest, ASuppressedTextIsNotShownAgainForAnyBoxType)
{
    const std::string text = "The net will be replaced.";
    EXPECT_EQ(ShowAndAnswer(CAdvisoryDlg::kYesNo, text, Action::Second, true), kIdNo);
    EXPECT_TRUE(shown_);
    EXPECT_EQ(ShowAndAnswer(CAdvisoryDlg::kYesNo, text, Action::First), kIdIgnore);
    EXPECT_FALSE(shown_);
    EXPECT_EQ(ShowAndAnswer(CAdvisoryDlg::kOkCancel, text, Action::First), kIdIgnore);
    EXPECT_FALSE(shown_);
    // Only the exact text: another case is shown.
    EXPECT_EQ(ShowAndAnswer(CAdvisoryDlg::kOkCancel, "THE NET WILL BE REPLACED.", Action::First), kIdOk);
    EXPECT_TRUE(shown_);
}

TEST_F(CAdvisoryDlgTest, EscapeDoesNotSuppressTheText)
{
    EXPECT_EQ(ShowAndAnswer(CAdvisoryDlg::kOk, "Note", Action::Escape, true), kIdYes);
    EXPECT_EQ(suppressed_.Count(), 0u);
}

}  // namespace
}  // namespace c_advisory_dlg_test
}  // namespace corvane
