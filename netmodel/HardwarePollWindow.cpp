#include "netmodel/HardwarePollWindow.h"

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "netmodel/CHardwarePoll.h"

namespace corvane {

std::intptr_t HardwarePollWindow::OnMessage(Message& message)
{
    // The reply object stays in the message, which destroys it afterwards.
    if (message.id == kReplyMessage) {
        if (const auto* reply = dynamic_cast<const CReplyMessage*>(message.payload.get()))
            poll_.OnCommReply(*reply);
    } else if (message.id == kTimeoutMessage) {
        poll_.OnCommTimeout(static_cast<std::uint16_t>(message.wParam));
    }
    return 0;
}

}  // namespace corvane
