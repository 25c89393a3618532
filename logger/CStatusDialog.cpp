#include "logger/CStatusDialog.h"

#include "base/Cp1252.h"
#include "base/LoggerTimeZone.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/LoggerStateServices.h"
#include "logger/LoggerStatusReplies.h"
#include "logger/LoggerStatusTexts.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/LoggerStatusDialogs.h"
#include "res/LoggerStatusIds.h"
#include "shell/StatusHelpers.h"

namespace corvane {

namespace {

using namespace res;

// The order of the field texts in fields_.
enum FieldIndex : std::size_t {
    kMemorySize,
    kMemoryUsed,
    kNetMemory,
    kNetDescription,
    kNetName,
    kLoggerTime,
    kUnitId,
    kUnitName,
    kFirmware,
    kSupply,
    kBattery,
    kTemperature,
    kClockBattery,
    kMode,
    kSignal1,
    kSignal2,
    kTimeRule,
    kUtcOffset,
};

// The control of each field text, in FieldIndex order.
constexpr std::array<int, 18> kFieldIds = {kIdcStatusMemorySize, kIdcStatusMemoryUsed, kIdcStatusNetMemory,
    kIdcStatusNetDescription, kIdcStatusNetName, kIdcStatusLoggerTime, kIdcStatusUnitId, kIdcStatusUnitName,
    kIdcStatusFirmware, kIdcStatusSupplyVolts, kIdcStatusBatteryVolts, kIdcStatusTemperature, kIdcStatusClockBattery,
    kIdcStatusMode, kIdcStatusSignal1, kIdcStatusSignal2, kIdcStatusTimeRule, kIdcStatusUtcOffset};

// The interface kinds whose signal fields show.
constexpr std::uint8_t kWifiInterface = 2;
constexpr std::uint8_t kCellularInterface = 3;

const std::array<CStatusDialog::FlagBox, 16> kFlagBoxes = {{
    {0x1, kIdcFlagBatteryOverload, true},
    {0x2, kIdcFlagLowBatteryHalt, true},
    {0x4, kIdcFlagBatteryCritical, false},
    {0x8, kIdcFlagBatteryLow, false},
    {0x10, kIdcFlagFatalReset, true},
    {0x20, kIdcFlagWatchdog, true},
    {0x40, kIdcFlagUserReset, true},
    {0x80, kIdcFlagPowerFailed, true},
    {0x100, kIdcFlagClockCritical, false},
    {0x200, kIdcFlagClockLow, false},
    {0x400, kIdcFlagBusError, true},
    {0x800, kIdcFlagIconError, true},
    {0x1000, kIdcFlagBehindSchedule, true},
    {0x10000, kIdcFlagMemoryError, false},
    {0x20000, kIdcFlagNetInitError, false},
    {0x40000, kIdcFlagNoNet, false},
}};

}  // namespace

CStatusDialog::CStatusDialog(LoggerStateServices& services, Window* parent)
    : CCommDialog(kLoggerStatusDialog, services.Connection(), parent), services_(services)
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i].id = kFieldIds[i];
    for (const FlagBox& box : kFlagBoxes) {
        On(Notification::Clicked, box.checkBox, [this, box](NotifyEvent&) {
            if (box.clears)
                ClearStatusFlag(box.bit, box.checkBox);
            else
                RestoreFlagCheck(box.checkBox, box.bit);
        });
    }
    On(Notification::Clicked, kIdcStatusRefresh, [this](NotifyEvent&) { StartRefresh(); });
    caption_ = std::string(kLoggerStatusDialog.caption);
}

CStatusDialog::~CStatusDialog() = default;

const std::array<CStatusDialog::FlagBox, 16>& CStatusDialog::FlagBoxes() { return kFlagBoxes; }

std::string CStatusDialog::FormatRunState(std::uint32_t status) { return corvane::FormatRunState(status); }

std::string CStatusDialog::FormatSignalBar(unsigned count) { return corvane::FormatSignalBar(count); }

bool CStatusDialog::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    StartRefresh();
    return true;
}

void CStatusDialog::StartRefresh()
{
    if (auto* list = GetControlAs<ListBoxControl>(kIdcStatusMessages))
        list->ResetContent();
    (void)CxInfoMsg(Handle(), 0);
}

void CStatusDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    switch (reply->RequestType()) {
    case kRequestInfoMsg: OnRuntimeMessage(*reply); break;
    case kRequestStateGet: OnStateReply(*reply); break;
    case kRequestCfGet: OnSerialReply(*reply); break;
    case kRequestSFlagClr: OnClearReply(*reply); break;
    default: break;
    }
}

void CStatusDialog::OnCommTimeout(std::uint16_t /*requestType*/)
{
    SetStatusProgress(services_.Status(), "Timeout", false);
    ShowTimeoutBox();
}

void CStatusDialog::OnRuntimeMessage(const CReplyMessage& reply)
{
    // A failed read of the list ends it; the state is still read.
    if (reply.ErrorFlag()) {
        ShowLoggerError(reply);
        (void)CxStateGet(Handle());
        return;
    }
    const std::optional<RuntimeMessage> message = ReadRuntimeMessage(reply.Data());
    auto* list = GetControlAs<ListBoxControl>(kIdcStatusMessages);
    if (message && list != nullptr)
        list->AddString(FormatRuntimeMessageLine(LocalTimeOf(message->time), Cp1252ToUtf8(message->text)));
    // The list ends with the logger's, and at the last index there is: a
    // logger that never says the list has ended is not asked forever.
    constexpr std::uint16_t kLastIndex = 0xFFFF;
    const bool more = message && message->index != kLastIndex && list != nullptr && list->GetCount() < kLastIndex;
    if (more)
        (void)CxInfoMsg(Handle(), static_cast<std::uint16_t>(message->index + 1));
    else
        (void)CxStateGet(Handle());
}

