#include "ControlsTestSupport.h"
#include "PinnedTimeZone.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "TestOutput.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/DateTimeControl.h"
#include "platform/Dialog.h"
#include "platform/EditControl.h"
#include "platform/ImageList.h"
#include "platform/IpAddressControl.h"
#include "platform/ListBoxControl.h"
#include "platform/ListViewControl.h"
#include "platform/LogBoxControl.h"
#include "platform/PictureControl.h"
#include "platform/ProgressControl.h"
#include "platform/SliderControl.h"
#include "platform/SpinControl.h"
#include "platform/TabControl.h"
#include "platform/TreeViewControl.h"

#include <array>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace controls_test {
namespace {

using test::NotifyLog;
using test::Seen;
namespace ca = control_automation;
namespace ac = test::all_controls;

using SpinControlTest = test::PlatformTest;
using ProgressControlTest = test::PlatformTest;
using SliderControlTest = test::PlatformTest;
using DateTimeControlTest = test::PlatformTest;
using IpAddressControlTest = test::PlatformTest;
using TabControlTest = test::PlatformTest;
using PictureControlTest = test::PlatformTest;
using LogBoxControlTest = test::PlatformTest;
using ImageListTest = test::PlatformTest;
using AllControlsTest = test::PlatformTest;

std::span<const std::uint8_t> Bytes(const std::vector<std::uint8_t>& bytes) { return bytes; }

// -------------------------------------------------------------------- spin

TEST_F(SpinControlTest, ArrowsStepTowardsTheirEndOfTheRange)
{
    struct Case {
        std::optional<std::pair<int, int>> range;  // none: the range it starts with
        int start;
        std::vector<bool> ups;
        int end;
        std::vector<std::intptr_t> deltas;
    };
    const Case cases[] = {
        {std::nullopt, 0, {true, false, false}, 2, {-1, 1, 1}},  // 100 down to 0: up lowers
        {std::pair{0, 10}, 9, {true, true, false}, 9, {1, 1, -1}},
        {std::pair{10, 0}, 5, {true, true}, 3, {-1, -1}},
        {std::pair{-5, 5}, -5, {false, true}, -4, {-1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        Dialog dialog(ac::kDialog);
        ASSERT_TRUE(dialog.CreateHidden());
        auto* spin = dialog.GetControlAs<SpinControl>(ac::kSpin);
        ASSERT_NE(spin, nullptr);
        if (c.range)
            spin->SetRange(c.range->first, c.range->second);
        else
            EXPECT_EQ(std::pair(spin->GetLower(), spin->GetUpper()), std::pair(100, 0));
        spin->SetPos(c.start);
        NotifyLog log(dialog, ac::kSpin, {Notification::Changed});
        for (bool up : c.ups)
            ASSERT_TRUE(ca::ClickSpinArrow(*spin, up));
        EXPECT_EQ(spin->GetPos(), c.end);
        EXPECT_EQ(dialog.GetControl(ac::kInterval)->GetText(), std::to_string(c.end));
        std::vector<std::intptr_t> deltas;
        for (const Seen& seen : log.seen)
            deltas.push_back(seen.item);
        EXPECT_EQ(deltas, c.deltas);
    }
}

TEST_F(SpinControlTest, BuddyShowsThePositionAndFeedsItBack)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* spin = dialog.GetControlAs<SpinControl>(ac::kSpin);
    auto* edit = dialog.GetControlAs<EditControl>(ac::kInterval);
    ASSERT_EQ(spin->GetBuddy(), edit);
    NotifyLog log(dialog, ac::kSpin, {Notification::Changed});
    spin->SetRange(1, 60);
    EXPECT_EQ(spin->SetPos(5), 1) << "the first position was kept within the range";
    EXPECT_EQ(edit->GetText(), "5");
    EXPECT_TRUE(log.seen.empty());

    // A number the user typed is where the next step starts.
    edit->SetText("30");
    ASSERT_TRUE(ca::ClickSpinArrow(*spin, true));
    EXPECT_EQ(edit->GetText(), "31");
    bool error = true;
    edit->SetText("7");
    EXPECT_EQ(spin->GetPos(&error), 7);
    EXPECT_FALSE(error);
    for (const char* bad : {"abc", "500", "", "0"}) {
        edit->SetText(bad);
        EXPECT_EQ(spin->GetPos(&error), 7) << bad;
        EXPECT_TRUE(error) << bad;
    }
    // The buddy's up key steps too.
    ASSERT_TRUE(ca::PressKey(*edit, ca::Key::Up));
    EXPECT_EQ(edit->GetText(), "8");

    // A refused step leaves everything as it was.
    dialog.On(Notification::Changed, ac::kSpin, [](NotifyEvent& event) { event.refuse = true; });
    ASSERT_TRUE(ca::ClickSpinArrow(*spin, true));
    EXPECT_EQ(spin->GetPos(), 8);
    EXPECT_EQ(edit->GetText(), "8");

    EXPECT_EQ(spin->SetPos(100), 8);
    EXPECT_EQ(edit->GetText(), "60");
    spin->SetBuddy(nullptr);
    EXPECT_EQ(spin->SetPos(3), 60);
    EXPECT_EQ(edit->GetText(), "60") << "no buddy, no text";
}

// ---------------------------------------------------------------- progress

TEST_F(ProgressControlTest, StepItWrapsPastEitherEnd)
{
    struct Case {
        int lower;
        int upper;
        int step;
        int start;
        int steps;
        int end;
    };
    const Case cases[] = {
        {0, 100, 10, 0, 3, 30},
        {0, 100, 10, 95, 1, 5},
        {0, 10, 3, 9, 1, 2},
        {0, 10, 1, 10, 1, 1},
        {0, 10, 10, 0, 1, 10},  // reaching the end exactly stays there
        {0, 10, 10, 10, 2, 10},
        {-50, 50, 30, 40, 1, -30},
        {0, 100, -10, 5, 1, 95},
        {5, 5, 1, 5, 2, 5},
    };
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* progress = dialog.GetControlAs<ProgressControl>(ac::kProgress);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->GetLower(), 0);
    EXPECT_EQ(progress->GetUpper(), 100);
    EXPECT_EQ(progress->SetStep(10), 10);
    for (const Case& c : cases) {
        progress->SetRange(c.lower, c.upper);
        progress->SetStep(c.step);
        progress->SetPos(c.start);
        int previous = progress->GetPos();
        for (int i = 0; i < c.steps; ++i) {
            EXPECT_EQ(progress->StepIt(), previous);
            previous = progress->GetPos();
        }
        EXPECT_EQ(progress->GetPos(), c.end) << c.lower << ".." << c.upper << " from " << c.start << " by " << c.step;
    }

    // Setting and offsetting stop at the ends.
    progress->SetRange(0, 100);
    EXPECT_EQ(progress->SetPos(150), 5);
    EXPECT_EQ(progress->GetPos(), 100);
    EXPECT_EQ(progress->OffsetPos(-30), 100);
    EXPECT_EQ(progress->OffsetPos(-300), 70);
    EXPECT_EQ(progress->GetPos(), 0);
    progress->SetPos(80);
    progress->SetRange(0, 50);
    EXPECT_EQ(progress->GetPos(), 50);
}

// ------------------------------------------------------------------ slider

TEST_F(SliderControlTest, UserMovesNotifyAndProgramMovesDoNot)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* slider = dialog.GetControlAs<SliderControl>(ac::kSlider);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetRangeMin(), 0);
    EXPECT_EQ(slider->GetRangeMax(), 100);
    EXPECT_EQ(slider->GetPageSize(), 20);
    EXPECT_EQ(slider->GetLineSize(), 1);
    NotifyLog log(dialog, ac::kSlider, {Notification::Changed});

    slider->SetRange(1, 10000);
    slider->SetPos(5000);
    slider->SetTicFreq(1000);
    EXPECT_EQ(slider->GetPos(), 5000);
    EXPECT_TRUE(log.seen.empty());

    ASSERT_TRUE(ca::PressKey(*slider, ca::Key::Right));
    ASSERT_TRUE(ca::PressKey(*slider, ca::Key::PageUp));
    EXPECT_EQ(slider->SetPageSize(500), 20);
    ASSERT_TRUE(ca::PressKey(*slider, ca::Key::PageUp));
    ASSERT_TRUE(ca::PressKey(*slider, ca::Key::End));
    EXPECT_EQ(log.Take(),
        (std::vector<Seen>{{Notification::Changed, 5001}, {Notification::Changed, 5021}, {Notification::Changed, 5521},
            {Notification::Changed, 10000}}));

    // A new range takes the position along, quietly.
    slider->SetRange(0, 50);
    EXPECT_EQ(slider->GetPos(), 50);
    slider->SetPos(-5);
    EXPECT_EQ(slider->GetPos(), 0);
    EXPECT_TRUE(log.seen.empty());
}

