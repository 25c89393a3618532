#include "platform/BitmapTable.h"

#include "PlatformTestSupport.h"

#include "platform/Bitmap.h"

#include <vector>

namespace corvane {
namespace bitmap_table_test {
namespace {

using BitmapTableTest = test::PlatformTest;

Bitmap Solid(int width, int height, RgbColour colour)
{
    Bitmap picture(width, height);
    picture.Fill(colour);
    return picture;
}

TEST_F(BitmapTableTest, HandleResolvesToItsBitmapUntilReleased)
{
    BitmapTable& table = App().BitmapHandles();
    const BitmapHandle red = table.Take(Solid(3, 2, {255, 0, 0}));
    const BitmapHandle blue = table.Take(Solid(5, 4, {0, 0, 255}));
    ASSERT_TRUE(red);
    ASSERT_TRUE(blue);
    EXPECT_NE(red, blue);

    const Bitmap* found = table.Find(red);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Extent(), (Size{3, 2}));
    EXPECT_EQ(found->PixelAt(2, 1), (RgbColour{255, 0, 0}));
    ASSERT_NE(table.Find(blue), nullptr);
    EXPECT_EQ(table.Find(blue)->PixelAt(0, 0), (RgbColour{0, 0, 255}));

    EXPECT_TRUE(table.Release(red));
    EXPECT_EQ(table.Find(red), nullptr);
    // The other handle is untouched, and a second release is refused.
    EXPECT_NE(table.Find(blue), nullptr);
    EXPECT_FALSE(table.Release(red));
    EXPECT_TRUE(table.Release(blue));
    EXPECT_EQ(table.Count(), 0u);
}

TEST_F(BitmapTableTest, StaleAndUnknownHandlesResolveToNothing)
{
    BitmapTable table;
    EXPECT_EQ(table.Find(BitmapHandle{}), nullptr);
    EXPECT_EQ(table.Find(BitmapHandle{7}), nullptr);
    EXPECT_FALSE(table.Release(BitmapHandle{}));
    EXPECT_FALSE(table.Release(BitmapHandle{7}));

    // A released handle is not given again, so a taker that keeps it finds
    // nothing rather than somebody else's bitmap.
    std::vector<BitmapHandle> released;
    for (int i = 0; i < 50; ++i) {
        const BitmapHandle handle = table.Take(Solid(1, 1, {0, 0, 0}));
        for (const BitmapHandle old : released)
            ASSERT_NE(handle, old);
        ASSERT_TRUE(table.Release(handle));
        released.push_back(handle);
    }
    const BitmapHandle live = table.Take(Solid(2, 2, {0, 255, 0}));
    for (const BitmapHandle old : released) {
        EXPECT_EQ(table.Find(old), nullptr);
        EXPECT_FALSE(table.Release(old));
    }
    ASSERT_NE(table.Find(live), nullptr);
    EXPECT_EQ(table.Find(live)->PixelAt(1, 1), (RgbColour{0, 255, 0}));
}

}  // namespace
}  // namespace bitmap_table_test
}  // namespace corvane
