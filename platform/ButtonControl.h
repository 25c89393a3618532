#pragma once

#include "platform/Control.h"

namespace corvane {

class Bitmap;

// Push buttons, check boxes and radio buttons.
class ButtonControl : public Control {
public:
    using Control::Control;

    // 0 unchecked, 1 checked.
    int GetCheck() const;
    void SetCheck(int state);
    // Acts as a user's click: toggles a check box, selects a radio button,
    // and sends the Clicked notification.
    void Click();

    // Shows the picture (at its own size) in place of the button's text, as
    // a picture button does; the text stays the button's accessible name.
    void SetPicture(const Bitmap& picture);
    // The picture the button shows; an empty bitmap for none.
    Bitmap Picture() const;
};

}  // namespace corvane
