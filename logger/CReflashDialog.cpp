#include "logger/CReflashDialog.h"

#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/FlashAccessKey.h"
#include "logger/HiddenReconnect.h"
#include "logger/ReflashFolder.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/LogBoxControl.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/ReflashDialogs.h"
#include "res/ReflashIds.h"
#include "shell/StatusHelpers.h"

#include <algorithm>
#include <limits>
#include <string>

namespace corvane {

namespace {

constexpr std::string_view kInfoText
    = "This Reflash operation will update the operating firmware (system code) in the connected logger.\n\n"
      "1.  Program Net execution will be stopped if a logging session is in progress.\n"
      "2.  Both the data memory and the Program Net will be retained in the logger.\n"
      "3.  Network settings, unit name, etc will NOT be lost during the reflash.\n"
      "4.  After the reflash is complete, the logger will reset and restart.\n"
      "5.  The current Relay state can be maintained or reset during Reflash per the radio button settings:";

// The network interface kind of a cellular modem, in the low three bits
// of the logger's hardware type byte.
constexpr std::uint8_t kCellularInterface = 3;

MessageBoxIcon ToIcon(LoggerReflashPort::BoxIcon icon)
{
    switch (icon) {
    case LoggerReflashPort::BoxIcon::Error: return MessageBoxIcon::Error;
    case LoggerReflashPort::BoxIcon::Question: return MessageBoxIcon::Question;
    case LoggerReflashPort::BoxIcon::Warning: return MessageBoxIcon::Warning;
    }
    return MessageBoxIcon::None;
}

// The progress control counts in ints; a firmware file is far below that.
int ProgressValue(std::uint32_t value)
{
    return static_cast<int>(std::min<std::uint32_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

CReflashDialog::CReflashDialog(CConnectionDetails& connection, HiddenReconnectMaker& reconnects,
    ReflashFolder* folder, StatusSink& status, Window* parent)
    : CCommDialog(res::kReflashDialog, connection, parent),
      reconnects_(reconnects),
      folder_(folder),
      status_(status),
      reflash_(*this)
{
    On(Notification::Clicked, res::kIdcReflashStart, [this](NotifyEvent&) { OnStart(); });
}

CReflashDialog::~CReflashDialog() { reflash_.OnClose(); }

bool CReflashDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    GetControl(res::kIdcReflashInfo)->SetText(kInfoText);
    if (auto* retain = GetControlAs<ButtonControl>(res::kIdcReflashRetainRelay))
        retain->SetCheck(1);
    if (!reflash_.Begin(Connection().IsLoggerEnabled()))
        EndDialog(kIdCancel);
    return true;
}

std::intptr_t CReflashDialog::OnMessage(Message& message)
{
    if (message.id == kTimerMessage && message.wParam == kTimerId) {
        reflash_.OnTick();
        return 0;
    }
    return CCommDialog::OnMessage(message);
}

void CReflashDialog::OnOK()
{
    reflash_.OnClose();
    EndDialog(kIdOk);
}

void CReflashDialog::OnCancel()
{
    reflash_.OnClose();
    EndDialog(kIdCancel);
}

void CReflashDialog::OnStart()
{
    const auto* retain = GetControlAs<ButtonControl>(res::kIdcReflashRetainRelay);
    reflash_.Start(retain == nullptr || retain->GetCheck() != 0);
}

void CReflashDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    reflash_.OnReply(reply->RequestType(), reply->HasData(), reply->ErrorFlag(), reply->Code(), reply->ErrorText());
}

void CReflashDialog::OnCommTimeout(std::uint16_t requestType) { reflash_.OnTimeout(requestType); }

int CReflashDialog::SendStop() { return CxRun(Handle(), 0, 0); }

int CReflashDialog::SendFlashInit() { return CxFlashInit(Handle(), FlashAccessKey()); }

int CReflashDialog::SendFlashData(std::uint32_t offset, std::span<const std::uint8_t> block)
{
    return CxFlashData(Handle(), offset, block, static_cast<std::uint16_t>(block.size()));
}

int CReflashDialog::SendFlashExec(std::uint16_t relayOption)
{
    return CxFlashExec(Handle(), FlashAccessKey(), relayOption);
}

std::optional<std::filesystem::path> CReflashDialog::ChooseFirmwareFile()
{
    FileDialogRequest request;
    request.owner = Handle();
    request.open = true;
    request.folder = folder_ != nullptr ? folder_->Folder() : std::string();
    request.fileName = "*.bin";
    request.filter = "Firmware Files (*.bin)| *.bin||";
    request.defaultExtension = "bin";
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty())
        return std::nullopt;
    if (folder_ != nullptr)
        folder_->KeepFolderOf(chosen->paths.front());
    return std::filesystem::path(chosen->paths.front());
}

void CReflashDialog::AppendLog(std::string_view line)
{
    if (auto* log = GetControlAs<LogBoxControl>(res::kIdcReflashLog))
        log->AppendLine(line);
}

void CReflashDialog::SetProgressRange(std::uint32_t upper)
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcReflashProgress)) {
        progress->SetRange(0, ProgressValue(upper));
        progress->SetStep(1);
    }
}

void CReflashDialog::SetProgressPosition(std::uint32_t position)
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcReflashProgress))
        progress->SetPos(ProgressValue(position));
}

void CReflashDialog::StepProgress()
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcReflashProgress);
        progress != nullptr && progress->GetPos() < progress->GetUpper())
        progress->StepIt();
}

void CReflashDialog::ShowCloseButton() { GetControl(kIdOk)->SetText("Close"); }

void CReflashDialog::ShowBox(std::string_view text, std::string_view caption, BoxIcon icon)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = ToIcon(icon);
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

bool CReflashDialog::AskOkCancel(std::string_view text, std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.buttons = MessageBoxButtons::OkCancel;
    return Application::Instance().Prompts().ShowMessageBox(request) == kIdOk;
}

bool CReflashDialog::AskYesNo(std::string_view text, std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.buttons = MessageBoxButtons::YesNo;
    request.icon = MessageBoxIcon::Question;
    return Application::Instance().Prompts().ShowMessageBox(request) == kIdYes;
}

void CReflashDialog::ShowTimeoutStatus() { SetStatusProgress(status_, "Timeout", false); }

void CReflashDialog::StartTimer() { (void)SetTimer(kTimerId, kTimerIntervalMs); }

void CReflashDialog::StopTimer() { (void)KillTimer(kTimerId); }

std::unique_ptr<HiddenReconnect> CReflashDialog::MakeHiddenReconnect()
{
    return reconnects_.MakeHiddenReconnect(*this);
}

void CReflashDialog::SetReflashing(bool reflashing) { Connection().SetReflashing(reflashing); }

bool CReflashDialog::IsCellularLogger()
{
    return (Connection().GetLoggerCapabilityByte() & 0x07) == kCellularInterface;
}

void CReflashDialog::CloseCancelled() { EndDialog(kIdCancel); }

}  // namespace corvane
