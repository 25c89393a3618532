#include "platform/PromptNoticeSink.h"

#include "platform/Application.h"
#include "platform/PromptSink.h"

namespace corvane {

PromptNoticeSink::PromptNoticeSink(Application& app, WindowHandle owner) : app_(app), owner_(owner) {}

void PromptNoticeSink::ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style)
{
    MessageBoxRequest request;
    request.owner = owner_;
    request.text = text;
    request.caption = caption;
    request.buttons = MessageBoxButtons::Ok;
    switch (style) {
    case NoticeStyle::Information: request.icon = MessageBoxIcon::Information; break;
    case NoticeStyle::Warning: request.icon = MessageBoxIcon::Warning; break;
    case NoticeStyle::Error: request.icon = MessageBoxIcon::Error; break;
    }
    request.beep = style != NoticeStyle::Information;
    app_.Prompts().ShowMessageBox(request);
}

}  // namespace corvane
