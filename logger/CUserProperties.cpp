#include "logger/CUserProperties.h"

#include "base/Cp1252.h"
#include "comms/UserPermissionTable.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "logger/LoggerUserTable.h"
#include "logger/UserDialogBoxes.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/EditControl.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "res/IconStyle.h"
#include "res/LoggerUserDialogs.h"
#include "res/LoggerUserIds.h"
#include "res/ResourceIds.h"
#include "shell/StatusHelpers.h"

namespace corvane {

namespace {

constexpr std::string_view kCaption = "User Properties";
constexpr std::uint32_t kPasswordManagementBit = 0x80000000u;
constexpr int kStateImageSize = 16;

int SendPassMan(WindowHandle window, const PassManArguments& a)
{
    return CxPassMan(window, a.operation, a.subCode, Utf8ToCp1252(a.name, kMaxUserNameBytes),
        Utf8ToCp1252(a.password, kMaxPasswordBytes), a.rights.low, a.rights.high);
}

}  // namespace

CUserProperties::CUserProperties(
    CConnectionDetails& connection, StatusSink& status, Mode mode, std::size_t index, CUserInfo user, Window* parent)
    : CCommDialog(res::kUserPropertiesDialog, connection, parent), status_(status), mode_(mode), index_(index),
      user_(std::move(user)), original_(user_)
{
    On(Notification::ItemChecked, res::kIdcPermissionList,
        [this](NotifyEvent& event) { OnPermissionClick(static_cast<std::size_t>(event.item)); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), res::kHelpUserProperties); });
}

CUserProperties::~CUserProperties() = default;

bool CUserProperties::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (auto* name = GetControlAs<EditControl>(res::kIdcUserName)) {
        name->SetLimitText(kTextLimit);
        name->SetText(user_.name);
        name->SetReadOnly(mode_ == Mode::Edit);
    }
    if (auto* password = GetControlAs<EditControl>(res::kIdcUserPassword)) {
        password->SetLimitText(kTextLimit);
        password->SetText(user_.password);
    }
    rows_ = PermissionRows::FromRights(user_.rights);
    if (mode_ == Mode::Add)
        rows_.SetState(PermissionRows::kProgramAccessRow, PermissionState::Checked);
    rows_.ApplyPermissionRules(forcedAdministrator_);
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcPermissionList)) {
        list->InsertColumn(0, "Permissions", 220);
        ImageList states(kStateImageSize, kStateImageSize);
        states.Add(Application::Instance().Bitmaps().Get(res::kBitmapPermissionStates, {48, 16}), res::colour::kKey);
        list->SetStateImageList(states);
        for (std::size_t row = 0; row < PermissionRows::kRowCount; ++row)
            list->InsertItem(static_cast<int>(row), kUserPermissionTable[row].name);
    }
    ShowRows();
    return true;
}

void CUserProperties::ShowRows()
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcPermissionList);
    if (list == nullptr)
        return;
    for (std::size_t row = 0; row < PermissionRows::kRowCount; ++row)
        list->SetItemState(static_cast<int>(row), static_cast<int>(rows_.State(row)));
}

void CUserProperties::Warn(std::string_view text) { ShowUserBox(Handle(), text, kCaption, MessageBoxIcon::Warning); }

void CUserProperties::OnPermissionClick(std::size_t row)
{
    if (editingOneself_ && (original_.rights.low & kPasswordManagementBit) == 0) {
        ShowUserBox(
            Handle(), "Users cannot modify their own permissions", "Invalid Operation", MessageBoxIcon::Warning);
        return;
    }
    rows_.Toggle(row);
    rows_.ApplyPermissionRules(forcedAdministrator_);
    ShowRows();
}

