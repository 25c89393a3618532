#include "commwindow/CModuleNodeDlg.h"

#include "base/ByteWriter.h"
#include "base/Cp1252.h"
#include "commwindow/CChangeModuleName.h"
#include "commwindow/CalibrationTimeText.h"
#include "commwindow/CommWindowServices.h"
#include "commwindow/ModuleNodeTexts.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/ReflashFolder.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "platform/SettingsStore.h"
#include "res/ModuleNodeDialogs.h"
#include "res/ModuleNodeIds.h"
#include "shell/StatusHelpers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <filesystem>
#include <limits>

namespace corvane {

namespace {

constexpr std::string_view kAdminKey = "Software\\Tarnwick\\Corvane\\Admin";
constexpr std::uint32_t kLowestSerial = 100000000;
constexpr std::uint32_t kHighestSerial = 999999999;
constexpr int kStatusProgressRange = 100;
constexpr int kStatusProgressStep = 5;

const DialogTemplate& LayoutFor(std::uint8_t moduleType)
{
    return moduleType == kModuleTypeAnalog ? res::kVexa7NodeDialog : res::kVexa2NodeDialog;
}

bool ShowProductionSetting(const SettingsStore& settings)
{
    const std::optional<SettingsValue> value = settings.GetValue(kAdminKey, "ShowProduction");
    const std::uint32_t* number = value ? value->AsDword() : nullptr;
    return number != nullptr && *number != 0;
}

// The leading decimal digits of a text as an unsigned number (0 without
// any; a number too large for 32 bits counts as the largest).
std::uint32_t LeadingDecimal(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<std::uint32_t>::max();
    return error == std::errc() ? value : 0;
}

int ClampToInt(std::uint64_t value) { return static_cast<int>(std::min<std::uint64_t>(value, INT_MAX)); }

}  // namespace

CModuleNodeDlg::CModuleNodeDlg(
    std::uint8_t moduleType, std::uint8_t address, CommWindowServices& services, Window* parent)
    : CCommDialog(LayoutFor(moduleType), services.Connection(), parent), services_(services),
      moduleType_(moduleType == kModuleTypeAnalog ? kModuleTypeAnalog : kModuleTypeDigital), address_(address),
      reflash_(*this, moduleType_)
{
    On(Notification::Clicked, res::kIdcNodeChange, [this](NotifyEvent&) { OnChangeName(); });
    On(Notification::Clicked, res::kIdcNodeReflash, [this](NotifyEvent&) { OnReflash(); });
    if (moduleType_ == kModuleTypeDigital)
        On(Notification::Clicked, res::kIdcNodeSetSerial, [this](NotifyEvent&) { OnSetSerialNumber(); });
}

CModuleNodeDlg::~CModuleNodeDlg() { EndReflash(); }

bool CModuleNodeDlg::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (auto* addressText = GetControl(res::kIdcNodeAddress))
        addressText->SetText(std::to_string(address_));
    if (moduleType_ == kModuleTypeDigital) {
        const bool production = ShowProductionSetting(services_.Settings());
        if (auto* setSerial = GetControl(res::kIdcNodeSetSerial))
            setSerial->Show(production);
        if (auto* newSerial = GetControlAs<EditControl>(res::kIdcNodeNewSerial)) {
            newSerial->SetLimitText(kNewSerialLimit);
            newSerial->Show(production);
        }
    }
    RequestModuleInfo();
    return true;
}

void CModuleNodeDlg::OnOK()
{
    EndReflash();
    CCommDialog::OnOK();
}

void CModuleNodeDlg::OnCancel()
{
    EndReflash();
    CCommDialog::OnCancel();
}

void CModuleNodeDlg::EndReflash()
{
    if (Handle())
        KillTimer(kPauseTimerId);
    reflash_.Abort();
}

void CModuleNodeDlg::RequestModuleInfo()
{
    record_.reset();
    (void)CxTlTran(Handle(), address_, kModuleCmdInformation, {});
}

std::intptr_t CModuleNodeDlg::OnMessage(corvane::Message& message)
{
    if (message.id == kTimerMessage && message.wParam == kPauseTimerId) {
        KillTimer(kPauseTimerId);
        reflash_.OnPauseElapsed();
        return 0;
    }
    return CCommDialog::OnMessage(message);
}

void CModuleNodeDlg::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (!reply->HasData())
        return;
    if (reply->RequestType() == kRequestTlTran) {
        OnModuleReply(*reply);
        return;
    }
    if (reply->RequestType() != kRequestTlFlash)
        return;
    // Each answer to a status request moves the bar on while the module works.
    if (reply->ErrorFlag() && reflash_.GetState() == ModuleReflash::State::StatusRequested) {
        if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNodeProgress))
            progress->StepIt();
    }
    reflash_.OnReply(reply->ErrorFlag(), reply->Code(), reply->ErrorText());
}

