#include "controls/CTreeOptionsCtrl.h"
#include "controls/CMultiLineEditFrameWnd.h"
#include "controls/COptionsEdit.h"
#include "controls/COptionsMultiLineEdit.h"
#include "controls/CTreeOptionsBooleanCombo.h"
#include "controls/CTreeOptionsBrowseButton.h"
#include "controls/CTreeOptionsCombo.h"
#include "controls/CTreeOptionsDateCtrl.h"
#include "controls/CTreeOptionsEdit.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "controls/CTreeOptionsSpinCtrl.h"
#include "controls/CTreeOptionsTimeCtrl.h"
#include "controls/TreeOptionsDataExchange.h"

#include "PlatformTestSupport.h"
#include "TestOutput.h"

#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/ControlAutomation.h"
#include "platform/DataExchange.h"
#include "platform/DateTimeControl.h"
#include "platform/Dialog.h"
#include "platform/EditControl.h"
#include "platform/IpAddressControl.h"
#include "platform/LocaleFormats.h"
#include "platform/SpinControl.h"
#include "platform/TreeViewControl.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_tree_options_ctrl_test {
namespace {

namespace automation = control_automation;

constexpr int kTreeId = 1000;
constexpr int kOtherId = 1001;
constexpr std::array kControls = {
    ControlTemplate{ControlKind::TreeView, kTreeId, "", {10, 10, 420, 400}},
    ControlTemplate{ControlKind::Edit, kOtherId, "", {10, 420, 200, 24}},
};
constexpr DialogTemplate kTreeDialog{9140, "Options", 440, 460, kControls};

// Public: the cases of the tables reach it through a reference.
class OptionTree : public test::PlatformTest {
public:
    OptionTree()
    {
        SetFormatLocale("en_US");
        EXPECT_TRUE(dialog.Create());
        tree = std::make_unique<CTreeOptionsCtrl>(View());
        group = tree->InsertGroup("Settings", -1);
        port = Item("Port: 502", group);
        tree->AddEditBox(port, COptionsEdit::Class());
        count = Item("Count: 5", group);
        tree->AddEditBoxWithSpin(count, CTreeOptionsEdit::Class(), CTreeOptionsSpinCtrl::Class());
        flag = Item("Enabled: True", group);
        tree->AttachEditor(flag, CTreeOptionsBooleanCombo::Class());
        notes = Item("Notes", group);
        tree->AddEditBox(notes, COptionsMultiLineEdit::Class());
        tree->SetMultiLineText(notes, "first\r\nsecond");
        file = Item("File: /tmp/a.txt", group);
        tree->AddFileEditBox(file, CTreeOptionsEdit::Class(), CTreeOptionsBrowseButton::Class());
        folder = Item("Folder: /tmp", group);
        tree->AddFolderEditBox(folder, CTreeOptionsEdit::Class(), CTreeOptionsBrowseButton::Class());
        colour = Item("Colour", group);
        tree->AddColorSelector(colour, CTreeOptionsBrowseButton::Class());
        tree->SetColor(colour, 0x0000FF);
        font = Item("Font", group);
        tree->AddFontSelector(font, CTreeOptionsBrowseButton::Class());
        TreeOptionsFont face;
        face.faceName = "Sans Serif";
        face.height = -12;
        tree->SetFont(font, face);
        date = Item("Date", group);
        tree->AddDateTime(date, CTreeOptionsDateCtrl::Class());
        tree->SetDateTime(date, {2026, 12, 5, 11, 8, 30, 0, 0});
        time = Item("Time", group);
        tree->AddDateTime(time, CTreeOptionsTimeCtrl::Class());
        tree->SetDateTime(time, {2026, 12, 5, 11, 8, 30, 0, 0});
        address = Item("Address", group);
        tree->AddIPAddress(address, CTreeOptionsIPAddressCtrl::Class());
        tree->SetIPAddress(address, 0xC0A8010A);
        const TreeItem choices = tree->InsertGroup("Choices", -1);
        box = tree->InsertCheckBox("Logging", choices, true);
        const TreeItem speed = tree->InsertGroup("Speed", -1);
        radioA = tree->InsertRadioButton("Fast", speed, true);
        radioB = tree->InsertRadioButton("Slow", speed, false);
        View().Expand(group);
        View().Expand(choices);
        View().Expand(speed);
        App().ProcessPending();
    }
    ~OptionTree() override { SetFormatLocale(""); }

