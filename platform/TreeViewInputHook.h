#pragma once

#include "platform/Geometry.h"

namespace corvane {

// Sees a tree view's mouse, key and scroll input (see
// TreeViewControl::SetInputHook). Points are in the tree's client
// coordinates. Handlers that return bool return true when they have dealt
// with the input, so the tree's own handling does not run.
class TreeViewInputHook {
public:
    virtual ~TreeViewInputHook() = default;

    // The left button goes down; the tree's own handling (selection) follows.
    virtual void OnTreeButtonDown(Point point) = 0;
    // The left button came up after going down on the tree.
    virtual void OnTreeClick(Point point) = 0;
    // A typed character.
    virtual bool OnTreeChar(char32_t character) = 0;
    // key: a key_code value.
    virtual bool OnTreeKeyDown(int key) = 0;
    // The user scrolls, with the scroll bars or the wheel; the scrolling follows.
    virtual void OnTreeScroll() = 0;

protected:
    TreeViewInputHook() = default;
    TreeViewInputHook(const TreeViewInputHook&) = default;
    TreeViewInputHook& operator=(const TreeViewInputHook&) = default;
};

}  // namespace corvane
