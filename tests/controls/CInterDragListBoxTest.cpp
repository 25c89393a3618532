#include "controls/CInterDragListBox.h"

#include "PlatformTestSupport.h"

#include "platform/Dialog.h"
#include "platform/ListBoxControl.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace corvane {
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

}  // namespace
}  // namespace corvane
