#include "logger/CRemoteCtrlDialog.h"

#include "base/Cp1252.h"
#include "comms/CConnectionDetails.h"
#include "controls/COptionsEdit.h"
#include "controls/CTreeOptionsCtrl.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RemoteIconLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/RemoteValueText.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/ImageList.h"
#include "platform/TreeViewControl.h"
#include "res/RemoteProbeDialogs.h"
#include "res/RemoteProbeIds.h"
#include "res/ResourceIds.h"
#include "shell/StatusHelpers.h"

#include <optional>

namespace corvane {

namespace {

constexpr int kImageSize = 20;
constexpr RgbColour kImageMask{0xFF, 0x00, 0xFF};
constexpr int kGroupImage = 0;
constexpr int kConstantImage = 1;
constexpr int kSwitchImage = 2;

}  // namespace

CRemoteCtrlDialog::CRemoteCtrlDialog(
    CConnectionDetails& connection, StatusSink& status, bool& verifyChoice, Window* parent)
    : CCommDialog(res::kRemoteControlsDialog, connection, parent), status_(status), verifyChoice_(verifyChoice)
{
    On(Notification::Clicked, res::kIdcRemoteSend, [this](NotifyEvent&) { OnSendValues(); });
}

CRemoteCtrlDialog::~CRemoteCtrlDialog()
{
    // The editors of the tree go before the tree view they lie over.
    tree_.reset();
}

bool CRemoteCtrlDialog::OnInitDialog()
{
    const bool result = CCommDialog::OnInitDialog();
    verifyBeforeSend_ = verifyChoice_;
    if (auto* verify = GetControlAs<ButtonControl>(res::kIdcRemoteVerify))
        verify->SetCheck(verifyBeforeSend_ ? 1 : 0);
    if (auto* view = GetControlAs<TreeViewControl>(res::kIdcRemoteTree)) {
        ImageList images(kImageSize, kImageSize);
        images.Add(Application::Instance().Bitmaps().Get(res::kBitmapRemoteControlTree), kImageMask);
        view->SetImageList(images);
        tree_ = std::make_unique<CTreeOptionsCtrl>(*view);
    }
    if (CxIcpMsg(Handle(), kRemoteIconMessageKind, RemoteListBlock(0)) != kCxOk)
        ShowBox("Unable to send icon request to logger", "Communication Error", MessageBoxIcon::Warning);
    return result;
}

void CRemoteCtrlDialog::ShowBox(std::string_view text, std::string_view caption, MessageBoxIcon icon)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = icon;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CRemoteCtrlDialog::FillTree()
{
    if (!tree_)
        return;
    tree_->DeleteAllItems();
    TreeViewControl& view = tree_->View();
    constantsGroup_ = tree_->InsertGroup("Remote Constants", kGroupImage);
    for (const auto& constant : constants_) {
        constant->Item = view.InsertItem(constant->Name, constantsGroup_, kTreeLast, kConstantImage, kConstantImage);
        tree_->AddEditBox(constant->Item, COptionsEdit::Class());
        tree_->SetEditText(constant->Item, constant->ValueText);
    }
    switchesGroup_ = tree_->InsertGroup("Remote Switches", kGroupImage);
    for (const auto& remoteSwitch : switches_) {
        remoteSwitch->Item = tree_->InsertGroup(remoteSwitch->Name, kSwitchImage, switchesGroup_);
        remoteSwitch->HighItem = tree_->InsertRadioButton("High", remoteSwitch->Item, remoteSwitch->SwitchState == 1);
        remoteSwitch->LowItem = tree_->InsertRadioButton("Low", remoteSwitch->Item, remoteSwitch->SwitchState != 1);
        view.Expand(remoteSwitch->Item);
    }
    view.Expand(constantsGroup_);
    view.Expand(switchesGroup_);
    tree_->SelectItem(constantsGroup_);
}

void CRemoteCtrlDialog::OnSendValues()
{
    if (!MayRequest(kRequestIconMsg, "Modify Remote Control Settings"))
        return;
    if (tree_)
        tree_->EndEdit();
    // Every constant's text must be a number before anything is sent: a
    // value the user did not mean must never reach a running net.
    std::vector<float> newConstants;
    for (const auto& constant : constants_) {
        const std::optional<float> value = ParseRemoteValue(tree_ ? tree_->GetEditText(constant->Item) : std::string());
        if (!value) {
            ShowBox(kNotANumberText, kCaption, MessageBoxIcon::Warning);
            if (tree_)
                tree_->SelectItem(constant->Item);
            return;
        }
        newConstants.push_back(*value);
    }
    const auto* verify = GetControlAs<ButtonControl>(res::kIdcRemoteVerify);
    verifyBeforeSend_ = verify != nullptr && verify->GetCheck() != 0;
    verifyChoice_ = verifyBeforeSend_;
    if (verifyBeforeSend_) {
        MessageBoxRequest question;
        question.owner = Handle();
        question.text = "Are you sure you want to change Remote Icon values";
        question.caption = std::string(kCaption);
        question.buttons = MessageBoxButtons::YesNo;
        question.icon = MessageBoxIcon::Question;
        if (Application::Instance().Prompts().ShowMessageBox(question) != kIdYes)
            return;
    }
    acksReceived_ = 0;
    requestsSent_ = 0;
    for (const auto& remoteSwitch : switches_) {
        bool high = false;
        if (tree_)
            (void)tree_->GetRadioButton(remoteSwitch->HighItem, high);
        remoteSwitch->NewSwitchState = high ? 1 : 0;
        if (CxIconMsg(Handle(), kRemoteIconMessageKind, static_cast<std::uint16_t>(remoteSwitch->IconId),
                RemoteSwitchBlock(high))
            == kCxOk)
            ++requestsSent_;
    }
    for (std::size_t i = 0; i < constants_.size(); ++i) {
        CRemoteControlInfo& constant = *constants_[i];
        constant.NewConstantValue = newConstants[i];
        if (CxIconMsg(Handle(), kRemoteIconMessageKind, static_cast<std::uint16_t>(constant.IconId),
                RemoteConstantBlock(constant.NewConstantValue))
            == kCxOk)
            ++requestsSent_;
    }
}

void CRemoteCtrlDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    const std::uint16_t type = reply->RequestType();
    if (type != kRequestIcpMsg && type != kRequestIconMsg)
        return;
    if (reply->ErrorFlag()) {
        ShowLoggerError(*reply);
        return;
    }
    if (reply->DataLength() == 0)
        return;
    if (type == kRequestIcpMsg)
        OnListReply(*reply);
    else
        OnAcknowledgement(*reply);
}

