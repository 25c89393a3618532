#include "app/MainFrameNoticeSink.h"

#include "RecordingPoster.h"

#include <gtest/gtest.h>

namespace corvane {
namespace main_frame_notice_sink_test {
namespace {

TEST(MainFrameNoticeSinkTest, PostsEachNoticeToTheMainFrameAsAWarning)
{
    test::RecordingPoster poster;
    MainFrameNoticeSink sink(poster);
    sink.ShowNotice("Rounding 7 to the nearest 5 ms", "Warning", NoticeStyle::Warning);
    sink.ShowNotice("second", "", NoticeStyle::Information);
    ASSERT_EQ(poster.posted.size(), 2u);
    for (const test::RecordingPoster::Posted& posted : poster.posted) {
        EXPECT_EQ(posted.id, kShowNoticeMessage);
        EXPECT_EQ(posted.wParam, kNoticeCaptionWarning);
    }
    EXPECT_EQ(poster.Texts(), (std::vector<std::string>{"Rounding 7 to the nearest 5 ms", "second"}));
}

}  // namespace
}  // namespace main_frame_notice_sink_test
}  // namespace corvane
