#pragma once

// Qt side of dialogs and controls. Included only by platform's own .cpp
// files; nothing outside platform/ sees Qt.

#include "platform/Control.h"
#include "platform/Dialog.h"

#include <QButtonGroup>
#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace corvane {

// What a Control holds of its widget. The widget belongs to the dialog's
// widget; the pointer clears itself if the widget goes first.
struct ControlImpl {
    QPointer<QWidget> widget;
    QButtonGroup* radioGroup = nullptr;  // radio buttons: their group, owned by the dialog
    // Multi-line edits: the typed characters they accept and their length
    // limit (0: none); single-line edits keep both in the widget itself.
    std::function<bool(char32_t)> charFilter;
    std::size_t limit = 0;
    // Multi-line check boxes and radio buttons: their caption as given, which
    // the widget shows wrapped at its width (WrapButtonCaption).
    std::optional<QString> wrappedCaption;
    // While non-zero, changes made by the program send no notification that
    // would only follow a user's action.
    int programmaticChange = 0;
};

// Suppresses user-only notifications while the program changes a control.
class ProgrammaticChange {
public:
    explicit ProgrammaticChange(ControlImpl& impl) : impl_(impl) { ++impl_.programmaticChange; }
    ~ProgrammaticChange() { --impl_.programmaticChange; }
    ProgrammaticChange(const ProgrammaticChange&) = delete;
    ProgrammaticChange& operator=(const ProgrammaticChange&) = delete;

private:
    ControlImpl& impl_;
};

class DialogWidget;

struct DialogImpl {
    explicit DialogImpl(Dialog& d) : owner(d) {}

    Dialog& owner;
    std::unique_ptr<DialogWidget> widget;
    std::vector<std::unique_ptr<Control>> controls;
    std::map<int, Control*> byId;
    std::vector<std::unique_ptr<QButtonGroup>> radioGroups;
    bool modal = false;
    bool open = false;
    bool tearingDown = false;
    // Set for a dialog built inside another widget (a property page in its
    // sheet, a sheet in its host dialog): its widget is a plain child there,
    // never a window of its own.
    QPointer<QWidget> embedIn;
    // The controls made while the dialog is open over each control, in order.
    std::map<QWidget*, std::vector<QPointer<QWidget>>> addedOver;

    // Sends a notification from a control to its dialog.
    void Notify(Notification code, int controlId, std::intptr_t item = -1, int otherControlId = 0);
    // The id of the control whose widget is (or contains) w; 0 when none.
    int ControlIdOf(const QWidget* w) const;

    // Entry points for the widget into the dialog's protected handlers.
    static void CallOk(Dialog& d) { d.OnOK(); }
    static void CallCancel(Dialog& d) { d.OnCancel(); }
    // Builds the dialog as a child widget of parent, shown or hidden; false
    // when it was built already or ended itself while initialising.
    static bool BuildAsChild(Dialog& d, QWidget* parent, bool visible);
};

class DialogWidget final : public QDialog {
public:
    DialogWidget(DialogImpl& impl, QWidget* parent);
    ~DialogWidget() override;
    void reject() override;  // Escape and the close box
    bool eventFilter(QObject* watched, QEvent* event) override;
    void EndWith(int code) { QDialog::done(code); }
    Dialog& Owner() const { return impl_.owner; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DialogImpl& impl_;
};

// Shows a multi-line check box's or radio button's caption broken into lines
// at the words that fit the width beside its box; nothing for other controls.
void WrapButtonCaption(ControlImpl& control);

// Makes the control of a template entry: its widget as a child of parent,
// its signals wired to the dialog's notifications.
std::unique_ptr<Control> CreateControl(
    Dialog& dialog, DialogImpl& impl, const ControlTemplate& layout, QWidget* parent);

}  // namespace corvane
