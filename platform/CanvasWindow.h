#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"
#include "platform/Cursor.h"
#include "platform/Geometry.h"
#include "platform/KeyCodes.h"
#include "platform/MouseEvent.h"
#include "platform/Window.h"

#include <memory>
#include <string>

namespace corvane {

class DeviceContext;
struct CanvasImpl;

// A window that the program draws itself and that takes the mouse and the
// keyboard: the base of views, floating tool windows and pop-up windows.
// Coordinates are client coordinates (the top-left pixel of the drawn area
// is 0, 0) unless a call says screen.
//
// Painting: invalid parts are repainted when the message loop runs (or at
// once with UpdateWindow); an invalidation with erase first has the
// background erased (OnEraseBackground), one without leaves what was drawn
// before for OnPaint to draw over.
class CanvasWindow : public Window {
public:
    ~CanvasWindow() override;

    Rect ClientRect() const;
    Size ClientSize() const { return ClientRect().Extent(); }
    bool IsVisible() const;

    void Invalidate(bool erase = true);
    void InvalidateRect(const Rect& rect, bool erase = true);
    // Paints the invalid parts now.
    void UpdateWindow();
    // Draws the client area as it would be painted now (erase, then paint)
    // into a bitmap of the client size.
    Bitmap RenderToBitmap();
    void SetBackgroundColour(RgbColour colour);

    Point ClientToScreen(Point point) const;
    Point ScreenToClient(Point point) const;

    // While a window holds the mouse it gets every mouse message, also those
    // outside it, until it releases it.
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    // The pointer shown over the client area.
    void SetCursor(const Cursor& cursor);
    const Cursor& CurrentCursor() const;

    // Tooltips: while the mouse rests in a tool's rectangle the tip shows
    // the text OnToolTipText gives for the tool's id; an empty text shows none.
    void AddToolTip(int toolId, const Rect& rect);
    void RemoveToolTip(int toolId);
    void ClearToolTips();

    void SetFocus();
    bool HasFocus() const;

    // Timer messages go to OnTimer; a derived handler passes the messages it
    // does not handle on to this one.
    std::intptr_t OnMessage(Message& message) override;

    // For the platform's own code.
    CanvasImpl& Canvas() const { return *canvas_; }

protected:
    CanvasWindow();

    // Fills the area with the background colour; false leaves it as it was.
    virtual bool OnEraseBackground(DeviceContext& dc);
    virtual void OnPaint(DeviceContext& dc);
    virtual void OnMouseDown(const MouseEvent& event);
    virtual void OnMouseUp(const MouseEvent& event);
    virtual void OnMouseMove(const MouseEvent& event);
    virtual void OnDoubleClick(const MouseEvent& event);
    virtual void OnKeyDown(const KeyEvent& event);
    virtual void OnKeyUp(const KeyEvent& event);
    // The right button was released, or the menu key pressed; the point is
    // where the menu belongs.
    virtual void OnContextMenu(Point point);
    virtual std::string OnToolTipText(int toolId);
    virtual void OnTimer(std::uint32_t id);
    virtual void OnSize(Size clientSize);
    virtual void OnSetFocus();
    virtual void OnKillFocus();

private:
    friend struct CanvasImpl;
    std::unique_ptr<CanvasImpl> canvas_;
};

}  // namespace corvane
