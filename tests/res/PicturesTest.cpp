#include "TestOutput.h"
#include "res/Pictures.h"

#include "PlatformTestSupport.h"
#include "platform/DeviceContext.h"
#include "res/Animations.h"
#include "res/IconStyle.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"
#include "res/Toolbars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::res {
namespace pictures_test {
namespace {

using PicturesTest = test::PlatformTest;

bool IsOneColour(const Bitmap& bitmap)
{
    const RgbColour first = bitmap.PixelAt(0, 0);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.PixelAt(x, y) != first)
                return false;
    return true;
}

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.Extent() != b.Extent())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelAt(x, y) != b.PixelAt(x, y))
                return false;
    return true;
}

int CountKeyPixels(const Bitmap& bitmap, const Rect& area)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += bitmap.PixelAt(x, y) == colour::kKey ? 1 : 0;
    return count;
}

const PictureEntry* FindEntry(const std::vector<PictureEntry>& all, int id)
{
    const auto found = std::find_if(all.begin(), all.end(), [id](const PictureEntry& e) { return e.id == id; });
    return found == all.end() ? nullptr : &*found;
}

TEST_F(PicturesTest, EveryPictureIsDrawnAtItsSizeInMoreThanOneColour)
{
    BitmapCatalog catalog;
    RegisterPictures(catalog);
    for (const PictureEntry& entry : AllPictures()) {
        SCOPED_TRACE(entry.id);
        ASSERT_TRUE(catalog.Has(entry.id));
        const Bitmap& picture = catalog.Get(entry.id);
        ASSERT_FALSE(picture.IsNull());
        EXPECT_EQ(picture.Extent(), entry.size);
        EXPECT_FALSE(IsOneColour(picture));
        EXPECT_FALSE(SamePixels(picture, BitmapCatalog::Placeholder(entry.size.width, entry.size.height)));
    }
}

TEST_F(PicturesTest, AnimationsPlayDifferentFramesWhoseLabelsFit)
{
    for (const int id : AllAnimations()) {
        SCOPED_TRACE(id);
        bool overflowed = true;
        const DecodedPicture animation = MakeAnimation(id, &overflowed);
        EXPECT_FALSE(overflowed);
        ASSERT_TRUE(animation.IsAnimated());
        for (std::size_t i = 0; i < animation.frames.size(); ++i) {
            const DecodedPicture::Frame& frame = animation.frames[i];
            EXPECT_EQ(frame.image.Extent(), animation.size);
            EXPECT_GT(frame.delayHundredths, 0);
            EXPECT_FALSE(SamePixels(frame.image, animation.frames[(i + 1) % animation.frames.size()].image))
                << "frame " << i << " shows the same as the next";
        }
    }
    EXPECT_TRUE(MakeAnimation(kBitmapProgramIcon).IsEmpty());
    // The still picture of the math library is its animation's first frame.
    BitmapCatalog catalog;
    RegisterPictures(catalog);
    EXPECT_TRUE(
        SamePixels(catalog.Get(kBitmapMathFunctionSave), MakeAnimation(kAnimationMathLibrary).frames.front().image));
}

TEST_F(PicturesTest, NoTwoPicturesShareAnId)
{
    std::set<int> seen;
    for (const PictureEntry& entry : AllPictures())
        EXPECT_TRUE(seen.insert(entry.id).second) << "id " << entry.id << " is drawn twice";
}

TEST_F(PicturesTest, EveryPaletteCellHasAPictureOfACell)
{
    const std::vector<PictureEntry> all = AllPictures();
    for (int cell = 0; cell < kPaletteCellCount; ++cell) {
        const PictureEntry* entry = FindEntry(all, kBitmapPaletteFirst + cell);
        ASSERT_NE(entry, nullptr) << "cell " << cell;
        EXPECT_EQ(entry->size, (Size{32, 32})) << "cell " << cell;
    }
}

TEST_F(PicturesTest, EveryLabelFitsItsBox)
{
    for (const PictureEntry& entry : AllPictures()) {
        bool overflowed = true;
        MakePicture(entry, &overflowed);
        EXPECT_FALSE(overflowed) << "a label of picture " << entry.id << " does not fit";
    }
}

