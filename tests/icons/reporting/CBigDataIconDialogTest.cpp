#include "icons/reporting/CBigDataIconDialog.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"

#include "icons/reporting/CBigMqttDialog.h"
#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeDialog.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamDialog.h"
#include "icons/reporting/CBigRamIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "controls/CInterDragListBox.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/ListBoxControl.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane {
namespace c_big_data_icon_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class CloudDialog : public test::ReportingNetTest {
protected:
    CDataTagIcon& PlaceTag(std::string_view name, std::uint16_t bits)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        tag.SetAssignmentBits(bits);
        return tag;
    }
    template <class Dlg, class Icon> bool Run(Icon& icon, const std::function<void(Dlg&)>& drive)
    {
        Dlg dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static ListBoxControl& Box(Dialog& d, int id) { return *d.GetControlAs<ListBoxControl>(id); }
    static std::vector<std::string> Items(Dialog& d, int id)
    {
        std::vector<std::string> items;
        const ListBoxControl& box = Box(d, id);
        for (int i = 0; i < box.GetCount(); ++i)
            items.push_back(box.GetText(i));
        return items;
    }
    static std::vector<std::uint32_t> Ids(std::initializer_list<const CCorvaneIcon*> icons)
    {
        std::vector<std::uint32_t> ids;
        for (const CCorvaneIcon* icon : icons)
            ids.push_back(icon->UniqueId());
        return ids;
    }
    using Names = std::vector<std::string>;

    SettingsStore settings;
};

TEST_F(CloudDialog, EachIconHasItsCaptionAndHelp)
{
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    auto& probe = Place<CBigProbeIcon>(doc, kDrop);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    const auto check = [&](CBigDataIconDialog& d, std::string_view caption, std::uint32_t help, bool mqttRows) {
        EXPECT_EQ(d.Caption(), caption);
        for (const int id : {res::kIdcBigDataSeriesLabel, res::kIdcBigDataSeries, res::kIdcBigDataRemainConnected})
            EXPECT_EQ(d.GetControl(id)->IsVisible(), mqttRows) << id;
        Click(d, kIdHelp);
        EXPECT_EQ(Prompts().helpIds.back(), help);
        Click(d, kIdCancel);
    };
    EXPECT_FALSE(Run<CBigRamDialog>(memory, std::function<void(CBigRamDialog&)>(
        [&](CBigRamDialog& d) { check(d, "Log Data Memory", 131223, false); })));
    EXPECT_FALSE(Run<CBigProbeDialog>(probe, std::function<void(CBigProbeDialog&)>(
        [&](CBigProbeDialog& d) { check(d, "Probe Point", 131224, false); })));
    EXPECT_FALSE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>(
        [&](CBigMqttDialog& d) { check(d, "MQTT Report", 8, true); })));
}

TEST_F(CloudDialog, TagsAssignedFromTheTagSideArriveSelectedAndOkClearsTheirBit)
{
    auto& plain = PlaceTag("Plain", 0x0000);
    auto& first = PlaceTag("First", 0x0004);
    auto& second = PlaceTag("Second", 0x0005);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_TRUE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        EXPECT_EQ(Items(d, res::kIdcBigDataAvailable), Names{"Plain"});
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), (Names{"Second", "First"})) << "reverse net order";
        EXPECT_EQ(Box(d, res::kIdcBigDataSelected).GetItemData(0), second.UniqueId());
        Click(d, kIdOk);
    })));
    EXPECT_EQ(mqtt.TagIds(), Ids({&second, &first}));
    EXPECT_EQ(first.AssignmentBits(), 0x0000);
    EXPECT_EQ(second.AssignmentBits(), 0x0001);
    EXPECT_EQ(plain.AssignmentBits(), 0x0000);
}

TEST_F(CloudDialog, CancelChangesNothing)
{
    auto& tag = PlaceTag("Tag", 0x0001);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    EXPECT_FALSE(Run<CBigRamDialog>(memory, std::function<void(CBigRamDialog&)>([&](CBigRamDialog& d) {
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), Names{"Tag"});
        Click(d, kIdCancel);
    })));
    EXPECT_TRUE(memory.TagIds().empty());
    EXPECT_EQ(tag.AssignmentBits(), 0x0001);
}

