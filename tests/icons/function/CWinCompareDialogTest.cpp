#include "icons/function/CWinCompareDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CComparatorIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_win_compare_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CWinCompareDialogTest : public test::LogicIconNetTest {
protected:
    CWinCompareDialogTest() : window(Place<CComparatorIcon>(doc, kDrop, res::kBitmapWindowComparator))
    {
        const char* names[] = {"Hi", "Sig", "Lo"};
        for (int i = 0; i < 3; ++i) {
            auto& source = Place<SourceIcon>(doc, 40, 20, 20 + 60 * i);
            source.SetName(names[i]);
            Link(source, 0, window, i);
        }
    }
    CComparatorIcon& window;
};

TEST_F(CWinCompareDialogTest, DescribesTheOperationAndRebuildsItOnEveryChoice)
{
    const bool ok = RunDialog<CWinCompareDialog>(window, [&](CWinCompareDialog& dialog) {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Hi");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Sig");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput3), "Lo");
        EXPECT_EQ(Checked(dialog, res::kIdcWinCompareHigh), 1);
        EXPECT_FALSE(dialog.GetControl(res::kIdcHysteresisAmount)->IsVisible());
        EXPECT_FALSE(dialog.GetControl(res::kIdcWinCompareValueLabel)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcWinCompareDescription), "Output is HIGH when Sig > Lo AND Sig < Hi");
        Click(dialog, res::kIdcWinCompareLow);
        EXPECT_EQ(Text(dialog, res::kIdcWinCompareDescription), "Output is LOW when Sig > Lo AND Sig < Hi");
        Click(dialog, res::kIdcHysteresisCheck);
        EXPECT_TRUE(dialog.GetControl(res::kIdcHysteresisAmount)->IsVisible());
        EXPECT_TRUE(dialog.GetControl(res::kIdcWinCompareValueLabel)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcWinCompareDescription),
            "When Sig is Increasing: Output transitions LOW when Sig is > [Lo + Hysteresis] AND Sig < Hi\n\n"
            "When Sig is Decreasing: Output transitions LOW when Sig is < [Hi - Hysteresis] AND Sig > Lo");
        dialog.GetControl(res::kIdcHysteresisAmount)->SetText("0.25");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(window.ModeWord(), CComparatorIcon::kWindowBit | CComparatorIcon::kHysteresisBit
            | CComparatorIcon::kLowBetweenBit);
    EXPECT_FLOAT_EQ(window.Hysteresis(), 0.25F);
    EXPECT_EQ(window.InputCount(), 3);
}

TEST_F(CWinCompareDialogTest, ClearingTheHysteresisStoresZeroAndCancelKeepsTheRecord)
{
    window.SetHysteresis(true, 3.0F);
    window.SetLowBetween(true);
    const std::vector<std::uint8_t> before = test::Saved(window);
    const bool cancelled = RunDialog<CWinCompareDialog>(window, [&](CWinCompareDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcWinCompareLow), 1);
        Click(dialog, res::kIdcWinCompareHigh);
        Click(dialog, res::kIdcHysteresisCheck);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(test::Saved(window), before);

    RunDialog<CWinCompareDialog>(window, [&](CWinCompareDialog& dialog) {
        Click(dialog, res::kIdcHysteresisCheck);
        EXPECT_EQ(Text(dialog, res::kIdcHysteresisAmount), "0");
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(window.ModeWord(), CComparatorIcon::kWindowBit | CComparatorIcon::kLowBetweenBit);
    EXPECT_EQ(window.Hysteresis(), 0.0F);
}

}  // namespace
}  // namespace c_win_compare_dialog_test
}  // namespace corvane
