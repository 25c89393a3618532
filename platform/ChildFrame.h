#pragma once

#include "platform/AcceleratorTable.h"
#include "platform/CommandTarget.h"
#include "platform/Geometry.h"
#include "platform/MenuTemplate.h"
#include "platform/Window.h"

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class Document;
class MdiFrame;
class View;
struct ChildFrameImpl;

// How a child frame looks: without a system menu it has no window menu
// and no close button.
struct ChildFrameStyle {
    bool systemMenu = true;
};

// A document window inside the main frame: it holds one view, shows the
// document's title, and carries the menu and shortcut keys of its document
// kind, which the main frame shows while this frame is the active one. The
// document template makes it and owns it.
class ChildFrame : public Window, public CommandTarget {
public:
    explicit ChildFrame(ChildFrameStyle style = {});
    ~ChildFrame() override;

    MdiFrame* MainFrame() const { return main_; }
    View* GetView() const { return view_.get(); }
    Document* GetDocument() const;
    const MenuTemplate* Menu() const { return menu_; }
    const AcceleratorTable* Accelerators() const { return accelerators_; }
    ChildFrameStyle Style() const { return style_; }

    // Makes this the active child of the main frame, showing it first.
    void Activate();
    void ShowNormal();
    void ShowMaximized();
    void ShowMinimized();
    void Hide();
    bool IsVisible() const;
    bool IsMaximized() const;
    bool IsMinimized() const;

    void SetTitle(std::string_view title);
    std::string Title() const;
    // The frame's place inside the main frame's document area.
    Rect Geometry() const;
    void SetGeometry(const Rect& rect);

    // For the platform's own code.
    ChildFrameImpl& Impl() const { return *impl_; }

protected:
    // After the frame and its view exist inside the main frame; false fails
    // the creation (the document is then not opened).
    virtual bool OnCreate();
    // The main frame moved on the screen (see MdiFrame::OnMove).
    virtual void OnMainFrameMoved(Point oldTopLeft, Point newTopLeft);
    // The user asked to close the frame (its close button); the default
    // closes the document after asking to save it.
    virtual void OnClose();

private:
    friend class DocTemplate;
    friend class MdiFrame;
    friend struct ChildFrameImpl;
    bool Create(MdiFrame& main, const MenuTemplate* menu, const AcceleratorTable* accelerators,
        std::unique_ptr<View> view);

    ChildFrameStyle style_;
    MdiFrame* main_ = nullptr;
    const MenuTemplate* menu_ = nullptr;
    const AcceleratorTable* accelerators_ = nullptr;
    std::unique_ptr<ChildFrameImpl> impl_;
    std::unique_ptr<View> view_;
};

}  // namespace corvane
