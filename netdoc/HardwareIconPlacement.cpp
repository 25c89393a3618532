#include "netdoc/HardwareIconPlacement.h"

#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/HardwareIconMakers.h"
#include "netdoc/NetViewServices.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CHardwarePoll.h"
#include "netmodel/ModuleSwitchWord.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <array>
#include <memory>

namespace corvane {

namespace {

// Placing ids.
constexpr std::uint32_t kBatteryId = 401;
constexpr std::uint32_t kDigitalInputId = 402;
constexpr std::uint32_t kJunctionId = 403;  // the logger's or a 7-channel module's cold junction
constexpr std::uint32_t kHighVdcId = 404;
constexpr std::uint32_t kLowVdcId = 405;
constexpr std::uint32_t kCurrentId = 406;
constexpr std::uint32_t kModuleCurrentId = 408;
constexpr std::uint32_t kModuleLowVdcId = 409;
constexpr std::uint32_t kModuleHighVdcId = 410;
constexpr std::uint32_t kRelayId = 414;
constexpr std::uint32_t kAlarmId = 615;
constexpr std::uint32_t kLedId = 12003;
constexpr std::uint32_t kEventCountId = 12014;
constexpr std::uint32_t kFrequencyInId = 12015;
constexpr std::uint32_t kFrequencyOutId = 12016;
constexpr std::uint32_t kFiveVoltId = 12017;
constexpr std::uint32_t kDigitalIoId = 12037;

// The top row takes these in place of an input row: the first four before
// the test for an icon the net holds, the last two after it (so a skipped
// one still uses up an input row).
constexpr bool IsTopRowBeforeTest(std::uint32_t id)
{
    return id == kRelayId || id == kAlarmId || id == kLedId || id == kDigitalIoId;
}
constexpr bool IsTopRowAfterTest(std::uint32_t id) { return id == kFrequencyOutId || id == kFiveVoltId; }

// Placement grid.
constexpr int kIconSize = 32;
constexpr int kInputColumnX = 20;
constexpr int kFirstRowY = 20;
constexpr int kRowPitch = 70;
constexpr int kTopRowFirstX = 110;
constexpr int kTopRowPitch = 90;

// The logger's analog channels A..D: 3-bit switch codes, channel c in bits
// 3c..3c+2 of the base configuration word, and their channel indexes 6..9.
constexpr int kBaseAnalogChannels = 4;
constexpr int kBaseAnalogFirstChannel = 6;
constexpr int kBaseSwitchBits = 3;
constexpr std::uint16_t kBaseSwitchMask = 7;
constexpr std::uint16_t kBaseCodeLowVdc = 1;
constexpr std::uint16_t kBaseCodeHighVdc = 2;
constexpr std::uint16_t kBaseCodeCurrent = 5;

// Bus modules: record bytes and the channel indexes of their icons.
constexpr std::size_t kRecordTypeOffset = 2;
constexpr std::uint8_t kAnalogModuleType = 0;
constexpr std::uint8_t kDigitalModuleType = 1;
constexpr int kAnalogJunctionChannel = 9;
constexpr int kAnalogSwitchedChannels = 4;  // channels 0..3 with 3-bit codes; 4..7 one bit each
constexpr int kDigitalEventCounters = 8;
constexpr int kDigitalSecondBankSkip = 8;
constexpr int kDigitalFrequencyInputs = 2;
constexpr int kDigitalFrequencyOutputs = 3;

constexpr unsigned kHardwareObjectType = 2;

std::string InvalidBaseSwitchText(int channel)
{
    return std::string("Invalid DIP switch setting on Analog Channel ") + static_cast<char>('A' + channel)
        + ".\n\nSwitch   Low Vdc or            High Vdc      Current\n"
          "               Thermocouple\n\n"
          "     1                 ON                   OFF               ON\n"
          "     2                 OFF                  ON                OFF\n"
          "     3                 OFF                  OFF               ON";
}

std::string InvalidModuleSwitchText(int module, int channel)
{
    return "Invalid Vexa-7 Switch Setting, input icon will not be created:     \n  Address = " + std::to_string(module)
        + "\n  Channel = " + static_cast<char>('A' + channel);
}

}  // namespace

HardwareIconPlacement::HardwareIconPlacement(CNetDoc& document, NetViewServices& services)
    : document_(document), services_(services)
{}

Rect HardwareIconPlacement::InputIconRect(int row)
{
    const int top = kFirstRowY + kRowPitch * row;
    return Rect{kInputColumnX, top, kInputColumnX + kIconSize, top + kIconSize};
}

Rect HardwareIconPlacement::TopRowIconRect(int index)
{
    const int left = kTopRowFirstX + kTopRowPitch * index;
    return Rect{left, kFirstRowY, left + kIconSize, kFirstRowY + kIconSize};
}

void HardwareIconPlacement::CreateIconsFromHardware(const CHardwarePoll& poll)
{
    // The configuration word reads 0 until the logger has sent it (and after
    // it refused to).
    if (poll.InputSwitchWord() != 0)
        CreateBaseUnitIcons(poll);
    for (int slot = 0; slot < CHardwarePoll::kSlotCount; ++slot) {
        if (!poll.IsModulePresent(slot) || !poll.HasModuleRecord(slot))
            continue;
        ++inputRow_;
        const std::uint8_t type = poll.GetModuleRecord(slot)[kRecordTypeOffset];
        if (type == kAnalogModuleType)
            CreateAnalogModuleIcons(slot, poll.GetModuleValue(slot), poll);
        else if (type == kDigitalModuleType)
            CreateDigitalModuleIcons(slot, poll);
    }
    document_.UpdateAllViews(nullptr);
    document_.SetModified(false);
}

void HardwareIconPlacement::CreateBaseUnitIcons(const CHardwarePoll& poll)
{
    // A new net: the top row starts again at its left end.
    topRowIndex_ = 0;
    inputRow_ = 1;
    channel_ = 0;
    CreateHardwareIcon(kBaseUnitModule, kProgramIconId, poll);
    ++inputRow_;
    for (const std::uint32_t id : {kBatteryId, kJunctionId, kLedId, kAlarmId, kDigitalIoId, kRelayId})
        CreateHardwareIcon(kBaseUnitModule, id, poll);
    channel_ = 0;
    CreateHardwareIcon(kBaseUnitModule, kDigitalInputId, poll);
    ++inputRow_;
    const std::uint16_t switches = poll.InputSwitchWord();
    for (int channel = 0; channel < kBaseAnalogChannels; ++channel) {
        channel_ = kBaseAnalogFirstChannel + channel;
        const std::uint16_t code = (switches >> (kBaseSwitchBits * channel)) & kBaseSwitchMask;
        std::uint32_t id = 0;
        if (code == kBaseCodeLowVdc)
            id = kLowVdcId;
        else if (code == kBaseCodeHighVdc)
            id = kHighVdcId;
        else if (code == kBaseCodeCurrent)
            id = kCurrentId;
        if (id == 0)
            ShowBox(InvalidBaseSwitchText(channel), {});
        else
            CreateHardwareIcon(kBaseUnitModule, id, poll);
    }
}

void HardwareIconPlacement::CreateAnalogModuleIcons(int module, std::uint16_t switchWord, const CHardwarePoll& poll)
{
    channel_ = kAnalogJunctionChannel;
    CreateHardwareIcon(module, kJunctionId, poll);
    for (int channel = 0; channel < kAnalogSwitchedChannels; ++channel) {
        channel_ = channel;
        switch (ReadChannelMode(switchWord, channel)) {
        case kChannelModeVdcHigh: CreateHardwareIcon(module, kModuleHighVdcId, poll); break;
        case kChannelModeVdcLow: CreateHardwareIcon(module, kModuleLowVdcId, poll); break;
        case kChannelModeMilliamps: CreateHardwareIcon(module, kModuleCurrentId, poll); break;
        default: ShowBox(InvalidModuleSwitchText(module, channel), "Vexa-7 Error"); break;
        }
    }
    for (int channel = kAnalogSwitchedChannels; channel < kModuleSwitchChannels; ++channel) {
        channel_ = channel;
        const bool current = ReadChannelMode(switchWord, channel) == kChannelModeMilliamps;
        CreateHardwareIcon(module, current ? kModuleCurrentId : kModuleLowVdcId, poll);
    }
}

void HardwareIconPlacement::CreateDigitalModuleIcons(int module, const CHardwarePoll& poll)
{
    channel_ = 0;
    const auto place = [&](std::uint32_t id, int count) {
        for (int i = 0; i < count; ++i) {
            CreateHardwareIcon(module, id, poll);
            ++channel_;
        }
    };
    place(kEventCountId, kDigitalEventCounters);
    channel_ += kDigitalSecondBankSkip;
    place(kEventCountId, kDigitalEventCounters);
    place(kFrequencyInId, kDigitalFrequencyInputs);
    place(kFrequencyOutId, kDigitalFrequencyOutputs);
    place(kFiveVoltId, 1);
}

CCorvaneIcon* HardwareIconPlacement::CreateHardwareIcon(int module, std::uint32_t id, const CHardwarePoll& poll)
{
    Rect position = InputIconRect(inputRow_);
    ++inputRow_;
    if (id == kUpdateViewsId) {
        document_.UpdateAllViews(nullptr);
        return nullptr;
    }
    const auto takeTopRow = [&] {
        position = TopRowIconRect(topRowIndex_);
        ++topRowIndex_;
        --inputRow_;
    };
    if (IsTopRowBeforeTest(id))
        takeTopRow();
    if (NetHolds(id, module))
        return nullptr;
    if (IsTopRowAfterTest(id))
        takeTopRow();

    std::unique_ptr<CCorvaneIcon> icon;
    if (id == kProgramIconId) {
        icon = services_.MakeProgramIcon(position, poll);
    } else if (const HardwareIconMakers::Entry* entry = services_.HardwareMakers().Find(id);
               entry != nullptr && entry->make) {
        icon = entry->make(position, module, channel_);
    }
    if (!icon) {
        ShowBox("CreateHardwareIcon (NULL) ", {});
        return nullptr;
    }
    icon->SetDeletable(false);
    icon->SetType(kHardwareObjectType);
    auto& added = static_cast<CCorvaneIcon&>(document_.AddObject(std::move(icon)));
    if (added.UniqueId() == 0)
        added.SetUniqueId(document_.TakeNextIconId());
    return &added;
}

bool HardwareIconPlacement::NetHolds(std::uint32_t id, int module) const
{
    if (id == kProgramIconId)
        return document_.ProgramIcon() != nullptr;
    const HardwareIconMakers::Entry* entry = services_.HardwareMakers().Find(id);
    if (entry == nullptr || !entry->isSame)
        return false;
    for (const CCorvaneIcon* existing : document_.Icons())
        if (entry->isSame(*existing, module, channel_))
            return true;
    return false;
}

void HardwareIconPlacement::ShowBox(const std::string& text, std::string_view caption) const
{
    MessageBoxRequest request;
    request.text = text;
    request.caption = std::string(caption);
    Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace corvane
