#include "icons/function/CComparatorDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CComparatorIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_comparator_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CComparatorDialogTest : public test::LogicIconNetTest {
protected:
    CComparatorDialogTest()
        : comparator(Place<CComparatorIcon>(doc, kDrop, res::kBitmapComparator)),
          plus(Place<SourceIcon>(doc, 40, 20, 20)),
          minus(Place<SourceIcon>(doc, 40, 20, 80))
    {
        plus.SetName("Flow");
        minus.SetName("Limit");
        Link(plus, 0, comparator, 0);
        Link(minus, 0, comparator, 1);
    }
    static bool RowShown(const Dialog& dialog) { return dialog.GetControl(res::kIdcHysteresisAmount)->IsVisible(); }

    CComparatorIcon& comparator;
    SourceIcon& plus;
    SourceIcon& minus;
};

TEST_F(CComparatorDialogTest, ShowsTheConditionAndTheHysteresisRowWithTheCheck)
{
    const bool ok = RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Flow");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Limit");
        EXPECT_EQ(Text(dialog, res::kIdcComparatorCondition), "Flow > Limit");
        EXPECT_FALSE(RowShown(dialog));
        EXPECT_FALSE(dialog.GetControl(res::kIdcComparatorLowLabel)->IsVisible());
        Click(dialog, res::kIdcHysteresisCheck);
        EXPECT_TRUE(RowShown(dialog));
        EXPECT_TRUE(dialog.GetControl(res::kIdcComparatorLowCondition)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcComparatorLowCondition), "Flow <  ( Limit  - ");
        EXPECT_EQ(Text(dialog, res::kIdcHysteresisAmount), "0");
        dialog.GetControl(res::kIdcHysteresisAmount)->SetText("1.5");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(comparator.UsesHysteresis());
    EXPECT_FLOAT_EQ(comparator.Hysteresis(), 1.5F);
}

TEST_F(CComparatorDialogTest, ClearingTheCheckStoresTheAmountZeroAndAnEmptyAmountIsZero)
{
    comparator.SetHysteresis(true, 4.0F);
    RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        EXPECT_TRUE(RowShown(dialog));
        EXPECT_EQ(Text(dialog, res::kIdcHysteresisAmount), "4");
        Click(dialog, res::kIdcHysteresisCheck);
        EXPECT_EQ(Text(dialog, res::kIdcHysteresisAmount), "0");
        Click(dialog, kIdOk);
    });
    EXPECT_FALSE(comparator.UsesHysteresis());
    EXPECT_EQ(comparator.Hysteresis(), 0.0F);

    comparator.SetHysteresis(true, 4.0F);
    RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        dialog.GetControl(res::kIdcHysteresisAmount)->SetText("");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(comparator.UsesHysteresis());
    EXPECT_EQ(comparator.Hysteresis(), 0.0F);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CComparatorDialogTest, AnAmountThatIsNoNumberKeepsTheDialogOpenAndWritesNothing)
{
    const std::vector<std::uint8_t> before = test::Saved(comparator);
    const bool ok = RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        Click(dialog, res::kIdcComparatorSwap);
        Click(dialog, res::kIdcHysteresisCheck);
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Renamed");
        dialog.GetControl(res::kIdcHysteresisAmount)->SetText(".");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(comparator), before);
}

TEST_F(CComparatorDialogTest, SwapExchangesTheInputsOnOkOnly)
{
    RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        Click(dialog, res::kIdcComparatorSwap);
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Limit");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Flow");
        EXPECT_EQ(Text(dialog, res::kIdcComparatorCondition), "Limit > Flow");
        EXPECT_EQ(comparator.GetInputLinks()[0].sourceId, plus.UniqueId()) << "nothing changes before OK";
        Click(dialog, kIdCancel);
    });
    EXPECT_EQ(comparator.GetInputLinks()[0].sourceId, plus.UniqueId());
    EXPECT_EQ(comparator.GetInputLinks()[1].sourceId, minus.UniqueId());

    RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        Click(dialog, res::kIdcComparatorSwap);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(comparator.GetInputLinks()[0].sourceId, minus.UniqueId());
    EXPECT_EQ(comparator.GetInputLinks()[1].sourceId, plus.UniqueId());
    EXPECT_EQ(comparator.Input(0).LinkEnd(), minus.Output(0).GetLinkAnchorPoint());
}

TEST_F(CComparatorDialogTest, AnInputWithoutSourceReadsUnconnectedAfterASwap)
{
    comparator.DisconnectInput(1);
    RunDialog<CComparatorDialog>(comparator, [&](CComparatorDialog& dialog) {
        Click(dialog, res::kIdcComparatorSwap);
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Unconnected");
        EXPECT_EQ(Text(dialog, res::kIdcComparatorCondition), "Unconnected > Flow");
        Click(dialog, kIdOk);
    });
    EXPECT_FALSE(comparator.GetInputLinks()[0].IsConnected());
    EXPECT_EQ(comparator.GetInputLinks()[1].sourceId, plus.UniqueId());
}

}  // namespace
}  // namespace c_comparator_dialog_test
}  // namespace corvane
