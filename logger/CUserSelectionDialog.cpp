#include "logger/CUserSelectionDialog.h"

#include "base/Cp1252.h"
#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/UserRecords.h"
#include "logger/CUserProperties.h"
#include "logger/UserDialogBoxes.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "res/IconStyle.h"
#include "res/LoggerUserDialogs.h"
#include "res/LoggerUserIds.h"
#include "shell/StatusHelpers.h"

namespace corvane {

namespace {

constexpr std::uint16_t kConfigSetRequest = 12;
constexpr int kUserIconSize = 16;
constexpr std::string_view kDeleteCaption = "Delete User";

int SendPassMan(WindowHandle window, const PassManArguments& a)
{
    return CxPassMan(window, a.operation, a.subCode, Utf8ToCp1252(a.name, kMaxUserNameBytes),
        Utf8ToCp1252(a.password, kMaxPasswordBytes), a.rights.low, a.rights.high);
}

}  // namespace

CUserSelectionDialog::CUserSelectionDialog(CConnectionDetails& connection, StatusSink& status, Window* parent)
    : CCommDialog(res::kUserSelectionDialog, connection, parent), status_(status)
{
    On(Notification::Clicked, res::kIdcAddUser, [this](NotifyEvent&) { OnAddUser(); });
    On(Notification::Clicked, res::kIdcEditUser, [this](NotifyEvent&) { OnEditUser(); });
    On(Notification::DoubleClicked, res::kIdcUserList, [this](NotifyEvent&) { OnEditUser(); });
    On(Notification::Clicked, res::kIdcCopyUser, [this](NotifyEvent&) { OnCopyUser(); });
    On(Notification::Clicked, res::kIdcDeleteUser, [this](NotifyEvent&) { OnDeleteUser(); });
    On(Notification::Clicked, res::kIdcDisablePasswords, [this](NotifyEvent&) { OnDisablePasswords(); });
}

CUserSelectionDialog::~CUserSelectionDialog() = default;

bool CUserSelectionDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcUserList)) {
        list->InsertColumn(0, "User Name", 320);
        ImageList icons(kUserIconSize, kUserIconSize);
        icons.Add(Application::Instance().Bitmaps().Get(res::kBitmapLoggerUser, {kUserIconSize, kUserIconSize}),
            res::colour::kKey);
        list->SetImageList(icons);
    }
    mode_ = Mode::Listing;
    nextIndex_ = 0;
    if (SendPassMan(Handle(), LoggerUserTable::ReadArguments(0)) != 0)
        mode_ = Mode::Idle;
    return true;
}

int CUserSelectionDialog::CheckDeleteAllowed(std::size_t index) const
{
    return users_.CheckDeleteAllowed(index, Connection().GetLoginUserName());
}

void CUserSelectionDialog::AddRow(const CUserInfo& user)
{
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcUserList))
        list->InsertItem(list->GetItemCount(), user.name, 0);
}

void CUserSelectionDialog::EnableDisableButton(bool enable)
{
    if (Control* button = GetControl(res::kIdcDisablePasswords))
        button->Enable(enable);
}

void CUserSelectionDialog::EnableWindowControls(bool enable)
{
    for (int id : {res::kIdcUserList, res::kIdcAddUser, res::kIdcEditUser, res::kIdcCopyUser, res::kIdcDeleteUser,
             res::kIdcDisablePasswords, kIdOk}) {
        if (Control* control = GetControl(id))
            control->Enable(enable);
    }
    if (enable)
        EnableDisableButton(!users_.Empty());
}

std::optional<std::size_t> CUserSelectionDialog::SingleSelection() const
{
    const auto* list = GetControlAs<ListViewControl>(res::kIdcUserList);
    if (list == nullptr || list->GetSelectedCount() != 1)
        return std::nullopt;
    const int row = list->GetSelectedItem();
    if (row < 0 || static_cast<std::size_t>(row) >= users_.Count())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void CUserSelectionDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    const CReplyMessage& answer = *reply;
    if (!answer.HasData())
        return;
    if (answer.RequestType() == kConfigSetRequest && mode_ == Mode::Disabling) {
        if (answer.ErrorFlag()) {
            EnableWindowControls(true);
            mode_ = Mode::Idle;
        } else {
            OnPasswordsOff();
        }
        return;
    }
    if (answer.RequestType() != kRequestPassMan || answer.DataLength() < kPassManReplyMinSize)
        return;
    switch (mode_) {
    case Mode::Listing: OnListingReply(answer); return;
    case Mode::Deleting: OnDeleteReply(answer); return;
    case Mode::Disabling:
        if (answer.ErrorFlag()) {
            // The logger kept its passwords: the dialog is usable again.
            ShowLoggerError(answer);
            EnableWindowControls(true);
            mode_ = Mode::Idle;
            return;
        }
        if (answer.Data()[0] == kPassManSwitch)
            OnPasswordsOff();
        return;
    case Mode::Idle:
        if (answer.ErrorFlag())
            ShowLoggerError(answer);
        return;
    }
}