void CModuleNodeDlg::OnModuleReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        ShowLoggerError(reply);
        if (updating_) {
            nameText_ = "???";
            RefreshControls();
            updating_ = false;
            ShowChangeButton(true);
        }
        return;
    }
    const std::optional<std::uint8_t> command = reply.U8At(1);
    if (!command)
        return;
    switch (*command) {
    case kModuleCmdInformation: OnInformation(reply); return;
    case kModuleCmdWriteName:
        if (updating_) {
            updating_ = false;
            nameText_ = newName_;
            RefreshControls();
            ShowChangeButton(true);
        }
        return;
    case kModuleCmdWriteSerial:
        if (moduleType_ == kModuleTypeDigital)
            RequestModuleInfo();
        return;
    case kModuleCmdCalibration:
        if (moduleType_ != kModuleTypeAnalog)
            return;
        calibration_ = ParseModuleCalibration(reply.Data());
        if (calibration_) {
            ShowCalibrationData();
        } else {
            typeText_ = std::string(kProblemText);
            RefreshControls();
        }
        return;
    default: return;
    }
}

void CModuleNodeDlg::OnInformation(const CReplyMessage& reply)
{
    record_ = ParseModuleInformation(reply.Data());
    if (!record_) {
        typeText_ = std::string(kProblemText);
        RefreshControls();
        return;
    }
    nameText_ = Cp1252ToUtf8(record_->name);
    firmwareText_ = FirmwareVersionText(*record_);
    // A module without firmware can only be reflashed.
    if (auto* change = GetControl(res::kIdcNodeChange))
        change->Enable(record_->HasFirmware());
    if (auto* reflashButton = GetControl(res::kIdcNodeReflash))
        reflashButton->Show(true);
    typeText_ = ModuleTypeText(record_->type);
    serialText_ = SerialNumberText(record_->serial);
    if (moduleType_ == kModuleTypeAnalog)
        (void)CxTlTran(Handle(), address_, kModuleCmdCalibration, {});
    RefreshControls();
}

void CModuleNodeDlg::ShowCalibrationData()
{
    lastCalibrationText_ = CalibrationTimeText(calibration_->lastCalibration);
    calibrationDueText_ = CalibrationTimeText(static_cast<std::int32_t>(calibration_->due));
    commentText_ = calibration_->HasCalibration() ? Cp1252ToUtf8(calibration_->comment) : std::string();
    RefreshControls();
}

void CModuleNodeDlg::RefreshControls()
{
    const std::array<std::pair<int, const std::string*>, 7> texts = {{
        {res::kIdcNodeName, &nameText_},
        {res::kIdcNodeModuleType, &typeText_},
        {res::kIdcNodeSerial, &serialText_},
        {res::kIdcNodeFirmware, &firmwareText_},
        {res::kIdcNodeLastCalibration, &lastCalibrationText_},
        {res::kIdcNodeCalibrationDue, &calibrationDueText_},
        {res::kIdcNodeComments, &commentText_},
    }};
    for (const auto& [id, text] : texts) {
        if (auto* control = GetControl(id))
            control->SetText(*text);
    }
}

void CModuleNodeDlg::ShowChangeButton(bool show)
{
    if (auto* change = GetControl(res::kIdcNodeChange))
        change->Show(show);
}

void CModuleNodeDlg::OnChangeName()
{
    if (updating_)
        return;
    CChangeModuleName dialog(nameText_, this);
    nameDialog_ = &dialog;
    const int answer = dialog.DoModal();
    nameDialog_ = nullptr;
    if (answer != kIdOk)
        return;
    // The module keeps its name as Windows-1252 bytes in a 32-byte field.
    const std::string wireName = Utf8ToCp1252(dialog.Name(), kModuleNameBytes);
    std::array<std::uint8_t, kModuleNameBytes> field{};
    std::copy(wireName.begin(), wireName.end(), field.begin());
    if (CxTlTran(Handle(), address_, kModuleCmdWriteName, field) != 0)
        return;
    newName_ = Cp1252ToUtf8(wireName);
    updating_ = true;
    ShowChangeButton(false);
    nameText_ = std::string(kUpdatingText);
    RefreshControls();
}

