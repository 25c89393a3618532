#pragma once

#include <memory>
#include <string_view>

namespace corvane {

class TreeOptionsEditor;

// The class of an in-place editor as an option tree item keeps it: a name,
// the class it derives from, and a maker of fresh objects. The tree makes an
// object each time it opens the item's editors, and a short-lived one when
// it only needs the class's text formatting.
struct TreeOptionsEditorClass {
    std::string_view name;
    const TreeOptionsEditorClass* base = nullptr;
    std::unique_ptr<TreeOptionsEditor> (*create)() = nullptr;

    // True for this class and every class derived from base.
    bool IsDerivedFrom(const TreeOptionsEditorClass& other) const
    {
        for (const TreeOptionsEditorClass* c = this; c != nullptr; c = c->base)
            if (c == &other)
                return true;
        return false;
    }
};

}  // namespace corvane