// -------------------------------------------------------------- date, time

TEST_F(DateTimeControlTest, FieldsAndLocalSecondsRoundTrip)
{
    struct Case {
        const char* zone;
        DateTimeFields fields;
        std::int64_t seconds;
    };
    const Case cases[] = {
        {"UTC", {1970, 1, 1, 0, 0, 0}, 0},
        {"UTC", {2021, 5, 6, 7, 8, 9}, 1620284889},
        {"UTC", {2000, 2, 29, 23, 59, 59}, 951868799},
        {"UTC", {1601, 1, 1, 0, 0, 0}, -11644473600},
        {"AEST-10", {2021, 5, 6, 7, 8, 9}, 1620248889},
        {"EST5", {1999, 12, 31, 19, 0, 0}, 946684800},
    };
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    for (int id : {ac::kDate, ac::kTime}) {
        auto* picker = dialog.GetControlAs<DateTimeControl>(id);
        ASSERT_NE(picker, nullptr);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.seconds);
            const test::PinnedTimeZone zone(c.zone);
            ASSERT_TRUE(picker->SetTime(c.fields));
            EXPECT_EQ(picker->GetTime(), c.fields);
            EXPECT_EQ(picker->GetTimeSeconds(), c.seconds);
            ASSERT_TRUE(picker->SetTimeSeconds(c.seconds + 61));
            ASSERT_TRUE(picker->SetTimeSeconds(c.seconds));
            EXPECT_EQ(picker->GetTime(), c.fields);
        }
    }

    // Fields that are no date and time change nothing.
    auto* picker = dialog.GetControlAs<DateTimeControl>(ac::kDate);
    const DateTimeFields kept{2020, 6, 15, 12, 30, 45};
    ASSERT_TRUE(picker->SetTime(kept));
    const DateTimeFields bad[] = {
        {2021, 2, 29, 0, 0, 0},
        {2021, 4, 31, 0, 0, 0},
        {2021, 13, 1, 0, 0, 0},
        {2021, 0, 1, 0, 0, 0},
        {1600, 12, 31, 23, 59, 59},
        {10000, 1, 1, 0, 0, 0},
        {2021, 1, 1, 24, 0, 0},
        {2021, 1, 1, 0, 60, 0},
        {2021, 1, 1, 0, 0, -1},
    };
    for (const DateTimeFields& fields : bad) {
        EXPECT_FALSE(picker->SetTime(fields)) << fields.year << "-" << fields.month << "-" << fields.day;
        EXPECT_EQ(picker->GetTime(), kept);
    }
}

