#pragma once

#include "logger/CCommDialog.h"
#include "logger/CRemoteControlInfo.h"
#include "platform/PromptSink.h"

#include <memory>
#include <vector>

namespace corvane {

class CTreeOptionsCtrl;
class StatusSink;

// "Remote Control Options..." (dialog 364): reads the remote constants and
// switches of the logger's running net, shows them in an option tree and
// sends the edited values back, one request per icon. The values the
// logger holds are taken as sent only once every request was acknowledged.
class CRemoteCtrlDialog : public CCommDialog {
public:
    // verifyChoice is the session's choice to confirm before sending; the
    // check box starts from it and writes it back.
    CRemoteCtrlDialog(CConnectionDetails& connection, StatusSink& status, bool& verifyChoice, Window* parent = nullptr);
    ~CRemoteCtrlDialog() override;

    // Caption and text of the refusal of a constant's text.
    static constexpr std::string_view kCaption = "Remote Control";
    static constexpr std::string_view kNotANumberText = "Enter a number";

    const std::vector<std::unique_ptr<CRemoteControlInfo>>& Switches() const { return switches_; }
    const std::vector<std::unique_ptr<CRemoteControlInfo>>& Constants() const { return constants_; }
    CTreeOptionsCtrl* Tree() const { return tree_.get(); }
    int AcksReceived() const { return acksReceived_; }
    int RequestsSent() const { return requestsSent_; }

    // Button 1260.
    void OnSendValues();
    // Builds the tree from the two lists.
    void FillTree();

protected:
    bool OnInitDialog() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnListReply(const CReplyMessage& reply);
    void OnAcknowledgement(const CReplyMessage& reply);
    void ShowBox(std::string_view text, std::string_view caption, MessageBoxIcon icon);

    StatusSink& status_;
    bool& verifyChoice_;
    std::unique_ptr<CTreeOptionsCtrl> tree_;
    int acksReceived_ = 0;
    int requestsSent_ = 0;
    std::vector<std::unique_ptr<CRemoteControlInfo>> switches_;
    std::vector<std::unique_ptr<CRemoteControlInfo>> constants_;
    TreeItem constantsGroup_ = 0;
    TreeItem switchesGroup_ = 0;
    bool verifyBeforeSend_ = true;
};

}  // namespace corvane
