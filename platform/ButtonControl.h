#pragma once

#include "platform/Control.h"

namespace corvane {

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
};

}  // namespace corvane
