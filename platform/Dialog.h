#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Notification.h"
#include "platform/Window.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

class Control;
class DataExchange;
struct DialogImpl;

// A dialog built from a resource table. It is modal (DoModal returns the end
// code; other windows' messages and timers go on meanwhile), modeless
// (Create), or hidden (CreateHidden: never shown, driven by posted messages).
// Anyone may end it with EndDialog.
class Dialog : public Window {
public:
    explicit Dialog(const DialogTemplate& layout, Window* parent = nullptr);
    ~Dialog() override;

    int DoModal();
    bool Create();
    bool CreateHidden();
    void EndDialog(int code);
    bool IsOpen() const;
    int EndCode() const { return endCode_; }
    const DialogTemplate& Layout() const { return layout_; }

    Control* GetControl(int id) const;
    template <class T> T* GetControlAs(int id) const { return dynamic_cast<T*>(GetControl(id)); }

    // Moves member values into the controls (false) or validates and moves
    // the controls into the members (true); false when a value was refused.
    bool UpdateData(bool saveAndValidate = true);

    void SetCaption(std::string_view caption);
    // Handlers for what a control tells the dialog.
    using NotifyHandler = std::function<void(NotifyEvent&)>;
    void On(Notification code, int controlId, NotifyHandler handler);
    // Delivers a notification to the handlers (the platform's controls call it).
    void Notify(NotifyEvent& event);

    // Saves a picture of the dialog as it is drawn now.
    bool SaveImage(const std::string& pngPath) const;

    // For the platform's own code.
    DialogImpl& Impl() const { return *impl_; }
    Window* Parent() const { return parent_; }

protected:
    // Called once the controls exist; the default moves the members in.
    virtual bool OnInitDialog();
    // The OK button (id 1): validate, then end with kIdOk.
    virtual void OnOK();
    // The Cancel button (id 2), Escape and the close box: end with kIdCancel.
    virtual void OnCancel();
    // Pairs controls with members (see DataExchange).
    virtual void DoDataExchange(DataExchange& exchange);
    // Called when no handler took a notification.
    virtual void OnNotify(NotifyEvent& event);

private:
    friend struct DialogImpl;
    bool Build(bool visible);

    const DialogTemplate& layout_;
    Window* parent_;
    std::unique_ptr<DialogImpl> impl_;
    std::map<std::pair<Notification, int>, std::vector<NotifyHandler>> handlers_;
    int endCode_ = 0;
};

}  // namespace corvane