TEST_F(DateTimeControlTest, ShowsItsFormatAndNotifiesUserChangesOnly)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* date = dialog.GetControlAs<DateTimeControl>(ac::kDate);
    auto* time = dialog.GetControlAs<DateTimeControl>(ac::kTime);
    NotifyLog log(dialog, ac::kDate, {Notification::Changed});
    const DateTimeFields value{2021, 5, 6, 7, 8, 9};
    ASSERT_TRUE(date->SetTime(value));
    ASSERT_TRUE(time->SetTime(value));
    EXPECT_EQ(time->GetText(), "07:08:09");

    struct Case {
        const char* format;
        const char* shown;
    };
    const Case cases[] = {
        {"yyyy'-'MM'-'dd", "2021-05-06"},
        {"dd/MM/yy", "06/05/21"},
        {"d.M.yyyy", "6.5.2021"},
        {"'Day' d 'of' M", "Day 6 of 5"},
        {"HH:mm:ss", "07:08:09"},
        {"H'h'mm", "7h08"},
        {"yyyy 'at' HH:mm ''", "2021 at 07:08 '"},
    };
    for (const Case& c : cases) {
        date->SetFormat(c.format);
        EXPECT_EQ(date->GetText(), c.shown) << c.format;
        EXPECT_EQ(date->GetTime(), value) << "the format changes the text only";
    }
    date->SetFormat("");
    EXPECT_EQ(date->GetTime(), value);
    EXPECT_TRUE(log.seen.empty());

    date->SetFormat("yyyy'-'MM'-'dd");
    date->SetFocus();
    ASSERT_TRUE(ca::PressKey(*date, ca::Key::Up));
    EXPECT_EQ(log.Take().size(), 1u);
    EXPECT_NE(date->GetTime(), value);
}

