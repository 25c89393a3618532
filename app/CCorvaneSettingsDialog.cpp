#include "app/CCorvaneSettingsDialog.h"

#include "shell/CRegistry.h"
#include "app/ProgramSettings.h"
#include "comms/CConnectionDetails.h"
#include "halvix/HalvixLib.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/ProgramSettingsDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

namespace {

constexpr int kMinMessageTimeout = 5;
constexpr int kMaxMessageTimeout = 30;
constexpr int kMinConnectionTimeout = 5;
constexpr int kMaxConnectionTimeout = 60;

}  // namespace

CCorvaneSettingsDialog::CCorvaneSettingsDialog(Context context, Window* parent)
    : Dialog(res::kProgramSettingsDialog, parent), context_(context)
{
    On(Notification::Clicked, res::kIdcCardFolderBrowse, [this](NotifyEvent&) { ChooseCardFolder(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpId); });
}

bool CCorvaneSettingsDialog::OnInitDialog()
{
    {
        // A stored mount point is shown; anything else (an old drive
        // letter, or nothing) leaves the choice empty.
        CRegistry card(context_.store, CRegistry::kCreate);
        cardFolder_.clear();
        if (card.Open(kSdCardKey)) {
            CRegEntry& entry = card["DriveLetter"];
            if (entry.Exists()) {
                const std::string stored = entry.GetString();
                if (!stored.empty() && stored.front() == '/')
                    cardFolder_ = stored;
            }
        }
    }
    {
        CRegistry product(context_.store, CRegistry::kCreate);
        commTrace_ = 0;
        if (product.Open(kProductKey)) {
            CRegEntry& entry = product["CommTrace"];
            if (entry.Exists())
                commTrace_ = entry.GetDword() != 0 ? 1 : 0;
            else
                (void)entry.SetDword(0);
        }
    }
    messageTimeout_ = static_cast<int>(context_.messageTimeoutMs / 1000);
    connectionTimeout_ = static_cast<int>(context_.socketTimeoutMs / 1000);
    return Dialog::OnInitDialog();
}

void CCorvaneSettingsDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcCardDriveLetter, cardFolder_);
    DdxCheck(exchange, res::kIdcCommTrace, commTrace_);
    DdxInt(exchange, res::kIdcMessageTimeout, messageTimeout_);
    DdxInt(exchange, res::kIdcConnectionTimeout, connectionTimeout_);
}

void CCorvaneSettingsDialog::ChooseCardFolder()
{
    const std::optional<std::string> folder = Application::Instance().Prompts().ChooseFolder(
        Handle(), "Card Reader Mount Point", GetControl(res::kIdcCardDriveLetter)->GetText());
    if (folder && !folder->empty())
        GetControl(res::kIdcCardDriveLetter)->SetText(*folder);
}

void CCorvaneSettingsDialog::ShowBox(const char* text)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = text;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CCorvaneSettingsDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    // The mount point and the trace are kept even when a time-out is refused below.
    if (!cardFolder_.empty()) {
        CRegistry card(context_.store, CRegistry::kCreate);
        if (card.Open(kSdCardKey))
            (void)card["DriveLetter"].SetString(cardFolder_);
    }
    {
        CRegistry product(context_.store, CRegistry::kCreate);
        if (product.Open(kProductKey)) {
            (void)product["CommTrace"].SetDword(static_cast<std::uint32_t>(commTrace_));
            (void)CxSetLoggingFlags(commTrace_ != 0 ? -1 : 0);
        }
    }
    if (messageTimeout_ < kMinMessageTimeout || messageTimeout_ > kMaxMessageTimeout) {
        ShowBox("Valid message timeout is between 5 and 30 seconds");
        return;
    }
    if (connectionTimeout_ < kMinConnectionTimeout || connectionTimeout_ > kMaxConnectionTimeout) {
        ShowBox("Valid connection timeout is between 5 and 60 seconds");
        return;
    }
    {
        CRegistry product(context_.store, CRegistry::kCreate);
        if (product.Open(kProductKey)) {
            const auto messageMs = static_cast<std::uint32_t>(messageTimeout_) * 1000u;
            const auto socketMs = static_cast<std::uint32_t>(connectionTimeout_) * 1000u;
            (void)product["LoggerRetryTime"].SetDword(messageMs);
            context_.messageTimeoutMs = messageMs;
            (void)product["SocketTimeout"].SetDword(socketMs);
            context_.socketTimeoutMs = socketMs;
        }
    }
    if (context_.connection != nullptr && context_.connection->IsConnected())
        ShowBox("Settings applied after logger disconnect/reconnect");
    EndDialog(kIdOk);
}

}  // namespace corvane