TEST_F(PicturesTest, KeyColourShowsOnlyInKeyedPictures)
{
    for (const PictureEntry& entry : AllPictures()) {
        const Bitmap picture = MakePicture(entry);
        const Rect all{0, 0, picture.Width(), picture.Height()};
        if (entry.keyed)
            EXPECT_EQ(picture.PixelAt(0, 0), colour::kKey) << "picture " << entry.id;
        else
            EXPECT_EQ(CountKeyPixels(picture, all), 0) << "picture " << entry.id;
    }
}

TEST_F(PicturesTest, ToolbarStripsHoldOneButtonPerCommandWithTransparentCorners)
{
    const std::vector<PictureEntry> all = AllPictures();
    for (const ToolBarTemplate& toolbar : Toolbars()) {
        SCOPED_TRACE(toolbar.id);
        const PictureEntry* entry = FindEntry(all, toolbar.bitmapId);
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(entry->keyed);
        EXPECT_EQ(toolbar.transparent, colour::kKey);
        const Size button = toolbar.buttonSize;
        const int buttons = ButtonCount(toolbar);
        ASSERT_EQ(entry->size, (Size{buttons * button.width, button.height}));
        const Bitmap strip = MakePicture(*entry);
        for (int i = 0; i < buttons; ++i) {
            SCOPED_TRACE(i);
            const int left = i * button.width;
            const int right = left + button.width - 1;
            const int bottom = button.height - 1;
            EXPECT_EQ(strip.PixelAt(left, 0), colour::kKey);
            EXPECT_EQ(strip.PixelAt(right, 0), colour::kKey);
            EXPECT_EQ(strip.PixelAt(left, bottom), colour::kKey);
            EXPECT_EQ(strip.PixelAt(right, bottom), colour::kKey);
            // Every button shows an image.
            EXPECT_LT(CountKeyPixels(strip, {left, 0, left + button.width, button.height}),
                button.width * button.height * 9 / 10);
        }
    }
}

TEST_F(PicturesTest, ToolbarsOfTheMainFrameHaveButtonsWithoutDoubledSeparators)
{
    for (int id :
        {kToolbarCommWindow, kToolbarProgramDevelopment, kToolbarSpare, kToolbarTrending, kToolbarWebDesign}) {
        const ToolBarTemplate* toolbar = FindToolbar(id);
        ASSERT_NE(toolbar, nullptr) << id;
        ASSERT_FALSE(toolbar->buttons.empty());
        EXPECT_NE(toolbar->buttons.front(), kToolBarSeparator);
        EXPECT_NE(toolbar->buttons.back(), kToolBarSeparator);
        for (std::size_t i = 1; i < toolbar->buttons.size(); ++i)
            EXPECT_FALSE(toolbar->buttons[i] == kToolBarSeparator && toolbar->buttons[i - 1] == kToolBarSeparator)
                << id;
    }
    EXPECT_EQ(FindToolbar(12345), nullptr);
}

TEST_F(PicturesTest, CursorsPointWithAVisiblePixelAndAreTransparentAround)
{
    CursorCatalog catalog;
    RegisterCursors(catalog);
    for (const CursorEntry& entry : CursorPictures()) {
        SCOPED_TRACE(entry.id);
        const Cursor cursor = catalog.Get(entry.id);
        ASSERT_EQ(cursor.Shape(), CursorShape::Picture);
        EXPECT_EQ(cursor.Image().Extent(), kCursorSize);
        EXPECT_EQ(cursor.HotSpot(), entry.hotSpot);
        EXPECT_TRUE(cursor.IsOpaqueAt(entry.hotSpot.x, entry.hotSpot.y));
        EXPECT_FALSE(cursor.IsOpaqueAt(kCursorSize.width - 1, 0));
    }
    // Cursor 579 is not the picture 579.
    EXPECT_TRUE(catalog.Has(kCursorLowThreshold));
}

// The view lays the parts of the Communication Window over one another;
// each part repaints what lies beneath its edges, so a pixel there is the
// same as in the part beneath.
struct Layer {
    int id;
    Point placedAt;
};

