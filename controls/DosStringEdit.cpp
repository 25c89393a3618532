#include "controls/DosStringEdit.h"

#include "controls/FileNameChars.h"
#include "platform/Application.h"
#include "platform/Dialog.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"

#include <memory>

namespace corvane {

DosStringEdit::DosStringEdit(EditControl& edit) : edit_(edit)
{
    const WindowHandle owner = edit_.Owner().Handle();
    // The edit judges a change again while the box is up (when it loses the
    // focus to the box); those refusals stay quiet, so one refused change
    // gives one box.
    auto telling = std::make_shared<bool>(false);
    edit_.SetCharFilter([owner, telling](char32_t c) {
        if (IsFileNameChar(c, static_cast<int>(FileNameCharSet::kWithSpaces)))
            return true;
        if (*telling || !Application::Exists())
            return false;
        *telling = true;
        MessageBoxRequest request;
        request.owner = owner;
        request.text = kRefusalText;
        request.caption = kRefusalCaption;
        request.buttons = MessageBoxButtons::Ok;
        request.icon = MessageBoxIcon::Warning;
        request.beep = true;
        Application::Instance().Prompts().ShowMessageBox(request);
        *telling = false;
        return false;
    });
}

}  // namespace corvane
