#include "icons/hardware/PictureButtons.h"

#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/Dialog.h"

namespace corvane {

void ShowButtonPictures(Dialog& dialog, std::span<const ButtonPicture> pictures)
{
    BitmapCatalog& catalog = Application::Instance().Bitmaps();
    for (const ButtonPicture& picture : pictures)
        if (auto* button = dialog.GetControlAs<ButtonControl>(picture.buttonId))
            button->SetPicture(catalog.Get(picture.bitmapId));
}

}  // namespace corvane
