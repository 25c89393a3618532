#include "icons/common/CIconDialog.h"

#include "ModalDriver.h"
#include "NetTestIcons.h"
#include "PlatformTestSupport.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"

#include <array>
#include <string>

namespace corvane {
namespace c_icon_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr int kIdcLevel = 900;
constexpr int kTemplateId = 700;

constexpr std::array kControls{
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcName, "", {10, 10, 120, 20}},
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcUnits, "", {10, 35, 60, 20}},
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcInput1, "", {10, 60, 120, 20}, control_style::kReadOnly},
    ControlTemplate{ControlKind::Static, CIconDialog::kIdcInput2Label, "Input 2", {140, 85, 50, 20}},
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcInput2, "", {10, 85, 120, 20}, control_style::kReadOnly},
    ControlTemplate{ControlKind::Static, CIconDialog::kIdcInput3Label, "Input 3", {140, 110, 50, 20}},
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcInput3, "", {10, 110, 120, 20}, control_style::kReadOnly},
    ControlTemplate{ControlKind::Static, CIconDialog::kIdcInput4Label, "Input 4", {140, 135, 50, 20}},
    ControlTemplate{ControlKind::Edit, CIconDialog::kIdcInput4, "", {10, 135, 120, 20}, control_style::kReadOnly},
    ControlTemplate{ControlKind::Edit, kIdcLevel, "", {10, 160, 60, 20}},
    ControlTemplate{ControlKind::PushButton, kIdOk, "OK", {200, 10, 60, 22}, control_style::kDefault},
    ControlTemplate{ControlKind::PushButton, kIdCancel, "Cancel", {200, 40, 60, 22}},
    ControlTemplate{ControlKind::PushButton, kIdHelp, "Help", {200, 70, 60, 22}},
};
constexpr DialogTemplate kTemplate{kTemplateId, "Test Icon", 280, 200, kControls};

// A derived dialog with one field of its own: a level from 1 to 10 that
// must not be 7, written into the icon only on OK.
class LevelDialog : public CIconDialog {
public:
    LevelDialog(CCorvaneIcon& icon, int& target, std::uint32_t help = 0)
        : CIconDialog(kTemplate, icon, help), target_(target), level_(target)
    {}
    int applied = 0;

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        DdxInt(exchange, kIdcLevel, level_, 1, 10);
        CIconDialog::DoDataExchange(exchange);
    }
    bool ValidateFields() override { return level_ != 7; }
    void ApplyToIcon() override
    {
        target_ = level_;
        ++applied;
    }

private:
    int& target_;
    int level_;
};

class CIconDialogTest : public test::PlatformTest {
protected:
    static std::string Text(Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
    static void SetText(Dialog& dialog, int id, std::string_view text) { dialog.GetControl(id)->SetText(text); }
    static void Click(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }

    CCorvaneDoc doc;
    int level = 3;
};

TEST_F(CIconDialogTest, ShowsTheNameTheUnitsAndTheSourceOfEachShownInput)
{
    auto& source = Place<SourceIcon>(doc);
    auto& icon = Place<RelayIcon>(doc, "Tank", 3);
    Link(source, 0, icon, 0);
    icon.GetInputLinks()[2].sourceId = 999;  // a link to an icon that is gone
    SetOutputData(icon.GetOutputEntries()[0], "m3");

    LevelDialog dialog(icon, level);
    dialog.SetSections(true, false, true);
    dialog.ShowOptionalConnector(1, true, 1);
    dialog.ShowOptionalInput3(true, true, 2);
    dialog.ShowOptionalInput4(false, true, 3);
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcName), "Tank");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcUnits), "m3");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Source");
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Unconnected") << "not linked";
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput3), "Unconnected") << "linked to a missing icon";
        EXPECT_EQ(dialog.InputSourceText(1), "Source");
        EXPECT_EQ(dialog.InputSourceText(3), "Unconnected");
        EXPECT_TRUE(dialog.GetControl(CIconDialog::kIdcInput2)->IsVisible());
        // Row 4 was never used: its controls stay as the template made them,
        // since a dialog may give their ids a purpose of its own.
        EXPECT_TRUE(dialog.GetControl(CIconDialog::kIdcInput4)->IsVisible());
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput4), "");
        EXPECT_TRUE(dialog.GetControlAs<EditControl>(CIconDialog::kIdcInput1)->IsReadOnly());
        EXPECT_TRUE(dialog.GetControlAs<EditControl>(CIconDialog::kIdcInput2)->IsReadOnly());
        EXPECT_EQ(dialog.GetControlAs<EditControl>(CIconDialog::kIdcName)->LimitText(), 20u);
        EXPECT_EQ(dialog.GetControlAs<EditControl>(CIconDialog::kIdcUnits)->LimitText(), 8u);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(dialog.RunModal());
}