void CModuleNodeDlg::OnSetSerialNumber()
{
    const auto* edit = GetControlAs<EditControl>(res::kIdcNodeNewSerial);
    const std::uint32_t serial = LeadingDecimal(edit != nullptr ? edit->GetText() : std::string());
    if (serial < kLowestSerial || serial > kHighestSerial) {
        ShowBox("Valid serial numbers contain 9 decimal digits...", "Invalid serial number");
        return;
    }
    std::array<std::uint8_t, kModuleSerialBytes> bytes{};
    ByteWriter writer(bytes);
    writer.U32BE(serial);
    if (CxTlTran(Handle(), address_, kModuleCmdWriteSerial, bytes) != 0)
        ShowBox("Error setting module serial number.", "Communication Error");
}

void CModuleNodeDlg::OnReflash()
{
    if (reflash_.Running())
        return;
    FileDialogRequest request;
    request.owner = Handle();
    request.open = true;
    ReflashFolder* folder = services_.ReflashFiles();
    request.fileName = (folder != nullptr ? folder->Folder() : std::string()) + "*.bin";
    request.filter = "Firmware Files (*.bin)| *.bin||";
    request.defaultExtension = "bin";
    request.fileMustExist = true;
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty())
        return;
    firmwarePath_ = chosen->paths.front();
    if (folder != nullptr)
        folder->KeepFolderOf(firmwarePath_);
    if (auto* progress = GetControl(res::kIdcNodeProgress))
        progress->Show(true);
    if (auto* firmware = GetControl(res::kIdcNodeFirmware))
        firmware->Show(false);
    if (auto* reflashButton = GetControl(res::kIdcNodeReflash))
        reflashButton->Show(false);
    reflash_.Start();
}

void CModuleNodeDlg::RestoreReflashDisplay()
{
    if (auto* progress = GetControl(res::kIdcNodeProgress))
        progress->Show(false);
    if (auto* firmware = GetControl(res::kIdcNodeFirmware))
        firmware->Show(true);
    if (auto* reflashButton = GetControl(res::kIdcNodeReflash))
        reflashButton->Show(true);
}

void CModuleNodeDlg::ShowBox(std::string_view text, std::string_view caption, bool information)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    request.icon = information ? MessageBoxIcon::Information : MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CModuleNodeDlg::OnCommTimeout(std::uint16_t requestType)
{
    if (requestType == kRequestTlTran) {
        nameText_ = "???";
        RefreshControls();
        updating_ = false;
        ShowChangeButton(true);
        return;
    }
    if (requestType == kRequestTlFlash) {
        reflash_.OnTimeout();
        return;
    }
    SetStatusProgress(services_.Status(), "Timeout", false);
    ShowTimeoutBox();
}

bool CModuleNodeDlg::SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data)
{
    if (subCommand == kFlashEnd) {
        // Every block is sent: the bar gives way to the version while the
        // module takes the new firmware in, then counts the status answers.
        RestoreReflashDisplay();
    }
    if (CxTlFlash(Handle(), address_, subCommand, data) != 0)
        return false;
    if (subCommand == kFlashEnd) {
        if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNodeProgress)) {
            progress->SetRange(0, kStatusProgressRange);
            progress->SetPos(0);
            progress->SetStep(kStatusProgressStep);
        }
    }
    return true;
}

void CModuleNodeDlg::StartPause(int ms) { SetTimer(kPauseTimerId, static_cast<std::uint32_t>(std::max(ms, 0))); }

bool CModuleNodeDlg::OpenFirmware()
{
    firmware_.close();
    firmware_.clear();
    firmware_.open(std::filesystem::path(firmwarePath_), std::ios::binary);
    return firmware_.is_open();
}

std::uint64_t CModuleNodeDlg::FirmwareLength()
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(firmwarePath_, error);
    return error ? 0 : static_cast<std::uint64_t>(size);
}

std::size_t CModuleNodeDlg::ReadFirmware(std::span<std::uint8_t> into)
{
    if (!firmware_.is_open() || into.empty())
        return 0;
    firmware_.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size()));
    return static_cast<std::size_t>(firmware_.gcount());
}

void CModuleNodeDlg::CloseFirmware()
{
    firmware_.close();
    firmware_.clear();
}

void CModuleNodeDlg::ShowProgress(std::uint64_t position, std::uint64_t range)
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNodeProgress)) {
        progress->SetRange(0, ClampToInt(range));
        progress->SetPos(ClampToInt(position));
    }
}

void CModuleNodeDlg::ShowMessage(const ModuleReflashPort::Message& message)
{
    ShowBox(message.text, message.title, message.information);
}

void CModuleNodeDlg::Finished(bool /*succeeded*/)
{
    KillTimer(kPauseTimerId);
    RestoreReflashDisplay();
    // The module is read again: the new version after a good reflash,
    // "Reflash Needed" when a failed one left it erased.
    RequestModuleInfo();
}

}  // namespace corvane