void CUserProperties::OnOK()
{
    if (pending_)
        return;  // one request at a time
    const auto* nameEdit = GetControlAs<EditControl>(res::kIdcUserName);
    const auto* passwordEdit = GetControlAs<EditControl>(res::kIdcUserPassword);
    CUserInfo edited;
    edited.name = nameEdit != nullptr ? nameEdit->GetText() : std::string();
    edited.password = passwordEdit != nullptr ? passwordEdit->GetText() : std::string();
    if (edited.name.empty()) {
        Warn("Please enter a User Name");
        return;
    }
    if (edited.password.empty()) {
        Warn("Please enter a User Password");
        return;
    }
    edited.rights = rows_.Rights();
    if (mode_ == Mode::Add) {
        const PassManArguments add{
            kPassManAdd, static_cast<std::uint8_t>(index_), edited.name, edited.password, edited.rights};
        if (SendPassMan(Handle(), add) != 0) {
            Warn("Problem Adding New User");
            return;
        }
        user_ = edited;
        result_ = kResultAdded;
        pending_ = kPassManAdd;
        return;
    }
    if (edited.password == original_.password && edited.rights == original_.rights) {
        EndDialog(kIdCancel);
        return;
    }
    edited.name = original_.name;
    if (SendPassMan(Handle(), LoggerUserTable::ChangeArguments(index_, edited)) != 0) {
        Warn("Problem Editing User Properties");
        return;
    }
    user_ = edited;
    result_ = kResultChanged;
    pending_ = kPassManChange;
}

void CUserProperties::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (reply->RequestType() != kRequestPassMan || reply->DataLength() < kPassManReplyMinSize || !pending_)
        return;
    const std::uint8_t operation = *pending_;
    pending_.reset();
    if (reply->ErrorFlag()) {
        const bool exists = reply->Code() == kCodeUserExists;
        if (operation == kPassManAdd) {
            result_ = kResultNone;
            ShowUserBox(Handle(),
                exists ? "Unable to add user.\n\nThere is already a user of that name"
                       : "There was an error (" + ReplyCodeHex(*reply) + ") adding this user\n\nError Text: '"
                        + ReplyText(*reply) + "'",
                kCaption, MessageBoxIcon::Warning);
        } else if (operation == kPassManChange) {
            result_ = kResultNone;
            ShowUserBox(Handle(),
                exists ? "Unable to modify user.\n\nThere is already a user of that name"
                       : "There was an error (" + ReplyCodeHex(*reply) + ") updating this user\n\nError Text: '"
                        + ReplyText(*reply) + "'",
                kCaption, MessageBoxIcon::Warning);
        } else {
            // The user was added but passwords did not go on: the dialog
            // is done, and the list shows the new user.
            ShowLoggerError(*reply);
            EndDialog(kIdOk);
        }
        return;
    }
    if (operation == kPassManAdd) {
        OnAddedReply();
        return;
    }
    if (operation == kPassManSwitch)
        passwordsSwitchedOn_ = true;
    EndDialog(kIdOk);
}

void CUserProperties::OnAddedReply()
{
    if (index_ != 0) {
        EndDialog(kIdOk);
        return;
    }
    // The logger's first user: passwords go on with it.
    if (SendPassMan(Handle(), LoggerUserTable::SwitchArguments(true)) != 0) {
        ShowUserBox(Handle(), "Problem Enabling Passwords", "Communication Error", MessageBoxIcon::Warning);
        EndDialog(kIdOk);
        return;
    }
    pending_ = kPassManSwitch;
}

void CUserProperties::OnCommTimeout(std::uint16_t requestType)
{
    if (requestType == kRequestPassMan) {
        SetStatusProgress(status_, "Timeout", false);
        const std::optional<std::uint8_t> operation = pending_;
        pending_.reset();
        const std::string_view text = operation == kPassManAdd
            ? "There was a communication timeout error\nwhile attempting to modify the add the user"
            : operation == kPassManChange
            ? "There was a communication timeout error\nwhile attempting to modify the user information"
            : "A communication timeout was detected";
        result_ = kResultTimedOut;
        ShowUserBox(Handle(), text, kCaption, MessageBoxIcon::Error);
        return;
    }
    if (requestType == kRequestPassWd) {
        ShowUserBox(Handle(), "There was a communication timeout while\nattempting to login after adding the user.",
            "Communication Timeout", MessageBoxIcon::Error);
        return;
    }
    ShowTimeoutBox();
}

}  // namespace corvane
