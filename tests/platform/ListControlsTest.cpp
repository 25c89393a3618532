#include "ControlsTestSupport.h"
#include "PlatformTestSupport.h"
#include "platform/ControlAutomation.h"
#include "platform/Dialog.h"
#include "platform/KeyCodes.h"
#include "platform/ListBoxControl.h"
#include "platform/ListBoxMouseHook.h"
#include "platform/ListViewControl.h"
#include "platform/TreeViewControl.h"

#include <array>
#include <string>
#include <vector>

namespace corvane {
namespace list_controls_test {
namespace {

using test::NotifyLog;
using test::Seen;
namespace ca = control_automation;
namespace ac = test::all_controls;
using K = ControlKind;
namespace s = control_style;

// List boxes of each selection style, and a tree without check boxes.
constexpr int kSingle = 300;
constexpr int kMulti = 301;
constexpr int kExtended = 302;
constexpr int kPlainTree = 303;
constexpr int kExtendedView = 304;
constexpr std::array kListControls = {
    ControlTemplate{K::ListBox, kSingle, "", {10, 10, 120, 150}, s::kSorted},
    ControlTemplate{K::ListBox, kMulti, "", {140, 10, 120, 150}, s::kMultipleSelection},
    ControlTemplate{K::ListBox, kExtended, "", {270, 10, 120, 150}, s::kExtendedSelection},
    ControlTemplate{K::TreeView, kPlainTree, "", {400, 10, 120, 150}},
    ControlTemplate{K::ListView, kExtendedView, "", {10, 170, 510, 120}, s::kExtendedSelection},
};
constexpr DialogTemplate kListDialog{9101, "Lists", 530, 300, kListControls};

using ListBoxControlTest = test::PlatformTest;
using ListViewControlTest = test::PlatformTest;
using TreeViewControlTest = test::PlatformTest;

// ---------------------------------------------------------------- list box

TEST_F(ListBoxControlTest, SortedListKeepsEachItemsDataWithIt)
{
    Dialog dialog(kListDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* list = dialog.GetControlAs<ListBoxControl>(kSingle);
    ASSERT_NE(list, nullptr);
    const std::vector<std::string> names = {"delta", "Alpha", "charlie", "bravo", "alpha"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int at = list->AddString(names[i]);
        ASSERT_GE(at, 0);
        ASSERT_TRUE(list->SetItemData(at, static_cast<std::intptr_t>(i) + 100));
    }
    // Ignoring case, and an equal item after the one already there.
    const std::vector<std::string> sorted = {"Alpha", "alpha", "bravo", "charlie", "delta"};
    ASSERT_EQ(list->GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list->GetText(i), sorted[static_cast<std::size_t>(i)]);
        EXPECT_EQ(names[static_cast<std::size_t>(list->GetItemData(i) - 100)], list->GetText(i)) << i;
    }

    // InsertString places the item where it is told, sorted or not.
    EXPECT_EQ(list->InsertString(1, "zulu"), 1);
    EXPECT_EQ(list->InsertString(-1, "omega"), 6);
    EXPECT_EQ(list->InsertString(8, "beyond"), -1);
    EXPECT_TRUE(list->DeleteString(0));
    EXPECT_EQ(list->GetText(0), "zulu");
    EXPECT_EQ(list->GetItemData(1), 104) << "data moves with its item";

    // Exact search, ignoring case, going on from the top past the end.
    EXPECT_EQ(list->FindStringExact(-1, "ALPHA"), 1);
    EXPECT_EQ(list->FindStringExact(1, "alpha"), 1) << "the only alpha left, found again after wrapping";
    EXPECT_EQ(list->FindStringExact(3, "Zulu"), 0);
    EXPECT_EQ(list->FindStringExact(-1, "alp"), -1);

    // Bad indexes change nothing and read as empty.
    EXPECT_EQ(list->GetText(-1), "");
    EXPECT_EQ(list->GetText(list->GetCount()), "");
    EXPECT_EQ(list->GetItemData(99), 0);
    EXPECT_FALSE(list->SetItemData(-2, 1));
    EXPECT_FALSE(list->DeleteString(list->GetCount()));
    EXPECT_FALSE(list->SetCurSel(99));
    EXPECT_FALSE(list->GetSel(99));
    EXPECT_EQ(list->GetCount(), 6);

    list->ResetContent();
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->FindStringExact(-1, "zulu"), -1);
}

TEST_F(ListBoxControlTest, UserClicksSelectAsTheStyleSaysAndOnlyTheyNotify)
{
    struct Click {
        int item;
        unsigned modifiers;
    };
    struct Case {
        int control;
        std::vector<Click> clicks;
        std::vector<int> selected;
    };
    const Case cases[] = {
        {kSingle, {{1, 0}, {3, 0}}, {3}},
        {kMulti, {{1, 0}, {3, 0}, {4, 0}, {1, 0}}, {3, 4}},
        {kExtended, {{1, 0}, {3, ca::kCtrl}, {4, ca::kCtrl}, {3, ca::kCtrl}}, {1, 4}},
        {kExtended, {{1, 0}, {4, ca::kShift}}, {1, 2, 3, 4}},
        {kExtended, {{1, 0}, {3, ca::kCtrl}, {2, 0}}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        Dialog dialog(kListDialog);
        ASSERT_TRUE(dialog.Create());
        auto* list = dialog.GetControlAs<ListBoxControl>(c.control);
        for (int i = 0; i < 6; ++i)
            list->AddString("item " + std::to_string(i));
        NotifyLog log(dialog, c.control, {Notification::SelectionChanged});
        for (const Click& click : c.clicks)
            ASSERT_TRUE(ca::ClickItem(*list, click.item, click.modifiers));
        EXPECT_EQ(list->GetSelItems(), c.selected);
        EXPECT_EQ(list->GetSelCount(), static_cast<int>(c.selected.size()));
        ASSERT_EQ(log.seen.size(), c.clicks.size());
        EXPECT_EQ(log.seen.back().item, c.clicks.back().item) << "the item with the caret";

        // The program's changes send nothing.
        log.Take();
        if (c.control == kSingle) {
            EXPECT_TRUE(list->SetCurSel(5));
            EXPECT_EQ(list->GetCurSel(), 5);
            EXPECT_FALSE(list->SetSel(2)) << "single selection has no SetSel";
            EXPECT_FALSE(list->SetCurSel(-1));
            EXPECT_EQ(list->GetCurSel(), -1);
        } else {
            EXPECT_FALSE(list->SetCurSel(2)) << "several selected have no SetCurSel";
            EXPECT_TRUE(list->SetSel(-1, true));
            EXPECT_EQ(list->GetSelCount(), 6);
            EXPECT_TRUE(list->SetSel(0, false));
            EXPECT_FALSE(list->GetSel(0));
            EXPECT_TRUE(list->GetSel(5));
        }
        EXPECT_TRUE(list->DeleteString(5));
        list->ResetContent();
        EXPECT_TRUE(log.seen.empty());
    }
}

TEST_F(ListBoxControlTest, DoubleClickNamesTheItem)
{
    Dialog dialog(kListDialog);
    ASSERT_TRUE(dialog.Create());
    auto* list = dialog.GetControlAs<ListBoxControl>(kSingle);
    for (const char* name : {"a", "b", "c"})
        list->AddString(name);
    NotifyLog log(dialog, kSingle, {Notification::DoubleClicked});
    ASSERT_TRUE(ca::DoubleClickItem(*list, 2));
    EXPECT_EQ(log.seen, (std::vector<Seen>{{Notification::DoubleClicked, 2}}));
    EXPECT_FALSE(ca::DoubleClickItem(*list, 3));
}

// Records what a list box's hook sees; keeps it from the list when told.
struct RecordingHook final : ListBoxMouseHook {
    bool keep = true;
    std::vector<MouseEvent> downs;
    std::vector<MouseEvent> moves;
    std::vector<MouseEvent> ups;
    std::vector<int> keys;

    bool OnButtonDown(const MouseEvent& event) override { return Record(downs, event); }
    bool OnMouseMove(const MouseEvent& event) override { return Record(moves, event); }
    bool OnButtonUp(const MouseEvent& event) override { return Record(ups, event); }
    bool OnKeyDown(int key) override
    {
        keys.push_back(key);
        return keep;
    }
    bool Record(std::vector<MouseEvent>& events, const MouseEvent& event)
    {
        events.push_back(event);
        return keep;
    }
};

TEST_F(ListBoxControlTest, HookSeesMouseAndKeysFirstAndMayKeepThemFromTheList)
{
    Dialog dialog(kListDialog);
    ASSERT_TRUE(dialog.Create());
    auto* list = dialog.GetControlAs<ListBoxControl>(kExtended);
    for (const char* name : {"a", "b", "c", "d"})
        list->AddString(name);
    RecordingHook hook;
    list->SetMouseHook(&hook);
    EXPECT_EQ(list->MouseHook(), &hook);

    const int height = list->GetItemHeight();
    const Point onC{8, 2 * height + height / 2};
    ASSERT_TRUE(ca::PressMouse(*list, onC, ca::kShift));
    ASSERT_TRUE(ca::DragMouse(*list, {8, -40}));
    ASSERT_TRUE(ca::ReleaseMouse(*list, {8, -40}));
    ASSERT_TRUE(ca::PressKey(*list, ca::Key::Escape));
    ASSERT_EQ(hook.downs.size(), 1u);
    EXPECT_EQ(hook.downs[0].button, MouseButton::Left);
    EXPECT_EQ(hook.downs[0].point, onC);
    EXPECT_TRUE(hook.downs[0].Shift());
    ASSERT_EQ(hook.moves.size(), 1u);
    EXPECT_EQ(hook.moves[0].point, (Point{8, -40}));
    EXPECT_NE(hook.moves[0].flags & mouse_flag::kLeft, 0u) << "the button is held";
    ASSERT_EQ(hook.ups.size(), 1u);
    EXPECT_EQ(hook.keys, std::vector<int>{key_code::kEscape});
    EXPECT_EQ(list->GetSelCount(), 0) << "the hook kept the press from the list";

    hook.keep = false;
    ASSERT_TRUE(ca::ClickItem(*list, 2));
    EXPECT_EQ(list->GetSelItems(), std::vector<int>{2});
    EXPECT_EQ(list->ItemFromPoint(onC), 2);

    EXPECT_EQ(ListBoxControl::MouseHookAt(list->ClientToScreen(onC)), &hook);
    auto* other = dialog.GetControlAs<ListBoxControl>(kMulti);
    EXPECT_EQ(ListBoxControl::MouseHookAt(other->ClientToScreen({8, 8})), nullptr) << "a list without a hook";
    list->SetMouseHook(nullptr);
    EXPECT_EQ(ListBoxControl::MouseHookAt(list->ClientToScreen(onC)), nullptr);
}

TEST_F(ListBoxControlTest, GeometryScrollingCaptureCursorAndInsertMark)
{
    Dialog dialog(kListDialog);
    ASSERT_TRUE(dialog.Create());
    auto* list = dialog.GetControlAs<ListBoxControl>(kMulti);
    EXPECT_EQ(list->GetItemHeight(), 0);
    EXPECT_EQ(list->ItemFromPoint({8, 8}), -1);
    for (int i = 0; i < 40; ++i)
        list->AddString(std::to_string(i));
    const int height = list->GetItemHeight();
    ASSERT_GT(height, 0);
    EXPECT_GT(list->ClientSize().height, height);
    EXPECT_EQ(list->ScreenToClient(list->ClientToScreen({3, 4})), (Point{3, 4}));
    EXPECT_NE(list->ClientToScreen({3, 4}), (Point{3, 4})) << "the list is not at the screen's corner";

    EXPECT_TRUE(list->SetTopIndex(10));
    EXPECT_EQ(list->GetTopIndex(), 10);
    EXPECT_EQ(list->ItemFromPoint({8, height + height / 2}), 11);
    EXPECT_FALSE(list->SetTopIndex(40));
    EXPECT_FALSE(list->SetTopIndex(-1));
    EXPECT_TRUE(list->SetTopIndex(39));
    EXPECT_LT(list->GetTopIndex(), 39) << "the list scrolls only as far as it can";
    EXPECT_LE((40 - list->GetTopIndex()) * height, list->ClientSize().height) << "with the last item in view";

    struct Mark {
        int gap;
        int shown;
    };
    for (const Mark m : {Mark{0, 0}, Mark{40, 40}, Mark{41, -1}, Mark{-1, -1}, Mark{7, 7}}) {
        list->SetInsertMark(m.gap);
        EXPECT_EQ(list->GetInsertMark(), m.shown) << m.gap;
    }

    EXPECT_FALSE(list->HasCapture());
    list->SetCapture();
    EXPECT_TRUE(list->HasCapture());
    list->ReleaseCapture();
    EXPECT_FALSE(list->HasCapture());
    EXPECT_EQ(list->GetCursor(), Cursor());
    list->SetCursor(Cursor(CursorShape::No));
    EXPECT_EQ(list->GetCursor(), Cursor(CursorShape::No));
    EXPECT_GT(ListBoxControl::DragDistance(), 0);
}

// --------------------------------------------------------------- list view

TEST_F(ListViewControlTest, RowsKeepTheirTextsAndDataThroughInsertsAndDeletes)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* view = dialog.GetControlAs<ListViewControl>(ac::kListView);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->InsertColumn(0, "Name", 120), 0);
    EXPECT_EQ(view->InsertColumn(5, "Status", 80), 1) << "past the end appends";
    EXPECT_EQ(view->InsertColumn(-1, "Bad", 10), -1);

