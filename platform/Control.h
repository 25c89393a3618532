#pragma once

#include "platform/DialogTemplate.h"

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class Dialog;
struct ControlImpl;

// One control of a dialog, addressed by its id. Texts are UTF-8. The kinds
// with more to offer derive from it (EditControl, ComboBoxControl, ...);
// Dialog::GetControlAs gives the typed control.
class Control {
public:
    Control(Dialog& owner, const ControlTemplate& layout, std::unique_ptr<ControlImpl> impl);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return id_; }
    ControlKind Kind() const { return kind_; }
    std::uint32_t Style() const { return style_; }
    Dialog& Owner() const { return owner_; }

    virtual void SetText(std::string_view text);
    virtual std::string GetText() const;
    void Enable(bool enable);
    bool IsEnabled() const;
    void Show(bool show);
    bool IsVisible() const;
    void SetFocus();
    bool HasFocus() const;
    void Move(const DialogRect& rect);
    DialogRect Rect() const;

    // For the platform's own code.
    ControlImpl& Impl() const { return *impl_; }

private:
    Dialog& owner_;
    int id_;
    ControlKind kind_;
    std::uint32_t style_;
    std::unique_ptr<ControlImpl> impl_;
};

}  // namespace corvane