// -------------------------------------------------------------- IP address

TEST_F(IpAddressControlTest, ParsesAndFormatsDottedAddresses)
{
    struct Case {
        const char* text;
        std::optional<std::uint32_t> address;
    };
    const Case cases[] = {
        {"192.168.1.10", 0xC0A8010Au},
        {"0.0.0.0", 0u},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"10.0.0.001", 0x0A000001u},
        {"256.1.1.1", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1..2.3", std::nullopt},
        {"1.2.3.", std::nullopt},
        {"0001.2.3.4", std::nullopt},
        {" 1.2.3.4", std::nullopt},
        {"1.2.3.4 ", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"-1.2.3.4", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IpAddressControl::ParseAddress(c.text), c.address) << c.text;
        if (c.address) {
            EXPECT_EQ(IpAddressControl::ParseAddress(IpAddressControl::FormatAddress(*c.address)), c.address);
        }
    }
    EXPECT_EQ(IpAddressControl::FormatAddress(0xC0A8010Au), "192.168.1.10");
    EXPECT_EQ(IpAddressControl::FormatAddress(0x0A000001u), "10.0.0.1");
}

TEST_F(IpAddressControlTest, BlankFieldsCountAndTypingStaysInRange)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* ip = dialog.GetControlAs<IpAddressControl>(ac::kIp);
    ASSERT_NE(ip, nullptr);
    std::uint32_t address = 1;
    EXPECT_TRUE(ip->IsBlank());
    EXPECT_EQ(ip->GetAddress(address), 0);
    EXPECT_EQ(address, 0u);

    NotifyLog log(dialog, ac::kIp, {Notification::Changed});
    ip->SetAddress(0xC0A8010Au);
    EXPECT_EQ(ip->GetText(), "192.168.1.10");
    EXPECT_EQ(ip->GetAddress(address), 4);
    EXPECT_EQ(address, 0xC0A8010Au);
    ip->SetText("10..5.");
    EXPECT_EQ(ip->GetText(), "10..5.");
    EXPECT_EQ(ip->GetAddress(address), 2);
    EXPECT_EQ(address, 0x0A000500u);
    EXPECT_FALSE(ip->IsBlank());
    ip->SetText("300.x.7");
    EXPECT_EQ(ip->GetText(), "..7.");
    ip->ClearAddress();
    EXPECT_TRUE(ip->IsBlank());
    EXPECT_TRUE(log.seen.empty());

    // Three digits or a dot move on; a number above 255 is refused as typed.
    ip->SetFieldFocus(0);
    ASSERT_TRUE(ca::TypeText(*ip, "192.168.300.7"));
    EXPECT_EQ(ip->GetText(), "192.168.30.7");
    EXPECT_EQ(ip->GetAddress(address), 4);
    EXPECT_EQ(address, 0xC0A81E07u);
    EXPECT_EQ(log.Take().size(), 9u) << "one per digit taken";

    // Field focus beyond the fields: the first blank one.
    ip->SetText("10..5.");
    ip->SetFieldFocus(9);
    ASSERT_TRUE(ca::TypeText(*ip, "20"));
    EXPECT_EQ(ip->GetText(), "10.20.5.");
    EXPECT_EQ(ip->GetAddress(address), 3);
}