    EXPECT_EQ(view->InsertItem(0, "Tank"), 0);
    EXPECT_EQ(view->InsertItem(99, "Pump"), 1);
    EXPECT_EQ(view->InsertItem(0, "Valve"), 0);
    EXPECT_EQ(view->InsertItem(-1, "Bad"), -1);
    ASSERT_EQ(view->GetItemCount(), 3);
    const char* names[] = {"Valve", "Tank", "Pump"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(view->GetItemText(row, 0), names[row]);
        EXPECT_TRUE(view->SetItemText(row, 1, std::string("ok ") + names[row]));
        EXPECT_TRUE(view->SetItemData(row, 10 + row));
    }

    // A column inserted between others takes the texts after it along.
    EXPECT_EQ(view->InsertColumn(1, "Address", 100, ColumnAlign::Right), 1);
    EXPECT_EQ(view->GetColumnCount(), 3);
    EXPECT_EQ(view->GetItemText(1, 1), "");
    EXPECT_EQ(view->GetItemText(1, 2), "ok Tank");
    EXPECT_EQ(view->GetColumnWidth(0), 120);
    EXPECT_EQ(view->GetColumnWidth(1), 100);
    EXPECT_EQ(view->GetColumnWidth(2), 80);

    EXPECT_TRUE(view->DeleteItem(0));
    EXPECT_EQ(view->GetItemText(0, 0), "Tank");
    EXPECT_EQ(view->GetItemData(0), 11);
    EXPECT_EQ(view->FindItemData(-1, 12), 1);
    EXPECT_EQ(view->FindItemData(1, 12), -1);