void CUserSelectionDialog::OnListingReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        EndListing();
        return;
    }
    const ParsedUserRecord parsed = ParseUserRecord(reply.Data());
    if (!parsed.record) {
        EndListing();
        return;
    }
    CUserInfo user;
    user.name = Cp1252ToUtf8(parsed.record->name);
    user.password = Cp1252ToUtf8(parsed.record->password);
    user.rights = {parsed.record->rightsLow, parsed.record->rightsHigh};
    AddRow(user);
    users_.Append(std::move(user));
    if (users_.IsFull()) {
        EndListing();
        return;
    }
    ++nextIndex_;
    if (SendPassMan(Handle(), LoggerUserTable::ReadArguments(nextIndex_)) != 0)
        EndListing();
}

void CUserSelectionDialog::EndListing()
{
    mode_ = Mode::Idle;
    if (users_.Empty()) {
        Connection().SetFullAccessFlag(true);
        return;
    }
    Connection().SetFullAccessFlag(false);
    EnableDisableButton(true);
}

void CUserSelectionDialog::AddThroughProperties(RightsMask rights)
{
    const bool first = users_.Empty();
    CUserProperties properties(
        Connection(), status_, CUserProperties::Mode::Add, users_.Count(), CUserInfo{rights, {}, {}}, this);
    properties.SetForcedAdministrator(first);
    if (properties.DoModal() != kIdOk || properties.Result() != CUserProperties::kResultAdded)
        return;
    AddRow(properties.User());
    users_.Append(properties.User());
    changed_ = true;
    Connection().SetFullAccessFlag(false);
    EnableDisableButton(true);
    if (properties.PasswordsSwitchedOn()) {
        passwordsSwitchedOn_ = true;
        EndDialog(kIdOk);
    }
}

void CUserSelectionDialog::OnAddUser()
{
    if (mode_ != Mode::Idle)
        return;
    if (users_.IsFull()) {
        ShowUserBox(Handle(),
            "The Maximum number of users has been reached.\n\nYou cannot add more users to the system.", "Add User",
            MessageBoxIcon::Warning);
        return;
    }
    AddThroughProperties({});
}

void CUserSelectionDialog::OnCopyUser()
{
    if (mode_ != Mode::Idle)
        return;
    const std::optional<std::size_t> index = SingleSelection();
    if (!index)
        return;
    // No local limit here: the logger's refusal is shown from its reply.
    AddThroughProperties(users_.At(*index).rights);
}

void CUserSelectionDialog::OnEditUser()
{
    if (mode_ != Mode::Idle)
        return;
    const std::optional<std::size_t> index = SingleSelection();
    if (!index)
        return;
    const CUserInfo& user = users_.At(*index);
    CUserProperties properties(Connection(), status_, CUserProperties::Mode::Edit, *index, user, this);
    properties.SetForcedAdministrator(users_.IsLastAdministrator(*index));
    properties.SetEditingOneself(user.name == Connection().GetLoginUserName());
    if (properties.DoModal() != kIdOk || properties.Result() != CUserProperties::kResultChanged)
        return;
    users_.Replace(*index, properties.User());
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcUserList))
        list->SetItemText(static_cast<int>(*index), 0, properties.User().name);
    changed_ = true;
}