// --------------------------------------------------------------------- tab

TEST_F(TabControlTest, UserSelectionCanBeRefusedAndTheProgramsIsQuiet)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());
    auto* tab = dialog.GetControlAs<TabControl>(ac::kTab);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->GetCurSel(), -1);
    EXPECT_EQ(tab->InsertItem(0, "General"), 0);
    EXPECT_EQ(tab->InsertItem(1, "Inputs"), 1);
    EXPECT_EQ(tab->InsertItem(99, "Log & Alarms"), 2);
    EXPECT_EQ(tab->InsertItem(-1, "Bad"), -1);
    EXPECT_EQ(tab->GetItemCount(), 3);
    EXPECT_EQ(tab->GetItemText(2), "Log & Alarms");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(tab->SetItemData(i, 500 + i));
    EXPECT_EQ(tab->GetCurSel(), 0);

    NotifyLog log(dialog, ac::kTab, {Notification::SelectionChanging, Notification::SelectionChanged});
    int refused = 2;
    int selectedWhileAsked = -2;
    dialog.On(Notification::SelectionChanging, ac::kTab, [&](NotifyEvent& event) {
        selectedWhileAsked = tab->GetCurSel();
        event.refuse = event.item == refused;
    });
    EXPECT_EQ(tab->SetCurSel(1), 0);
    EXPECT_TRUE(log.seen.empty());

    ASSERT_TRUE(ca::ClickItem(*tab, 2));
    EXPECT_EQ(log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, 2}}));
    EXPECT_EQ(selectedWhileAsked, 1);
    EXPECT_EQ(tab->GetCurSel(), 1);
    ASSERT_TRUE(ca::ClickItem(*tab, 0));
    EXPECT_EQ(
        log.Take(), (std::vector<Seen>{{Notification::SelectionChanging, 0}, {Notification::SelectionChanged, 0}}));
    ASSERT_TRUE(ca::PressKey(*tab, ca::Key::Right));
    EXPECT_EQ(tab->GetCurSel(), 1);
    ASSERT_TRUE(ca::PressKey(*tab, ca::Key::Right));
    EXPECT_EQ(tab->GetCurSel(), 1) << "refused from the keyboard too";
    refused = -1;
    ASSERT_TRUE(ca::PressKey(*tab, ca::Key::Right));
    EXPECT_EQ(tab->GetCurSel(), 2);
    EXPECT_EQ(tab->GetItemData(tab->GetCurSel()), 502);
    log.Take();
    ASSERT_TRUE(ca::ClickItem(*tab, 2));
    EXPECT_TRUE(log.seen.empty()) << "the selected tab again changes nothing";

    // Bad indexes.
    EXPECT_EQ(tab->SetCurSel(7), -1);
    EXPECT_EQ(tab->GetCurSel(), 2);
    EXPECT_FALSE(tab->DeleteItem(3));
    EXPECT_EQ(tab->GetItemText(-1), "");
    EXPECT_EQ(tab->GetItemData(9), 0);
    EXPECT_FALSE(ca::ClickItem(*tab, 3));

    // The pages' area lies inside the control, below the tabs.
    const DialogRect control = tab->Rect();
    const DialogRect display = tab->GetDisplayRect();
    EXPECT_GT(display.x, control.x);
    EXPECT_GT(display.y, control.y + 16);
    EXPECT_LT(display.x + display.width, control.x + control.width);
    EXPECT_LT(display.y + display.height, control.y + control.height);
    EXPECT_GT(display.height, control.height / 2);

    tab->DeleteAllItems();
    EXPECT_EQ(tab->GetItemCount(), 0);
    EXPECT_EQ(tab->GetCurSel(), -1);
    EXPECT_TRUE(log.seen.empty());
}