void CRemoteCtrlDialog::OnListReply(const CReplyMessage& reply)
{
    auto parsed = ParseRemoteControlList(reply.Data());
    const auto* list = std::get_if<RemoteControlList>(&parsed);
    if (list == nullptr)
        return;
    for (const RemoteControlRecord& record : list->records) {
        auto info = std::make_unique<CRemoteControlInfo>();
        info->IconId = record.iconId;
        info->Name = Cp1252ToUtf8(record.name);
        if (record.isSwitch) {
            info->SwitchState = record.switchHigh ? 1 : 0;
            switches_.push_back(std::move(info));
        } else {
            info->ConstantValue = record.constant;
            info->ValueText = FormatRemoteConstant(record.constant);
            constants_.push_back(std::move(info));
        }
    }
    if (list->continuation != 0) {
        if (CxIcpMsg(Handle(), kRemoteIconMessageKind, RemoteListBlock(list->continuation)) != kCxOk)
            ShowBox("Unable to send icon request to logger", "Communication Error", MessageBoxIcon::Warning);
        return;
    }
    FillTree();
}

void CRemoteCtrlDialog::OnAcknowledgement(const CReplyMessage& reply)
{
    if (reply.DataLength() != kRemoteAckSize)
        return;
    if (++acksReceived_ != requestsSent_)
        return;
    for (const auto& constant : constants_) {
        constant->ConstantValue = constant->NewConstantValue;
        constant->ValueText = FormatRemoteConstant(constant->ConstantValue);
    }
    for (const auto& remoteSwitch : switches_)
        remoteSwitch->SwitchState = remoteSwitch->NewSwitchState;
}

void CRemoteCtrlDialog::OnCommTimeout(std::uint16_t /*requestType*/)
{
    SetStatusProgress(status_, "Timeout", false);
    ShowTimeoutBox();
}

}  // namespace corvane