void CStatusDialog::OnStateReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        ShowLoggerError(reply);
        return;
    }
    const LoggerStatusBlockReading reading = ReadLoggerStatusBlock(reply.Data());
    if (!reading.block) {
        ShowInsufficientData();
        ShowFields();
        return;
    }
    const LoggerStatusBlock& block = *reading.block;
    statusFlags_ = block.status;
    services_.SetLoggerStateWords(block.status, services_.LoggerMemoryKb(), block.memoryUsedKb);
    services_.TimeZone().SetLoggerTimeZone(block.zoneMinutesWest, block.timeRule);

    fields_[kUnitName].text = Cp1252ToUtf8(block.unitName);
    fields_[kUnitId].text = Cp1252ToUtf8(block.unitId);
    fields_[kNetName].text = Cp1252ToUtf8(block.netName);
    fields_[kNetDescription].text = Cp1252ToUtf8(block.netDescription);
    fields_[kFirmware].text = FormatFirmwareVersion(block.firmware);
    checkedFlags_ = 0;
    for (const FlagBox& box : kFlagBoxes)
        checkedFlags_ |= block.status & box.bit;
    fields_[kClockBattery].text = FormatClockBatteryText(block.clockBattery, block.status);
    fields_[kMode].text = FormatRunState(block.status);
    fields_[kLoggerTime].text = FormatLoggerTime(LocalTimeOf(block.time));
    fields_[kTimeRule].text = FormatTimeRule(block.timeRule);
    fields_[kUtcOffset].text = FormatUtcOffset(block.zoneMinutesWest);
    const LogMemoryTexts memory = FormatLogMemory(block.memorySizeKb, block.memoryUsedKb, block.status);
    fields_[kMemorySize].text = memory.size;
    fields_[kMemoryUsed].text = memory.used;
    fields_[kNetMemory].text = FormatNetMemory(block.netMemoryBytes);
    fields_[kSupply].text = FormatSupplyText(block.supplyVolts);
    fields_[kBattery].text = FormatBatteryText(block.batteryVolts, block.status);
    fields_[kTemperature].text = FormatTemperatureText(block.temperatureC);
    switch (block.interfaceKind) {
    case 0:
    case 1:
        signal1Shown_ = false;
        signal2Shown_ = false;
        break;
    case kWifiInterface:
        signal1Shown_ = true;
        signal2Shown_ = false;
        signal1Label_ = "WiFi Sig Strength";
        fields_[kSignal1].text = FormatSignalBar(block.signalBars);
        break;
    case kCellularInterface:
        signal1Shown_ = true;
        signal2Shown_ = true;
        signal1Label_ = "Cell Sig Strength";
        signal2Label_ = "Cell Sig Quality";
        fields_[kSignal1].text = FormatSignalBar(block.signalBars);
        fields_[kSignal2].text = FormatSignalBar(block.cellQualityBars);
        break;
    default: break;
    }
    (void)CxCfGet(Handle(), kSerialNumberKey);
    ShowFields();
}

void CStatusDialog::OnSerialReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        ShowLoggerError(reply);
        return;
    }
    const SerialNumberReading reading = ReadSerialNumberReply(reply.Data());
    if (reading.serial) {
        caption_ = FormatStatusCaption(*reading.serial);
        SetCaption(caption_);
    }
}

void CStatusDialog::OnClearReply(const CReplyMessage& reply)
{
    std::uint32_t bit = 0;
    if (!pendingClears_.empty()) {
        bit = pendingClears_.front();
        pendingClears_.pop_front();
    }
    if (reply.ErrorFlag()) {
        ShowLoggerError(reply);
        // The logger kept the flag: its box shows it again.
        checkedFlags_ |= statusFlags_ & bit;
        ShowFields();
        return;
    }
    if (reply.DataLength() != 0) {
        ShowInsufficientData();
        return;
    }
    ShowFields();
}

void CStatusDialog::ClearStatusFlag(std::uint32_t bit, int checkBox)
{
    if ((bit & status_bits::kClearable) == 0)
        return;
    if (CxSFlagClr(Handle(), bit) == kCxOk)
        pendingClears_.push_back(bit);
    checkedFlags_ &= ~bit;
    if (auto* box = GetControlAs<ButtonControl>(checkBox))
        box->SetCheck(0);
}

void CStatusDialog::RestoreFlagCheck(int checkBox, std::uint32_t bit)
{
    if (auto* box = GetControlAs<ButtonControl>(checkBox))
        box->SetCheck((statusFlags_ & bit) != 0 ? 1 : 0);
}

void CStatusDialog::ShowFields()
{
    for (const FieldText& field : fields_) {
        if (Control* control = GetControl(field.id))
            control->SetText(field.text);
    }
    for (const FlagBox& box : kFlagBoxes) {
        if (auto* control = GetControlAs<ButtonControl>(box.checkBox))
            control->SetCheck((checkedFlags_ & box.bit) != 0 ? 1 : 0);
    }
    const auto show = [this](int fieldId, int labelId, bool shown, const std::string& label) {
        if (Control* field = GetControl(fieldId))
            field->Show(shown);
        if (Control* caption = GetControl(labelId)) {
            caption->Show(shown);
            if (!label.empty())
                caption->SetText(label);
        }
    };
    show(kIdcStatusSignal1, kIdcStatusSignal1Label, signal1Shown_, signal1Label_);
    show(kIdcStatusSignal2, kIdcStatusSignal2Label, signal2Shown_, signal2Label_);
}

void CStatusDialog::ShowInsufficientData()
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "Reply with insufficient data received";
    request.caption = "Bad Reply From Logger";
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace corvane
