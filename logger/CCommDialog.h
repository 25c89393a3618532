#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace corvane {

class CConnectionDetails;
class CReplyMessage;

// The base of the dialogs that send logger requests with their own window
// as the reply window and take the answers themselves: the rights test
// before a request, the replies (0x4C8) and time-outs (0x4C9) handed to
// the derived dialog, the logger error box and the time-out box.
class CCommDialog : public Dialog {
public:
    // "You do not have the necessary password rights..." (string 2030).
    static constexpr std::string_view kNoRightsText
        = "You do not have the necessary password\nrights to perform the selected operation.\n\nPlease see your "
          "password administrator\nfor more details.";

    CCommDialog(const DialogTemplate& layout, CConnectionDetails& connection, Window* parent = nullptr);
    ~CCommDialog() override;

    CConnectionDetails& Connection() const { return connection_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    // The rights test before a request: false, after the refusal box with
    // the caption, when the logged-in user may not send it.
    bool MayRequest(std::uint16_t requestCode, std::string_view caption);
    // The logger error box "Error (%04X) while processing request..." for a failed reply.
    void ShowLoggerError(const CReplyMessage& reply);
    // "** TIMEOUT **" under the caption (stop icon).
    void ShowTimeoutBox(std::string_view caption = "Communication Timeout");

    // A reply for this dialog (never null; the dialog owns it).
    virtual void OnCommReply(std::unique_ptr<CReplyMessage> reply);
    // A request of this dialog timed out.
    virtual void OnCommTimeout(std::uint16_t requestType);

private:
    CConnectionDetails& connection_;
};

}  // namespace corvane