    TreeViewControl& View() { return *dialog.GetControlAs<TreeViewControl>(kTreeId); }
    TreeItem Item(std::string_view text, TreeItem parent) { return View().InsertItem(text, parent); }
    std::string Text(TreeItem item) { return View().GetItemText(item); }
    Control* Editor(int idInTree) { return dialog.GetControl(tree->EditorControlId(idInTree)); }
    void Select(TreeItem item)
    {
        ASSERT_TRUE(automation::ClickItem(View(), item));
        App().ProcessPending();
    }
    void SavePicture(const std::string& name)
    {
        App().ProcessPending();
        EXPECT_TRUE(dialog.SaveImage(test::OutputFile(name).string()));
    }

    Dialog dialog{kTreeDialog};
    std::unique_ptr<CTreeOptionsCtrl> tree;
    TreeItem group = 0, port = 0, count = 0, flag = 0, notes = 0, file = 0, folder = 0, colour = 0, font = 0, date = 0,
             time = 0, address = 0, box = 0, radioA = 0, radioB = 0;
};

TEST_F(OptionTree, EachEditorKindOpensEditsAndCommitsWhenAnotherItemIsSelected)
{
    struct Case {
        const char* name;
        std::function<TreeItem(OptionTree&)> item;
        int editorId;  // within the tree
        std::function<void(OptionTree&)> edit;
        const char* committed;
    };
    const std::vector<Case> cases{
        {"edit", [](OptionTree& t) { return t.port; }, CTreeOptionsCtrl::kEditId,
            [](OptionTree& t) {
                auto* edit = dynamic_cast<EditControl*>(t.Editor(CTreeOptionsCtrl::kEditId));
                edit->SetFocus();
                edit->SetSel(0, -1);
                automation::TypeText(*edit, "503");
            },
            "Port: 503"},
        {"spin", [](OptionTree& t) { return t.count; }, CTreeOptionsCtrl::kSpinId,
            [](OptionTree& t) { automation::ClickSpinArrow(*t.Editor(CTreeOptionsCtrl::kSpinId), true); }, "Count: 6"},
        {"combo", [](OptionTree& t) { return t.flag; }, CTreeOptionsCtrl::kComboId,
            [](OptionTree& t) {
                auto* combo = dynamic_cast<ComboBoxControl*>(t.Editor(CTreeOptionsCtrl::kComboId));
                EXPECT_EQ(combo->GetText(), "True");
                combo->SetFocus();
                automation::PressKey(*combo, automation::Key::Down);
            },
            "Enabled: False"},
        {"date", [](OptionTree& t) { return t.date; }, CTreeOptionsCtrl::kDateTimeId,
            [](OptionTree& t) {
                auto* picker = dynamic_cast<DateTimeControl*>(t.Editor(CTreeOptionsCtrl::kDateTimeId));
                EXPECT_EQ(picker->GetTime(), (DateTimeFields{2026, 12, 11, 8, 30, 0}));
                picker->SetTime({2027, 1, 2, 3, 4, 5});
            },
            "Date: 1/2/27"},
        {"time", [](OptionTree& t) { return t.time; }, CTreeOptionsCtrl::kDateTimeId,
            [](OptionTree& t) {
                dynamic_cast<DateTimeControl*>(t.Editor(CTreeOptionsCtrl::kDateTimeId))
                    ->SetTime({2026, 12, 11, 21, 15, 0});
            },
            "Time: 9:15:00 PM"},
        {"address", [](OptionTree& t) { return t.address; }, CTreeOptionsCtrl::kIpAddressId,
            [](OptionTree& t) {
                auto* field = dynamic_cast<IpAddressControl*>(t.Editor(CTreeOptionsCtrl::kIpAddressId));
                EXPECT_EQ(field->GetText(), "192.168.1.10");
                field->SetText("10.0.0.7");
            },
            "Address: 10.0.0.7"},
        {"multi-line", [](OptionTree& t) { return t.notes; }, CTreeOptionsCtrl::kEditId,
            [](OptionTree& t) {
                EXPECT_NE(t.tree->MultiLineFrame(), nullptr);
                auto* edit = dynamic_cast<EditControl*>(t.Editor(CTreeOptionsCtrl::kEditId));
                EXPECT_EQ(edit->GetText(), "first\nsecond");
                edit->SetText("one\ntwo\nthree");
            },
            "Notes: one..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TreeItem item = c.item(*this);
        Select(item);
        EXPECT_EQ(tree->CurrentItem(), item);
        ASSERT_NE(Editor(c.editorId), nullptr);
        EXPECT_TRUE(Editor(c.editorId)->IsVisible());
        // The value leaves the item text while its editor shows it.
        EXPECT_EQ(Text(item).find(": "), std::string::npos);
        c.edit(*this);
        App().ProcessPending();
        SavePicture(std::string("option-tree-") + c.name + ".png");
        Select(group);
        EXPECT_EQ(Text(item), c.committed);
        EXPECT_EQ(tree->CurrentItem(), 0);
        EXPECT_EQ(Editor(c.editorId), nullptr);
    }
    EXPECT_EQ(tree->GetMultiLineText(notes), "one\r\ntwo\r\nthree");
    EXPECT_EQ(tree->GetIPAddress(address), 0x0A000007u);
    EXPECT_EQ(tree->GetDateTime(date).year, 2027);
}

TEST_F(OptionTree, EditorsCommitOnFocusLossScrollingAndExpansion)
{
    struct Case {
        const char* name;
        std::function<void(OptionTree&)> leave;
    };
    const std::vector<Case> cases{
        {"focus to another control", [](OptionTree& t) { t.dialog.GetControl(kOtherId)->SetFocus(); }},
        {"wheel", [](OptionTree& t) { automation::TurnWheel(t.View(), -1); }},
        {"collapse", [](OptionTree& t) { automation::ClickItemExpander(t.View(), t.group); }},
    };
    int value = 600;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View().Expand(group);
        View().SetFocus();
        Select(port);
        auto* edit = dynamic_cast<EditControl*>(Editor(CTreeOptionsCtrl::kEditId));
        ASSERT_NE(edit, nullptr);
        edit->SetText(std::to_string(++value));
        App().ProcessPending();
        c.leave(*this);
        App().ProcessPending();
        EXPECT_EQ(Text(port), "Port: " + std::to_string(value));
        EXPECT_EQ(Editor(CTreeOptionsCtrl::kEditId), nullptr);
    }
    // Focus moving from the tree into its own editor keeps it open.
    View().Expand(group);
    View().SetFocus();
    Select(port);
    Editor(CTreeOptionsCtrl::kEditId)->SetFocus();
    App().ProcessPending();
    EXPECT_EQ(tree->CurrentItem(), port);
}

TEST_F(OptionTree, BrowseButtonsAskThroughThePromptSink)
{
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{"/data/b.csv"}, 1, {}});
    Select(file);
    ASSERT_NE(Editor(CTreeOptionsCtrl::kButtonId), nullptr);
    Editor(CTreeOptionsCtrl::kEditId)->SetFocus();
    App().ProcessPending();
    dynamic_cast<ButtonControl*>(Editor(CTreeOptionsCtrl::kButtonId))->Click();
    App().ProcessPending();
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_EQ(Prompts().fileDialogs[0].title, "Please specify a file");
    EXPECT_EQ(Prompts().fileDialogs[0].fileName, "/tmp/a.txt");
    EXPECT_EQ(Prompts().fileDialogs[0].filter, "All Files (*.*)|*.*||");
    EXPECT_EQ(Prompts().fileDialogs[0].acceptLabel, "OK");
    EXPECT_EQ(tree->CurrentItem(), file) << "the edit stays open while the file is chosen";
    SavePicture("option-tree-file.png");
    Select(group);
    EXPECT_EQ(Text(file), "File: /data/b.csv");

    Prompts().folderAnswer = "/srv/logs";
    Select(folder);
    dynamic_cast<ButtonControl*>(Editor(CTreeOptionsCtrl::kButtonId))->Click();
    Select(group);
    EXPECT_EQ(Text(folder), "Folder: /srv/logs");

    // Colour and font: the value goes into the item and the editors open again.
    Prompts().colourAnswer = 0x00FF00;
    Select(colour);
    EXPECT_EQ(Editor(CTreeOptionsCtrl::kEditId), nullptr);
    dynamic_cast<ButtonControl*>(Editor(CTreeOptionsCtrl::kButtonId))->Click();
    App().ProcessPending();
    EXPECT_EQ(tree->GetColor(colour), 0x00FF00u);
    EXPECT_EQ(Text(colour), "Colour: &00FF00");
    ASSERT_NE(tree->BrowseButton(), nullptr) << "reopened by 0x4A1";
    EXPECT_EQ(tree->BrowseButton()->GetColor(), 0x00FF00u);
    SavePicture("option-tree-colour.png");
    Select(group);
    EXPECT_EQ(Text(colour), "Colour: &00FF00");
    EXPECT_EQ(View().GetItemGlyph(colour).kind, TreeGlyphKind::ColourSwatch);
    EXPECT_EQ(View().GetItemGlyph(colour).colour, (RgbColour{0, 255, 0}));

    Prompts().fontAnswer = FontChoice{"Serif", 12, true, false};
    Select(font);
    dynamic_cast<ButtonControl*>(Editor(CTreeOptionsCtrl::kButtonId))->Click();
    App().ProcessPending();
    EXPECT_EQ(Text(font), "Font: Serif");
    EXPECT_EQ(tree->GetFont(font).weight, 700);
    EXPECT_EQ(tree->GetFont(font).height, -16);
    ASSERT_NE(tree->BrowseButton(), nullptr);
    EXPECT_EQ(tree->BrowseButton()->GetFont().faceName, "Serif");
    SavePicture("option-tree-font.png");

    // A cancelled dialog changes nothing.
    Prompts().colourAnswer.reset();
    Select(colour);
    dynamic_cast<ButtonControl*>(Editor(CTreeOptionsCtrl::kButtonId))->Click();
    Select(group);
    EXPECT_EQ(Text(colour), "Colour: &00FF00");
}

