#include "icons/reporting/CTagPickerPage.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CFTPIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PropertySheet.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace corvane {
namespace c_tag_picker_page_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
using Names = std::vector<std::string>;

class TagPicker : public test::ReportingNetTest {
protected:
    CDataTagIcon& PlaceTag(std::string_view name, std::uint16_t bits)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        tag.SetAssignmentBits(bits);
        return tag;
    }
    // Shows the page of the icon's lists in a sheet of its own; drive runs
    // while it is open and ends it with OK (true) or Cancel (false).
    template <class Icon> int Run(Icon& icon, const std::function<bool(CTagPickerPage&, PropertySheet&)>& drive)
    {
        PropertySheet sheet("Email");
        auto& page = sheet.AddPage(std::make_unique<CTagPickerPage>());
        page.SetOwner(icon.Settings(), icon.Lists(), &doc);
        test::ModalDriver driver(sheet, [&] {
            if (drive(page, sheet)) {
                if (page.Validate() && page.Apply())
                    sheet.EndDialog(kIdOk);
            } else {
                page.Cancel();
                sheet.EndDialog(kIdCancel);
            }
        });
        return sheet.DoModal();
    }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static ListBoxControl& Box(Dialog& d, int id) { return *d.GetControlAs<ListBoxControl>(id); }
    static Names Items(Dialog& d, int id)
    {
        Names items;
        const ListBoxControl& box = Box(d, id);
        for (int i = 0; i < box.GetCount(); ++i)
            items.push_back(box.GetText(i));
        return items;
    }
};

TEST_F(TagPicker, OpensWithTheTagsMarkedForTheIconSelectedAndAppliesItsOwnBit)
{
    auto& flow = PlaceTag("Flow", 0xFFFF);
    auto& level = PlaceTag("Level", 0x0008);
    auto& temp = PlaceTag("Temp", 0x0010);
    auto& email = Place<CEmailIcon>(doc, kDrop);
    const int result = Run(email, [&](CTagPickerPage& page, PropertySheet& sheet) {
        EXPECT_EQ(page.PageBit(), 0x0010);
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"Flow", "Temp"}));
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"Level"}));
        EXPECT_TRUE(sheet.SaveImage(test::OutputFile("tag-picker-page.png").string()));
        // Moving "Level" in and "Flow" out.
        Box(page, res::kIdcTagPickerAvailable).SetSel(0, true);
        Click(page, res::kIdcTagPickerAdd);
        Box(page, res::kIdcTagPickerSelected).SetSel(-1, false);
        Box(page, res::kIdcTagPickerSelected).SetSel(0, true);
        Click(page, res::kIdcTagPickerRemove);
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"Temp", "Level"}));
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"Flow"}));
        return true;
    });
    EXPECT_EQ(result, kIdOk);
    EXPECT_EQ(email.TagIds(), (std::vector<std::uint32_t>{temp.UniqueId(), level.UniqueId()}));
    EXPECT_EQ(flow.AssignmentBits(), 0xFFEF) << "only the e-mail bit is cleared";
    EXPECT_EQ(level.AssignmentBits(), 0x0008);
    EXPECT_EQ(temp.AssignmentBits(), 0);
}

TEST_F(TagPicker, MovesKeepTheirOrderAndFollowTheEntriesThere)
{
    for (const std::string_view name : {"A", "B", "C", "D", "E"})
        PlaceTag(name, 0);
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    (void)Run(ftp, [&](CTagPickerPage& page, PropertySheet&) {
        EXPECT_EQ(page.PageBit(), 0x0008);
        Box(page, res::kIdcTagPickerAvailable).SetSel(3, true);
        Click(page, res::kIdcTagPickerAdd);
        for (const int index : {0, 1, 3})
            Box(page, res::kIdcTagPickerAvailable).SetSel(index, true);
        Click(page, res::kIdcTagPickerAdd);
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"D", "A", "B", "E"}));
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"C"}));
        Click(page, res::kIdcTagPickerRemoveAll);
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"C", "D", "A", "B", "E"}));
        page.GetControlAs<ListBoxControl>(res::kIdcTagPickerAvailable)->SetSel(-1, false);
        Click(page, res::kIdcTagPickerAddAll);
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"C", "D", "A", "B", "E"}));
        return true;
    });
    EXPECT_EQ(ftp.TagIds().size(), 5u);
}

