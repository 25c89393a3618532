#pragma once

// Drives the 7-channel analog module's channel dialogs offscreen.

#include "../function/ChildDialogDriver.h"
#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "platform/ButtonControl.h"
#include "platform/SliderControl.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <functional>
#include <string>

namespace corvane::test {

class VxmDialogTest : public HardwareIconNetTest {
protected:
    static constexpr Rect kDrop{100, 100, 132, 132};

    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck() != 0; }
    static bool Visible(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static bool Enabled(Dialog& d, int id) { return d.GetControl(id)->IsEnabled(); }
    static int SliderPos(Dialog& d) { return d.GetControlAs<SliderControl>(res::kIdcVxmSlider)->GetPos(); }
    // Moves the slider as the user does: the position, then its notification.
    static void Slide(Dialog& d, int position)
    {
        d.GetControlAs<SliderControl>(res::kIdcVxmSlider)->SetPos(position);
        NotifyEvent event{Notification::Changed, res::kIdcVxmSlider};
        d.Notify(event);
    }

    // Opens a dialog on the icon, lets drive act on it; whether it ended with OK.
    template <class DialogClass> static bool Run(CVXM_7inputsIcon& icon, const std::function<void(DialogClass&)>& drive)
    {
        DialogClass dialog(icon);
        ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }

    static std::string Units(const CCorvaneIcon& icon)
    {
        const auto& data = icon.GetOutputEntries()[0].data;
        return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    }
};

}  // namespace corvane::test
