#include "controls/CInterDragListBox.h"

#include "PlatformTestSupport.h"

#include "platform/Application.h"
#include "platform/ControlAutomation.h"
#include "platform/CursorCatalog.h"
#include "platform/Dialog.h"
#include "platform/ListBoxControl.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace corvane {
namespace c_inter_drag_list_box_test {
namespace {

constexpr int kAvailableId = 101;
constexpr int kChosenId = 102;
constexpr int kSortedId = 103;
constexpr int kSingleId = 104;
constexpr std::array kControls = {
    ControlTemplate{ControlKind::ListBox, kAvailableId, "", {10, 10, 120, 160}, control_style::kExtendedSelection},
    ControlTemplate{ControlKind::ListBox, kChosenId, "", {140, 10, 120, 160}, control_style::kExtendedSelection},
    ControlTemplate{ControlKind::ListBox, kSortedId, "", {270, 10, 120, 160},
        control_style::kSorted | control_style::kExtendedSelection},
    ControlTemplate{ControlKind::ListBox, kSingleId, "", {400, 10, 120, 160}},
};
constexpr DialogTemplate kListsDialog{9102, "Lists", 540, 190, kControls};

class DragLists : public test::PlatformTest {
protected:
    DragLists() { EXPECT_TRUE(dialog_.Create()); }

    ListBoxControl& List(int id) { return *dialog_.GetControlAs<ListBoxControl>(id); }
    void Fill(int id, std::string_view letters)
    {
        for (const char c : letters) {
            const int index = List(id).AddString(std::string(1, c));
            List(id).SetItemData(index, c);
        }
    }
    std::string Texts(int id)
    {
        std::string texts;
        for (int i = 0; i < List(id).GetCount(); ++i) {
            texts += List(id).GetText(i);
            EXPECT_EQ(List(id).GetItemData(i), List(id).GetText(i)[0]) << "the data travels with the text";
        }
        return texts;
    }

    Dialog dialog_{kListsDialog};
};

TEST_F(DragLists, DropWithinAListMatchesTheModel)
{
    Fill(kAvailableId, "ABCDEFG");
    for (const int i : {0, 2, 3})
        List(kAvailableId).SetSel(i);
    CInterDragListBox available(List(kAvailableId));
    const int gap = available.GetInsertIndex(6 * 16 + 2, 16, 0);
    EXPECT_EQ(gap, 6);
    available.Dropped(gap);
    EXPECT_EQ(Texts(kAvailableId), "BEFACDG");
    EXPECT_EQ(List(kAvailableId).GetSelItems(), (std::vector<int>{3, 4, 5}));
}

TEST_F(DragLists, DropOnAnotherListMovesTheSelectionThere)
{
    Fill(kAvailableId, "ABCD");
    Fill(kChosenId, "xy");
    List(kAvailableId).SetSel(1);
    List(kAvailableId).SetSel(3);
    CInterDragListBox available(List(kAvailableId));
    CInterDragListBox chosen(List(kChosenId));
    available.MoveSelectionTo(chosen, chosen.GetInsertIndex(500, 16, 0));
    EXPECT_EQ(Texts(kAvailableId), "AC");
    EXPECT_EQ(Texts(kChosenId), "xyBD");
    EXPECT_EQ(List(kChosenId).GetSelItems(), (std::vector<int>{2, 3}));
    EXPECT_EQ(List(kAvailableId).GetSelCount(), 0);
}

TEST_F(DragLists, SortedListTakesArrivalsInOrderAndIgnoresItsOwnDrop)
{
    Fill(kSortedId, "bdf");
    Fill(kAvailableId, "ea");
    CInterDragListBox sorted(List(kSortedId));
    CInterDragListBox available(List(kAvailableId));
    List(kSortedId).SetSel(2);
    sorted.Dropped(0);
    EXPECT_EQ(Texts(kSortedId), "bdf");
    List(kAvailableId).SetSel(-1);
    available.MoveSelectionTo(sorted, 0);
    EXPECT_EQ(Texts(kSortedId), "abdef");
    EXPECT_EQ(Texts(kAvailableId), "");
}

TEST_F(DragLists, NothingSelectedMovesNothing)
{
    Fill(kSingleId, "ABC");
    Fill(kChosenId, "x");
    CInterDragListBox single(List(kSingleId));
    CInterDragListBox chosen(List(kChosenId));
    single.MoveSelectionTo(chosen, 0);
    EXPECT_EQ(Texts(kSingleId), "ABC");
    EXPECT_EQ(Texts(kChosenId), "x");
    List(kSingleId).SetCurSel(1);
    single.MoveSelectionTo(chosen, 0);
    EXPECT_EQ(Texts(kSingleId), "AC");
    EXPECT_EQ(Texts(kChosenId), "Bx");
    EXPECT_EQ(List(kChosenId).GetSelItems(), (std::vector<int>{0}));
}

// The gesture, with the mouse as a user moves it. Points are in the client
// coordinates of the list that was pressed, which holds the mouse.
class DragGesture : public DragLists {
protected:
    DragGesture()
    {
        App().Cursors().Register(CInterDragListBox::kDragCursorId, [] { return Cursor(CursorShape::Hand); });
    }

