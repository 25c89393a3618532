#include "icons/function/CFlipFlopDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CFlipFlopIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_flip_flop_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CFlipFlopDialogTest : public test::LogicIconNetTest {};

TEST_F(CFlipFlopDialogTest, APlacedFlipFlopOpensWithItsDefaults)
{
    auto& flipFlop = Place<CFlipFlopIcon>(doc, kDrop);
    auto& reset = Place<SourceIcon>(doc);
    reset.SetName("Clear");
    Link(reset, 0, flipFlop, CFlipFlopIcon::kResetInput);
    RunDialog<CFlipFlopDialog>(flipFlop, [&](CFlipFlopDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcFlipFlopSetHigh), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcFlipFlopResetHigh), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcFlipFlopBothLow), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcFlipFlopLevel), 1);
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopSetVerb), "is");
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopResetVerb), "is");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Unconnected");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Clear");
        Click(dialog, kIdCancel);
    });
}

TEST_F(CFlipFlopDialogTest, TheOperationWordsFollowTheRadioAndOkWritesEveryPair)
{
    auto& flipFlop = Place<CFlipFlopIcon>(doc, kDrop);
    const bool ok = RunDialog<CFlipFlopDialog>(flipFlop, [&](CFlipFlopDialog& dialog) {
        Click(dialog, res::kIdcFlipFlopEdge);
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopSetVerb), "transitions");
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopResetVerb), "transitions");
        Click(dialog, res::kIdcFlipFlopSetLow);
        Click(dialog, res::kIdcFlipFlopBothHigh);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(flipFlop.ModeWord(), CFlipFlopIcon::kResetHigh | CFlipFlopIcon::kBothHigh | CFlipFlopIcon::kEdgeBased);

    const bool again = RunDialog<CFlipFlopDialog>(flipFlop, [&](CFlipFlopDialog& dialog) {
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopSetVerb), "transitions");
        Click(dialog, res::kIdcFlipFlopLevel);
        EXPECT_EQ(Text(dialog, res::kIdcFlipFlopSetVerb), "is");
        Click(dialog, res::kIdcFlipFlopResetLow);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(again);
    EXPECT_EQ(flipFlop.ModeWord(), CFlipFlopIcon::kResetHigh | CFlipFlopIcon::kBothHigh | CFlipFlopIcon::kEdgeBased);
}

}  // namespace
}  // namespace c_flip_flop_dialog_test
}  // namespace corvane