TEST_F(OptionTree, AnAddressWithAnEmptyFieldIsNotWritten)
{
    Select(address);
    dynamic_cast<IpAddressControl*>(Editor(CTreeOptionsCtrl::kIpAddressId))->SetText("10.1..4");
    Select(group);
    EXPECT_EQ(Text(address), "Address: 192.168.1.10");
    EXPECT_EQ(tree->GetIPAddress(address), 0xC0A8010Au);
}

TEST_F(OptionTree, AnEditOnALowRowIsTwentyPixelsHigh)
{
    Select(port);
    const std::optional<Rect> label = View().GetItemRect(port, true);
    ASSERT_TRUE(label);
    ASSERT_LT(label->Height(), 20) << "the rows of the test tree are lower than an edit";
    const DialogRect edit = Editor(CTreeOptionsCtrl::kEditId)->Rect();
    EXPECT_EQ(edit.height, 20);
    EXPECT_EQ(edit.x, label->right + 2);
    EXPECT_EQ(edit.y, label->top);
    // The multi-line edit is 100 pixels high whatever the row.
    Select(notes);
    EXPECT_EQ(tree->CurrentItem(), notes);
    EXPECT_NE(tree->MultiLineFrame(), nullptr);
    ASSERT_NE(Editor(CTreeOptionsCtrl::kEditId), nullptr);
    EXPECT_EQ(Editor(CTreeOptionsCtrl::kEditId)->Rect().height, 100);
}

