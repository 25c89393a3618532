#pragma once

#include "controls/TreeOptionsEditorClass.h"
#include "platform/Geometry.h"
#include "platform/TreeViewControl.h"

namespace corvane {

class CTreeOptionsCtrl;
class Control;
class Dialog;

// The common part of an option tree's in-place editors: the class it was
// made from, the tree and the item it edits, and the dialog control it
// shows once made. The tree owns the objects it makes and deletes them when
// it closes the editors.
class TreeOptionsEditor {
public:
    virtual ~TreeOptionsEditor() = default;
    TreeOptionsEditor(const TreeOptionsEditor&) = delete;
    TreeOptionsEditor& operator=(const TreeOptionsEditor&) = delete;

    virtual const TreeOptionsEditorClass& GetClass() const = 0;

    void SetTreeAndItem(CTreeOptionsCtrl* tree, TreeItem item)
    {
        tree_ = tree;
        item_ = item;
    }
    CTreeOptionsCtrl* Tree() const { return tree_; }
    TreeItem Item() const { return item_; }

    // The control that shows the editor; null until it is made.
    Control* GetControl() const { return control_; }
    void SetControl(Control* control) { control_ = control; }

protected:
    TreeOptionsEditor() = default;

private:
    CTreeOptionsCtrl* tree_ = nullptr;
    TreeItem item_ = 0;
    Control* control_ = nullptr;
};

// The maker a TreeOptionsEditorClass holds for the editor type T.
template <class T> std::unique_ptr<TreeOptionsEditor> MakeTreeOptionsEditor() { return std::make_unique<T>(); }

}  // namespace corvane