// ----------------------------------------------------------------- picture

TEST_F(PictureControlTest, ShowsPicturesFromBytesAndFilesAndKeepsThemOnBadInput)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* picture = dialog.GetControlAs<PictureControl>(ac::kPicture);  // 44 by 44
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->HasImage());

    struct Case {
        std::vector<std::uint8_t> bytes;
        int width;
        int height;
    };
    const Case cases[] = {
        {{std::begin(test::kPng), std::end(test::kPng)}, 3, 2},
        {{std::begin(test::kAnimatedGif), std::end(test::kAnimatedGif)}, 1, 1},
        {test::MakeBmp(20, 30, 0, 128, 255), 20, 30},  // fits: its own size
        {test::MakeBmp(88, 44, 255, 0, 0), 44, 22},    // too wide: scaled down
        {test::MakeBmp(30, 100, 0, 0, 255), 13, 44},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(picture->SetImage(c.bytes)) << c.width;
        EXPECT_TRUE(picture->HasImage());
        EXPECT_EQ(picture->ShownWidth(), c.width);
        EXPECT_EQ(picture->ShownHeight(), c.height);
    }

    std::vector<std::uint8_t> huge = test::MakeBmp(2, 2, 1, 2, 3);
    huge[18] = 0xA0;  // claims 100000 pixels across
    huge[19] = 0x86;
    huge[20] = 0x01;
    const std::string text = "not a picture at all";
    const std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {std::begin(test::kPng), std::begin(test::kPng) + 40},
        {text.begin(), text.end()},
        huge,
    };
    for (const auto& bytes : bad) {
        EXPECT_FALSE(picture->SetImage(bytes)) << bytes.size();
        EXPECT_EQ(picture->ShownWidth(), 13) << "the last picture stays";
    }

    test::ScratchFolder folder;
    const auto file
        = folder.Write("logo.png", std::string_view(reinterpret_cast<const char*>(test::kPng), sizeof test::kPng));
    EXPECT_TRUE(picture->SetImageFile(file));
    EXPECT_EQ(picture->ShownWidth(), 3);
    EXPECT_FALSE(picture->SetImageFile(folder.Path() / "missing.png"));
    EXPECT_FALSE(picture->SetImageFile(folder.Path()));
    EXPECT_EQ(picture->ShownWidth(), 3);

    picture->ClearImage();
    EXPECT_FALSE(picture->HasImage());
    EXPECT_EQ(picture->ShownWidth(), 0);
}

// ---------------------------------------------------------- picture button

TEST_F(PictureControlTest, PictureButtonShowsItsPictureInPlaceOfItsText)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* button = dialog.GetControlAs<ButtonControl>(kIdCancel);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->Picture().IsNull());

    Bitmap picture(32, 64);
    picture.Fill({0, 128, 255});
    picture.SetPixel(3, 60, {255, 0, 0});
    button->SetPicture(picture);
    EXPECT_EQ(button->GetText(), "");
    const Bitmap shown = button->Picture();
    ASSERT_EQ(shown.Extent(), (Size{32, 64}));
    EXPECT_EQ(shown.PixelAt(3, 60), (RgbColour{255, 0, 0}));
    EXPECT_EQ(shown.PixelAt(20, 20), (RgbColour{0, 128, 255}));
}