TEST_F(OptionTree, ClicksAndTheSpaceKeyToggleChecksAndRadios)
{
    const auto checked = [&](TreeItem item) { return tree->Record(item)->checked; };
    Select(box);
    EXPECT_FALSE(checked(box));
    EXPECT_EQ(View().GetItemGlyph(box), (TreeItemGlyph{TreeGlyphKind::CheckBox, false, false, true, {}}));
    View().SetFocus();
    automation::PressKey(View(), automation::Key::Space);
    EXPECT_TRUE(checked(box));

    automation::ClickItemImage(View(), radioB);
    EXPECT_TRUE(checked(radioB));
    EXPECT_FALSE(checked(radioA));

    // Disabled: neither clicks nor the space key.
    tree->SetRadioButtonEnable(radioA, false);
    automation::ClickItem(View(), radioA);
    automation::PressKey(View(), automation::Key::Space);
    EXPECT_FALSE(checked(radioA));
    EXPECT_TRUE(checked(radioB));
    EXPECT_FALSE(View().GetItemGlyph(radioA).enabled);

    // Only on the image, when asked so.
    tree->SetToggleOnlyOnImage(true);
    automation::ClickItem(View(), box);
    EXPECT_TRUE(checked(box));
    automation::ClickItemImage(View(), box);
    EXPECT_FALSE(checked(box));
    SavePicture("option-tree-checks.png");
    tree->SetThemedDrawing(false);
    SavePicture("option-tree-plain-checks.png");
}