TEST_F(CIconDialogTest, OkWritesNameAndUnitsWithinTheirFields)
{
    auto& icon = Place<RelayIcon>(doc, "Tank");
    LevelDialog dialog(icon, level);
    dialog.SetSections(false, false, true);
    test::ModalDriver driver(dialog, [&] {
        SetText(dialog, CIconDialog::kIdcName, "A name of twenty-five b");
        SetText(dialog, CIconDialog::kIdcUnits, "litres/h!");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.Header().name, "A name of twenty-fiv");
    EXPECT_EQ(icon.Caption(), "A name of twenty-fiv");
    const OutputEntry& entry = icon.GetOutputEntries()[0];
    EXPECT_EQ(std::string(entry.data.begin(), entry.data.end()), "litres/h");
    EXPECT_EQ(entry.byte10, 0) << "the units never reach past the data field";

    SetOutputData(icon.GetOutputEntries()[0], "abcdefgh");
    LevelDialog shorter(icon, level);
    shorter.SetSections(false, false, true);
    test::ModalDriver second(shorter, [&] {
        SetText(shorter, CIconDialog::kIdcUnits, "mm");
        Click(shorter, kIdOk);
    });
    EXPECT_TRUE(shorter.RunModal());
    EXPECT_EQ(icon.GetOutputEntries()[0].data, (std::array<std::uint8_t, 8>{'m', 'm', 0, 0, 0, 0, 0, 0}))
        << "shorter units are padded with zeros";
}

TEST_F(CIconDialogTest, RefusalsKeepTheDialogOpenAndWriteNothing)
{
    auto& icon = Place<RelayIcon>(doc, "Tank");
    LevelDialog dialog(icon, level);
    dialog.SetSections(false, false, true);
    test::ModalDriver driver(dialog, [&] {
        SetText(dialog, CIconDialog::kIdcName, "Renamed");
        SetText(dialog, CIconDialog::kIdcUnits, "kg");
        SetText(dialog, kIdcLevel, "11");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen()) << "out of range";
        SetText(dialog, kIdcLevel, "7");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen()) << "refused by the dialog's own check";
        EXPECT_EQ(icon.Header().name, "Tank");
        EXPECT_EQ(icon.GetOutputEntries()[0].data[0], 0);
        EXPECT_EQ(dialog.applied, 0);
        SetText(dialog, kIdcLevel, "9");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u) << "the range refusal's message";
    EXPECT_EQ(dialog.applied, 1);
    EXPECT_EQ(level, 9);
    EXPECT_EQ(icon.Header().name, "Renamed");
}

