#pragma once

#include "controls/TreeOptionsEditor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The edit-box editor of an option tree item. A multi-line class (its style
// has kEditMultiLine) edits in a popup frame and the tree shows only the
// first line of the value.
class CTreeOptionsEdit : public TreeOptionsEditor {
public:
    static constexpr std::uint32_t kEditMultiLine = 0x0004;  // the style bit of a multi-line edit
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::uint32_t GetWindowStyle() const { return 0x50000080; }
    // The edit's height on a row whose label is labelHeight high.
    virtual int GetHeight(int labelHeight) const { return labelHeight > 20 ? labelHeight : 20; }
    virtual std::string GetFolderPrompt() const { return "Please specify a folder"; }
    virtual std::string GetFilePrompt() const { return "Please specify a file"; }
    virtual std::string GetFileFilter() const { return "All Files (*.*)|*.*||"; }
    // The text before the first carriage return and "...", when it has one.
    virtual std::string FormatDisplayText(std::string_view text) const;

    bool IsMultiLine() const { return (GetWindowStyle() & kEditMultiLine) != 0; }
};

}  // namespace corvane