struct Overlap {
    Layer part;
    Point pixel;  // of the part
    Layer beneath;
};

TEST_F(PicturesTest, CommWindowPartsJoinWhatLiesBeneathThem)
{
    const Layer backdrop{kBitmapCommBackground, {0, 0}};
    const Layer logger{kBitmapLogger, {507, 204}};
    const Layer strip{kBitmapBusStripEnabled, {674, 197}};
    const Overlap overlaps[] = {
        {logger, {0, 0}, backdrop},
        {logger, {369, 234}, backdrop},
        {{kBitmapPc, {49, 151}}, {0, 161}, backdrop},
        {{kBitmapLinkEthernet, {242, 0}}, {0, 0}, backdrop},
        {{kBitmapLinkWifiOff, {242, 0}}, {581, 526}, backdrop},
        {strip, {0, 0}, backdrop},
        {strip, {0, 118}, logger},
        {{kBitmapNoLogger, {674, 197}}, {329, 118}, backdrop},
        {{kBitmapLoggerCardPresent, {675, 433}}, {0, 0}, logger},
        {{kBitmapLoggerCardEmpty, {675, 433}}, {0, 48}, backdrop},
        {{kBitmapBusHead, {823, 438}}, {200, 0}, backdrop},
        {{kBitmapBusEnd, {990, 528}}, {33, 160}, backdrop},
        {{kBitmapBusSegmentEven, {926, 636}}, {0, 120}, backdrop},
        {{kBitmapBusSegmentOdd, {864, 636}}, {61, 120}, backdrop},
        {{kBitmapPassword, {516, 166}}, {0, 0}, backdrop},
        {{kBitmapPcCardMounted, {242, 387}}, {159, 69}, backdrop},
        {{kBitmapLinkSymbolUsb, {349, 257}}, {0, 0}, backdrop},
        {{kBitmapEnableButtonLit, {908, 208}}, {0, 0}, strip},
        {{kBitmapEraseButton, {930, 268}}, {53, 23}, strip},
    };
    const std::vector<PictureEntry> all = AllPictures();
    std::map<int, Bitmap> made;
    const auto picture = [&](int id) -> const Bitmap& {
        if (!made.count(id))
            made.emplace(id, MakePicture(*FindEntry(all, id)));
        return made.at(id);
    };
    for (const Overlap& overlap : overlaps) {
        SCOPED_TRACE(overlap.part.id);
        const Bitmap& part = picture(overlap.part.id);
        const Bitmap& beneath = picture(overlap.beneath.id);
        ASSERT_TRUE(Rect({0, 0, part.Width(), part.Height()}).Contains(overlap.pixel));
        const Point under = overlap.part.placedAt + overlap.pixel - overlap.beneath.placedAt;
        ASSERT_TRUE(Rect({0, 0, beneath.Width(), beneath.Height()}).Contains(under));
        EXPECT_EQ(part.PixelAt(overlap.pixel.x, overlap.pixel.y), beneath.PixelAt(under.x, under.y));
    }
}

// Puts the parts of a scene together in the view's order.
Bitmap Compose(const std::vector<PictureEntry>& all, const std::vector<Layer>& layers)
{
    Bitmap scene(1024, 768);
    MemoryContext dc(scene);
    for (const Layer& layer : layers) {
        const Bitmap part = MakePicture(*FindEntry(all, layer.id));
        dc.CopyBitmap(layer.placedAt, part, {0, 0, part.Width(), part.Height()});
    }
    dc.Flush();
    return scene;
}

