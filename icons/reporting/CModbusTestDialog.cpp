#include "icons/reporting/CModbusTestDialog.h"

#include "base/Cp1252.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "icons/reporting/ModbusTestTransaction.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ModbusTestDialog.h"
#include "res/ResourceIds.h"
#include "shell/StatusHelpers.h"

#include <ctime>
#include <string>

namespace corvane {

namespace {

constexpr std::string_view kCaption = "Modbus Register Access Test";
constexpr std::string_view kUnexpectedReply = "Unexpected response. Please contact QZL";

// The moment in the local time zone as "Mon Jan 05, 2026   09:30:00 ".
std::string LocalMoment(std::int64_t seconds)
{
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr)
        return std::string();
    char text[64] = {};
    const std::size_t length = std::strftime(text, sizeof text, "%a %b %d, %Y   %H:%M:%S ", &local);
    return std::string(text, length);
}

}  // namespace

CModbusTestDialog::CModbusTestDialog(const ModbusTestSettings& settings, StatusSink& status, Window* parent)
    : Dialog(res::kModbusTestDialog, parent), settings_(settings), status_(status)
{
    On(Notification::Clicked, res::kIdcModbusTestSend, [this](NotifyEvent&) { SendTestRequest(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

CModbusTestDialog::~CModbusTestDialog() = default;

bool CModbusTestDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    if (auto* button = GetControl(res::kIdcModbusTestSend))
        button->SetText(settings_.read ? "Read Register" : "Write Register");
    if (auto* value = GetControl(res::kIdcModbusTestValue))
        value->Show(!settings_.read);
    if (settings_.read)
        SendTestRequest();
    return true;
}

void CModbusTestDialog::ShowBox(std::string_view text)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(kCaption);
    request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CModbusTestDialog::SetResult(std::string_view text)
{
    if (auto* result = GetControl(res::kIdcModbusTestResult))
        result->SetText(text);
}

void CModbusTestDialog::SendTestRequest()
{
    const auto* value = GetControlAs<EditControl>(res::kIdcModbusTestValue);
    const std::string valueText = value ? value->GetText() : std::string();
    SetResult("Testing...");
    const ModbusTestBuild build = BuildModbusTestRequest(settings_, valueText);
    if (!build.request) {
        ShowBox(build.refusal.text);
        if (build.refusal.closesDialog)
            EndDialog(kIdCancel);
        return;
    }
    const ModbusTestRequest& request = *build.request;
    if (CxMbTran(Handle(), settings_.server, settings_.tcpPort, settings_.unit, request.wordOrder, request.function,
            request.pdu)
        != 0) {
        ShowBox("Cannot send test request.");
        EndDialog(kIdCancel);
    }
}

std::intptr_t CModbusTestDialog::OnMessage(Message& message)
{
    if (message.id == kReplyMessage) {
        if (auto reply = message.TakePayload<CReplyMessage>())
            OnReply(std::move(reply));
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        OnTimeout();
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CModbusTestDialog::OnReply(std::unique_ptr<CReplyMessage> reply)
{
    if (reply->RequestType() != kRequestMbTran) {
        SetResult(kUnexpectedReply);
        return;
    }
    if (reply->ErrorFlag()) {
        SetResult("Error in response. Check the \"Modbus\" system configuration tab, then ensure valid node and "
                  "register settings in the icon. Error message is:\n\n"
            + Cp1252ToUtf8(reply->ErrorText()));
        return;
    }
    // The answer's value follows the unit, function and byte count; an
    // answer too short to hold it shows no value.
    const std::optional<std::string> value = DecodeModbusReplyValue(settings_, reply->Data());
    if (!value) {
        SetResult(kUnexpectedReply);
        return;
    }
    SetResult(LocalMoment(Application::Instance().GetClock().CalendarSeconds()) + "\r\n\r\nRegister Value = " + *value);
}

void CModbusTestDialog::OnTimeout()
{
    SetStatusProgress(status_, "Timeout", false);
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "** TIMEOUT **";
    request.caption = "Communication Timeout";
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace corvane
