#include "shell/CDIBitmap.h"

#include "PlatformTestSupport.h"
#include "platform/DeviceContext.h"
#include "platform/PicturePrinting.h"

#include <cstdint>
#include <vector>

namespace corvane {
namespace cdi_bitmap_test {
namespace {

constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kRed{200, 0, 0};

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes.at(offset)) | (static_cast<std::uint32_t>(bytes.at(offset + 1)) << 8)
        | (static_cast<std::uint32_t>(bytes.at(offset + 2)) << 16)
        | (static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24);
}

std::uint16_t U16At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

using CDIBitmapTest = test::PlatformTest;

TEST_F(CDIBitmapTest, PlacesAWindowPictureAQuarterInchInAcrossThePage)
{
    // 800 x 600 on a 600-dpi page 5100 pixels wide.
    EXPECT_EQ(PlacePictureOnPage({800, 600}, 5100, {600, 600}), (Rect{150, 150, 4950, 3750}));

    Bitmap paper(200, 150);
    Bitmap picture(4, 2);
    picture.Fill(kRed);
    CDIBitmap image;
    image.Capture(picture);
    {
        MemoryContext page(paper);
        EXPECT_TRUE(image.PrintToDC(page));
    }
    // 96 dots per inch: margins of 24, 152 wide and 76 high.
    EXPECT_EQ(paper.PixelAt(24, 24), kRed);
    EXPECT_EQ(paper.PixelAt(175, 99), kRed);
    EXPECT_EQ(paper.PixelAt(23, 24), kWhite);
    EXPECT_EQ(paper.PixelAt(176, 99), kWhite);
    EXPECT_EQ(paper.PixelAt(175, 100), kWhite);
}

TEST_F(CDIBitmapTest, DibHasTheHeaderAndBottomUpRowsInBlueGreenRed)
{
    Bitmap picture(3, 2);
    picture.SetPixel(0, 0, {1, 2, 3});
    picture.SetPixel(2, 0, {4, 5, 6});
    picture.SetPixel(0, 1, {7, 8, 9});
    picture.SetPixel(2, 1, {10, 11, 12});
    CDIBitmap image;
    image.Capture(picture);
    std::size_t bitsOffset = 0;
    const std::vector<std::uint8_t> dib = image.GetDIB(&bitsOffset);

    constexpr std::size_t kRow = 12;  // 9 bytes padded to 4
    ASSERT_EQ(dib.size(), CDIBitmap::kHeaderSize + 2 * kRow);
    EXPECT_EQ(bitsOffset, CDIBitmap::kHeaderSize);
    EXPECT_EQ(U32At(dib, 0), 40u);
    EXPECT_EQ(U32At(dib, 4), 3u);
    EXPECT_EQ(U32At(dib, 8), 2u);
    EXPECT_EQ(U16At(dib, 12), 1u) << "planes";
    EXPECT_EQ(U16At(dib, 14), 24u) << "bits";
    EXPECT_EQ(U32At(dib, 16), 0u) << "uncompressed";
    EXPECT_EQ(U32At(dib, 20), 2 * kRow) << "image size";
    for (std::size_t offset = 24; offset < 40; ++offset)
        EXPECT_EQ(dib[offset], 0u) << offset;

    const std::size_t bottom = bitsOffset;
    const std::size_t top = bitsOffset + kRow;
    EXPECT_EQ((std::vector<std::uint8_t>(dib.begin() + static_cast<std::ptrdiff_t>(bottom),
                  dib.begin() + static_cast<std::ptrdiff_t>(top))),
        (std::vector<std::uint8_t>{9, 8, 7, 255, 255, 255, 12, 11, 10, 0, 0, 0}));
    EXPECT_EQ((std::vector<std::uint8_t>(dib.begin() + static_cast<std::ptrdiff_t>(top), dib.end())),
        (std::vector<std::uint8_t>{3, 2, 1, 255, 255, 255, 6, 5, 4, 0, 0, 0}));
}

TEST_F(CDIBitmapTest, RowsArePaddedToFourBytes)
{
    struct Case {
        int width;
        std::size_t rowBytes;
    };
    const Case cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {100, 300}};
    for (const Case& c : cases) {
        CDIBitmap image;
        image.Capture(Bitmap(c.width, 3));
        EXPECT_EQ(image.GetDIB().size(), CDIBitmap::kHeaderSize + 3 * c.rowBytes) << c.width;
    }
}

TEST_F(CDIBitmapTest, AnEmptyPictureIsRefusedAndPrintsNothing)
{
    CDIBitmap image;
    EXPECT_TRUE(image.IsEmpty());
    std::size_t bitsOffset = 99;
    EXPECT_TRUE(image.GetDIB(&bitsOffset).empty());
    EXPECT_EQ(bitsOffset, 99u);
    Bitmap paper(100, 100);
    {
        MemoryContext page(paper);
        EXPECT_FALSE(image.PrintToDC(page));
    }
    for (const Point p : {Point{24, 24}, Point{50, 50}})
        EXPECT_EQ(paper.PixelAt(p.x, p.y), kWhite);

    image.Capture(Bitmap(0, 5));
    EXPECT_TRUE(image.IsEmpty());
}

TEST_F(CDIBitmapTest, ACaptureReplacesThePicture)
{
    CDIBitmap image;
    image.Capture(Bitmap(10, 20));
    image.Capture(Bitmap(30, 5));
    EXPECT_EQ(image.Width(), 30);
    EXPECT_EQ(image.Height(), 5);
    EXPECT_EQ(U32At(image.GetDIB(), 4), 30u);
}

}  // namespace
}  // namespace cdi_bitmap_test
}  // namespace corvane
