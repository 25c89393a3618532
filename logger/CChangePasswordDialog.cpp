#include "logger/CChangePasswordDialog.h"

#include "base/Cp1252.h"
#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/UserDialogBoxes.h"
#include "platform/EditControl.h"
#include "res/LoggerUserDialogs.h"
#include "res/LoggerUserIds.h"
#include "shell/StatusHelpers.h"

namespace corvane {

namespace {

constexpr std::string_view kCaption = "Change Password";
constexpr std::size_t kUserNameLimit = 23;

}  // namespace

CChangePasswordDialog::CChangePasswordDialog(CConnectionDetails& connection, StatusSink& status, Window* parent)
    : CCommDialog(res::kChangePasswordDialog, connection, parent), status_(status)
{}

CChangePasswordDialog::~CChangePasswordDialog() = default;

bool CChangePasswordDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    for (int id : {res::kIdcCurrentPassword, res::kIdcNewPassword, res::kIdcConfirmPassword}) {
        if (auto* edit = GetControlAs<EditControl>(id))
            edit->SetLimitText(kPasswordLimit);
    }
    if (!Connection().IsAuthenticated()) {
        ShowUserBox(Handle(), "You must log in before changing passwords", kCaption, MessageBoxIcon::Warning);
        EndDialog(kIdCancel);
        return true;
    }
    userName_ = Connection().GetLoginUserName();
    return true;
}

std::string CChangePasswordDialog::Text(int id) const
{
    const auto* edit = GetControlAs<EditControl>(id);
    return edit != nullptr ? edit->GetText() : std::string();
}

void CChangePasswordDialog::OnOK()
{
    const std::string current = Text(res::kIdcCurrentPassword);
    const std::string next = Text(res::kIdcNewPassword);
    const std::string confirmation = Text(res::kIdcConfirmPassword);
    if (current.empty()) {
        ShowUserBox(Handle(), "Please enter your current password.", kCaption, MessageBoxIcon::Warning);
        return;
    }
    if (next.empty()) {
        ShowUserBox(Handle(), "Please enter your new password.", kCaption, MessageBoxIcon::Warning);
        return;
    }
    if (confirmation.empty()) {
        ShowUserBox(Handle(), "Please confirm your new password.", kCaption, MessageBoxIcon::Warning);
        return;
    }
    if (next != confirmation) {
        ShowUserBox(Handle(),
            "The new password and confirmation password\ndo not match.\n\nPlease correct this before retrying.",
            "Password Mismatch", MessageBoxIcon::Warning);
        return;
    }
    if (CxPassWd(Handle(), Utf8ToCp1252(userName_, kUserNameLimit), Utf8ToCp1252(current, kPasswordLimit),
            Utf8ToCp1252(next, kPasswordLimit))
        != 0) {
        ShowUserBox(Handle(), "There was a communication error sending\nthe change password request", "Change password",
            MessageBoxIcon::Warning);
        return;
    }
    pending_ = true;
}

void CChangePasswordDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    // Only the answer to the request this dialog is waiting for counts: a
    // late answer after a time-out, or any other, changes nothing.
    if (reply->RequestType() != kRequestPassWd || !reply->HasData() || !pending_)
        return;
    pending_ = false;
    if (!reply->ErrorFlag()) {
        ShowUserBox(Handle(), "Password Change Successful", kCaption, MessageBoxIcon::Information);
        EndDialog(kIdOk);
        return;
    }
    if (reply->Code() == kCodeLoginRefused)
        ShowUserBox(Handle(), "Password Change Unsuccessful\n\nReenter Current Password and try again.\n\n", kCaption,
            MessageBoxIcon::Warning);
    else
        ShowUserBox(Handle(), "Unexpected error while changing the password\n\nMessage: '" + ReplyText(*reply) + "'",
            kCaption, MessageBoxIcon::Warning);
}

void CChangePasswordDialog::OnCommTimeout(std::uint16_t requestType)
{
    SetStatusProgress(status_, "Timeout", false);
    if (requestType == kRequestPassWd) {
        pending_ = false;
        ShowUserBox(Handle(),
            "There was a communication timeout while\nrequesting the password change.\n\nPlease try again.",
            "Communication Timeout", MessageBoxIcon::Error);
        return;
    }
    ShowUserBox(Handle(), "** TIMEOUT **", "Communication Timeout", MessageBoxIcon::Error);
}

}  // namespace corvane
