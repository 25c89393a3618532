#include "PlatformTestSupport.h"

#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "logger/CCommDialog.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace corvane::test {
namespace c_comm_dialog_test {
namespace {

struct QuietPoster final : MainFramePoster {
    bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
};

struct FixedSettings final : CommsSettings {
    std::uint32_t LoggerRetryTime() const override { return 5000; }
};

constexpr std::array kControls = {ControlTemplate{ControlKind::PushButton, kIdOk, "OK", {10, 10, 80, 28}}};
const DialogTemplate kLayout{9001, "Requests", 200, 60, kControls};

// Notes what reaches the derived dialog.
class RequestDialog final : public CCommDialog {
public:
    using CCommDialog::CCommDialog;
    using CCommDialog::MayRequest;
    std::vector<std::uint16_t> replies;
    std::vector<std::uint16_t> timeouts;

protected:
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override { replies.push_back(reply->RequestType()); }
    void OnCommTimeout(std::uint16_t requestType) override { timeouts.push_back(requestType); }
};

class CCommDialogTest : public PlatformTest {
protected:
    QuietPoster poster;
    FixedSettings settings;
    CConnectionDetails connection{poster, settings};
};

TEST_F(CCommDialogTest, RepliesAndTimeOutsReachTheDerivedDialog)
{
    RequestDialog dialog(kLayout, connection);
    ASSERT_TRUE(dialog.Create());
    auto reply = std::make_unique<CReplyMessage>(11, 0, false, std::string(), std::vector<std::uint8_t>{1, 2});
    App().SendMessage(dialog.Handle(), kReplyMessage, 11, 0, std::move(reply));
    App().SendMessage(dialog.Handle(), kReplyMessage, 11, 0);  // no reply object: nothing
    App().SendMessage(dialog.Handle(), kTimeoutMessage, 17, 17);
    EXPECT_EQ(dialog.replies, (std::vector<std::uint16_t>{11}));
    EXPECT_EQ(dialog.timeouts, (std::vector<std::uint16_t>{17}));
}

TEST_F(CCommDialogTest, ARefusedRequestIsExplainedUnderTheCommandsCaption)
{
    RequestDialog dialog(kLayout, connection);
    // Passwords on and nobody logged in: nothing that needs a right is allowed.
    connection.SetRightsLoaded(true);
    connection.SetAuthenticated(false);
    connection.SetFullAccessFlag(false);
    const std::uint16_t runRequest = 8;
    ASSERT_FALSE(connection.IsRequestAllowed(runRequest));
    EXPECT_FALSE(dialog.MayRequest(runRequest, "Enable Logger"));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, CCommDialog::kNoRightsText);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Enable Logger");
}

}  // namespace
}  // namespace c_comm_dialog_test
}  // namespace corvane::test
