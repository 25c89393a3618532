#include "logger/CCommDialog.h"

#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "shell/ErrorBoxes.h"

#include <string>

namespace corvane {

CCommDialog::CCommDialog(const DialogTemplate& layout, CConnectionDetails& connection, Window* parent)
    : Dialog(layout, parent), connection_(connection)
{
}

CCommDialog::~CCommDialog() = default;

std::intptr_t CCommDialog::OnMessage(Message& message)
{
    if (message.id == kReplyMessage) {
        if (auto reply = message.TakePayload<CReplyMessage>())
            OnCommReply(std::move(reply));
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        OnCommTimeout(static_cast<std::uint16_t>(message.wParam));
        return 0;
    }
    return Dialog::OnMessage(message);
}

bool CCommDialog::MayRequest(std::uint16_t requestCode, std::string_view caption)
{
    if (connection_.IsRequestAllowed(requestCode))
        return true;
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(kNoRightsText);
    request.caption = std::string(caption);
    request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

void CCommDialog::ShowLoggerError(const CReplyMessage& reply)
{
    ShowReplyError(Handle(), reply);
}

void CCommDialog::ShowTimeoutBox(std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "** TIMEOUT **";
    request.caption = std::string(caption);
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CCommDialog::OnCommReply(std::unique_ptr<CReplyMessage> /*reply*/) {}

void CCommDialog::OnCommTimeout(std::uint16_t /*requestType*/) {}

}  // namespace corvane