// ---------------------------------------------------------------- log box

TEST_F(LogBoxControlTest, KeepsTheNewestLinesWithinItsLimit)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* log = dialog.GetControlAs<LogBoxControl>(ac::kLog);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->GetLineCount(), 0);
    auto lines = [&] {
        std::vector<std::string> all;
        for (int i = 0; i < log->GetLineCount(); ++i)
            all.push_back(log->GetLine(i));
        return all;
    };

    for (const char* line : {"Connecting", "Sending block 1", "Sending block 2"})
        log->AppendLine(line);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Connecting", "Sending block 1", "Sending block 2"}));
    log->SetMaxLines(2);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Sending block 1", "Sending block 2"}));
    log->AppendLine("Done");
    EXPECT_EQ(lines(), (std::vector<std::string>{"Sending block 2", "Done"}));
    log->AppendLine("Restart\r\nReconnected");
    EXPECT_EQ(lines(), (std::vector<std::string>{"Restart", "Reconnected"}));
    EXPECT_EQ(log->GetLine(2), "");
    EXPECT_EQ(log->GetLine(-1), "");

    // An empty line is a line.
    log->SetMaxLines(0);
    log->Clear();
    EXPECT_EQ(log->GetLineCount(), 0);
    log->AppendLine("");
    EXPECT_EQ(log->GetLineCount(), 1);
    log->AppendLine("after");
    EXPECT_EQ(lines(), (std::vector<std::string>{"", "after"}));
    EXPECT_EQ(log->GetText(), "\nafter");
    log->SetText("");
    EXPECT_EQ(log->GetLineCount(), 0);
}

// -------------------------------------------------------------- image list

TEST_F(ImageListTest, StripsSplitAndOtherPicturesScaleToOneImage)
{
    ImageList images(16, 16);
    EXPECT_EQ(images.Add(test::MakeBmp(48, 16, 255, 0, 255), RgbColour{255, 0, 255}), 0);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.Add(test::MakeBmp(20, 10, 0, 255, 0)), 3);
    EXPECT_EQ(images.Add(std::span<const std::uint8_t>(test::kPng)), 4);
    EXPECT_EQ(images.Count(), 5);
    const std::vector<std::uint8_t> junk = {1, 2, 3};
    EXPECT_EQ(images.Add(junk), -1);
    EXPECT_EQ(images.AddFile("/no/such/picture.png"), -1);
    EXPECT_EQ(images.Count(), 5);

    const ImageList copy = images;
    images.Clear();
    EXPECT_EQ(copy.Count(), 5);
    EXPECT_EQ(images.Count(), 0);

    // A list view keeps its own copy.
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.CreateHidden());
    auto* view = dialog.GetControlAs<ListViewControl>(ac::kListView);
    view->SetImageList(copy);
    view->InsertColumn(0, "Name", 100);
    EXPECT_EQ(view->InsertItem(0, "Pump", 2), 0);
    EXPECT_EQ(view->InsertItem(1, "Tank"), 1);
    EXPECT_EQ(view->GetItemImage(0), 2);
    EXPECT_EQ(view->GetItemImage(1), -1);
    EXPECT_TRUE(view->SetItemImage(1, 4));
    EXPECT_EQ(view->GetItemImage(1), 4);
    EXPECT_FALSE(view->SetItemImage(2, 0));
    EXPECT_EQ(view->GetItemImage(5), -1);
}

// ---------------------------------------------------------- all together

