#include "platform/BitmapCatalog.h"

#include "PlatformTestSupport.h"

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace corvane {
namespace bitmap_catalog_test {
namespace {

constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kRed{255, 0, 0};
constexpr RgbColour kBlue{0, 0, 255};

Bitmap Solid(int width, int height, RgbColour colour)
{
    Bitmap picture(width, height);
    picture.Fill(colour);
    return picture;
}

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelAt(x, y) != b.PixelAt(x, y))
                return false;
    return true;
}

using BitmapCatalogTest = test::PlatformTest;

TEST_F(BitmapCatalogTest, MakesEachPictureOnceAndKeepsIt)
{
    BitmapCatalog& catalog = App().Bitmaps();
    int made = 0;
    catalog.Register(212, [&made] {
        ++made;
        return Solid(32, 24, kBlue);
    });
    EXPECT_TRUE(catalog.Has(212));
    const Bitmap& first = catalog.Get(212);
    const Bitmap& second = catalog.Get(212);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.Extent(), (Size{32, 24}));
    EXPECT_EQ(first.PixelAt(31, 23), kBlue);
}

TEST_F(BitmapCatalogTest, RegisteringAgainReplacesThePicture)
{
    BitmapCatalog catalog;
    catalog.Register(7, [] { return Solid(4, 4, kBlue); });
    EXPECT_EQ(catalog.Get(7).PixelAt(0, 0), kBlue);
    catalog.Register(7, [] { return Solid(6, 2, kRed); });
    EXPECT_EQ(catalog.Get(7).Extent(), (Size{6, 2}));
    EXPECT_EQ(catalog.Get(7).PixelAt(0, 0), kRed);
}

TEST_F(BitmapCatalogTest, PictureMadeAheadIsMadeOnceOnItsOwnThreadAndGivenByGet)
{
    BitmapCatalog catalog;
    std::atomic<int> made{0};
    std::thread::id maker;
    catalog.Register(9, [&made, &maker] {
        ++made;
        maker = std::this_thread::get_id();
        return Solid(5, 3, kRed);
    });
    catalog.Register(10, []() -> Bitmap { throw std::runtime_error("no such asset"); });
    for (const int id : {9, 9, 10, 404})
        catalog.MakeAhead(id);
    const Bitmap& picture = catalog.Get(9);
    EXPECT_EQ(picture.Extent(), (Size{5, 3}));
    EXPECT_EQ(picture.PixelAt(4, 2), kRed);
    EXPECT_NE(maker, std::this_thread::get_id());
    // Once made, it is kept: asking again, or ahead again, makes nothing.
    catalog.MakeAhead(9);
    EXPECT_EQ(&catalog.Get(9), &picture);
    EXPECT_EQ(made.load(), 1);
    EXPECT_TRUE(SamePixels(catalog.Get(10), BitmapCatalog::Placeholder()));
    EXPECT_TRUE(SamePixels(catalog.Get(404), BitmapCatalog::Placeholder()));

    // A maker registered again while its picture is being made replaces it.
    catalog.Register(11, [] { return Solid(2, 2, kBlue); });
    catalog.MakeAhead(11);
    catalog.Register(11, [] { return Solid(7, 1, kWhite); });
    EXPECT_EQ(catalog.Get(11).Extent(), (Size{7, 1}));
}

TEST_F(BitmapCatalogTest, UnknownAndFailingIdsGiveThePlaceholderAndMakersRunOnce)
{
    BitmapCatalog catalog;
    int calls = 0;
    catalog.Register(1, [&calls] {
        ++calls;
        return Bitmap();
    });
    catalog.Register(2, [&calls]() -> Bitmap {
        ++calls;
        throw std::runtime_error("no such asset");
    });
    catalog.Register(3, BitmapCatalog::Maker());
    const Bitmap placeholder = BitmapCatalog::Placeholder();
    for (int id : {1, 2, 3, 404}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(SamePixels(catalog.Get(id), placeholder));
        EXPECT_TRUE(SamePixels(catalog.Get(id), placeholder));
        EXPECT_EQ(catalog.Get(id, {40, 20}).Extent(), (Size{40, 20}));
    }
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(catalog.Has(404));
}

TEST_F(BitmapCatalogTest, PlaceholderIsAWhiteBoxWithARedFrameAndCross)
{
    struct Case {
        int width;
        int height;
        Size expected;
    };
    for (const Case& c : std::vector<Case>{{16, 16, {16, 16}}, {40, 20, {40, 20}}, {0, -5, {16, 16}}, {1, 1, {1, 1}}}) {
        SCOPED_TRACE(c.width);
        const Bitmap picture = BitmapCatalog::Placeholder(c.width, c.height);
        ASSERT_EQ(picture.Extent(), c.expected);
        const int right = picture.Width() - 1;
        const int bottom = picture.Height() - 1;
        for (Point corner : {Point{0, 0}, Point{right, 0}, Point{0, bottom}, Point{right, bottom}})
            EXPECT_EQ(picture.PixelAt(corner.x, corner.y), kRed);
        if (picture.Width() < 16)
            continue;
        // The frame runs round the edges, the cross through the middle.
        EXPECT_EQ(picture.PixelAt(right / 2, 0), kRed);
        EXPECT_EQ(picture.PixelAt(0, bottom / 2), kRed);
        EXPECT_EQ(picture.PixelAt(right / 2, bottom / 2), kRed);
        // Beside the cross, inside the frame, the box is white.
        EXPECT_EQ(picture.PixelAt(right / 2, 2), kWhite);
        EXPECT_EQ(picture.PixelAt(2, bottom / 2), kWhite);
    }
}

}  // namespace
}  // namespace bitmap_catalog_test
}  // namespace corvane