TEST_F(OptionTree, TheRightArrowAndTheFocusEditorFlagFocusTheOpenEditor)
{
    View().SetFocus();
    Select(address);
    App().ProcessPending();
    EXPECT_TRUE(View().HasFocus());
    EXPECT_TRUE(automation::PressKey(View(), automation::Key::Right));
    App().ProcessPending();
    EXPECT_TRUE(Editor(CTreeOptionsCtrl::kIpAddressId)->HasFocus());
    EXPECT_EQ(tree->CurrentItem(), address) << "focus within the tree's own editor keeps it open";

    tree->SetFocusEditor(true);
    View().SetFocus();
    Select(port);
    App().ProcessPending();
    EXPECT_TRUE(Editor(CTreeOptionsCtrl::kEditId)->HasFocus());
    EXPECT_EQ(Text(address), "Address: 192.168.1.10");
}

TEST_F(OptionTree, DataExchangeMovesValuesBetweenItemsAndVariables)
{
    int checked = 1;
    int radio = 1;
    int number = 0;
    std::string text = "/var/x";
    bool enabled = true;
    std::uint32_t rgb = 0x123456;
    std::uint32_t ip = 0x0A0B0C0D;
    {
        DataExchange load(dialog, false);
        DdxTreeCheck(load, *tree, box, checked);
        DdxTreeRadio(load, *tree, View().GetParentItem(radioA), radio);
        DdxTreeText(load, *tree, folder, text);
        number = 77;
        DdxTreeInt(load, *tree, port, number);
        enabled = false;
        DdxTreeBoolean(load, *tree, flag, enabled);
        DdxTreeColour(load, *tree, colour, rgb);
        DdxTreeIpAddress(load, *tree, address, ip);
    }
    EXPECT_EQ(Text(folder), "Folder: /var/x");
    EXPECT_EQ(Text(port), "Port: 77");
    EXPECT_EQ(Text(flag), "Enabled: False");
    EXPECT_EQ(Text(colour), "Colour: &563412");
    EXPECT_EQ(Text(address), "Address: 10.11.12.13");
    EXPECT_TRUE(tree->Record(radioB)->checked);

    // Saving takes the open editor's value first.
    Select(port);
    dynamic_cast<EditControl*>(Editor(CTreeOptionsCtrl::kEditId))->SetText("12abc");
    tree->SetValueText(flag, "true");
    checked = radio = number = -5;
    enabled = true;
    {
        DataExchange save(dialog, true);
        DdxTreeCheck(save, *tree, box, checked);
        DdxTreeRadio(save, *tree, View().GetParentItem(radioA), radio);
        DdxTreeInt(save, *tree, port, number);
        DdxTreeBoolean(save, *tree, flag, enabled);
    }
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(radio, 1);
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(enabled) << "only exactly True is true";

    // No radio checked: the variable keeps its value.
    tree->SetRadioButtonByIndex(View().GetParentItem(radioA), -1);
    radio = 4;
    DataExchange save(dialog, true);
    DdxTreeRadio(save, *tree, View().GetParentItem(radioA), radio);
    EXPECT_EQ(radio, 4);
}

}  // namespace
}  // namespace c_tree_options_ctrl_test
}  // namespace corvane
