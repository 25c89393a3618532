#pragma once

#include "base/NoticeSink.h"

namespace corvane {

class MainFramePoster;

// Shows notices through the main frame's notice message, so that each
// appears once the handler that raised it has returned, in the order
// raised: the main frame's box with the exclamation icon and a beep, titled
// "Warning" (the caption and style of a notice are not passed on). Safe
// from any thread, as posting is.
class MainFrameNoticeSink final : public NoticeSink {
public:
    explicit MainFrameNoticeSink(MainFramePoster& poster) : poster_(poster) {}
    void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override;

private:
    MainFramePoster& poster_;
};

}  // namespace corvane
