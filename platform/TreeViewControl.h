#pragma once

#include "platform/ColourValue.h"
#include "platform/Control.h"
#include "platform/Geometry.h"
#include "platform/ImageList.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

// A tree item's handle: positive, never reused while the control exists.
// 0 is none, and as a parent the root.
using TreeItem = std::intptr_t;
inline constexpr TreeItem kTreeRoot = 0;
// Where InsertItem puts the new item among its siblings, besides after a
// given sibling.
inline constexpr TreeItem kTreeFirst = -1;
inline constexpr TreeItem kTreeLast = -2;
inline constexpr TreeItem kTreeSorted = -3;  // in order of text, ignoring case

// Where a point lies (TreeViewControl::HitTest).
namespace tree_hit {
inline constexpr unsigned kNowhere = 0x01;       // below the last item
inline constexpr unsigned kOnItemIcon = 0x02;    // on the item's image
inline constexpr unsigned kOnItemLabel = 0x04;   // on its text
inline constexpr unsigned kOnItemIndent = 0x08;  // left of it
inline constexpr unsigned kOnItemButton = 0x10;  // on its expand button
inline constexpr unsigned kOnItemRight = 0x20;   // right of its text
inline constexpr unsigned kOnItemStateIcon = 0x40;
inline constexpr unsigned kOnItem = kOnItemIcon | kOnItemLabel | kOnItemStateIcon;
}  // namespace tree_hit

// A mark drawn over an item's image: a check box or radio button glyph (on
// the image's background; greyed when disabled; a partly checked box on the
// button face), or the image filled with a colour.
enum class TreeGlyphKind { None, CheckBox, RadioButton, ColourSwatch };
struct TreeItemGlyph {
    TreeGlyphKind kind = TreeGlyphKind::None;
    bool checked = false;
    bool partlyChecked = false;
    bool enabled = true;
    RgbColour colour{};
    friend bool operator==(const TreeItemGlyph&, const TreeItemGlyph&) = default;
};

class TreeViewInputHook;

// A tree of items with texts, numbers, images (another image while
// selected) and, with kCheckBoxes, check boxes. A handle of an item that is
// gone changes nothing and reads as empty.
//
// Notifications (item: the item's handle), all from the user's actions:
// - SelectionChanging before the selection moves to the item; a handler
//   that refuses keeps the old selection. GetSelectedItem is still the old one.
// - SelectionChanged after it moved.
// - ItemExpanding before the item expands (IsExpanded is false) or
//   collapses (true); a handler that refuses keeps it as it is.
// - DoubleClicked, ItemChecked.
// Nothing the program does sends them.
class TreeViewControl : public Control {
public:
    using Control::Control;
    ~TreeViewControl() override;

    // image -1: none; selectedImage -1: the same as image. Returns the new
    // item's handle, or 0 when parent is gone.
    TreeItem InsertItem(std::string_view text, TreeItem parent = kTreeRoot, TreeItem after = kTreeLast, int image = -1,
        int selectedImage = -1);
    // Deletes the item and everything below it; kTreeRoot deletes all.
    bool DeleteItem(TreeItem item);
    void DeleteAllItems();
    int GetCount() const;  // every item, at every level
    bool Exists(TreeItem item) const;

    std::string GetItemText(TreeItem item) const;
    bool SetItemText(TreeItem item, std::string_view text);
    bool SetItemData(TreeItem item, std::intptr_t data);
    std::intptr_t GetItemData(TreeItem item) const;  // 0 for none
    bool SetItemImage(TreeItem item, int image, int selectedImage = -1);

    TreeItem GetRootItem() const;                 // the first top-level item
    TreeItem GetParentItem(TreeItem item) const;  // 0 for a top-level item
    TreeItem GetChildItem(TreeItem item) const;   // the first child; of kTreeRoot: the first top-level item
    TreeItem GetNextSiblingItem(TreeItem item) const;
    TreeItem GetPrevSiblingItem(TreeItem item) const;
    bool ItemHasChildren(TreeItem item) const;

    bool Expand(TreeItem item, bool expand = true);
    bool IsExpanded(TreeItem item) const;
    // Expands the item's parents and scrolls it into view.
    bool EnsureVisible(TreeItem item);

    // 0 clears the selection.
    bool SelectItem(TreeItem item);
    TreeItem GetSelectedItem() const;  // 0 for none

    bool GetCheck(TreeItem item) const;
    bool SetCheck(TreeItem item, bool checked);

    // The images the items show, copied; the list's size becomes the icon size.
    void SetImageList(const ImageList& images);
    int GetItemImage(TreeItem item) const;  // -1 for none
    int GetItemSelectedImage(TreeItem item) const;

    // The item's row (textOnly false) or its text, in client coordinates;
    // nullopt when the item is not on show.
    std::optional<corvane::Rect> GetItemRect(TreeItem item, bool textOnly) const;
    // Where the item's image is drawn; nullopt when it has none or is not on show.
    std::optional<corvane::Rect> GetItemImageRect(TreeItem item) const;
    corvane::Rect GetClientRect() const;
    // A point of the client area on the screen.
    Point ClientToScreen(Point point) const;
    // The item at a point of the client area (0 for none) and where on it
    // the point lies (tree_hit bits).
    TreeItem HitTest(Point point, unsigned& flags) const;
    // The width of a text in the tree's font, in pixels.
    int GetTextWidth(std::string_view text) const;

    // A mark over the item's image; an item without an image gets an empty
    // one of the icon size to carry it.
    void SetItemGlyph(TreeItem item, const TreeItemGlyph& glyph);
    TreeItemGlyph GetItemGlyph(TreeItem item) const;
    // Check and radio glyphs in the style's own look (true, the default) or
    // as plain framed glyphs.
    void SetThemedGlyphs(bool themed);
    // Draws the item's row again.
    void InvalidateItem(TreeItem item);
    // Off: changes are drawn only once it is on again.
    void SetRedraw(bool redraw);

    // The hook that sees the tree's input first (null: none); it must outlive
    // the tree or be taken away first.
    void SetInputHook(TreeViewInputHook* hook);

private:
    std::unique_ptr<ImageList> images_;
};

}  // namespace corvane
