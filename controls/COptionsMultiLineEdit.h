#pragma once

#include "controls/CTreeOptionsEdit.h"

namespace corvane {

// A multi-line edit-box editor, 100 pixels high, in a popup frame over the item.
class COptionsMultiLineEdit : public CTreeOptionsEdit {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    std::uint32_t GetWindowStyle() const override { return 0x50000084; }
    int GetHeight(int) const override { return 100; }
};

}  // namespace corvane
