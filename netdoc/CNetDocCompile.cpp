// Checking a net, numbering it in execution order and compiling it into
// the logger's image.
#include "netdoc/CNetDoc.h"

#include "base/AtomicFile.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/COpaqueIcon.h"
#include "netdoc/ExcitationCheck.h"
#include "netdoc/NetIconRoles.h"
#include "netimage/NetImage.h"
#include "netdoc/RecordFields.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/LinkedInputIndex.h"
#include "netmodel/ModuleSwitchWord.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <list>

namespace corvane {
namespace {

constexpr std::uint16_t kTypeClock = 2;
constexpr std::uint16_t kTypeModbusClient = 5;
constexpr std::uint16_t kTypeModbusServer = 7;
constexpr std::uint16_t kTypeAnalogInput = 22;
constexpr std::uint16_t kTypeSevenChannel = 32;
constexpr std::uint16_t kTypeTwoChannel = 33;
constexpr std::uint16_t kTypeEmail = 67;
constexpr std::uint16_t kTypeFtp = 68;
constexpr std::uint16_t kTypeMqtt = 70;
constexpr std::uint16_t kTypeMemory = 81;
constexpr std::uint16_t kTypeProbe = 82;
constexpr std::uint16_t kTypeWarmup = 266;
constexpr std::uint16_t kInCompileList = 0x4000;
constexpr std::uint16_t kTypeFlagBits = 0xF000;
constexpr std::uint16_t kModbusTcpClientMode = 0x40;
constexpr std::uint16_t kConfigTcpClient = 0x2000;
constexpr std::uint16_t kConfigRtuMaster = 0x8000;
constexpr std::size_t kFirstWordOffset = 72;
constexpr std::size_t kSecondWordOffset = 74;
constexpr std::size_t kModuleAddressOffset = 72;
constexpr std::size_t kModuleChannelOffset = 73;
constexpr std::size_t kFirstPeriodOffset = 72;
constexpr std::size_t kSecondPeriodOffset = 76;
constexpr std::uint32_t kMqttFastPeriod = 3000;   // 15 s in 5 ms ticks
constexpr std::uint32_t kMqttSlowPeriod = 12000;  // 60 s

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    auto value = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()
            && (pattern[i + 1] == 's' || pattern[i + 1] == 'd' || pattern[i + 1] == 'c')) {
            if (value != values.end())
                out += *value++;
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

int ShowBox(std::string text, MessageBoxButtons buttons)
{
    MessageBoxRequest request;
    request.text = std::move(text);
    request.buttons = buttons;
    request.icon = buttons == MessageBoxButtons::Ok ? MessageBoxIcon::Information : MessageBoxIcon::Question;
    return Application::Instance().Prompts().ShowMessageBox(request);
}

std::int64_t PriorityOf(const CCorvaneIcon& icon)
{
    const auto* prioritised = dynamic_cast<const PrioritisedIcon*>(&icon);
    return prioritised != nullptr ? prioritised->ExecutionPriority() : 0;
}

// Inserts before the first entry whose priority is greater than or equal
// to the icon's own: among equals the later icon comes first.
void InsertByPriority(std::list<CCorvaneIcon*>& list, CCorvaneIcon* icon)
{
    const std::int64_t priority = PriorityOf(*icon);
    const auto at
        = std::find_if(list.begin(), list.end(), [&](const CCorvaneIcon* e) { return PriorityOf(*e) >= priority; });
    list.insert(at, icon);
}

std::string ChannelSwitchText(std::uint16_t mode, bool actual)
{
    switch (mode) {
    case kChannelModeVdcLow: return "ON, OFF, OFF (Vdc - LO mode)";
    case kChannelModeMilliamps: return "ON, OFF, ON (mA mode)";
    case kChannelModeVdcHigh: return "OFF, ON, OFF (Vdc - HI mode)";
    default: return actual ? "to invalid positions" : "ON, OFF, OFF (Vdc - LO mode)";
    }
}

}  // namespace

bool CNetDoc::CheckIconConnections(CCorvaneIcon& icon)
{
    if (dynamic_cast<CGlobalIcon*>(&icon) != nullptr)
        return true;
    if (dynamic_cast<COpaqueIcon*>(&icon) != nullptr) {
        AddMessage("'" + icon.Header().name + "' Icon is of a kind this program cannot check or compile yet.");
        return false;
    }
    if (icon.TypeCode() == kTypeModbusClient) {
        const auto* client = dynamic_cast<const ModbusClientRole*>(&icon);
        return client != nullptr && client->RegisterCount() > 0;
    }
    bool isolated = false;
    const int missing = icon.CheckIconConnections(isolated);
    if (missing == 0)
        return isolated ? icon.IsDeletable() : true;
    const std::string name = icon.Header().name;
    if (missing == missing_connection::kIsolated) {
        AddMessage("'" + name + "' Icon needs to be connected or deleted.");
        return false;
    }
    std::string text = "'" + name + "' Icon ";
    const std::pair<int, std::string_view> names[] = {{0x01, "Trigger Input"}, {0x02, "Trigger Output"},
        {0x04, "Data Input"}, {0x08, "Data Output"}, {0x10, "Select Input"}, {0x80, "X Input"}};
    bool first = true;
    for (const auto& [bit, label] : names) {
        if ((missing & bit) == 0)
            continue;
        text += first ? "" : ", ";
        text += label;
        first = false;
    }
    AddMessage(text + " is not connected.");
    return false;
}

bool CNetDoc::CheckMqttRate(const CCorvaneIcon& mqtt)
{
    if (!mqttNotice_)
        return true;
    mqttNotice_ = false;
    CCorvaneIcon* clock = FindIconById(mqtt.Header().trigger.sourceId);
    if (clock == nullptr) {
        ShowBox("MQTT clock icon not found", MessageBoxButtons::Ok);
        return false;
    }
    if (clock->TypeCode() != kTypeClock) {
        ShowBox("Corvane cannot reliably determine MQTT icon clock rate.\nUpdating at high rates may effect logger "
                "performance and\nmay lead to large network or Quv portal data charges.\n\nPlease refer to icon Help "
                "for more information.",
            MessageBoxButtons::Ok);
        return false;
    }
    const std::vector<std::uint8_t> record = SavedRecordOf(*clock);
    std::uint32_t period = RecordU32(record, kFirstPeriodOffset).value_or(0);
    const auto links = clock->GetInputLinks();
    if (!links.empty() && links[0].IsConnected())
        period = std::min(period, RecordU32(record, kSecondPeriodOffset).value_or(period));
    if (period <= kMqttFastPeriod)
        ShowBox("The MQTT icon is configured to update at a period\nof 15 seconds or less. Update at these rates "
                "may\neffect logger performance and may lead to large\nnetwork or Quv portal data charges.\n\nPlease "
                "refer to icon Help for more information.",
            MessageBoxButtons::Ok);
    else if (period < kMqttSlowPeriod)
        ShowBox("The MQTT icon is configured to update at a period of less\nthan 60 seconds. When updating at these "
                "rates, you may\nwant to monitor network and Quv portal data charges.\n\nPlease refer to icon Help "
                "for more information.",
            MessageBoxButtons::Ok);
    return true;
}

void CNetDoc::CheckHardwareModules(CCorvaneIcon& icon)
{
    const CHardwarePoll& poll = GetHardwarePoll();
    const std::vector<std::uint8_t> record = SavedRecordOf(icon);
    const std::string name = icon.Header().name;
    switch (icon.TypeCode()) {
    case kTypeAnalogInput: {
        const std::uint16_t word = RecordU16(record, kFirstWordOffset).value_or(0);
        const int channel = (word >> 14) & 3;
        const int kind = (word >> 3) & 3;
        std::uint16_t code = 1;
        std::string_view kindText = "Vdc Input - Low level";
        std::string_view switchText = "ON, OFF, OFF";
        if ((word & 0x2000) != 0) {
            code = 2;
            kindText = "Vdc Input - High level";
            switchText = "OFF, ON, OFF";
        } else if (kind == 1) {
            code = 5;
            kindText = "MA Input";
            switchText = "ON, OFF, ON";
        } else if (kind == 2) {
            kindText = "Thermocouple (C)";
        } else if (kind == 3) {
            kindText = "Thermocouple (F)";
        }
        const int actual = (poll.InputSwitchWord() >> (3 * channel)) & 7;
        if (actual != code) {
            const std::string letter(1, static_cast<char>('A' + channel));
            AddMessage(Format("%s (Channel %c) configured as %s in the\r\nprogram net does not match the Quv input "
                              "configuration switch settings.\r\n----- To be compatible with the net, the DIP switch "
                              "settings should be\r\n%s.",
                {name, letter, kindText, switchText}));
        }
        break;
    }
    case kTypeTwoChannel: {
        const int address = RecordU8(record, kModuleAddressOffset).value_or(0);
        if (!poll.IsModulePresent(address))
            AddMessage(Format("%s: Vexa-2 Tevlink Module %d not installed", {name, std::to_string(address)}));
        break;
    }
    case kTypeSevenChannel: {
        const int address = RecordU8(record, kModuleAddressOffset).value_or(0);
        const int channel = RecordU8(record, kModuleChannelOffset).value_or(0);
        if (!poll.IsModulePresent(address)) {
            AddMessage(Format("%s: Vexa-7 Tevlink Module %d not installed", {name, std::to_string(address)}));
            break;
        }
        if (channel >= kModuleSwitchChannels)
            break;
        const std::uint16_t wanted = ExpectedChannelMode(
            channel, static_cast<std::uint16_t>(RecordU16(record, kSecondWordOffset).value_or(0) & kChannelRangeMask));
        const std::uint16_t actual = ReadChannelMode(poll.GetModuleValue(address), channel);
        if (wanted == actual)
            break;
        const std::string letter(1, static_cast<char>('A' + channel));
        messages_.push_back(Format(
            "Icon '%s'  ( Module %d Channel %c ) : switch setting mismatch", {name, std::to_string(address), letter}));
        if (channel < 4) {
            messages_.push_back("-- It should be " + ChannelSwitchText(wanted, false));
            messages_.push_back("-- Currently set " + ChannelSwitchText(actual, true));
        } else if (actual == kChannelModeMilliamps) {
            messages_.push_back("-- It should be OFF (V or Thermocouple mode)");
            messages_.push_back("-- Currently set ON (mA mode)");
        } else {
            messages_.push_back("-- It should be ON (mA mode)");
            messages_.push_back("-- Currently set OFF (V or Thermocouple mode)");
        }
        messages_.emplace_back();
        break;
    }
    default: break;
    }
}

void CNetDoc::AddConnectionWarnings(CompileMode mode, bool connected)
{
    if (!connected)
        AddMessage(mode == CompileMode::CheckOnly
                ? "WARNING: When checking a program net, a logger connection is required to\ncompletely verify "
                  "the program net is compatible with the connected logger."
                : "WARNING: When saving the net as an .quv file, a logger connection is required\nto completely "
                  "verify the program net is compatible with the connected logger.");
    if (ExcitationCheck(*this).HasConflict())
        AddMessage("Sensor excitation conflict between Excitation icon and Analog Input icons.");
}

void CNetDoc::ResetExecutionOrders(std::span<CCorvaneIcon* const> icons)
{
    executionCounter_ = 0;
    for (CCorvaneIcon* icon : icons) {
        icon->ResetExecutionOrder();
        icon->SyncRecordPosition();
        icon->ClearVisitMark();
    }
}

bool CNetDoc::NumberProgramIcon(CGlobalIcon& program, CompileMode mode)
{
    program.AssignExecutionOrder(*this);
    if (mode == CompileMode::Upload && program.IsFrontPanelLockout()
        && ShowBox("This Program Net has the Front Panel Lockout Function enabled... are you sure you want to Upload "
                   "the Net?",
               MessageBoxButtons::YesNo)
            != kIdYes) {
        AddMessage("Program Net not uploaded due to Front Panel Lockout Function");
        return false;
    }
    return true;
}

void CNetDoc::NumberClocks(std::span<CCorvaneIcon* const> icons)
{
    bool alwaysEnabledClock = false;
    for (CCorvaneIcon* icon : icons)
        if (icon->TypeCode() == kTypeClock) {
            icon->AssignExecutionOrder(*this);
            alwaysEnabledClock = alwaysEnabledClock || icon->Header().enable.sourceId == 0;
        }
    if (!alwaysEnabledClock)
        AddMessage("A Program Net requires a Sample Rate Clock icon that is always enabled.\nThe current Program Net "
                   "does not contain this Icon.");
}

void CNetDoc::NumberByPriority(std::span<CCorvaneIcon* const> icons)
{
    std::list<CCorvaneIcon*> warmups;
    std::list<CCorvaneIcon*> analogInputs;
    for (CCorvaneIcon* icon : icons) {
        if (icon->TypeCode() == kTypeWarmup)
            InsertByPriority(warmups, icon);
        else if (icon->TypeCode() == kTypeAnalogInput && PriorityOf(*icon) != 0)
            InsertByPriority(analogInputs, icon);
    }
    for (CCorvaneIcon* icon : warmups)
        icon->AssignExecutionOrder(*this);
    for (CCorvaneIcon* icon : analogInputs)
        icon->AssignExecutionOrder(*this);
}

bool CNetDoc::CheckModbusIcons(std::span<CCorvaneIcon* const> icons, bool connected, bool convert)
{
    const std::uint16_t config = services_.PolledConfigWord();
    bool modbusWarned = false;
    if (!connected && std::any_of(icons.begin(), icons.end(), [](const CCorvaneIcon* i) {
            return i->TypeCode() == kTypeModbusClient;
        })) {
        AddMessage("Modbus icons not validated without a logger connection.");
        modbusWarned = true;
    }
    for (CCorvaneIcon* icon : icons) {
        if (icon->TypeCode() != kTypeModbusServer)
            continue;
        if (!connected || convert) {
            if (!modbusWarned)
                AddMessage("Can't validate use of Modbus icons without a logger connection.");
            modbusWarned = true;
            icon->AssignExecutionOrder(*this);
            continue;
        }
        const auto* server = dynamic_cast<const ModbusServerRole*>(icon);
        const bool tcpClient = server != nullptr && (server->ModbusModeWord() & kModbusTcpClientMode) != 0;
        if ((config & (tcpClient ? kConfigTcpClient : kConfigRtuMaster)) == 0) {
            const std::string_view kind = tcpClient ? "a TCP Client" : "an RTU Master";
            messages_.push_back(
                Format("The program net contains a Modbus %s icon. The logger either does not support", {kind}));
            messages_.push_back(Format("or is not configured for %s icon.", {kind}));
            messages_.emplace_back();
            return false;
        }
    }
    return true;
}

void CNetDoc::NumberGeneralPass(std::span<CCorvaneIcon* const> icons, const CGlobalIcon& program, bool connected)
{
    bool vexa2Warned = false;
    bool vexa7Warned = false;
    for (CCorvaneIcon* icon : icons) {
        if (icon == &program)
            continue;
        if (!connected && icon->TypeCode() == kTypeTwoChannel && !vexa2Warned) {
            AddMessage("Vexa-2 icon configuration not validated without a logger connection.");
            vexa2Warned = true;
        } else if (!connected && icon->TypeCode() == kTypeSevenChannel && !vexa7Warned) {
            AddMessage("Vexa-7 icon configuration not validated without a logger connection.");
            vexa7Warned = true;
        }
        if (!icon->IsHardwareLayout())
            icon->AssignExecutionOrder(*this);
    }
}

void CNetDoc::NumberLargeIcons(std::span<CCorvaneIcon* const> icons, bool convert)
{
    memoryIconPresent_ = false;
    for (CCorvaneIcon* icon : icons) {
        if (!icon->IsHardwareLayout())
            continue;
        const std::uint16_t type = icon->TypeCode();
        // Each kind of tag list takes the tags marked with its bit, which is
        // then cleared in every Data Tag icon.
        const int bit = type == kTypeMemory ? 0x01
            : type == kTypeProbe            ? 0x02
            : type == kTypeMqtt             ? 0x04
            : type == kTypeFtp              ? 0x08
            : type == kTypeEmail            ? 0x10
                                            : 0;
        if (bit != 0) {
            if (type == kTypeMemory)
                memoryIconPresent_ = true;
            if (auto* lists = dynamic_cast<TagListRole*>(icon))
                lists->UpdateTagLists(bit);
            ClearDataTagFlag(bit);
        }
        icon->AssignExecutionOrder(*this);
        if (type == kTypeMqtt && !convert)
            CheckMqttRate(*icon);
    }
}

bool CNetDoc::QueryLoggerHardware(CGlobalIcon& program, bool connected)
{
    if (!connected) {
        AddMessage("Logger hardware icon configuration not validated without a logger connection.");
        return true;
    }
    CHardwarePoll& poll = GetHardwarePoll();
    if (!services_.QueryHardware(poll)) {
        messages_.emplace_back("Logger Communication Error");
        return false;
    }
    program.CopyPollResults(poll);
    return true;
}

void CNetDoc::BuildCompileList(std::span<CCorvaneIcon* const> icons)
{
    ordered_.clear();
    const int count = GetObjectCount();
    // The first icon in list order of each execution order up to the
    // object count, found in one pass.
    std::vector<CCorvaneIcon*> byOrder(static_cast<std::size_t>(count) + 1, nullptr);
    for (CCorvaneIcon* icon : icons) {
        const int order = icon->GetExecutionOrder();
        if (order >= 1 && order <= count && byOrder[static_cast<std::size_t>(order)] == nullptr)
            byOrder[static_cast<std::size_t>(order)] = icon;
    }
    // The check asks every icon what its outputs feed; nothing relinks
    // meanwhile, so the answers come from one index of the net's links.
    {
        const LinkedInputIndex linkedInputs(*this);
        for (int n = 1; n <= count; ++n) {
            if (byOrder[static_cast<std::size_t>(n)] == nullptr)
                continue;
            CCorvaneIcon& icon = *byOrder[static_cast<std::size_t>(n)];
            std::uint16_t& typeWord = icon.Header().typeWord;
            if (CheckIconConnections(icon)) {
                typeWord = static_cast<std::uint16_t>(typeWord | kInCompileList);
                ordered_.push_back(&icon);
            } else {
                typeWord = static_cast<std::uint16_t>(typeWord & ~kTypeFlagBits);
            }
        }
    }
    if (ordered_.size() <= 1)
        AddMessage("Please build or open a valid program net. The current Program Net\ndoes not appear to be valid.");
    UpdateAllViews(nullptr);
}

bool CNetDoc::RunChecks(CompileMode mode, bool connected)
{
    const bool convert = mode == CompileMode::ConvertAnyway;
    // A forced conversion numbers the net too, but quietly: no findings
    // and no questions from the numbering steps.
    quiet_ = convert;
    const std::vector<CCorvaneIcon*> icons = Icons();
    if (!convert)
        AddConnectionWarnings(mode, connected);
    ResetExecutionOrders(icons);
    CGlobalIcon* program = ProgramIcon();
    if (program == nullptr) {
        quiet_ = false;
        AddMessage("Invalid net: No Program icon...");
        return false;
    }
    if (!NumberProgramIcon(*program, mode))
        return false;
    NumberClocks(icons);
    NumberByPriority(icons);
    if (!CheckModbusIcons(icons, connected, convert))
        return false;
    NumberGeneralPass(icons, *program, connected);
    NumberLargeIcons(icons, convert);
    quiet_ = false;
    if (!convert && !QueryLoggerHardware(*program, connected))
        return false;
    BuildCompileList(icons);
    if (connected && !convert)
        for (CCorvaneIcon* icon : ordered_)
            CheckHardwareModules(*icon);
    return true;
}

bool CNetDoc::CompileNet(std::vector<std::string>& messages, const std::filesystem::path& output, CompileMode mode)
{
    const auto finish = [&](bool result) {
        quiet_ = false;
        messages = messages_;
        return result;
    };
    messages_.clear();
    ordered_.clear();
    const bool connected = mode == CompileMode::Upload || services_.IsConnected();
    if (GetObjectCount() == 0) {
        AddMessage("The Current Program Net is Empty - Unable to continue.");
        return finish(false);
    }
    if (!IsProgramNetForLogger()) {
        AddMessage("The net program is not compatible with the logger.");
        return finish(false);
    }
    if (!RunChecks(mode, connected))
        return finish(false);
    if (mode == CompileMode::CheckOnly)
        return finish(false);
    if (mode == CompileMode::SaveCompiled && !messages_.empty())
        return finish(false);

    std::vector<std::vector<std::uint8_t>> records;
    for (CCorvaneIcon* icon : ordered_) {
        auto stored = icon->StoreRecord(TransferMode::Compile);
        if (auto* error = std::get_if<RecordError>(&stored)) {
            AddMessage("'" + icon->Header().name + "' Icon could not be written: " + error->Describe());
            return finish(false);
        }
        records.push_back(std::move(std::get<std::vector<std::uint8_t>>(stored)));
    }
    auto image = BuildNetImage(records);
    if (std::holds_alternative<NetImageError>(image)) {
        AddMessage("Program net size exceeds maximum limit");
        return finish(false);
    }
    if (const FileError error = WriteFileAtomically(output, std::get<std::vector<std::uint8_t>>(image))) {
        AddMessage("Net output file Could Not be Opened");
        return finish(false);
    }
    if (mode == CompileMode::Upload && !memoryIconPresent_ && messages_.empty()) {
        messages_.emplace_back("!!");
        return finish(false);
    }
    return finish(true);
}

}  // namespace corvane
