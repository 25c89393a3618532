#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"
#include "platform/ImageList.h"
#include "platform/PrintJob.h"

#include "DrawingTestSupport.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"

#include <climits>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corvane {
namespace bitmap_test {
namespace {

using test::kBlue;
using test::kRed;
using test::kWhite;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> ToBytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(BitmapTest, NewBitmapIsWhiteAndEmptySizesAreNull)
{
    const Bitmap b(3, 2);
    EXPECT_FALSE(b.IsNull());
    EXPECT_EQ(b.Extent(), (Size{3, 2}));
    EXPECT_EQ(test::PixelsOf(b, kWhite).size(), 6u);
    for (const Size size : {Size{0, 0}, Size{0, 5}, Size{-3, 4}, Size{INT_MAX, INT_MAX}}) {
        const Bitmap empty(size.width, size.height);
        EXPECT_TRUE(empty.IsNull()) << size.width << "x" << size.height;
        EXPECT_EQ(empty.Extent(), (Size{0, 0}));
    }
    EXPECT_TRUE(Bitmap().IsNull());
}

TEST(BitmapTest, PixelsOutsideReadBlackAndIgnoreWrites)
{
    Bitmap b(2, 2);
    b.SetPixel(1, 1, kRed);
    b.SetPixel(2, 0, kRed);
    b.SetPixel(-1, 0, kRed);
    EXPECT_EQ(b.PixelAt(1, 1), kRed);
    EXPECT_EQ(test::PixelsOf(b, kRed).size(), 1u);
    EXPECT_EQ(b.PixelAt(2, 0), (RgbColour{}));
    EXPECT_EQ(b.PixelAt(INT_MIN, INT_MAX), (RgbColour{}));
    b.Fill(kBlue);
    EXPECT_EQ(test::PixelsOf(b, kBlue).size(), 4u);
}

TEST(BitmapTest, CopyIsClippedAndIndependent)
{
    const Bitmap source = test::Patterned(5, 4);
    const Bitmap part = source.Copy({-2, -2, 3, 3});
    ASSERT_EQ(part.Extent(), (Size{3, 3}));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(part.PixelAt(x, y), source.PixelAt(x, y));
    EXPECT_TRUE(source.Copy({10, 10, 20, 20}).IsNull());
    EXPECT_TRUE(source.Copy({3, 3, 1, 1}).IsNull());

    Bitmap copy = source;
    copy.SetPixel(0, 0, kRed);
    EXPECT_NE(source.PixelAt(0, 0), kRed);
    Bitmap moved = std::move(copy);
    EXPECT_EQ(moved.PixelAt(0, 0), kRed);
    EXPECT_TRUE(copy.IsNull());  // NOLINT(bugprone-use-after-move): moved-from bitmaps are empty
}

TEST(BitmapTest, PngRoundTripKeepsEveryPixel)
{
    test::ScratchFolder folder;
    const Bitmap original = test::Patterned(17, 9);
    const auto path = folder.Path() / "picture.png";
    std::string error;
    ASSERT_TRUE(original.SavePng(path, &error)) << error;
    const Bitmap loaded = Bitmap::FromImageBytes(ReadBytes(path));
    EXPECT_EQ(test::Differences(loaded, original), "");
    EXPECT_EQ(test::Differences(Bitmap::FromImageBytes(ToBytes(original.PngBytes())), original), "");
}

TEST(BitmapTest, KeyedPngMakesOnlyTheKeyColourSeeThrough)
{
    const RgbColour key{255, 0, 255};
    Bitmap icon(3, 2);
    icon.Fill({10, 20, 30});
    icon.SetPixel(1, 0, key);
    icon.SetPixel(2, 1, {255, 0, 254});
    // A picture read back is laid on white: a see-through pixel shows white.
    const Bitmap loaded = Bitmap::FromImageBytes(ToBytes(icon.KeyedPngBytes(key)));
    ASSERT_EQ(loaded.Extent(), icon.Extent());
    EXPECT_EQ(loaded.PixelAt(1, 0), (RgbColour{255, 255, 255}));
    EXPECT_EQ(loaded.PixelAt(0, 0), (RgbColour{10, 20, 30}));
    EXPECT_EQ(loaded.PixelAt(2, 1), (RgbColour{255, 0, 254}));
    EXPECT_TRUE(Bitmap().KeyedPngBytes(key).empty());
}

TEST(BitmapTest, SaveFailsWithAReasonAndLeavesNoFile)
{
    test::ScratchFolder folder;
    std::string error;
    EXPECT_FALSE(test::Patterned(2, 2).SavePng(folder.Path() / "missing" / "p.png", &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(Bitmap().SavePng(folder.Path() / "empty.png", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "empty.png"));
    EXPECT_TRUE(Bitmap().PngBytes().empty());
}

TEST(BitmapTest, BytesThatAreNoPictureGiveANullBitmap)
{
    const std::string png = test::Patterned(4, 4).PngBytes();
    const std::vector<std::string> garbage{
        "",
        "not a picture at all",
        png.substr(0, png.size() / 2),
        std::string(64, '\0'),
        "GIF89a",
        "BM\x10\x00\x00\x00",
    };
    for (const std::string& bytes : garbage)
        EXPECT_TRUE(Bitmap::FromImageBytes(ToBytes(bytes)).IsNull()) << bytes.size();
}

TEST(BitmapTest, ImageListTakesAStripDrawnInCode)
{
    Bitmap strip(48, 16);
    strip.Fill(kRed);
    ImageList list(16, 16);
    EXPECT_EQ(list.Add(strip), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Add(strip, kRed), 3);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Add(Bitmap(20, 10)), 6);  // another size: one image, scaled
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Add(Bitmap()), -1);
    EXPECT_EQ(list.Count(), 7);
}

class PageFontTest : public test::PlatformTest {};

TEST_F(PageFontTest, FontsGrowWithThePagesResolution)
{
    test::ScratchFolder folder;
    struct Measured {
        Size pixelsPerInch;
        bool printing = false;
        int height = 0;
    };
    const auto measure = [&](int resolution) {
        Measured measured;
        PrintSettings settings;
        settings.pdfPath = folder.Path() / ("page" + std::to_string(resolution) + ".pdf");
        settings.resolution = resolution;
        const PrintResult result = PrintPages(settings, [&](DeviceContext& page, int) {
            measured.pixelsPerInch = page.PixelsPerInch();
            measured.printing = page.IsPrinting();
            page.SelectFont({"Sans Serif", 8.7});
            measured.height = page.Metrics().height;
            return false;
        });
        EXPECT_TRUE(result.ok) << result.error;
        return measured;
    };
    const Measured low = measure(96);
    const Measured high = measure(600);
    EXPECT_EQ(low.pixelsPerInch, (Size{96, 96}));
    EXPECT_EQ(high.pixelsPerInch, (Size{600, 600}));
    EXPECT_TRUE(high.printing);
    ASSERT_GT(low.height, 0);
    // 8.7 points: 12 pixels at 96 dpi, 73 at 600.
    const double ratio = static_cast<double>(high.height) / low.height;
    EXPECT_GT(ratio, 5.0);
    EXPECT_LT(ratio, 7.5);
}

}  // namespace
}  // namespace bitmap_test
}  // namespace corvane