    // Bad rows and columns.
    EXPECT_EQ(view->GetItemText(0, 3), "");
    EXPECT_FALSE(view->SetItemText(0, 3, "x"));
    EXPECT_FALSE(view->SetItemText(2, 0, "x"));
    EXPECT_FALSE(view->DeleteItem(2));
    EXPECT_EQ(view->GetItemData(-1), 0);
    EXPECT_FALSE(view->SetItemSelected(5));
    EXPECT_FALSE(view->SetCheck(7, true));
    EXPECT_EQ(view->GetColumnWidth(3), -1);
    EXPECT_FALSE(view->DeleteColumn(3));

    EXPECT_TRUE(view->DeleteColumn(1));
    EXPECT_EQ(view->GetItemText(1, 1), "ok Pump");
    view->DeleteAllItems();
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 2) << "the headings stay";
}

TEST_F(ListViewControlTest, UserClicksAndChecksNotifyProgramChangesDoNot)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* view = dialog.GetControlAs<ListViewControl>(ac::kListView);
    view->InsertColumn(0, "Name", 150);
    view->InsertColumn(1, "Address", 150);
    for (const char* name : {"North", "South", "East"})
        view->InsertItem(view->GetItemCount(), name);
    NotifyLog log(dialog, ac::kListView,
        {Notification::SelectionChanged, Notification::DoubleClicked, Notification::ItemChecked});

    view->SetItemSelected(2);
    view->SetCheck(1, true);
    EXPECT_EQ(view->GetSelectedItem(), 2);
    EXPECT_TRUE(view->GetCheck(1));
    EXPECT_TRUE(log.seen.empty());

    ASSERT_TRUE(ca::ClickItem(*view, 0));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanged, 0}}));
    EXPECT_EQ(view->GetSelectedItems(), std::vector<int>{0});

    // A check box click toggles the box alone.
    ASSERT_TRUE(ca::ClickItemCheckBox(*view, 2));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, 2}}));
    EXPECT_TRUE(view->GetCheck(2));
    EXPECT_EQ(view->GetSelectedItem(), 0);

    ASSERT_TRUE(ca::DoubleClickItem(*view, 1));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanged, 1}, {Notification::DoubleClicked, 1}}));
    // Space toggles the box of the row with the caret.
    ASSERT_TRUE(ca::PressKey(*view, ca::Key::Space));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, 1}}));
    EXPECT_FALSE(view->GetCheck(1));

    EXPECT_FALSE(ca::ClickItem(*view, 3));
    EXPECT_TRUE(view->DeleteItem(1));
    view->DeleteAllItems();
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(ListViewControlTest, StateImagesAreSetByTheProgramAndTheirClicksOnlyNotify)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* view = dialog.GetControlAs<ListViewControl>(ac::kListView);
    view->InsertColumn(0, "Permission", 200);
    for (const char* name : {"Read", "Write"})
        view->InsertItem(view->GetItemCount(), name);
    EXPECT_FALSE(ca::ClickItemImage(*view, 0)) << "no state images yet";
    ImageList states(16, 16);
    ASSERT_EQ(states.Add(Bitmap(48, 16)), 0);
    view->SetStateImageList(states);
    EXPECT_TRUE(view->SetItemState(0, 2));
    EXPECT_TRUE(view->SetItemState(1, 3));
    EXPECT_FALSE(view->SetItemState(2, 1));
    EXPECT_EQ(view->GetItemState(0), 2);
    EXPECT_EQ(view->GetItemState(7), 0);
    NotifyLog log(dialog, ac::kListView, {Notification::SelectionChanged, Notification::ItemChecked});

    // A click on the state image tells the dialog and changes neither the
    // state nor the selection; the row's text selects as usual.
    ASSERT_TRUE(ca::ClickItemImage(*view, 1));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, 1}}));
    EXPECT_EQ(view->GetItemState(1), 3);
    EXPECT_EQ(view->GetSelectedItem(), -1);
    ASSERT_TRUE(ca::ClickItem(*view, 0));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanged, 0}}));
    ASSERT_TRUE(ca::PressKey(*view, ca::Key::Space));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, 0}}));

    // A row without a state shows no image to click.
    EXPECT_TRUE(view->SetItemState(1, 0));
    EXPECT_FALSE(ca::ClickItemImage(*view, 1));
    EXPECT_TRUE(log.seen.empty());
}

