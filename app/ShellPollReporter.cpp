#include "app/ShellPollReporter.h"

#include "app/CCorvaneApp.h"
#include "app/CMainFrame.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "shell/ErrorBoxes.h"
#include "shell/StatusHelpers.h"

#include <string>

namespace corvane {

namespace {
WindowHandle OwnerOf(const CCorvaneApp& app)
{
    return app.MainFrame() != nullptr ? app.MainFrame()->Handle() : WindowHandle{};
}
}  // namespace

void ShellPollReporter::ShowLoggerError(const CReplyMessage& reply) { ShowReplyError(OwnerOf(app_), reply); }

void ShellPollReporter::ShowStopBox(std::string_view text, std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = OwnerOf(app_);
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void ShellPollReporter::ShowStatus(std::string_view text)
{
    if (CMainFrame* frame = app_.MainFrame()) {
        RunProgressAnimation(*frame, false);
        SetStatusMessage(*frame, text);
    }
}

void ShellPollReporter::LogDiagnostic(std::string_view text) { app_.WriteDiagnosticLine(text); }

}  // namespace corvane