    // A point in the upper quarter of the item (or below the last one), so
    // the drop lands in the gap before it.
    Point GapPoint(int id, int index)
    {
        const int height = List(id).GetItemHeight();
        return {20, (index - List(id).GetTopIndex()) * height + height / 4};
    }
    Point ItemPoint(int id, int index)
    {
        const int height = List(id).GetItemHeight();
        return {20, (index - List(id).GetTopIndex()) * height + height / 2};
    }
    // A point of list `over` in the client coordinates of list `from`.
    Point Across(int from, int over, Point point)
    {
        return List(from).ScreenToClient(List(over).ClientToScreen(point));
    }
    // Presses on the item and moves just past the drag distance.
    void StartDrag(int id, int item)
    {
        const Point down = ItemPoint(id, item);
        ASSERT_TRUE(control_automation::PressMouse(List(id), down));
        const int beyond = ListBoxControl::DragDistance() + 1;
        ASSERT_TRUE(control_automation::DragMouse(List(id), {down.x + beyond, down.y}));
    }
    bool Drag(int id, Point to) { return control_automation::DragMouse(List(id), to); }
    bool Release(int id, Point at) { return control_automation::ReleaseMouse(List(id), at); }
};

TEST_F(DragGesture, DragsTheSelectionWithinTheListToTheMarkedGap)
{
    Fill(kAvailableId, "ABCDEFG");
    List(kAvailableId).SetSel(0);
    List(kAvailableId).SetSel(2);
    CInterDragListBox available(List(kAvailableId));

    StartDrag(kAvailableId, 2);  // on one of the two selected items: both go
    EXPECT_TRUE(available.IsDragging());
    EXPECT_TRUE(List(kAvailableId).HasCapture());
    ASSERT_TRUE(Drag(kAvailableId, GapPoint(kAvailableId, 5)));
    EXPECT_EQ(List(kAvailableId).GetInsertMark(), 5);
    EXPECT_EQ(List(kAvailableId).GetCursor(), Cursor(CursorShape::Hand));

    ASSERT_TRUE(Release(kAvailableId, GapPoint(kAvailableId, 5)));
    EXPECT_EQ(Texts(kAvailableId), "BDEACFG");
    EXPECT_EQ(List(kAvailableId).GetSelItems(), (std::vector<int>{3, 4}));
    EXPECT_FALSE(available.IsDragging());
    EXPECT_FALSE(List(kAvailableId).HasCapture());
    EXPECT_EQ(List(kAvailableId).GetInsertMark(), -1);
}

TEST_F(DragGesture, DropsIntoThePartnerAndTheMarkFollowsThePointer)
{
    Fill(kAvailableId, "ABCD");
    Fill(kChosenId, "xy");
    CInterDragListBox available(List(kAvailableId));
    CInterDragListBox chosen(List(kChosenId));

    StartDrag(kAvailableId, 1);  // the press selects B, as the list does
    ASSERT_TRUE(Drag(kAvailableId, Across(kAvailableId, kChosenId, GapPoint(kChosenId, 1))));
    EXPECT_EQ(List(kChosenId).GetInsertMark(), 1);
    EXPECT_EQ(List(kAvailableId).GetInsertMark(), -1);

    ASSERT_TRUE(Drag(kAvailableId, GapPoint(kAvailableId, 3)));
    EXPECT_EQ(List(kChosenId).GetInsertMark(), -1) << "the partner's mark goes when the pointer leaves it";
    EXPECT_EQ(List(kAvailableId).GetInsertMark(), 3);

    ASSERT_TRUE(Drag(kAvailableId, {-300, 20}));  // over no list
    EXPECT_EQ(List(kAvailableId).GetInsertMark(), -1);
    EXPECT_EQ(List(kAvailableId).GetCursor(), Cursor(CursorShape::No));

    const Point drop = Across(kAvailableId, kChosenId, GapPoint(kChosenId, 1));
    ASSERT_TRUE(Drag(kAvailableId, drop));
    ASSERT_TRUE(Release(kAvailableId, drop));
    EXPECT_EQ(Texts(kAvailableId), "ACD");
    EXPECT_EQ(Texts(kChosenId), "xBy");
    EXPECT_EQ(List(kChosenId).GetSelItems(), (std::vector<int>{1}));
    EXPECT_EQ(List(kChosenId).GetInsertMark(), -1);
}

TEST_F(DragGesture, ReleaseOverNoListMovesNothing)
{
    Fill(kAvailableId, "ABC");
    CInterDragListBox available(List(kAvailableId));
    StartDrag(kAvailableId, 0);
    ASSERT_TRUE(Release(kAvailableId, {-300, 20}));
    EXPECT_EQ(Texts(kAvailableId), "ABC");
    EXPECT_FALSE(available.IsDragging());
}

TEST_F(DragGesture, SortedListShowsNoMarkAndTakesArrivalsInOrder)
{
    Fill(kSortedId, "bdf");
    Fill(kAvailableId, "ea");
    CInterDragListBox sorted(List(kSortedId));
    CInterDragListBox available(List(kAvailableId));

    StartDrag(kSortedId, 0);
    ASSERT_TRUE(Drag(kSortedId, GapPoint(kSortedId, 3)));
    EXPECT_EQ(List(kSortedId).GetInsertMark(), -1);
    ASSERT_TRUE(Release(kSortedId, GapPoint(kSortedId, 3)));
    EXPECT_EQ(Texts(kSortedId), "bdf");

    StartDrag(kAvailableId, 0);
    const Point drop = Across(kAvailableId, kSortedId, GapPoint(kSortedId, 0));
    ASSERT_TRUE(Drag(kAvailableId, drop));
    EXPECT_EQ(List(kSortedId).GetInsertMark(), -1);
    ASSERT_TRUE(Release(kAvailableId, drop));
    EXPECT_EQ(Texts(kSortedId), "bdef");
    EXPECT_EQ(Texts(kAvailableId), "a");
}

TEST_F(DragGesture, EscapeCancelsTheDragAndLeavesBothListsAlone)
{
    Fill(kAvailableId, "ABCD");
    Fill(kChosenId, "xy");
    CInterDragListBox available(List(kAvailableId));
    CInterDragListBox chosen(List(kChosenId));

    StartDrag(kAvailableId, 0);
    const Point over = Across(kAvailableId, kChosenId, GapPoint(kChosenId, 1));
    ASSERT_TRUE(Drag(kAvailableId, over));
    ASSERT_EQ(List(kChosenId).GetInsertMark(), 1);
    ASSERT_TRUE(control_automation::PressKey(List(kAvailableId), control_automation::Key::Escape));
    EXPECT_FALSE(available.IsDragging());
    EXPECT_FALSE(List(kAvailableId).HasCapture());
    EXPECT_EQ(List(kChosenId).GetInsertMark(), -1);

    ASSERT_TRUE(Release(kAvailableId, over));
    EXPECT_EQ(Texts(kAvailableId), "ABCD");
    EXPECT_EQ(Texts(kChosenId), "xy");
}

TEST_F(DragGesture, PointerInTheBottomBandScrollsAnItemEveryTick)
{
    Fill(kAvailableId, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    CInterDragListBox available(List(kAvailableId));
    ListBoxControl& list = List(kAvailableId);
    const int height = list.GetItemHeight();
    ASSERT_GT(height, 0);
    const int shown = list.ClientSize().height / height;
    ASSERT_LT(shown, list.GetCount()) << "the list must be able to scroll";

    StartDrag(kAvailableId, 0);
    const Point band{20, list.ClientSize().height - 2};
    ASSERT_TRUE(Drag(kAvailableId, band));
    EXPECT_EQ(list.GetTopIndex(), 0);
    for (int tick = 1; tick <= 3; ++tick) {
        TestClock().Advance(CInterDragListBox::kScrollIntervalMs);
        App().ProcessPending();
        EXPECT_EQ(list.GetTopIndex(), tick);
        EXPECT_EQ(list.GetInsertMark(), available.GetInsertIndex(band.y, height, tick)) << "the mark follows";
    }
    for (int tick = 0; tick < list.GetCount(); ++tick) {
        TestClock().Advance(CInterDragListBox::kScrollIntervalMs);
        App().ProcessPending();
    }
    EXPECT_LE((list.GetCount() - list.GetTopIndex()) * height, list.ClientSize().height)
        << "scrolling stops with the last item in view";
    EXPECT_GT((list.GetCount() - list.GetTopIndex() + 1) * height, list.ClientSize().height);

    ASSERT_TRUE(Release(kAvailableId, band));
    const int top = list.GetTopIndex();
    ASSERT_TRUE(control_automation::PressMouse(list, {20, 2}));
    ASSERT_TRUE(control_automation::ReleaseMouse(list, {20, 2}));
    TestClock().Advance(10 * CInterDragListBox::kScrollIntervalMs);
    App().ProcessPending();
    EXPECT_EQ(list.GetTopIndex(), top) << "the timer ends with the drag";
}

TEST_F(DragGesture, ClickOnASelectionOfSeveralSelectsTheItemUnderThePointer)
{
    struct Case {
        control_automation::Modifier modifier;
        std::vector<int> selected;
    };
    const Case cases[] = {
        {control_automation::kNoModifier, {3}},
        {control_automation::kCtrl, {1, 5}},  // the list's own rule: Ctrl toggles
    };
    for (const Case& c : cases) {
        List(kAvailableId).ResetContent();
        Fill(kAvailableId, "ABCDEFG");
        for (const int i : {1, 3, 5})
            List(kAvailableId).SetSel(i);
        CInterDragListBox available(List(kAvailableId));
        const Point point = ItemPoint(kAvailableId, 3);
        ASSERT_TRUE(control_automation::PressMouse(List(kAvailableId), point, c.modifier));
        const int within = ListBoxControl::DragDistance();
        ASSERT_TRUE(Drag(kAvailableId, {point.x + within, point.y}));
        EXPECT_FALSE(available.IsDragging()) << "a move within the drag distance starts no drag";
        ASSERT_TRUE(control_automation::ReleaseMouse(List(kAvailableId), point, c.modifier));
        EXPECT_EQ(List(kAvailableId).GetSelItems(), c.selected);
        EXPECT_EQ(Texts(kAvailableId), "ABCDEFG");
    }
}

}  // namespace
}  // namespace c_inter_drag_list_box_test
}  // namespace corvane
