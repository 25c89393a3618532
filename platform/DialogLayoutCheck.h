#pragma once

#include "platform/DialogTemplate.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class Dialog;

// The face and size of the font a layout is measured with.
struct LayoutFont {
    std::string face;
    int pointSize = 9;
};

// One fault of a dialog's layout: the dialog (or page), the control (its
// id, and its place in the table for the many unnamed statics) and what is
// wrong, in words.
struct LayoutFinding {
    int dialogId = 0;
    int controlId = kIdStatic;
    int entry = -1;  // -1: the dialog or page itself
    std::string message;
};

// While it lives, dialogs and controls made are drawn in font; the font
// they had comes back when it goes.
class DialogFontScope {
public:
    explicit DialogFontScope(const LayoutFont& font);
    ~DialogFontScope();
    DialogFontScope(const DialogFontScope&) = delete;
    DialogFontScope& operator=(const DialogFontScope&) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// The face the toolkit draws with when font is asked for; it differs from
// font.face when that face is not installed.
std::string ResolvedFontFace(const LayoutFont& font);

// Builds the dialog hidden, with its controls in font, and reports each
// control that lies (partly) outside the dialog, and each caption that does
// not fit its control: a static's text wrapped to its width must fit its
// rectangle; a push button's, check box's, radio button's or group box's
// caption must fit its width (beside the box of a check box or radio button)
// and its height. Needs a running Application.
std::vector<LayoutFinding> CheckDialogLayout(const DialogTemplate& layout, const LayoutFont& font);

// The same for a dialog that is built already (in the font of a
// DialogFontScope), with the captions, pictures, places and list columns its
// code has given it since; also reports each push button too small for the
// picture it shows (with its caption, if it keeps one), each list view
// column narrower than its heading or a row's text, and columns wider
// together than their list.
std::vector<LayoutFinding> CheckBuiltDialogLayout(const Dialog& dialog);

// Builds the sheet's host dialog hidden with a property sheet over its
// placeholder, shows each page in turn and reports each page whose table is
// larger than the area the sheet gives it. Needs a running Application.
std::vector<LayoutFinding> CheckChildSheetLayout(const ChildSheetTemplate& sheet, const LayoutFont& font);

}  // namespace corvane
