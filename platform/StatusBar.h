#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class MdiFrame;
class StatusProgress;
struct StatusBarImpl;

// One pane of a status bar: the command id of its update handler (0 for
// none) and its width in pixels. The pane marked stretch takes the room the
// others leave (and at least its width); without one, the last pane does.
struct StatusPaneLayout {
    int id = 0;
    int width = 100;
    bool stretch = false;
};

// The main frame's status bar: panes side by side holding a text or a
// picture, and at most one progress bar over a pane. Panes whose id has an
// update handler are updated with the frame's other commands: the handler
// may set the text, and a pane it disables shows nothing.
class StatusBar {
public:
    StatusBar(MdiFrame& frame, std::span<const StatusPaneLayout> panes);
    ~StatusBar();
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    int PaneCount() const;
    // The index of the first pane with the id, or -1.
    int IndexOf(int id) const;
    int PaneId(int index) const;
    // The pane's place in the bar; empty for an unknown index.
    Rect PaneRect(int index) const;

    // Texts are shown at once. Unknown indexes are ignored.
    void SetPaneText(int index, std::string_view text);
    std::string PaneText(int index) const;
    void EnablePane(int index, bool enable);
    bool IsPaneEnabled(int index) const;
    // A picture shown in the pane instead of its text, centred.
    void SetPanePicture(int index, const Bitmap& picture);
    void ClearPanePicture(int index);

    // A command's prompt, shown over the first pane while the pointer rests
    // on its button or menu item; the pane's own text comes back when the
    // prompt is empty again.
    void ShowPrompt(std::string_view prompt);
    const std::string& Prompt() const;

    // Places a progress bar over the pane (clearing its text), replacing any
    // other; null for an unknown index.
    StatusProgress* ShowProgress(int index);
    void HideProgress();
    StatusProgress* Progress() const { return progress_.get(); }

    void Show(bool show);
    bool IsVisible() const;

    // For the platform's own code.
    StatusBarImpl& Impl() const { return *impl_; }

private:
    std::unique_ptr<StatusBarImpl> impl_;
    std::unique_ptr<StatusProgress> progress_;
};

}  // namespace corvane
