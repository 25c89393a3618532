#include "commwindow/HiddenConnectDialog.h"

#include "commwindow/CConnectDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

HiddenConnectDialog::HiddenConnectDialog(std::unique_ptr<CConnectDialog> dialog) : dialog_(std::move(dialog)) {}

HiddenConnectDialog::~HiddenConnectDialog() = default;

std::unique_ptr<HiddenConnectDialog> HiddenConnectDialog::Create(
    CommWindowServices& services, CommWindowHooks* hooks, Window& parent)
{
    auto dialog = std::make_unique<CConnectDialog>(services, hooks, true, &parent);
    if (!dialog->CreateHidden())
        return nullptr;
    return std::make_unique<HiddenConnectDialog>(std::move(dialog));
}

void HiddenConnectDialog::PostDisconnect()
{
    dialog_->PostMessage(CConnectDialog::kCommandMessage, res::kIdcConnectDisconnect);
}

void HiddenConnectDialog::PostConnectWaiting() { dialog_->PostMessage(CConnectDialog::kConnectNowMessage, 1); }

int HiddenConnectDialog::Result() const { return dialog_->ConnectResult(); }

HiddenConnectDialogMaker::HiddenConnectDialogMaker(CommWindowServices& services, CommWindowHooks* hooks)
    : services_(services), hooks_(hooks)
{
}

std::unique_ptr<HiddenReconnect> HiddenConnectDialogMaker::MakeHiddenReconnect(Window& parent)
{
    return HiddenConnectDialog::Create(services_, hooks_, parent);
}

}  // namespace corvane
