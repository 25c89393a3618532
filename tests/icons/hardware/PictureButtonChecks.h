#pragma once

// Checks of an open hardware dialog's picture buttons: the picture each one
// shows, and the room the dialog gives them and the controls around them.

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/DialogLayoutCheck.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

#include <span>
#include <string>
#include <vector>

namespace corvane::test {

// The font the dialog templates are measured with; a test builds its dialog
// inside a DialogFontScope of it to measure what the dialog's code changed.
inline const LayoutFont kPinnedDialogFont{"DejaVu Sans", 9};

// Whether the button shows the program's picture of bitmapId, pixel for pixel.
inline ::testing::AssertionResult ShowsPicture(const Dialog& d, int buttonId, int bitmapId)
{
    const auto* button = d.GetControlAs<ButtonControl>(buttonId);
    if (button == nullptr)
        return ::testing::AssertionFailure() << "no button " << buttonId;
    const Bitmap shown = button->Picture();
    const Bitmap& expected = Application::Instance().Bitmaps().Get(bitmapId);
    if (shown.Extent() != expected.Extent())
        return ::testing::AssertionFailure()
            << "button " << buttonId << " shows " << shown.Width() << " x " << shown.Height() << ", picture "
            << bitmapId << " is " << expected.Width() << " x " << expected.Height();
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            if (shown.PixelAt(x, y) != expected.PixelAt(x, y))
                return ::testing::AssertionFailure() << "button " << buttonId << " differs from picture " << bitmapId
                                                     << " at (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// The layout check's findings for the dialog as its code has set it up.
inline std::vector<std::string> LayoutFaults(const Dialog& d)
{
    std::vector<std::string> faults;
    for (const LayoutFinding& finding : CheckBuiltDialogLayout(d))
        faults.push_back(finding.message);
    return faults;
}

// Each pair of shown controls that overlap, unless one is a group box that
// holds the other whole. Unnamed statics never move nor hide: their table
// places them.
inline std::vector<std::string> OverlappingControls(const Dialog& d)
{
    struct Shown {
        std::string name;
        ControlKind kind;
        DialogRect rect;
    };
    std::vector<Shown> shown;
    for (const ControlTemplate& entry : d.Layout().controls) {
        if (entry.id == kIdStatic) {
            shown.push_back({'"' + std::string(entry.text) + '"', entry.kind, entry.rect});
            continue;
        }
        const Control* control = d.GetControl(entry.id);
        if (control != nullptr && control->IsVisible())
            shown.push_back({std::to_string(entry.id), entry.kind, control->Rect()});
    }
    const auto holds = [](const Shown& group, const Shown& inner) {
        const DialogRect& g = group.rect;
        const DialogRect& r = inner.rect;
        return group.kind == ControlKind::GroupBox && r.x >= g.x && r.y >= g.y && r.x + r.width <= g.x + g.width
            && r.y + r.height <= g.y + g.height;
    };
    std::vector<std::string> overlaps;
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const DialogRect& a = shown[i].rect;
            const DialogRect& b = shown[j].rect;
            const bool meet
                = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
            if (meet && !holds(shown[i], shown[j]) && !holds(shown[j], shown[i]))
                overlaps.push_back(shown[i].name + " and " + shown[j].name);
        }
    return overlaps;
}

// A picture button and the picture it shows.
struct PictureButton {
    int button;
    int picture;
};

// Each button shows its picture; then each shown button is pressed in turn
// (picking its mode), and in each mode the dialog passes the layout check and
// no two shown controls overlap.
template <class IconDialogClass>
void ExpectPictureButtonsWithRoom(IconDialogClass& d, std::span<const PictureButton> buttons)
{
    for (const PictureButton& b : buttons)
        EXPECT_TRUE(ShowsPicture(d, b.button, b.picture));
    for (const PictureButton& b : buttons) {
        auto* button = static_cast<Dialog&>(d).GetControlAs<ButtonControl>(b.button);
        if (button == nullptr || !button->IsVisible())
            continue;
        button->Click();
        EXPECT_THAT(LayoutFaults(d), ::testing::IsEmpty()) << d.Title();
        EXPECT_THAT(OverlappingControls(d), ::testing::IsEmpty()) << d.Title();
    }
}

}  // namespace corvane::test