TEST_F(ListViewControlTest, SelectionFollowsTheMode)
{
    Dialog dialog(kListDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    Dialog single(ac::kDialog);
    ASSERT_TRUE(single.CreateHidden());
    struct Case {
        ListViewControl* view;
        std::vector<int> afterSelectingOneAndThree;
    };
    const Case cases[] = {
        {dialog.GetControlAs<ListViewControl>(kExtendedView), {1, 3}},
        {single.GetControlAs<ListViewControl>(ac::kListView), {3}},
    };
    for (const Case& c : cases) {
        c.view->InsertColumn(0, "Name", 100);
        for (int i = 0; i < 5; ++i)
            c.view->InsertItem(i, "row " + std::to_string(i));
        EXPECT_TRUE(c.view->SetItemSelected(1));
        EXPECT_TRUE(c.view->SetItemSelected(3));
        EXPECT_EQ(c.view->GetSelectedItems(), c.afterSelectingOneAndThree);
        EXPECT_EQ(c.view->GetSelectedCount(), static_cast<int>(c.afterSelectingOneAndThree.size()));
        EXPECT_EQ(c.view->GetNextSelected(1), 3);
        EXPECT_EQ(c.view->GetNextSelected(3), -1);
        EXPECT_TRUE(c.view->SetItemSelected(3, false));
        EXPECT_EQ(c.view->GetSelectedCount(), static_cast<int>(c.afterSelectingOneAndThree.size()) - 1);
        // A deleted row leaves the selection.
        EXPECT_TRUE(c.view->SetItemSelected(4));
        EXPECT_TRUE(c.view->DeleteItem(4));
        EXPECT_EQ(c.view->GetNextSelected(3), -1);
    }
}

// --------------------------------------------------------------- tree view

TEST_F(TreeViewControlTest, NavigatesAndDeletesWholeSubtrees)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* tree = dialog.GetControlAs<TreeViewControl>(ac::kTree);
    ASSERT_NE(tree, nullptr);
    const TreeItem analog = tree->InsertItem("Analog");
    const TreeItem channel1 = tree->InsertItem("Channel 1", analog);
    const TreeItem scaling = tree->InsertItem("Scaling", channel1);
    const TreeItem channel2 = tree->InsertItem("Channel 2", analog);
    const TreeItem digital = tree->InsertItem("Digital");
    const TreeItem clock = tree->InsertItem("Clock", kTreeRoot, kTreeFirst);
    const TreeItem bus = tree->InsertItem("bus", kTreeRoot, analog);
    const TreeItem channel0 = tree->InsertItem("channel 0", analog, kTreeSorted);
    const TreeItem channel3 = tree->InsertItem("Channel 3", analog, kTreeSorted);
    EXPECT_EQ(tree->GetCount(), 9);

    // Top level: Clock, Analog, bus, Digital.
    EXPECT_EQ(tree->GetRootItem(), clock);
    EXPECT_EQ(tree->GetChildItem(kTreeRoot), clock);
    EXPECT_EQ(tree->GetNextSiblingItem(clock), analog);
    EXPECT_EQ(tree->GetNextSiblingItem(analog), bus);
    EXPECT_EQ(tree->GetNextSiblingItem(bus), digital);
    EXPECT_EQ(tree->GetNextSiblingItem(digital), 0);
    EXPECT_EQ(tree->GetPrevSiblingItem(clock), 0);
    EXPECT_EQ(tree->GetPrevSiblingItem(bus), analog);
    // Analog: channel 0, Channel 1, Channel 2, Channel 3.
    EXPECT_EQ(tree->GetChildItem(analog), channel0);
    EXPECT_EQ(tree->GetNextSiblingItem(channel0), channel1);
    EXPECT_EQ(tree->GetNextSiblingItem(channel2), channel3);
    EXPECT_EQ(tree->GetParentItem(scaling), channel1);
    EXPECT_EQ(tree->GetParentItem(channel1), analog);
    EXPECT_EQ(tree->GetParentItem(analog), 0);
    EXPECT_TRUE(tree->ItemHasChildren(channel1));
    EXPECT_FALSE(tree->ItemHasChildren(scaling));
    EXPECT_EQ(tree->GetItemText(scaling), "Scaling");
    EXPECT_TRUE(tree->SetItemData(scaling, 42));
    EXPECT_EQ(tree->GetItemData(scaling), 42);

    // The whole subtree goes, and its handles with it.
    tree->SelectItem(scaling);
    EXPECT_TRUE(tree->DeleteItem(analog));
    EXPECT_EQ(tree->GetCount(), 3);
    EXPECT_EQ(tree->GetSelectedItem(), 0);
    EXPECT_EQ(tree->GetNextSiblingItem(clock), bus);
    for (TreeItem gone : {analog, channel0, channel1, scaling, channel2, channel3}) {
        EXPECT_FALSE(tree->Exists(gone));
        EXPECT_EQ(tree->GetItemText(gone), "");
        EXPECT_EQ(tree->GetItemData(gone), 0);
        EXPECT_EQ(tree->GetParentItem(gone), 0);
        EXPECT_EQ(tree->GetNextSiblingItem(gone), 0);
        EXPECT_FALSE(tree->SetItemText(gone, "x"));
        EXPECT_FALSE(tree->SelectItem(gone));
        EXPECT_FALSE(tree->Expand(gone));
        EXPECT_FALSE(tree->DeleteItem(gone));
        EXPECT_EQ(tree->InsertItem("orphan", gone), 0);
    }
    // Handles are never reused.
    const TreeItem fresh = tree->InsertItem("Fresh", kTreeRoot, scaling);
    for (TreeItem old : {analog, channel0, channel1, scaling, channel2, channel3, digital, clock, bus})
        EXPECT_NE(fresh, old);
    EXPECT_EQ(tree->GetNextSiblingItem(digital), fresh) << "an unknown sibling appends";

    EXPECT_TRUE(tree->DeleteItem(kTreeRoot));
    EXPECT_EQ(tree->GetCount(), 0);
    EXPECT_EQ(tree->GetRootItem(), 0);
    EXPECT_FALSE(tree->Exists(clock));
}

