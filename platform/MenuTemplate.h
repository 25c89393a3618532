#pragma once

#include <span>
#include <string_view>

namespace corvane {

// The resource tables of menus: a menu bar (or a context menu) is a list of
// items, each a command, a separator or a popup holding its own items.
// Texts mark their mnemonic with '&' ("&&" for an ampersand) and may carry
// the shortcut shown at the right after a tab ("&Save\tCtrl+S"); the
// shortcut itself comes from an accelerator table.

enum class MenuItemKind { Command, Separator, Popup };

struct MenuItemTemplate {
    MenuItemKind kind = MenuItemKind::Command;
    int id = 0;  // the command id; 0 for separators and popups
    std::string_view text;
    std::span<const MenuItemTemplate> items;  // a popup's items
};

constexpr MenuItemTemplate MenuCommand(int id, std::string_view text) { return {MenuItemKind::Command, id, text, {}}; }
constexpr MenuItemTemplate MenuSeparator() { return {MenuItemKind::Separator, 0, {}, {}}; }
constexpr MenuItemTemplate MenuPopup(std::string_view text, std::span<const MenuItemTemplate> items)
{
    return {MenuItemKind::Popup, 0, text, items};
}

struct MenuTemplate {
    int id = 0;
    std::span<const MenuItemTemplate> items;  // the bar's entries, usually popups
};

// A place in a menu bar: the popup at that position on the bar (counting
// every entry from 0) and the item at that position in it (separators
// count). Items are inserted before the item at the place, or appended
// when the place is just past the last item.
struct MenuPlace {
    int popup = 0;
    int item = 0;
    friend bool operator==(const MenuPlace&, const MenuPlace&) = default;
};

}  // namespace corvane
