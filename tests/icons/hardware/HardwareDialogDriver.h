#pragma once

// Runs a hardware icon's dialog modally with a script of clicks.

#include "ModalDriver.h"

#include "platform/ButtonControl.h"
#include "platform/Dialog.h"

#include <functional>

namespace corvane::test {

inline void Click(Dialog& d, int id)
{
    d.GetControlAs<ButtonControl>(id)->Click();
}

inline int Checked(Dialog& d, int id)
{
    return d.GetControlAs<ButtonControl>(id)->GetCheck();
}

template <class DialogClass, class Icon> bool RunDialog(Icon& icon, const std::function<void(DialogClass&)>& drive)
{
    DialogClass dialog(icon);
    ModalDriver driver(dialog, [&] { drive(dialog); });
    return dialog.RunModal();
}

}  // namespace corvane::test
