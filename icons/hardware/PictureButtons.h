#pragma once

#include <span>

namespace corvane {

class Dialog;

// A picture button of a hardware dialog and the picture it shows.
struct ButtonPicture {
    int buttonId = 0;
    int bitmapId = 0;
};

// Shows each button's picture (from the application's pictures) in place of
// its caption; a button the dialog does not have is passed over.
void ShowButtonPictures(Dialog& dialog, std::span<const ButtonPicture> pictures);

}  // namespace corvane
