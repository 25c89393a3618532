#include "platform/DialogLayoutCheck.h"

#include "PlatformTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/ButtonControl.h"
#include "platform/Dialog.h"
#include "platform/ListViewControl.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace corvane {
namespace dialog_layout_check_test {
namespace {

using K = ControlKind;
namespace s = control_style;

// Measured with a face that this machine has, at the dialogs' size.
const LayoutFont kFont{"DejaVu Sans", 9};

// Each named control is either laid out well (its id below 200) or has one
// fault (200 and up): outside the dialog, or a caption that does not fit.
// Multi-line check boxes wrap their caption, which then needs their height.
constexpr std::array kControls = {
    ControlTemplate{K::Static, 100, "Net name:", {10, 10, 120, 20}},
    ControlTemplate{K::Static, 101, "A label that wraps onto a second line of its own", {10, 34, 180, 44}},
    ControlTemplate{K::PushButton, 102, "OK", {10, 80, 40, 26}},
    ControlTemplate{K::CheckBox, 103, "Log", {60, 80, 60, 20}},
    ControlTemplate{K::RadioButton, 104, "FIFO", {130, 80, 70, 20}},
    ControlTemplate{K::GroupBox, 105, "Mode", {10, 110, 120, 60}},
    ControlTemplate{K::Edit, 106, "", {140, 110, 150, 24}},
    ControlTemplate{K::Static, 107, "", {0, 0, 300, 200}},
    ControlTemplate{
        K::CheckBox, 108, "Remain connected during the logging session", {100, 100, 200, 36}, s::kMultiLine},
    ControlTemplate{K::Edit, 200, "", {200, 150, 120, 24}},
    ControlTemplate{K::PushButton, 201, "Cancel", {-4, 176, 60, 20}},
    ControlTemplate{K::Static, 202, "Program Net Description:", {140, 140, 60, 20}},
    ControlTemplate{K::Static, 203, "Two lines\nof text", {10, 176, 80, 20}},
    ControlTemplate{K::PushButton, 204, "Delete Connection", {140, 10, 60, 26}},
    ControlTemplate{K::CheckBox, 205, "Enable SD Card Formatting", {140, 40, 150, 20}},
    ControlTemplate{K::RadioButton, 206, "Log to Full and Stop", {140, 64, 110, 20}},
    ControlTemplate{K::GroupBox, 207, "Data Logging Memory use Mode", {210, 80, 80, 60}},
    ControlTemplate{K::PushButton, 208, "Swap   X  && Y  ", {220, 176, 60, 20}},
    ControlTemplate{
        K::CheckBox, 209, "Remain connected during the logging session", {100, 140, 200, 20}, s::kMultiLine},
};
constexpr DialogTemplate kDialog{9200, "Layout", 300, 200, kControls};

// A host with a 300 x 200 placeholder for a sheet: a page as large would not
// fit under the sheet's tabs.
constexpr std::array kHostControls = {
    ControlTemplate{K::Static, 1212, "", {8, 8, 300, 200}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {228, 216, 80, 26}},
};
constexpr DialogTemplate kHost{351, "Host", 316, 250, kHostControls};
constexpr std::array kPageControls = {ControlTemplate{K::Static, kIdStatic, "Text", {8, 8, 100, 20}}};
constexpr DialogTemplate kSmallPage{139, "Small", 240, 120, kPageControls};
constexpr DialogTemplate kTallPage{140, "Tall", 240, 200, kPageControls};
constexpr DialogTemplate kWidePage{141, "Wide", 300, 120, kPageControls};
constexpr std::array kPages = {&kSmallPage, &kTallPage, &kWidePage};

using DialogLayoutCheckTest = test::PlatformTest;

TEST_F(DialogLayoutCheckTest, NamesEachControlOutsideItsDialogOrWithACaptionThatDoesNotFit)
{
    ASSERT_EQ(ResolvedFontFace(kFont), kFont.face);
    const std::vector<LayoutFinding> findings = CheckDialogLayout(kDialog, kFont);
    std::set<int> faulty;
    std::string messages;
    for (const LayoutFinding& finding : findings) {
        messages += finding.message + "\n";
        EXPECT_EQ(finding.dialogId, kDialog.id);
        EXPECT_NE(finding.message.find("dialog 9200 \"Layout\", control " + std::to_string(finding.controlId)),
            std::string::npos)
            << finding.message;
        faulty.insert(finding.controlId);
    }
    std::set<int> expected;
    for (const ControlTemplate& control : kControls)
        if (control.id >= 200)
            expected.insert(control.id);
    EXPECT_EQ(faulty, expected) << messages;
}

TEST_F(DialogLayoutCheckTest, ReportsEachPageLargerThanTheAreaItsChildSheetShows)
{
    const std::vector<LayoutFinding> findings = CheckChildSheetLayout({&kHost, 1212, kPages}, kFont);
    std::set<int> faulty;
    for (const LayoutFinding& finding : findings)
        faulty.insert(finding.dialogId);
    EXPECT_EQ(faulty, (std::set<int>{140, 141}));
    ASSERT_FALSE(findings.empty());
    EXPECT_NE(findings.front().message.find("page 140 \"Tall\" is 240 x 200"), std::string::npos)
        << findings.front().message;

    // A host without the placeholder is reported, not built around.
    const std::vector<LayoutFinding> missing = CheckChildSheetLayout({&kHost, 1300, kPages}, kFont);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing.front().controlId, 1300);
}

TEST_F(DialogLayoutCheckTest, ReportsListColumnsTooNarrowForTheirTextsOrTooWideForTheirList)
{
    constexpr int kList = 300;
    constexpr std::array controls = {ControlTemplate{K::ListView, kList, "", {10, 10, 300, 120}}};
    const DialogTemplate layout{9201, "Connections", 320, 140, controls};
    const DialogFontScope fontScope(kFont);
    Dialog dialog(layout);
    ASSERT_TRUE(dialog.CreateHidden());
    auto& list = *dialog.GetControlAs<ListViewControl>(kList);
    list.InsertColumn(0, "Name", 80);
    list.InsertColumn(1, "Details", 120);
    list.InsertItem(0, "Tank");
    list.SetItemText(0, 1, "127.0.0.1:4660");
    EXPECT_TRUE(CheckBuiltDialogLayout(dialog).empty());

    list.SetItemText(0, 1, "Virtual ttyACM0    SN 000123456789");
    std::vector<LayoutFinding> findings = CheckBuiltDialogLayout(dialog);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_NE(findings[0].message.find("column 1 \"Details\" needs"), std::string::npos) << findings[0].message;

    list.SetColumnWidth(1, 300);
    findings = CheckBuiltDialogLayout(dialog);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_NE(findings[0].message.find("its columns take 380 pixels"), std::string::npos) << findings[0].message;
}

TEST_F(DialogLayoutCheckTest, ReportsAPictureButtonTooSmallForItsPicture)
{
    constexpr int kSmall = 300;
    constexpr int kLarge = 301;
    constexpr std::array controls = {ControlTemplate{K::PushButton, kSmall, "Event", {10, 10, 70, 36}},
        ControlTemplate{K::PushButton, kLarge, "Counter", {90, 10, 60, 84}}};
    const DialogTemplate layout{9202, "Mode", 160, 110, controls};
    const DialogFontScope fontScope(kFont);
    Dialog dialog(layout);
    ASSERT_TRUE(dialog.CreateHidden());
    EXPECT_TRUE(CheckBuiltDialogLayout(dialog).empty()) << "the captions fit";

    const Bitmap picture(32, 64);
    for (const int id : {kSmall, kLarge})
        dialog.GetControlAs<ButtonControl>(id)->SetPicture(picture);
    const std::vector<LayoutFinding> findings = CheckBuiltDialogLayout(dialog);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].controlId, kSmall);
    EXPECT_NE(findings[0].message.find("control 300 \"Event\" (entry 0): its picture needs"), std::string::npos)
        << findings[0].message;
}

}  // namespace
}  // namespace dialog_layout_check_test
}  // namespace corvane
