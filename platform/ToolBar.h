#pragma once

#include "platform/Geometry.h"
#include "platform/ToolBarTemplate.h"

#include <memory>
#include <string>

namespace corvane {

class MdiFrame;
struct ToolBarImpl;

enum class DockSide { Top, Bottom, Left, Right };

// A row of flat picture buttons made from a toolbar table; a click runs
// the button's command through the main frame's command chain when its
// update handlers enable it, and the buttons are enabled and checked by
// those handlers. Each button's tooltip is its command's prompt. It is
// docked at a side of the main frame or floats over it.
class ToolBar {
public:
    // The strip of pictures comes from the application's bitmap catalogue.
    ToolBar(MdiFrame& frame, const ToolBarTemplate& layout);
    ~ToolBar();
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;

    int Id() const { return id_; }
    // Buttons, separators not counted.
    int ButtonCount() const;
    int CommandAt(int button) const;

    void Show(bool show);
    // Whether it is shown (it may still be out of sight while the main frame is hidden).
    bool IsShown() const;
    void Dock(DockSide side = DockSide::Top);
    void Float(Point screenTopLeft);
    bool IsFloating() const;

    // The button's state as the last update left it; false for unknown ids.
    bool IsButtonEnabled(int commandId) const;
    bool IsButtonChecked(int commandId) const;
    // The tooltip the button shows (its command's prompt); empty for unknown ids.
    std::string ButtonToolTip(int commandId) const;

    // For the platform's own code.
    ToolBarImpl& Impl() const { return *impl_; }

private:
    // Where a bar's button pictures come from.
    struct ToolBarPictures {
        int bitmapId;
        RgbColour transparent;
        Size buttonSize;
    };
    void SetPictures(const ToolBarPictures& pictures);

    MdiFrame& frame_;
    int id_;
    std::unique_ptr<ToolBarImpl> impl_;
};

}  // namespace corvane
