#include "app/MainFrameNoticeSink.h"

#include "comms/MainFrameMessages.h"
#include "comms/MainFramePoster.h"

#include <memory>
#include <string>

namespace corvane {

void MainFrameNoticeSink::ShowNotice(std::string_view text, std::string_view /*caption*/, NoticeStyle /*style*/)
{
    (void)poster_.PostToMainFrame(
        kShowNoticeMessage, kNoticeCaptionWarning, std::make_unique<ValuePayload<std::string>>(std::string(text)));
}

}  // namespace corvane
