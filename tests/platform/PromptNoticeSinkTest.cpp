#include "platform/PromptNoticeSink.h"

#include "PlatformTestSupport.h"
#include "base/LoggerClock.h"

namespace corvane {
namespace prompt_notice_sink_test {
namespace {

using PromptNoticeSinkTest = test::PlatformTest;

TEST_F(PromptNoticeSinkTest, ShowsEachNoticeAsAnOkBoxWithTheIconOfItsStyle)
{
    test::RecordingWindow owner;
    PromptNoticeSink sink(App(), owner.Handle());
    struct Case {
        NoticeStyle style;
        MessageBoxIcon icon;
        bool beep;
    };
    const Case cases[] = {
        {NoticeStyle::Information, MessageBoxIcon::Information, false},
        {NoticeStyle::Warning, MessageBoxIcon::Warning, true},
        {NoticeStyle::Error, MessageBoxIcon::Error, true},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        sink.ShowNotice("Rounding 7 to the nearest 5 ms", "Warning", c.style);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        const MessageBoxRequest& box = Prompts().messageBoxes[0];
        EXPECT_EQ(box.owner, owner.Handle());
        EXPECT_EQ(box.text, "Rounding 7 to the nearest 5 ms");
        EXPECT_EQ(box.caption, "Warning");
        EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.beep, c.beep);
    }
}

TEST_F(PromptNoticeSinkTest, ReachesTheSinkTheApplicationHasWhenTheNoticeArrives)
{
    PromptNoticeSink sink(App());
    test::RecordingPromptSink later;
    App().SetPromptSink(&later);
    EXPECT_TRUE(CheckLoggerClock(0, 7200, sink));
    App().SetPromptSink(&Prompts());

    EXPECT_TRUE(Prompts().messageBoxes.empty());
    ASSERT_EQ(later.messageBoxes.size(), 1u);
    EXPECT_EQ(later.messageBoxes[0].text, "Logger and Corvane-III time\ndiffer by more than one hour.");
    EXPECT_EQ(later.messageBoxes[0].caption, "") << "the default caption";
    EXPECT_FALSE(later.messageBoxes[0].owner);
}

}  // namespace
}  // namespace prompt_notice_sink_test
}  // namespace corvane
