#pragma once

#include "controls/TreeOptionsEditor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CMultiLineEditFrameWnd;
class CTreeOptionsBrowseButton;
class EditControl;

// The edit-box editor of an option tree item. A multi-line class (its style
// has kEditMultiLine) edits in a popup frame and the tree shows only the
// first line of the value. File and folder items browse for their text.
class CTreeOptionsEdit : public TreeOptionsEditor {
public:
    static constexpr std::uint32_t kEditMultiLine = 0x0004;  // the style bit of a multi-line edit
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::uint32_t GetWindowStyle() const { return 0x50000080; }
    // The edit's height on a row whose label is labelHeight high.
    virtual int GetHeight(int labelHeight) const { return labelHeight > 20 ? labelHeight : 20; }
    // A folder or file chosen from the current text becomes the edit's text.
    virtual void BrowseForFolder(const std::string& current);
    virtual void BrowseForFile(const std::string& current);
    virtual std::string GetFolderPrompt() const { return "Please specify a folder"; }
    virtual std::string GetFilePrompt() const { return "Please specify a file"; }
    virtual std::string GetFileFilter() const { return "All Files (*.*)|*.*||"; }
    // The text before the first carriage return and "...", when it has one.
    virtual std::string FormatDisplayText(std::string_view text) const;

    bool IsMultiLine() const { return (GetWindowStyle() & kEditMultiLine) != 0; }
    EditControl* Edit() const;
    void SetBrowseButton(CTreeOptionsBrowseButton* button) { button_ = button; }
    CTreeOptionsBrowseButton* BrowseButton() const { return button_; }
    void SetMultiLineFrame(CMultiLineEditFrameWnd* frame) { frame_ = frame; }
    CMultiLineEditFrameWnd* MultiLineFrame() const { return frame_; }
    // Set while a file or folder is being chosen, so the edit stays open.
    bool IsBrowsing() const { return browsing_; }
    void SetBrowsing(bool browsing) { browsing_ = browsing; }

private:
    CTreeOptionsBrowseButton* button_ = nullptr;
    CMultiLineEditFrameWnd* frame_ = nullptr;
    bool browsing_ = false;
};

}  // namespace corvane