TEST_F(TreeViewControlTest, RefusedSelectionChangingKeepsTheSelection)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* tree = dialog.GetControlAs<TreeViewControl>(ac::kTree);
    const TreeItem x = tree->InsertItem("X");
    const TreeItem y = tree->InsertItem("Y");
    const TreeItem z = tree->InsertItem("Z");
    NotifyLog log(dialog, ac::kTree, {Notification::SelectionChanging, Notification::SelectionChanged});
    TreeItem refused = z;
    TreeItem selectedWhileAsked = -1;
    dialog.On(Notification::SelectionChanging, ac::kTree, [&](NotifyEvent& event) {
        selectedWhileAsked = tree->GetSelectedItem();
        event.refuse = event.item == refused;
    });

    EXPECT_TRUE(tree->SelectItem(x));
    EXPECT_TRUE(log.seen.empty()) << "the program's selection sends nothing";

    ASSERT_TRUE(ca::ClickItem(*tree, y));
    EXPECT_EQ(
        log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, y}, {Notification::SelectionChanged, y}}));
    EXPECT_EQ(selectedWhileAsked, x);
    EXPECT_EQ(tree->GetSelectedItem(), y);

    ASSERT_TRUE(ca::ClickItem(*tree, z));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, z}}));
    EXPECT_EQ(tree->GetSelectedItem(), y);
    // The keyboard is refused alike, and starts from the kept item.
    ASSERT_TRUE(ca::PressKey(*tree, ca::Key::Down));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, z}}));
    EXPECT_EQ(tree->GetSelectedItem(), y);
    ASSERT_TRUE(ca::PressKey(*tree, ca::Key::Up));
    EXPECT_EQ(
        log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, x}, {Notification::SelectionChanged, x}}));

    refused = 0;
    ASSERT_TRUE(ca::ClickItem(*tree, z));
    EXPECT_EQ(tree->GetSelectedItem(), z);
    EXPECT_EQ(log.Take().size(), 2u);
    EXPECT_TRUE(tree->DeleteItem(z));
    EXPECT_TRUE(log.seen.empty()) << "deleting the selected item is the program's change";
}