TEST_F(CIconDialogTest, CancelChangesNeitherNameNorUnitsNorConnectors)
{
    auto& source = Place<SourceIcon>(doc);
    auto& icon = Place<RelayIcon>(doc, "Tank", 2);
    auto& sink = Place<RelayIcon>(doc, "Sink");
    Link(source, 0, icon, 1);
    Link(icon, 0, sink, 0);
    SetOutputData(icon.GetOutputEntries()[0], "m3");
    LevelDialog dialog(icon, level);
    dialog.SetSections(true, false, true);
    dialog.ShowOptionalConnector(1, false, 1);
    dialog.ShowOptionalConnector(0, false, 0);
    test::ModalDriver driver(dialog, [&] {
        SetText(dialog, CIconDialog::kIdcName, "Other");
        SetText(dialog, CIconDialog::kIdcUnits, "kg");
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(dialog.RunModal());
    EXPECT_EQ(icon.Header().name, "Tank");
    EXPECT_EQ(icon.GetOutputEntries()[0].data[0], 'm');
    EXPECT_EQ(icon.InputCount(), 2);
    EXPECT_EQ(icon.OutputCount(), 1);
    EXPECT_EQ(icon.GetInputLinks()[1].sourceId, source.UniqueId());
    EXPECT_EQ(sink.GetInputLinks()[0].sourceId, icon.UniqueId());
    EXPECT_EQ(level, 3);
}

TEST_F(CIconDialogTest, HidingAnOptionalInputRemovesItAndItsLinkOnOk)
{
    auto& source = Place<SourceIcon>(doc);
    auto& icon = Place<RelayIcon>(doc, "Tank", 2);
    Link(source, 0, icon, 1);
    LevelDialog dialog(icon, level);
    dialog.ShowOptionalConnector(1, true, 1);
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Source");
        dialog.ShowOptionalConnector(1, false, 1);
        EXPECT_FALSE(dialog.GetControl(CIconDialog::kIdcInput2)->IsVisible());
        EXPECT_EQ(icon.InputCount(), 2) << "nothing changes before OK";
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.InputCount(), 1);
    EXPECT_FALSE(icon.GetInputLinks().empty());
    EXPECT_EQ(icon.RecordLink(1)->sourceId, 0) << "the dropped input's link is cleared";
    EXPECT_FALSE(icon.Input(1).IsActive());
}

TEST_F(CIconDialogTest, TheSecondOutputIsAddedOnOkAndItsLinksGoWithIt)
{
    auto& icon = Place<RelayIcon>(doc, "Gate");
    auto& sink = Place<RelayIcon>(doc, "Sink");
    {
        LevelDialog dialog(icon, level);
        test::ModalDriver driver(dialog, [&] {
            dialog.SetOutputOption(true, 1);
            Click(dialog, kIdOk);
        });
        EXPECT_TRUE(dialog.RunModal());
    }
    ASSERT_EQ(icon.OutputCount(), 2);
    EXPECT_EQ(icon.Output(1).GetDataType(), data_type::kData | data_type::kUnsettled);
    EXPECT_EQ(icon.GetOutputEntries()[1].flags, kInputLinkPlainFlags);
    Link(icon, 1, sink, 0);
    ASSERT_EQ(sink.GetInputLinks()[0].sourceId, icon.UniqueId());

    LevelDialog dialog(icon, level);
    test::ModalDriver driver(dialog, [&] {
        dialog.SetOutputOption(false, 1);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.OutputCount(), 1);
    EXPECT_EQ(sink.GetInputLinks()[0].sourceId, 0) << "the link that used the removed output is cleared";
    EXPECT_FALSE(sink.Input(0).HasLinkEnd());
}

TEST_F(CIconDialogTest, AChoiceUndoneBeforeOkLeavesTheLinksAlone)
{
    auto& icon = Place<RelayIcon>(doc, "Gate");
    auto& sink = Place<RelayIcon>(doc, "Sink");
    icon.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    Link(icon, 1, sink, 0);
    LevelDialog dialog(icon, level);
    test::ModalDriver driver(dialog, [&] {
        dialog.SetOutputOption(false, 1);
        dialog.SetOutputOption(true, 1);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.OutputCount(), 2);
    EXPECT_EQ(sink.GetInputLinks()[0].sourceId, icon.UniqueId());
}

TEST_F(CIconDialogTest, HelpOpensTheDialogsContext)
{
    struct Case {
        std::uint32_t given;
        std::uint32_t shown;
    };
    for (const Case c : {Case{0, 0x20000 + kTemplateId}, Case{611, 611}}) {
        auto& icon = Place<RelayIcon>(doc);
        LevelDialog dialog(icon, level, c.given);
        EXPECT_EQ(dialog.HelpContext(), c.shown);
        Prompts().helpIds.clear();
        test::ModalDriver driver(dialog, [&] {
            Click(dialog, kIdHelp);
            EXPECT_TRUE(dialog.IsOpen());
            Click(dialog, kIdCancel);
        });
        (void)dialog.RunModal();
        EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{c.shown}));
    }
}

}  // namespace
}  // namespace c_icon_dialog_test
}  // namespace corvane