TEST_F(CloudDialog, ButtonsAndDoubleClicksMoveItemsToTheEndKeepingTheirOrder)
{
    auto& a = PlaceTag("A", 0);
    auto& b = PlaceTag("B", 0);
    auto& c = PlaceTag("C", 0);
    auto& e = PlaceTag("E", 0);
    auto& probe = Place<CBigProbeIcon>(doc, kDrop);
    EXPECT_TRUE(Run<CBigProbeDialog>(probe, std::function<void(CBigProbeDialog&)>([&](CBigProbeDialog& d) {
        ListBoxControl& available = Box(d, res::kIdcBigDataAvailable);
        ListBoxControl& selected = Box(d, res::kIdcBigDataSelected);
        Click(d, res::kIdcBigDataAdd);
        EXPECT_TRUE(selected.GetCount() == 0) << "nothing highlighted moves nothing";
        available.SetSel(2);
        available.SetSel(0);
        Click(d, res::kIdcBigDataAdd);
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), (Names{"A", "C"}));
        EXPECT_EQ(Items(d, res::kIdcBigDataAvailable), (Names{"B", "E"}));
        Click(d, res::kIdcBigDataAddAll);
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), (Names{"A", "C", "B", "E"}));
        EXPECT_EQ(available.GetCount(), 0);
        Click(d, res::kIdcBigDataRemoveAll);
        EXPECT_EQ(Items(d, res::kIdcBigDataAvailable), (Names{"A", "C", "B", "E"}));
        ASSERT_TRUE(control_automation::DoubleClickItem(available, 3));
        ASSERT_TRUE(control_automation::DoubleClickItem(available, 1));
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), (Names{"E", "C"}));
        ASSERT_TRUE(control_automation::DoubleClickItem(selected, 0));
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), Names{"C"});
        selected.SetSel(-1, true);
        Click(d, res::kIdcBigDataRemove);
        available.SetSel(-1, false);
        available.SetSel(2);
        available.SetSel(1);
        Click(d, res::kIdcBigDataAdd);
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), (Names{"B", "E"}));
        EXPECT_EQ(Box(d, res::kIdcBigDataSelected).GetItemData(1), e.UniqueId());
        Click(d, kIdOk);
    })));
    EXPECT_EQ(probe.TagIds(), Ids({&b, &e}));
    (void)a;
    (void)c;
}

TEST_F(CloudDialog, SelectionBeyondItsCapacityMovesNothing)
{
    for (int i = 0; i < 257; ++i)
        PlaceTag("T" + std::to_string(i), 0);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_TRUE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        ListBoxControl& available = Box(d, res::kIdcBigDataAvailable);
        Click(d, res::kIdcBigDataAddAll);
        EXPECT_EQ(Box(d, res::kIdcBigDataSelected).GetCount(), 0);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Only 255 Data Tags are Allowed to be Selected");
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "");
        available.SetSel(-1, false);
        for (int i = 0; i < 255; ++i)
            available.SetSel(i);
        Click(d, res::kIdcBigDataAdd);
        EXPECT_EQ(Box(d, res::kIdcBigDataSelected).GetCount(), 255);
        ASSERT_TRUE(control_automation::DoubleClickItem(available, 0));
        EXPECT_EQ(available.GetCount(), 2) << "a full selection takes no more";
        EXPECT_EQ(Prompts().messageBoxes.size(), 2u);
        Click(d, kIdOk);
    })));
    EXPECT_EQ(mqtt.TagIds().size(), 255u);
    EXPECT_EQ(Saved(mqtt)[96], 255);
}

TEST_F(CloudDialog, SelectionDraggedPastItsCapacityIsRefusedOnOk)
{
    for (int i = 0; i < 256; ++i)
        PlaceTag("T" + std::to_string(i), 0);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_FALSE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        CInterDragListBox available(Box(d, res::kIdcBigDataAvailable));
        CInterDragListBox selected(Box(d, res::kIdcBigDataSelected));
        available.List().SetSel(-1, true);
        available.MoveSelectionTo(selected, 0);
        ASSERT_EQ(selected.List().GetCount(), 256);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Only 255 Data Tags are Allowed to be Selected");
        Click(d, kIdCancel);
    })));
    EXPECT_TRUE(mqtt.TagIds().empty());
}