TEST_F(TreeViewControlTest, RefusedItemExpandingKeepsTheItemAsItIs)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* tree = dialog.GetControlAs<TreeViewControl>(ac::kTree);
    const TreeItem inputs = tree->InsertItem("Inputs");
    tree->InsertItem("Input 1", inputs);
    tree->InsertItem("Input 2", inputs);
    const TreeItem leaf = tree->InsertItem("Outputs");
    bool refuse = true;
    std::vector<bool> expandedWhileAsked;
    NotifyLog log(dialog, ac::kTree, {Notification::DoubleClicked});
    dialog.On(Notification::ItemExpanding, ac::kTree, [&](NotifyEvent& event) {
        EXPECT_EQ(event.item, inputs);
        expandedWhileAsked.push_back(tree->IsExpanded(event.item));
        event.refuse = refuse;
    });

    ASSERT_TRUE(ca::ClickItemExpander(*tree, inputs));
    EXPECT_FALSE(tree->IsExpanded(inputs));
    refuse = false;
    ASSERT_TRUE(ca::ClickItemExpander(*tree, inputs));
    EXPECT_TRUE(tree->IsExpanded(inputs));
    EXPECT_EQ(tree->GetSelectedItem(), 0) << "the expand button does not select";

    // Keys collapse and expand the selected item; a refusal holds there too.
    tree->SelectItem(inputs);
    ASSERT_TRUE(ca::PressKey(*tree, ca::Key::Left));
    EXPECT_FALSE(tree->IsExpanded(inputs));
    refuse = true;
    ASSERT_TRUE(ca::PressKey(*tree, ca::Key::Right));
    EXPECT_FALSE(tree->IsExpanded(inputs));
    refuse = false;
    ASSERT_TRUE(ca::PressKey(*tree, ca::Key::Plus));
    EXPECT_TRUE(tree->IsExpanded(inputs));

    // A double click notifies, then collapses.
    ASSERT_TRUE(ca::DoubleClickItem(*tree, inputs));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::DoubleClicked, inputs}}));
    EXPECT_FALSE(tree->IsExpanded(inputs));
    EXPECT_EQ(expandedWhileAsked, (std::vector<bool>{false, false, true, false, false, true}));

    // The program's own expanding asks nobody.
    EXPECT_TRUE(tree->Expand(inputs, true));
    EXPECT_TRUE(tree->IsExpanded(inputs));
    EXPECT_EQ(expandedWhileAsked.size(), 6u);
    EXPECT_FALSE(ca::ClickItemExpander(*tree, leaf)) << "an item without children has no button";
}