// Saves every picture, labelled with its id, and two Communication Window
// scenes into the test's folder, for a person to look at.
TEST_F(PicturesTest, ContactSheetShowsEveryPicture)
{
    const std::vector<PictureEntry> all = AllPictures();
    std::vector<PictureEntry> sheetEntries = all;
    for (const CursorEntry& cursor : CursorPictures())
        sheetEntries.push_back({cursor.id, kCursorSize, cursor.draw, true});

    constexpr int kSheetWidth = 1600;
    constexpr int kGap = 10;
    constexpr int kLabelHeight = 14;
    struct Placed {
        Rect box;
        const PictureEntry* entry;
    };
    std::vector<Placed> placed;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const PictureEntry& entry : sheetEntries) {
        // Small pictures and toolbar strips twice their size, large ones shrunk.
        const int longest = std::max(entry.size.width, entry.size.height);
        double scale = longest <= 64 || entry.size.height <= 20 ? 2.0 : 1.0;
        scale = std::min({scale, 400.0 / entry.size.width, 300.0 / entry.size.height});
        const int w = std::max(static_cast<int>(entry.size.width * scale), 40);
        const int h = static_cast<int>(entry.size.height * scale);
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({{x, y, x + static_cast<int>(entry.size.width * scale), y + h}, &entry});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    const int sheetHeight = y + rowHeight + kLabelHeight + kGap;

    Bitmap sheet(kSheetWidth, sheetHeight);
    {
        MemoryContext dc(sheet);
        dc.FillRect({0, 0, kSheetWidth, sheetHeight}, SolidBrush({246, 246, 246}));
        dc.SelectFont({"DejaVu Sans", 7.0, 400});
        for (const Placed& p : placed) {
            const Bitmap picture = MakePicture(*p.entry);
            dc.StretchBitmap(p.box, picture, {0, 0, picture.Width(), picture.Height()});
            dc.FrameRect(p.box.Inflated(1, 1), SolidBrush({200, 200, 200}));
            Rect label{p.box.left - 4, p.box.bottom + 1, p.box.left + 60, p.box.bottom + kLabelHeight};
            dc.DrawText(label, std::to_string(p.entry->id), text_format::kLeft | text_format::kSingleLine);
        }
    }
    const std::filesystem::path folder = test::OutputFolder();
    std::string error;
    EXPECT_TRUE(sheet.SavePng(folder / "pictures-contact-sheet.png", &error)) << error;

    const std::vector<Layer> connected{{kBitmapCommBackground, {0, 0}}, {kBitmapLinkEthernet, {242, 0}},
        {kBitmapLinkSymbolNetwork, {371, 248}}, {kBitmapLogger, {507, 204}}, {kBitmapPc, {49, 151}},
        {kBitmapBusStripEnabled, {674, 197}}, {kBitmapEnableButtonLit, {908, 208}}, {kBitmapStopButton, {908, 239}},
        {kBitmapEraseButton, {930, 268}}, {kBitmapBusHead, {823, 438}}, {kBitmapBusEnd, {990, 528}},
        {kBitmapBusSegmentEven, {926, 636}}, {kBitmapModuleAnalog, {945, 532}}, {kBitmapBusSegmentOdd, {864, 636}},
        {kBitmapModuleDigital, {883, 589}}, {kBitmapModuleOther, {821, 532}}, {kBitmapLoggerCardPresent, {675, 433}},
        {kBitmapCommProgramNet, {545, 245}}, {kBitmapMemory, {545, 280}}, {kBitmapCommLoggerConfig, {545, 210}},
        {kBitmapProbePoint, {580, 210}}, {kBitmapCommLoggerStatus, {580, 245}}, {kBitmapCommDateTime, {580, 280}},
        {kBitmapPassword, {516, 166}}, {kBitmapMemory, {70, 175}}, {kBitmapCommDateTime, {105, 175}},
        {kBitmapCommProgramNet, {140, 175}}, {kBitmapPcCardMounted, {242, 387}}, {kBitmapMemory, {325, 445}}};
    EXPECT_TRUE(Compose(all, connected).SavePng(folder / "comm-window-connected.png", &error)) << error;
    const std::vector<Layer> serialOff{{kBitmapCommBackground, {0, 0}}, {kBitmapLinkSerialOff, {0, 0}},
        {kBitmapLinkSymbolSerialOff, {349, 272}}, {kBitmapNoLogger, {674, 197}}};
    EXPECT_TRUE(Compose(all, serialOff).SavePng(folder / "comm-window-serial-off.png", &error)) << error;
}

}  // namespace
}  // namespace pictures_test
}  // namespace corvane::res
