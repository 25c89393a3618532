#include "controls/TreeOptionsModel.h"
#include "controls/CTreeOptionsDateCtrl.h"
#include "controls/CTreeOptionsEdit.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "controls/CTreeOptionsTimeCtrl.h"
#include "platform/LocaleFormats.h"
#include "tests/controls/MemoryTreeItemStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace tree_options_model_test {
namespace {

class TreeOptionsModelTest : public ::testing::Test {
protected:
    // The texts of the parent's children, each with its children in brackets.
    std::string Outline(TreeItem parent) const
    {
        std::string out;
        for (TreeItem c = store.GetChildItem(parent); c != 0; c = store.GetNextSiblingItem(c)) {
            if (!out.empty())
                out += ",";
            out += store.GetItemText(c);
            if (store.GetChildItem(c) != 0)
                out += "[" + Outline(c) + "]";
        }
        return out;
    }
    // Checked flags of check boxes or radio items: 'x' checked, '-' partly, 'o' clear.
    std::string States(const std::vector<TreeItem>& items) const
    {
        std::string out;
        for (const TreeItem item : items) {
            const TreeOptionsItemData* r = model.Record(item);
            out += r->partlyChecked ? '-' : r->checked ? 'x' : 'o';
        }
        return out;
    }

    MemoryTreeItemStore store;
    TreeOptionsModel model{store};
};

TEST_F(TreeOptionsModelTest, ValueTextFollowsTheFirstSeparator)
{
    struct Case {
        const char* text;
        const char* value;
        const char* afterSet;
        const char* valueBefore;
        const char* afterRemove;
    };
    const std::vector<Case> cases{
        {"Port", "502", "Port: 502", "", "Port"},
        {"Port: 501", "502", "Port: 502", "501", "Port"},
        {"Port: ", "", "Port: ", "", "Port"},
        {"A: b: c", "x", "A: x", "b: c", "A"},
        {"Time:12", "1", "Time:12: 1", "", "Time:12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TreeItem item = store.InsertItem(c.text, kTreeRoot, kTreeLast, -1, -1);
        EXPECT_EQ(model.GetValueText(item), c.valueBefore);
        model.SetValueText(item, c.value);
        EXPECT_EQ(store.GetItemText(item), c.afterSet);
        EXPECT_EQ(model.GetValueText(item), c.value);
        model.RemoveValueText(item);
        EXPECT_EQ(store.GetItemText(item), c.afterRemove);
        model.RemoveValueText(item);
        EXPECT_EQ(store.GetItemText(item), c.afterRemove);
    }
}

TEST_F(TreeOptionsModelTest, TypedValuesWriteTheirValueTexts)
{
    SetFormatLocale("en_US");
    struct SystemLocaleAgain {
        ~SystemLocaleAgain() { SetFormatLocale(""); }
    } systemLocaleAgain;
    const TreeItem colour = store.InsertItem("Colour", kTreeRoot, kTreeLast, 0, 0);
    const TreeItem font = store.InsertItem("Font: old", kTreeRoot, kTreeLast, -1, -1);
    const TreeItem address = store.InsertItem("Address", kTreeRoot, kTreeLast, -1, -1);
    const TreeItem date = store.InsertItem("Date", kTreeRoot, kTreeLast, -1, -1);
    const TreeItem time = store.InsertItem("Time", kTreeRoot, kTreeLast, -1, -1);
    const TreeItem notes = store.InsertItem("Notes", kTreeRoot, kTreeLast, -1, -1);
    ASSERT_TRUE(model.AddColorSelector(colour, CTreeOptionsEdit::Class()));
    ASSERT_TRUE(model.AddFontSelector(font, CTreeOptionsEdit::Class()));
    ASSERT_TRUE(model.AddIPAddress(address, CTreeOptionsIPAddressCtrl::Class()));
    ASSERT_TRUE(model.AddDateTime(date, CTreeOptionsDateCtrl::Class()));
    ASSERT_TRUE(model.AddDateTime(time, CTreeOptionsTimeCtrl::Class()));
    ASSERT_TRUE(model.AddEditBox(notes, CTreeOptionsEdit::Class()));

    struct ColourCase {
        std::uint32_t stored;
        const char* text;
    };
    for (const ColourCase& c : std::vector<ColourCase>{{0x0000FF, "Colour: &FF0000"}, {0xFF0000, "Colour: &0000FF"},
             {0x0A0B0C, "Colour: &0C0B0A"}, {0xFF123456, "Colour: &563412"}}) {
        model.SetColor(colour, c.stored);
        EXPECT_EQ(store.GetItemText(colour), c.text);
        EXPECT_EQ(model.GetColor(colour), c.stored);
    }

    TreeOptionsFont face;
    face.faceName = "DejaVu Sans";
    face.weight = 700;
    model.SetFont(font, face);
    EXPECT_EQ(store.GetItemText(font), "Font: DejaVu Sans");
    EXPECT_EQ(model.GetFont(font), face);

    for (const auto& [value, text] :
        std::vector<std::pair<std::uint32_t, const char*>>{{0xC0A8010Au, "Address: 192.168.1.10"},
            {0u, "Address: 0.0.0.0"}, {0xFFFFFFFFu, "Address: 255.255.255.255"}}) {
        model.SetIPAddress(address, value);
        EXPECT_EQ(store.GetItemText(address), text);
        EXPECT_EQ(model.GetIPAddress(address), value);
    }

    const TreeOptionsTime when{2026, 3, 0, 7, 14, 5, 9, 0};
    model.SetDateTime(date, when);
    model.SetDateTime(time, when);
    EXPECT_EQ(store.GetItemText(date), "Date: 3/7/26");
    EXPECT_EQ(store.GetItemText(time), "Time: 2:05:09 PM");
    EXPECT_EQ(model.GetDateTime(time), when);

    struct MultiCase {
        const char* text;
        const char* shown;
    };
    for (const MultiCase& c : std::vector<MultiCase>{{"one\r\ntwo", "Notes: one..."}, {"single", "Notes: single"},
             {"\r\nsecond", "Notes: ..."}, {"a\nb", "Notes: a\nb"}}) {
        model.SetMultiLineText(notes, c.text);
        EXPECT_EQ(store.GetItemText(notes), c.shown);
        EXPECT_EQ(model.GetMultiLineText(notes), c.text);
    }
}

TEST_F(TreeOptionsModelTest, KindsAnswerOnlyForTheirOwnItems)
{
    const TreeItem group = model.InsertGroup("Group", 3);
    const TreeItem box = model.InsertCheckBox("Box", group, false);
    const TreeItem radio = model.InsertRadioButton("Radio", group, false);
    const TreeItem plain = store.InsertItem("Plain", group, kTreeLast, -1, -1);
    EXPECT_TRUE(model.IsGroup(group));
    EXPECT_EQ(store.GetItemImage(group), 3);
    EXPECT_EQ(store.GetItemSelectedImage(group), 3);
    EXPECT_TRUE(model.IsCheckBox(box));
    EXPECT_TRUE(model.IsRadioButton(radio));
    bool flag = true;
    for (const TreeItem item : {group, radio, plain}) {
        EXPECT_FALSE(model.SetCheckBox(item, true));
        EXPECT_FALSE(model.GetCheckBox(item, flag));
        EXPECT_FALSE(model.SetCheckBoxEnable(item, false));
        EXPECT_FALSE(model.SetCheckBoxPartial(item, true));
    }
    for (const TreeItem item : {group, box, plain}) {
        EXPECT_FALSE(model.SelectRadioButton(item));
        EXPECT_FALSE(model.GetRadioButton(item, flag));
        EXPECT_FALSE(model.SetRadioButtonEnable(item, false));
    }
    EXPECT_FALSE(model.Record(radio)->checked);
    EXPECT_FALSE(model.Record(box)->checked);
    EXPECT_TRUE(model.Record(box)->enabled);

    model.SetGroupEnable(group, false);
    EXPECT_TRUE(model.GetCheckBoxEnable(box, flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(model.GetRadioButtonEnable(radio, flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(model.Record(group)->enabled);

    // Attaching an editor replaces the record the item had.
    model.SetItemUserValue(box, 9);
    ASSERT_TRUE(model.AddEditBox(box, CTreeOptionsEdit::Class(), 4));
    EXPECT_TRUE(model.IsEditBox(box));
    EXPECT_FALSE(model.IsCheckBox(box));
    EXPECT_EQ(model.GetItemUserValue(box), 4u);
    EXPECT_FALSE(model.AddEditBox(9999, CTreeOptionsEdit::Class()));
}

TEST_F(TreeOptionsModelTest, CheckBoxesCascadeToChildrenAndTellTheirParent)
{
    const TreeItem parent = model.InsertCheckBox("All", kTreeRoot, false);
    const std::vector<TreeItem> kids{model.InsertCheckBox("A", parent, false), model.InsertCheckBox("B", parent, false),
        model.InsertCheckBox("C", parent, false)};
    const TreeItem other = store.InsertItem("not a box", parent, kTreeLast, -1, -1);
    const TreeItem grandchild = model.InsertCheckBox("A1", kids[0], false);

    struct Step {
        TreeItem item;
        const char* expected;  // parent, A, B, C, A1
    };
    const std::vector<Step> steps{
        {kids[1], "-oxoo"},                                          // one of three: parent checked and partly checked
        {kids[0], "-xxox"},                                          // the child's own child follows it
        {kids[2], "xxxxx"},                                          // all three: checked, not partly
        {kids[1], "-xoxx"}, {kids[0], "-ooxo"}, {kids[2], "ooooo"},  // the last one unchecked: parent clear
        {parent, "xxxxo"},                                           // the parent cascades one level down
        {parent, "ooooo"}, {grandchild, "oxoox"},                    // A is a check box: it follows its only child
    };
    for (const Step& step : steps) {
        bool old = false;
        ASSERT_TRUE(model.GetCheckBox(step.item, old));
        model.ToggleCheckBox(step.item, old);
        EXPECT_EQ(States({parent, kids[0], kids[1], kids[2], grandchild}), step.expected)
            << "after toggling " << store.GetItemText(step.item);
        EXPECT_TRUE(store.redrawOn);
    }
    EXPECT_EQ(model.Record(other), nullptr);
}

TEST_F(TreeOptionsModelTest, RadioButtonsWalkTheirLeadingSiblings)
{
    const TreeItem parent = model.InsertGroup("Mode", 0);
    const std::vector<TreeItem> radios{model.InsertRadioButton("R0", parent, true),
        model.InsertRadioButton("R1", parent, false), model.InsertRadioButton("R2", parent, false)};
    EXPECT_EQ(States(radios), "xoo");

    EXPECT_TRUE(model.SelectRadioButton(radios[2]));
    EXPECT_EQ(States(radios), "oox");
    EXPECT_TRUE(model.SetRadioButtonByIndex(parent, 1));
    EXPECT_EQ(States(radios), "oxo");
    EXPECT_TRUE(model.SetRadioButtonByIndex(parent, 7));
    EXPECT_EQ(States(radios), "ooo");

    int index = 42;
    TreeItem found = 42;
    EXPECT_FALSE(model.GetCheckedRadioButton(parent, index, found));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(found, 0);

    // A child that is no radio item ends the walks of Select and SetByIndex
    // and starts the count of GetCheckedRadioButton again.
    const TreeItem divider = store.InsertItem("divider", parent, kTreeLast, -1, -1);
    const std::vector<TreeItem> after{
        model.InsertRadioButton("S0", parent, false), model.InsertRadioButton("S1", parent, false)};
    struct Case {
        TreeItem select;
        int index;
        TreeItem item;
        const char* states;  // R0 R1 R2 S0 S1
    };
    const std::vector<Case> cases{
        {radios[1], 1, radios[1], "oxooo"},
        {after[1], 1, after[1], "oooox"},  // S1 unchecks the leading group, not S0
        {radios[0], 0, radios[0], "xooox"},
    };
    for (const Case& c : cases) {
        model.SelectRadioButton(c.select);
        std::vector<TreeItem> all = radios;
        all.insert(all.end(), after.begin(), after.end());
        EXPECT_EQ(States(all), c.states);
        EXPECT_TRUE(model.GetCheckedRadioButton(parent, index, found));
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(found, c.item);
    }
    EXPECT_EQ(model.Record(divider), nullptr);
}

TEST_F(TreeOptionsModelTest, CopyBranchCopiesTextsImagesAndRecordsInOrder)
{
    const TreeItem group = model.InsertGroup("Server", 2, kTreeRoot, kTreeLast, 11);
    const TreeItem port = store.InsertItem("Port: 502", group, kTreeLast, 4, 5);
    model.AddEditBox(port, CTreeOptionsEdit::Class(), 12);
    const TreeItem box = model.InsertCheckBox("On", group, true);
    model.InsertRadioButton("Deep", box, true);
    const TreeItem target = model.InsertGroup("Copies", 1);

    const TreeItem copy = model.CopyBranch(group, target);
    ASSERT_NE(copy, 0);
    EXPECT_EQ(Outline(target), "Server[Port: 502,On[Deep]]");
    EXPECT_EQ(model.GetItemUserValue(copy), 11u);
    const TreeItem portCopy = store.GetChildItem(copy);
    EXPECT_EQ(store.GetItemImage(portCopy), 4);
    EXPECT_EQ(store.GetItemSelectedImage(portCopy), 5);
    ASSERT_TRUE(model.IsEditBox(portCopy));
    EXPECT_EQ(model.Record(portCopy)->editorClass, &CTreeOptionsEdit::Class());
    EXPECT_EQ(model.GetItemUserValue(portCopy), 12u);

    // The copies are records of their own.
    model.SetItemUserValue(portCopy, 99);
    EXPECT_EQ(model.GetItemUserValue(port), 12u);

    // A branch copied into itself is copied once.
    model.CopyBranch(box, box);
    EXPECT_EQ(Outline(box), "Deep,On[Deep]");

    // A single item comes without its children, placed after the given sibling.
    model.CopyItem(box, kTreeRoot, group);
    EXPECT_EQ(Outline(kTreeRoot), "Server[Port: 502,On[Deep,On[Deep]]],On,Copies[Server[Port: 502,On[Deep]]]");
    EXPECT_EQ(model.CopyItem(9999, kTreeRoot), 0);
}

TEST_F(TreeOptionsModelTest, DeletingItemsFreesTheirRecords)
{
    const TreeItem group = model.InsertGroup("G", 0);
    const TreeItem box = model.InsertCheckBox("B", group, true);
    const TreeItem keep = model.InsertCheckBox("K", kTreeRoot, true);
    EXPECT_TRUE(model.DeleteItem(group));
    EXPECT_EQ(model.Record(box), nullptr);
    EXPECT_NE(model.Record(keep), nullptr);

    // Handles are never reused here, so a record surviving its item would show.
    model.InsertCheckBox("X", kTreeRoot, false);
    EXPECT_TRUE(model.DeleteAllItems());
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(model.Record(keep), nullptr);
}

TEST(TreeOptionsGlyphTest, CentreGlyphRectIsASixteenPixelSquare)
{
    struct Case {
        Rect image;
        Rect glyph;
    };
    for (const Case& c : std::vector<Case>{
             {{0, 0, 16, 16}, {0, 0, 16, 16}}, {{10, 4, 30, 24}, {12, 6, 28, 22}}, {{0, 0, 17, 19}, {0, 1, 16, 17}}}) {
        const Rect glyph = TreeOptionsModel::CentreGlyphRect(c.image);
        EXPECT_EQ(glyph.left, c.glyph.left);
        EXPECT_EQ(glyph.top, c.glyph.top);
        EXPECT_EQ(glyph.right, c.glyph.right);
        EXPECT_EQ(glyph.bottom, c.glyph.bottom);
    }
}

}  // namespace
}  // namespace tree_options_model_test
}  // namespace corvane