TEST_F(TreeViewControlTest, CheckBoxesToggleForTheUserAlone)
{
    Dialog dialog(ac::kDialog);
    Dialog plain(kListDialog);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(plain.Create());
    auto* tree = dialog.GetControlAs<TreeViewControl>(ac::kTree);
    const TreeItem group = tree->InsertItem("Alarms");
    const TreeItem high = tree->InsertItem("High", group);
    const TreeItem low = tree->InsertItem("Low", group);
    tree->Expand(group);
    NotifyLog log(dialog, ac::kTree, {Notification::ItemChecked, Notification::SelectionChanged});

    EXPECT_TRUE(tree->SetCheck(high, true));
    EXPECT_TRUE(tree->GetCheck(high));
    EXPECT_TRUE(log.seen.empty());
    ASSERT_TRUE(ca::ClickItemCheckBox(*tree, low));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, low}}));
    EXPECT_TRUE(tree->GetCheck(low));
    EXPECT_EQ(tree->GetSelectedItem(), 0);
    ASSERT_TRUE(ca::ClickItemCheckBox(*tree, high));
    EXPECT_FALSE(tree->GetCheck(high));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::ItemChecked, high}}));

    // A tree without check boxes has none to set or click.
    auto* other = plain.GetControlAs<TreeViewControl>(kPlainTree);
    const TreeItem item = other->InsertItem("Item");
    EXPECT_FALSE(other->SetCheck(item, true));
    EXPECT_FALSE(other->GetCheck(item));
    EXPECT_FALSE(ca::ClickItemCheckBox(*other, item));
}

}  // namespace
}  // namespace list_controls_test
}  // namespace corvane
