#include "icons/reporting/CDataTagDialog.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"

#include "icons/reporting/CDataTagIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_data_tag_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::array kFormatControls = {res::kIdcDataTagFormatGroup, res::kIdcDataTagDecimal, res::kIdcDataTagWhole,
    res::kIdcDataTagDecimalExample, res::kIdcDataTagWholeExample};

class DataTagDialog : public test::ReportingNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Shown(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static ComboBoxControl& Digits(Dialog& d) { return *d.GetControlAs<ComboBoxControl>(res::kIdcDataTagDigits); }

    bool Run(CDataTagIcon& tag, const std::function<void(CDataTagDialog&)>& drive)
    {
        CDataTagDialog dialog(tag);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    CDataTagIcon& NamedTag(std::string_view name)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        return tag;
    }
};

TEST_F(DataTagDialog, RenamingToAnotherTagsNameIsRefusedAndStoresNothing)
{
    NamedTag("Flow");
    auto& tag = NamedTag("Level");
    bool stayedOpen = false;
    EXPECT_TRUE(Run(tag, [&](CDataTagDialog& d) {
        d.GetControl(CIconDialog::kIdcName)->SetText("Flow");
        Click(d, kIdOk);
        stayedOpen = d.IsOpen();
        d.GetControl(CIconDialog::kIdcName)->SetText("FLOW");
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    const MessageBoxRequest& box = Prompts().messageBoxes[0];
    EXPECT_EQ(box.text, "Data tag named \"Flow\" is already used. Select a unique name.");
    EXPECT_EQ(box.caption, "Duplicate Icon Names");
    EXPECT_EQ(box.icon, MessageBoxIcon::Error);
    EXPECT_EQ(tag.Name(), "FLOW") << "a name differing only in case is accepted";
}

TEST_F(DataTagDialog, UnchangedNameNeverRunsTheDuplicateTest)
{
    NamedTag("Twin");
    auto& tag = NamedTag("Twin");
    EXPECT_TRUE(Run(tag, [&](CDataTagDialog& d) { Click(d, kIdOk); }));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(DataTagDialog, SourceWithoutFormatChoiceHidesTheFormatAndClearsWholeNumbers)
{
    auto& logic = Place<test::GateIcon>(doc, 300, 100, 2, test::kTestGateType);
    auto& tag = NamedTag("State");
    Link(logic, 0, tag, 0);
    tag.SetFormatWord(CDataTagIcon::kWholeNumberBit | 3);
    EXPECT_TRUE(Run(tag, [&](CDataTagDialog& d) {
        for (const int id : kFormatControls)
            EXPECT_FALSE(Shown(d, id)) << id;
        EXPECT_FALSE(Shown(d, res::kIdcDataTagDigits));
        EXPECT_FALSE(Shown(d, res::kIdcDataTagDigitsLabel));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(tag.FormatWord(), 3);
    EXPECT_EQ(tag.Input(0).GetDataType(), data_type::kLogic | data_type::kAdapts);
}

TEST_F(DataTagDialog, WholeNumberChoiceHidesDigitsButKeepsThem)
{
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& tag = NamedTag("Flow");
    Link(data, 0, tag, 0);
    tag.SetFormatWord(4);
    EXPECT_TRUE(Run(tag, [&](CDataTagDialog& d) {
        for (const int id : kFormatControls)
            EXPECT_TRUE(Shown(d, id)) << id;
        EXPECT_TRUE(Shown(d, res::kIdcDataTagDigits));
        EXPECT_EQ(Digits(d).GetCount(), 7);
        EXPECT_EQ(Digits(d).GetCurSel(), 3);
        Click(d, res::kIdcDataTagWhole);
        EXPECT_FALSE(Shown(d, res::kIdcDataTagDigits));
        EXPECT_FALSE(Shown(d, res::kIdcDataTagDigitsLabel));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(tag.FormatWord(), CDataTagIcon::kWholeNumberBit | 4);
    EXPECT_EQ(tag.GetInputLinks()[0].flags, CDataTagIcon::kLinkWholeNumber);
    EXPECT_EQ(tag.Input(0).GetDataType(), data_type::kData | data_type::kAdapts);
}

TEST_F(DataTagDialog, DecimalDigitsAreStoredAsListPositionPlusOne)
{
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& tag = NamedTag("Flow");
    Link(data, 0, tag, 0);
    tag.SetFormatWord(CDataTagIcon::kWholeNumberBit | 2);
    EXPECT_TRUE(Run(tag, [&](CDataTagDialog& d) {
        EXPECT_FALSE(Shown(d, res::kIdcDataTagDigits));
        Click(d, res::kIdcDataTagDecimal);
        EXPECT_TRUE(Shown(d, res::kIdcDataTagDigits));
        Digits(d).SetCurSel(6);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(tag.FormatWord(), 7);
    EXPECT_EQ(tag.GetInputLinks()[0].flags, CDataTagIcon::kLinkDecimal);
}

TEST_F(DataTagDialog, CancelChangesNothingAndHelpOpensItsContext)
{
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& tag = NamedTag("Flow");
    Link(data, 0, tag, 0);
    const auto before = Saved(tag);
    EXPECT_FALSE(Run(tag, [&](CDataTagDialog& d) {
        d.GetControl(CIconDialog::kIdcName)->SetText("Other");
        Click(d, res::kIdcDataTagWhole);
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(tag), before);
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{CDataTagDialog::kHelpContext}));
}

}  // namespace
}  // namespace c_data_tag_dialog_test
}  // namespace corvane