// Fills every control and saves a picture of the dialog (all-controls.png in
// the working folder) to look at.
TEST_F(AllControlsTest, DialogWithEveryControlDrawsThemAll)
{
    Dialog dialog(ac::kDialog);
    ASSERT_TRUE(dialog.Create());

    ImageList icons(16, 16);
    const std::array<std::array<std::uint8_t, 3>, 4> colours
        = {{{{0, 120, 215}}, {{16, 124, 16}}, {{232, 17, 35}}, {{255, 185, 0}}}};
    for (const auto& c : colours)
        icons.Add(test::MakeBmp(12, 12, c[0], c[1], c[2]));

    auto* view = dialog.GetControlAs<ListViewControl>(ac::kListView);
    view->SetImageList(icons);
    view->InsertColumn(0, "Name", 140);
    view->InsertColumn(1, "Address", 110);
    view->InsertColumn(2, "Status", 100);
    const char* rows[][3] = {{"Pump station", "192.168.1.20", "Logging"}, {"Reservoir", "192.168.1.21", "Stopped"},
        {"River gauge", "10.0.4.7", "Logging"}, {"Weather mast", "USB", "Not connected"}};
    for (int i = 0; i < 4; ++i) {
        view->InsertItem(i, rows[i][0], i);
        view->SetItemText(i, 1, rows[i][1]);
        view->SetItemText(i, 2, rows[i][2]);
    }
    view->SetCheck(0, true);
    view->SetCheck(2, true);
    view->SetItemSelected(2);

    auto* tree = dialog.GetControlAs<TreeViewControl>(ac::kTree);
    tree->SetImageList(icons);
    const TreeItem analog = tree->InsertItem("Analog inputs", kTreeRoot, kTreeLast, 0, 1);
    tree->InsertItem("Channel 1 (level)", analog, kTreeLast, 2);
    const TreeItem channel2 = tree->InsertItem("Channel 2 (flow)", analog, kTreeLast, 2);
    tree->InsertItem("Digital inputs", kTreeRoot, kTreeLast, 0, 1);
    tree->InsertItem("Sample clock", kTreeRoot, kTreeLast, 3);
    tree->Expand(analog);
    tree->SetCheck(channel2, true);
    tree->SelectItem(channel2);

    auto* tab = dialog.GetControlAs<TabControl>(ac::kTab);
    for (const char* name : {"General", "Inputs", "Schedule"})
        tab->InsertItem(tab->GetItemCount(), name);
    auto* spin = dialog.GetControlAs<SpinControl>(ac::kSpin);
    spin->SetRange(1, 3600);
    spin->SetPos(60);
    auto* slider = dialog.GetControlAs<SliderControl>(ac::kSlider);
    slider->SetTicFreq(10);
    slider->SetPos(40);
    dialog.GetControlAs<DateTimeControl>(ac::kDate)->SetTime({2024, 3, 18, 9, 30, 0});
    dialog.GetControlAs<DateTimeControl>(ac::kTime)->SetTime({2024, 3, 18, 9, 30, 0});
    dialog.GetControlAs<IpAddressControl>(ac::kIp)->SetAddress(0xC0A80114u);

    auto* list = dialog.GetControlAs<ListBoxControl>(ac::kListBox);
    const int stops[] = {78, 140};
    list->SetTabStops(stops);
    for (const char* line : {"Level\t4-20 mA\tm", "Flow\tPulse\tL/s", "Battery\tInternal\tV", "Rain\tPulse\tmm"})
        list->AddString(line);
    list->SetCurSel(1);

    EXPECT_TRUE(dialog.GetControlAs<PictureControl>(ac::kPicture)->SetImage(Bytes(test::MakeBmp(40, 40, 0, 99, 177))));
    dialog.GetControlAs<ProgressControl>(ac::kProgress)->SetPos(65);
    auto* log = dialog.GetControlAs<LogBoxControl>(ac::kLog);
    for (const char* line : {"Connected to Pump station (192.168.1.20)", "Reading logged data: 1024 of 4096 blocks",
             "Reading logged data: 2048 of 4096 blocks", "Reading logged data: 2662 of 4096 blocks"})
        log->AppendLine(line);

    App().ProcessPending();
    EXPECT_TRUE(dialog.SaveImage(test::OutputFile("all-controls.png").string()));
}

}  // namespace
}  // namespace controls_test
}  // namespace corvane