TEST_F(TagPicker, RefusesAMoveBeyond256SelectedTags)
{
    for (int i = 0; i < 258; ++i)
        PlaceTag("T" + std::to_string(i), i < 255 ? 0x0010 : 0);
    auto& email = Place<CEmailIcon>(doc, kDrop);
    (void)Run(email, [&](CTagPickerPage& page, PropertySheet&) {
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 255);
        const std::size_t boxes = Prompts().messageBoxes.size();
        Box(page, res::kIdcTagPickerAvailable).SetSel(0, true);
        Box(page, res::kIdcTagPickerAvailable).SetSel(1, true);
        Click(page, res::kIdcTagPickerAdd);
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 255) << "two would pass 256: nothing moves";
        EXPECT_EQ(Prompts().messageBoxes.size(), boxes + 1);
        EXPECT_EQ(Prompts().messageBoxes.back().text, "Only 256 Data Tags are Allowed to be Selected");
        Box(page, res::kIdcTagPickerAvailable).SetSel(-1, false);
        Box(page, res::kIdcTagPickerAvailable).SetSel(0, true);
        Click(page, res::kIdcTagPickerAdd);
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 256);
        Click(page, res::kIdcTagPickerAddAll);
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 256);
        EXPECT_EQ(Prompts().messageBoxes.size(), boxes + 2);
        Box(page, res::kIdcTagPickerSelected).SetSel(-1, false);
        Box(page, res::kIdcTagPickerSelected).SetSel(0, true);
        Click(page, res::kIdcTagPickerRemove);
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 255) << "removing still works";
        return true;
    });
    EXPECT_EQ(email.TagIds().size(), 255u);
}

TEST_F(TagPicker, CancelLeavesTheIconAndTheTagsAsTheyWere)
{
    auto& flow = PlaceTag("Flow", 0x0008);
    PlaceTag("Level", 0);
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    const int result = Run(ftp, [&](CTagPickerPage& page, PropertySheet&) {
        Click(page, res::kIdcTagPickerAddAll);
        EXPECT_EQ(Box(page, res::kIdcTagPickerSelected).GetCount(), 2);
        return false;
    });
    EXPECT_EQ(result, kIdCancel);
    EXPECT_TRUE(ftp.TagIds().empty());
    EXPECT_TRUE(ftp.Lists().Selected().empty());
    EXPECT_TRUE(ftp.Lists().Available().empty());
    EXPECT_EQ(flow.AssignmentBits(), 0x0008) << "the bit waits for the next showing";
    // The next showing starts again from the icon.
    (void)Run(ftp, [&](CTagPickerPage& page, PropertySheet&) {
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"Flow"}));
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"Level"}));
        return false;
    });
}

TEST_F(TagPicker, ActivationFollowsTheNetsTagsAndTheStoredOrder)
{
    auto& a = PlaceTag("A", 0);
    auto& b = PlaceTag("B", 0);
    auto& c = PlaceTag("C", 0);
    auto& email = Place<CEmailIcon>(doc, kDrop);
    (void)email.Lists().SetStoredIds(std::vector<std::uint32_t>{c.UniqueId(), a.UniqueId()});
    b.SetName("B renamed");
    auto& late = PlaceTag("Late", 0x0010);
    (void)late;
    a.Remove();
    (void)doc.RemoveObject(a);
    (void)Run(email, [&](CTagPickerPage& page, PropertySheet&) {
        EXPECT_EQ(Items(page, res::kIdcTagPickerSelected), (Names{"C", "Late"}));
        EXPECT_EQ(Items(page, res::kIdcTagPickerAvailable), (Names{"B renamed"}));
        return true;
    });
    EXPECT_EQ(email.TagIds(), (std::vector<std::uint32_t>{c.UniqueId(), late.UniqueId()}));
}

}  // namespace
}  // namespace c_tag_picker_page_test
}  // namespace corvane
