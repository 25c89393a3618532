#include "icons/function/CLogicDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CAndIcon.h"
#include "icons/function/CLogicIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CXorIcon.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_logic_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CLogicDialogTest : public test::LogicIconNetTest {
protected:
    bool Run(CLogicIcon& gate, const std::function<void(CLogicDialog&)>& drive)
    {
        return RunDialog<CLogicDialog>(gate, drive);
    }
    static std::vector<std::string> ListItems(const Dialog& dialog)
    {
        const auto* list = dialog.GetControlAs<ComboBoxControl>(res::kIdcLogicInputList);
        std::vector<std::string> items;
        for (int i = 0; i < list->GetCount(); ++i)
            items.push_back(list->GetLBText(i));
        return items;
    }
};

TEST_F(CLogicDialogTest, EachGateShowsItsCaptionConditionAndHelp)
{
    struct Case {
        std::function<CLogicIcon&(CNetDoc&)> place;
        std::string caption;
        std::string emptyName;
        std::string label;
        std::string condition;
        std::uint32_t help;
    };
    const std::vector<Case> cases{
        {[](CNetDoc& n) -> CLogicIcon& { return Place<CAndIcon>(n, kDrop); }, "Logical AND", "AND",
            "Output HIGH when:", "ALL Inputs are HIGH", 611},
        {[](CNetDoc& n) -> CLogicIcon& { return Place<COrIcon>(n, kDrop); }, "Logical OR", "OR", "Output HIGH when:",
            "ANY Input is HIGH", 641},
        {[](CNetDoc& n) -> CLogicIcon& { return Place<CXorIcon>(n, kDrop); }, "Logical Exclusive OR",
            "Exclusive OR", "Output HIGH when:", "is DIFFERENT than", 621},
        {[](CNetDoc& n) -> CLogicIcon& { return Place<CNotIcon>(n, kDrop); }, "Logical Inverter", "Invert",
            "Output the Inverted (opposite) state of", "", 631},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        CNetDoc net{services, factory};
        CLogicIcon& gate = c.place(net);
        gate.SetName("");
        Prompts().helpIds.clear();
        const bool ok = Run(gate, [&](CLogicDialog& dialog) {
            EXPECT_EQ(Text(dialog, CIconDialog::kIdcName), c.emptyName);
            EXPECT_EQ(Text(dialog, res::kIdcLogicConditionLabel), c.label);
            EXPECT_EQ(Text(dialog, res::kIdcLogicCondition), c.condition);
            EXPECT_EQ(Text(dialog, res::kIdcLogicLatch),
                "Latch Output state upon meeting " + c.emptyName + " condition");
            Click(dialog, kIdHelp);
            Click(dialog, kIdCancel);
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{c.help});
        EXPECT_EQ(gate.Name(), "") << "Cancel keeps the name";
    }
}

TEST_F(CLogicDialogTest, TheListNamesTheConnectedSourcesOrUnconnected)
{
    auto& gate = Place<CAndIcon>(doc, kDrop);
    std::vector<std::string> items;
    Run(gate, [&](CLogicDialog& dialog) {
        items = ListItems(dialog);
        Click(dialog, kIdCancel);
    });
    EXPECT_EQ(items, std::vector<std::string>{"Unconnected"});

    auto& first = Place<SourceIcon>(doc, 40, 20, 20);
    auto& second = Place<SourceIcon>(doc, 40, 20, 80);
    first.SetName("Tank");
    second.SetName("Pump");
    Link(first, 0, gate, 0);
    Link(second, 0, gate, 1);
    Run(gate, [&](CLogicDialog& dialog) {
        items = ListItems(dialog);
        EXPECT_EQ(dialog.GetControlAs<ComboBoxControl>(res::kIdcLogicInputList)->GetCurSel(), 0);
        Click(dialog, kIdCancel);
    });
    EXPECT_EQ(items, (std::vector<std::string>{"Tank", "Pump"}));
}

TEST_F(CLogicDialogTest, TheExclusiveOrNamesItsTwoInputsAndOffersNoDeMorganPicture)
{
    auto& gate = Place<CXorIcon>(doc, kDrop);
    auto& source = Place<SourceIcon>(doc);
    source.SetName("Door");
    Link(source, 0, gate, 1);
    Run(gate, [&](CLogicDialog& dialog) {
        EXPECT_FALSE(dialog.GetControl(res::kIdcLogicInputList)->IsVisible());
        EXPECT_TRUE(dialog.GetControl(CIconDialog::kIdcInput1)->IsVisible());
        EXPECT_TRUE(dialog.GetControl(CIconDialog::kIdcInput2)->IsVisible());
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Unconnected");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Door");
        EXPECT_FALSE(dialog.GetControl(res::kIdcLogicDeMorgan)->IsVisible());
        Click(dialog, res::kIdcLogicInvertedOutput);
        EXPECT_EQ(dialog.Picture(), res::kBitmapXorInverted);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(gate.BitmapId(), res::kBitmapXorInverted);
    EXPECT_EQ(gate.ModeByte(), 0x82);
    EXPECT_EQ(gate.InputCount(), 2);
}

TEST_F(CLogicDialogTest, OkWritesTheChecksThePictureAndTheInvertedOutput)
{
    auto& gate = Place<COrIcon>(doc, kDrop);
    const bool ok = Run(gate, [&](CLogicDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcLogicInvertedOutput), 0);
        EXPECT_EQ(Checked(dialog, res::kIdcLogicLatch), 0);
        EXPECT_EQ(Checked(dialog, res::kIdcLogicDeMorgan), 0);
        Click(dialog, res::kIdcLogicInvertedOutput);
        EXPECT_EQ(dialog.Picture(), res::kBitmapOrInverted);
        EXPECT_EQ(gate.OutputCount(), 1) << "nothing changes before OK";
        Click(dialog, res::kIdcLogicDeMorgan);
        EXPECT_EQ(dialog.Picture(), res::kBitmapOrDeMorganInverted);
        Click(dialog, res::kIdcLogicLatch);
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Either");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(gate.ModeByte(), 0xC1);
    EXPECT_TRUE(gate.IsLatched());
    EXPECT_EQ(gate.OutputCount(), 2);
    EXPECT_EQ(gate.BitmapId(), res::kBitmapOrDeMorganInverted);
    EXPECT_EQ(gate.Name(), "Either");
    const std::vector<std::uint8_t> record = test::Saved(gate);
    EXPECT_EQ(record[72], 0xC1);
    EXPECT_EQ(record[73], 1);
    EXPECT_EQ(record[kIconOutputCountOffset], 2);
}

TEST_F(CLogicDialogTest, ClearingTheInvertedOutputOnOkClearsItsLinks)
{
    auto& gate = Place<CAndIcon>(doc, kDrop);
    gate.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    gate.ApplySettings(res::kBitmapAndInverted, false, false);
    auto& sink = Place<RelayIcon>(doc);
    Link(gate, 1, sink, 0);
    Run(gate, [&](CLogicDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcLogicInvertedOutput), 1);
        Click(dialog, res::kIdcLogicInvertedOutput);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(gate.OutputCount(), 1);
    EXPECT_FALSE(gate.HasInvertedOutput());
    EXPECT_EQ(gate.BitmapId(), res::kBitmapAnd);
    EXPECT_FALSE(sink.GetInputLinks()[0].IsConnected());
}

TEST_F(CLogicDialogTest, CancelLeavesTheGateItsOutputsAndLinksAsTheyWere)
{
    auto& gate = Place<CNotIcon>(doc, kDrop);
    gate.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    gate.ApplySettings(res::kBitmapNotInverted, true, false);
    auto& sink = Place<RelayIcon>(doc);
    Link(gate, 1, sink, 0);
    const std::vector<std::uint8_t> before = test::Saved(gate);
    const std::vector<std::uint8_t> sinkBefore = test::Saved(sink);
    const bool ok = Run(gate, [&](CLogicDialog& dialog) {
        Click(dialog, res::kIdcLogicInvertedOutput);
        Click(dialog, res::kIdcLogicDeMorgan);
        Click(dialog, res::kIdcLogicLatch);
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Other");
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(gate), before);
    EXPECT_EQ(test::Saved(sink), sinkBefore);
    EXPECT_EQ(gate.BitmapId(), res::kBitmapNotInverted);
    EXPECT_EQ(sink.Input(0).LinkEnd(), gate.Output(1).GetLinkAnchorPoint());
}

}  // namespace
}  // namespace c_logic_dialog_test
}  // namespace corvane
