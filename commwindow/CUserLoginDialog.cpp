#include "commwindow/CUserLoginDialog.h"

#include "base/ByteWriter.h"
#include "base/Cp1252.h"
#include "base/SystemRandom.h"
#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/LoginDigest.h"
#include "halvix/protocol/LoginReplies.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "platform/Application.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/UserLoginDialog.h"
#include "shell/StatusHelpers.h"

#include <array>
#include <cstdio>

namespace corvane {

namespace {

constexpr std::size_t kUserNameLimit = 23;
constexpr std::size_t kPasswordLimit = 19;
constexpr std::size_t kClientNonceBytes = 4;          // 8 hexadecimal digits
constexpr std::uint32_t kProgramAccessLow = 0x10000;  // right 16

constexpr std::string_view kCaption = "User Login";
constexpr std::string_view kConnectCaption = "Connect To Logger";

}  // namespace

CUserLoginDialog::CUserLoginDialog(CConnectionDetails& connection, StatusSink& status, Window* parent)
    : CCommDialog(res::kUserLoginDialog, connection, parent), status_(status)
{}

CUserLoginDialog::~CUserLoginDialog() = default;

bool CUserLoginDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (auto* name = GetControlAs<EditControl>(res::kIdcLoginUserName))
        name->SetLimitText(kUserNameLimit);
    if (auto* password = GetControlAs<EditControl>(res::kIdcLoginPassword))
        password->SetLimitText(kPasswordLimit);
    return true;
}

void CUserLoginDialog::Warn(std::string_view text, std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CUserLoginDialog::OnOK()
{
    const auto* nameEdit = GetControlAs<EditControl>(res::kIdcLoginUserName);
    const auto* passwordEdit = GetControlAs<EditControl>(res::kIdcLoginPassword);
    userName_ = nameEdit ? nameEdit->GetText() : std::string();
    password_ = passwordEdit ? passwordEdit->GetText() : std::string();
    if (userName_.empty() || password_.empty()) {
        Warn("Please enter your User Name and Password.", kCaption);
        return;
    }

    std::array<std::uint8_t, kClientNonceBytes> random{};
    if (!FillSystemRandom(random))
        return;  // nothing can be sent without a client nonce
    clientNonce_ = HexEncode(random);

    // The logger keeps names as Windows-1252 bytes; the field holds the NUL.
    const std::string wireName = Utf8ToCp1252(userName_, kUserAuthUserNameSize - 1);
    std::array<std::uint8_t, kUserAuthBufferSize> buffer{};
    ByteWriter writer(buffer);
    writer.U16LE(kUserAuthStageChallenge);
    writer.Seek(kUserAuthUserNameOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(wireName.data()), wireName.size()));
    writer.Seek(kUserAuthClientNonceOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(clientNonce_.data()), clientNonce_.size()));
    stage_ = 0;
    if (CxUserAuth(Handle(), buffer) != 0)
        Warn("Communication error sending\nthe user login request", kCaption);
}

void CUserLoginDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (!reply->HasData())
        return;
    if (reply->RequestType() == kRequestUserAuth)
        OnChallengeReply(*reply);
    else if (reply->RequestType() == kRequestPassWd && stage_ == 1)
        OnResultReply(*reply);
}

void CUserLoginDialog::OnChallengeReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        Warn(reply.Code() == kCodeLoginRefused ? "User/Password authentication error"
                                               : "User authentication message error",
            kCaption);
        EndDialog(kIdOk);
        return;
    }
    LoginChallenge challenge = ParseLoginChallenge(reply.Data());
    switch (challenge.kind) {
    case LoginChallenge::Kind::Granted:
        CompleteLogin(challenge.rights.low, challenge.rights.high,
            "The Username/Password is valid but you do not have\nsufficient access rights to connect to the "
            "Logger\n\nSee your Password Administrator for details.");
        EndDialog(kIdOk);
        return;
    case LoginChallenge::Kind::Challenge:
        BuildDigestResponse(std::move(challenge.nonce), std::move(challenge.realm));
        return;
    case LoginChallenge::Kind::Malformed:
        // A challenge whose nonce or realm does not end inside its limit and
        // inside the reply is not answered.
        Warn("User authentication message error", kCaption);
        EndDialog(kIdOk);
        return;
    }
}

void CUserLoginDialog::BuildDigestResponse(std::string nonce, std::string realm)
{
    const std::string response = LoginDigestResponse(Utf8ToCp1252(userName_, kUserAuthUserNameSize - 1), realm,
        Utf8ToCp1252(password_, kPasswordLimit), nonce, clientNonce_);
    std::array<std::uint8_t, kUserAuthBufferSize> buffer{};
    ByteWriter writer(buffer);
    writer.U16LE(kUserAuthStageResponse);
    writer.Seek(kUserAuthResponseOffset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(response.data()), response.size()));
    stage_ = 1;
    if (CxUserAuth(Handle(), buffer) != 0) {
        stage_ = 0;
        Warn("Communication error sending\nthe user login request", kCaption);
    }
}

void CUserLoginDialog::OnResultReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        stage_ = 0;
        if (reply.Code() == kCodeLoginRefused) {
            Warn("Unable to authenticate user\n\nLogin Unsuccessful", kCaption);
        } else {
            char code[8] = {};
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(reply.Code()));
            Warn("There was an error (" + std::string(code) + ") while logging in\n\nError Text: '"
                    + Cp1252ToUtf8(reply.ErrorText()) + "'",
                kCaption);
        }
        return;
    }
    const std::optional<LoginRights> rights = ParseLoginRights(reply.Data());
    if (!rights)
        return;  // too short to carry the rights: nothing changes
    CompleteLogin(rights->low, rights->high,
        "Although you entered a valid Username and Password,\nyou do not have sufficient access rights to "
        "connect\nto the selected Logger from Corvane.\n\nSee your Password Administrator for details.");
    stage_ = 0;
    EndDialog(kIdOk);
}

void CUserLoginDialog::CompleteLogin(
    std::uint32_t rightsLow, std::uint32_t rightsHigh, std::string_view tooFewRightsText)
{
    CConnectionDetails& connection = Connection();
    connection.SetLoginUserName(userName_);
    connection.SetLoginPassword(password_);
    connection.SetAuthenticated(true);
    connection.SetRightsLow(rightsLow);
    connection.SetRightsHigh(rightsHigh);
    if (connection.HasRights(kProgramAccessLow, 0)) {
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = "Successfully Logged In";
        request.caption = std::string(kCaption);
        request.icon = MessageBoxIcon::Information;
        (void)Application::Instance().Prompts().ShowMessageBox(request);
        return;
    }
    connection.SetAuthenticated(false);
    Warn(tooFewRightsText, kConnectCaption);
}

void CUserLoginDialog::OnCommTimeout(std::uint16_t requestType)
{
    SetStatusProgress(status_, "Timeout", false);
    if (requestType != kRequestPassWd) {
        ShowTimeoutBox();
        return;
    }
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "There was a communication timeout while\nlogging in.\n\nPlease try again.";
    request.caption = "Communication Timeout";
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace corvane