TEST_F(CloudDialog, MemoryDialogTakes256Tags)
{
    for (int i = 0; i < 256; ++i)
        PlaceTag("T" + std::to_string(i), 0);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    EXPECT_TRUE(Run<CBigRamDialog>(memory, std::function<void(CBigRamDialog&)>([&](CBigRamDialog& d) {
        Click(d, res::kIdcBigDataAddAll);
        EXPECT_EQ(Box(d, res::kIdcBigDataSelected).GetCount(), 256);
        Click(d, kIdOk);
    })));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(memory.TagIds().size(), 256u);
}

TEST_F(CloudDialog, DeletedTagsLeaveTheSelectionWhenTheDialogOpens)
{
    auto& kept = PlaceTag("Kept", 0);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    ASSERT_TRUE(memory.Lists().SetStoredIds(std::vector<std::uint32_t>{999, kept.UniqueId()}));
    EXPECT_TRUE(Run<CBigRamDialog>(memory, std::function<void(CBigRamDialog&)>([&](CBigRamDialog& d) {
        EXPECT_EQ(Items(d, res::kIdcBigDataSelected), Names{"Kept"});
        EXPECT_EQ(Box(d, res::kIdcBigDataAvailable).GetCount(), 0);
        Click(d, kIdOk);
    })));
    EXPECT_EQ(memory.TagIds(), Ids({&kept}));
}

TEST_F(CloudDialog, MqttSeriesChangeIsConfirmedAndSaved)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    const auto stored = [&] {
        return *settings.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue)->AsString();
    };
    // Unchanged: no question, nothing written (the value placing wrote stays).
    ASSERT_FALSE(settings.SetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue, SettingsValue::String("x")));
    EXPECT_TRUE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        EXPECT_EQ(d.GetControl(res::kIdcBigDataSeries)->GetText(), "SessionSeriesId");
        NotifyEvent leave{Notification::KillFocus, res::kIdcBigDataSeries};
        d.Notify(leave);
        Click(d, kIdOk);
    })));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(stored(), "x");

    // Declined on leaving the field: the current name comes back.
    Prompts().messageBoxAnswers = {kIdCancel, kIdOk};
    EXPECT_TRUE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        d.GetControl(res::kIdcBigDataSeries)->SetText("Other");
        NotifyEvent leave{Notification::KillFocus, res::kIdcBigDataSeries};
        d.Notify(leave);
        EXPECT_EQ(d.GetControl(res::kIdcBigDataSeries)->GetText(), "SessionSeriesId");
        d.GetControl(res::kIdcBigDataSeries)->SetText("Line 2");
        d.Notify(leave);
        EXPECT_EQ(d.CurrentSeries(), "Line 2");
        Click(d, res::kIdcBigDataRemainConnected);
        Click(d, kIdOk);
    })));
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, CBigMqttDialog::kSeriesChangeText);
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::OkCancel);
    EXPECT_EQ(mqtt.SeriesName(), "Line 2");
    EXPECT_EQ(mqtt.FlagWord(), CBigMqttIcon::kRemainConnected);
    EXPECT_EQ(stored(), "Line 2");
}

TEST_F(CloudDialog, MqttSeriesTypedAndDeclinedOnOkKeepsTheDialogOpen)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    Prompts().messageBoxAnswers = {kIdCancel};
    EXPECT_FALSE(Run<CBigMqttDialog>(mqtt, std::function<void(CBigMqttDialog&)>([&](CBigMqttDialog& d) {
        d.GetControl(res::kIdcBigDataSeries)->SetText("Other");
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(d.GetControl(res::kIdcBigDataSeries)->GetText(), "SessionSeriesId");
        Click(d, kIdCancel);
    })));
    EXPECT_EQ(mqtt.SeriesName(), "SessionSeriesId");
}

}  // namespace
}  // namespace c_big_data_icon_dialog_test
}  // namespace corvane
