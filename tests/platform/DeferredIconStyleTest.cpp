#include "platform/internal/DeferredIconCheck.h"

#include "PlatformTestSupport.h"

namespace corvane {
namespace deferred_icon_style_test {
namespace {

using DeferredIconStyleTest = test::PlatformTest;

// The title-bar and overflow icons are made only when first asked for, and
// then draw, measure and list their sizes exactly as the toolkit's style does.
TEST_F(DeferredIconStyleTest, DeferredIconsMatchTheToolkitStyle)
{
    const internal::DeferredIconComparison comparison = internal::CompareDeferredStandardIcons();
    ASSERT_TRUE(comparison.styleDefers);
    EXPECT_GT(comparison.icons, 0);
    EXPECT_EQ(comparison.deferredIcons, comparison.icons);
    EXPECT_GT(comparison.comparisons, comparison.icons);
    EXPECT_EQ(comparison.differences, 0);
}

}  // namespace
}  // namespace deferred_icon_style_test
}  // namespace corvane
