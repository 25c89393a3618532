#pragma once

#include "base/NoticeSink.h"
#include "platform/Message.h"

namespace corvane {

class Application;

// Shows the notices of helpers below the user interface (such as the
// logger-clock check) as message boxes, through the prompt sink that the
// application has when the notice arrives: OK only, the icon of the style,
// a beep for warnings and errors. UI thread only, like every prompt.
class PromptNoticeSink final : public NoticeSink {
public:
    explicit PromptNoticeSink(Application& app, WindowHandle owner = {});
    void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override;

private:
    Application& app_;
    WindowHandle owner_;
};

}  // namespace corvane