void CUserSelectionDialog::OnDeleteUser()
{
    if (mode_ != Mode::Idle)
        return;
    const std::optional<std::size_t> index = SingleSelection();
    if (!index)
        return;
    switch (CheckDeleteAllowed(*index)) {
    case LoggerUserTable::kDeleteLastAdministrator:
        ShowUserBox(Handle(),
            "Deleting the last remaining administrator is\nnot permitted while other users are\ndefined.\n\nOperation "
            "Aborted...",
            kDeleteCaption, MessageBoxIcon::Warning);
        return;
    case LoggerUserTable::kDeleteLoggedInUser:
        ShowUserBox(Handle(),
            "Deleting the currently logged in user is\nnot permitted while other users are\ndefined.\n\nOperation "
            "Aborted...",
            kDeleteCaption, MessageBoxIcon::Warning);
        return;
    default: break;
    }
    if (ShowUserBox(Handle(), "Are you sure you want to permanently delete\nuser '" + users_.At(*index).name + "' ?",
            "Confirm User Deletion", MessageBoxIcon::Question, MessageBoxButtons::YesNoCancel)
        != kIdYes)
        return;
    if (SendPassMan(Handle(), users_.DeleteArguments(*index)) != 0)
        return;
    pendingDelete_ = static_cast<int>(*index);
    mode_ = Mode::Deleting;
}

void CUserSelectionDialog::OnDeleteReply(const CReplyMessage& reply)
{
    const int index = pendingDelete_;
    mode_ = Mode::Idle;
    pendingDelete_ = -1;
    if (reply.ErrorFlag()) {
        ShowUserBox(Handle(),
            "An error occurred while deleting\nthe specified user entry.\n\nError Code = "
                + std::to_string(reply.Code()) + "\n\nMessage: " + ReplyText(reply),
            kDeleteCaption, MessageBoxIcon::Information);
        return;
    }
    const std::uint8_t operation = reply.Data()[0];
    if ((operation != kPassManDelete && operation != kPassManDeleteOnly) || index < 0)
        return;
    users_.Remove(static_cast<std::size_t>(index));
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcUserList))
        list->DeleteItem(index);
    changed_ = true;
    if (!users_.Empty()) {
        Connection().SetFullAccessFlag(false);
        return;
    }
    // The logger has no users, hence no passwords: the link is made anew.
    Connection().SetFullAccessFlag(true);
    EnableDisableButton(false);
    if (disconnect_)
        disconnect_();
    else
        (void)CxDisco(Handle());
    Connection().SetRightsLoaded(false);
    Connection().SetAuthenticated(false);
}

void CUserSelectionDialog::OnDisablePasswords()
{
    if (mode_ != Mode::Idle)
        return;
    if (ShowUserBox(Handle(), "Are you sure you want to disable passwords?", "Disable Passwords",
            MessageBoxIcon::Question, MessageBoxButtons::YesNoCancel)
        != kIdYes)
        return;
    if (Connection().IsLoggerEnabled()) {
        ShowUserBox(Handle(),
            "Passwords cannot be disabled while the Logger is enabled.\n\nPlease stop the Logger before disabling "
            "passwords.",
            "Unable to Disable Passwords", MessageBoxIcon::Warning);
        return;
    }
    if (SendPassMan(Handle(), LoggerUserTable::SwitchArguments(false)) != 0) {
        ShowUserBox(Handle(), "Problem Disabling Passwords", "Communication Error", MessageBoxIcon::Warning);
        return;
    }
    EnableWindowControls(false);
    mode_ = Mode::Disabling;
}

void CUserSelectionDialog::OnPasswordsOff()
{
    mode_ = Mode::Idle;
    changed_ = true;
    Connection().SetRightsLoaded(false);
    Connection().SetAuthenticated(false);
    EndDialog(kIdCancel);
}

void CUserSelectionDialog::OnCommTimeout(std::uint16_t requestType)
{
    if (requestType == kRequestPassMan) {
        if (mode_ == Mode::Listing) {
            mode_ = Mode::Idle;
            ShowUserBox(Handle(), "Timeout received while requesting User List.\n\nCheck Logger Connection",
                "User Selection", MessageBoxIcon::Warning);
            return;
        }
        // Nothing is shown, but the dialog stops waiting: Delete and
        // Disable work again.
        if (mode_ == Mode::Disabling)
            EnableWindowControls(true);
        mode_ = Mode::Idle;
        pendingDelete_ = -1;
        return;
    }
    if (requestType == kConfigSetRequest) {
        EnableWindowControls(true);
        mode_ = Mode::Idle;
        return;
    }
    SetStatusProgress(status_, "Timeout", false);
    ShowTimeoutBox();
}

}  // namespace corvane
