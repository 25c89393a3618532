#include "icons/hardware/RegisterHardwarePlacing.h"

#include "icons/hardware/CACEngIcon.h"
#include "icons/hardware/CACVXM_7Icon.h"
#include "icons/hardware/CBattIcon.h"
#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/CEngLEDIcon.h"
#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/CGpdiIcon.h"
#include "icons/hardware/CJC_VXM_7Icon.h"
#include "icons/hardware/COdioIcon.h"
#include "icons/hardware/CQuvEngRelayIcon.h"
#include "icons/hardware/CTCEngIcon.h"
#include "icons/hardware/CTCVXM_7Icon.h"
#include "icons/hardware/CTempBaseIcon.h"
#include "icons/hardware/CVEXA25VoltIcon.h"
#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVHVXM_7Icon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "icons/hardware/CVLVXM_7Icon.h"
#include "icons/hardware/HardwareIconCatalogue.h"
#include "netdoc/HardwareIconMakers.h"
#include "netmodel/PaletteIconMakers.h"

#include <cstdint>
#include <memory>

namespace corvane {

namespace {

// Module addresses -3 to -1 stand for the logger itself.
bool IsLoggerModule(int module) { return module >= -3 && module <= -1; }

// A record's module address and channel bytes as the placing arguments give them.
std::uint8_t AsByte(int value) { return static_cast<std::uint8_t>(value); }

// The logger's analog channels A..D are placed with channel indexes 6..9.
constexpr int kFirstAnalogChannel = 6;
constexpr int kAnalogChannels = 4;

// The icon keeps its channel A..D in the top two bits of its mode word.
bool IsSameLoggerAnalogChannel(const CCorvaneIcon& existing, int channel)
{
    const auto* input = dynamic_cast<const CEngInputsIcon*>(&existing);
    const int index = channel - kFirstAnalogChannel;
    if (input == nullptr || index < 0 || index >= kAnalogChannels)
        return false;
    return (input->ModeWord() & CEngInputsIcon::kChannelMask) == (index << CEngInputsIcon::kChannelShift);
}

// A 7-channel module's channel (0xFF: its cold junction).
bool IsSameModuleChannel(const CCorvaneIcon& existing, int module, int channel)
{
    const auto* input = dynamic_cast<const CVXM_7inputsIcon*>(&existing);
    return input != nullptr && input->Address() == AsByte(module) && input->Channel() == AsByte(channel);
}

// A 2-channel module's channel of one class.
template <class Icon> bool IsSameTwoChannel(const CCorvaneIcon& existing, int module, int channel)
{
    const auto* icon = dynamic_cast<const Icon*>(&existing);
    return icon != nullptr && AsByte(icon->Address()) == AsByte(module) && AsByte(icon->Channel()) == AsByte(channel);
}

template <class Icon> bool IsAny(const CCorvaneIcon& existing, int, int)
{
    return dynamic_cast<const Icon*>(&existing) != nullptr;
}

// An icon of the logger itself made from the rectangle alone.
template <class Icon> HardwareIconMakers::Entry OnePerNet()
{
    return {[](const Rect& position, int, int) { return std::make_unique<Icon>(position); }, IsAny<Icon>};
}

// An analog channel of the logger, any input kind standing for its channel.
template <class Icon> HardwareIconMakers::Entry LoggerAnalog()
{
    return {[](const Rect& position, int, int channel) {
                return std::make_unique<Icon>(position, channel - kFirstAnalogChannel);
            },
        [](const CCorvaneIcon& existing, int, int channel) { return IsSameLoggerAnalogChannel(existing, channel); }};
}

// A 7-channel module's analog channel, any input kind standing for it.
template <class Icon> HardwareIconMakers::Entry ModuleAnalog()
{
    return {
        [](const Rect& position, int module, int channel) { return std::make_unique<Icon>(position, module, channel); },
        IsSameModuleChannel};
}

// A 2-channel module's channel, only the same class standing for it.
template <class Icon> HardwareIconMakers::Entry TwoChannel()
{
    return {
        [](const Rect& position, int module, int channel) { return std::make_unique<Icon>(position, module, channel); },
        IsSameTwoChannel<Icon>};
}

// The logger's status outputs take a -1 their constructors ignore.
template <class Icon> HardwareIconMakers::Entry StatusOutput()
{
    return {[](const Rect& position, int, int) { return std::make_unique<Icon>(position, -1); }, IsAny<Icon>};
}

// The logger's digital input: only channel 0 exists (the icon refuses any
// other with its message); the channel sits in the mode word's low bits.
HardwareIconMakers::Entry Gpdi()
{
    return {[](const Rect& position, int, int channel) -> std::unique_ptr<CCorvaneIcon> {
                return CGpdiIcon::Place(position, channel);
            },
        [](const CCorvaneIcon& existing, int, int channel) {
            const auto* gpdi = dynamic_cast<const CGpdiIcon*>(&existing);
            return gpdi != nullptr && (gpdi->ModeWord() & CGpdiIcon::kChannelMask) == channel;
        }};
}

// The logger's own temperature reference, or a 7-channel module's cold junction.
HardwareIconMakers::Entry TemperatureReference()
{
    return {[](const Rect& position, int module, int) -> std::unique_ptr<CCorvaneIcon> {
                if (IsLoggerModule(module))
                    return std::make_unique<CTempBaseIcon>(position);
                return std::make_unique<CJC_VXM_7Icon>(position, module);
            },
        [](const CCorvaneIcon& existing, int module, int) {
            if (IsLoggerModule(module))
                return IsAny<CTempBaseIcon>(existing, module, 0);
            return IsSameModuleChannel(existing, module, CVXM_7inputsIcon::kColdJunctionChannel);
        }};
}

// The logger's own digital I/O line: one icon in the net.
HardwareIconMakers::Entry Odio()
{
    return {[](const Rect& position, int, int channel) { return std::make_unique<COdioIcon>(position, channel); },
        IsAny<COdioIcon>};
}

}  // namespace

void RegisterHardwarePaletteIcons(PaletteIconMakers& makers)
{
    makers.Register(
        kExcitationPaletteCell, [](const Rect& position, int) { return std::make_unique<CExciteIcon>(position); });
}

void RegisterHardwarePlacing(HardwareIconMakers& makers)
{
    makers.Register(401, OnePerNet<CBattIcon>());
    makers.Register(402, Gpdi());
    makers.Register(403, TemperatureReference());
    makers.Register(404, LoggerAnalog<CVHEngIcon>());
    makers.Register(405, LoggerAnalog<CVLEngIcon>());
    makers.Register(406, LoggerAnalog<CACEngIcon>());
    makers.Register(407, LoggerAnalog<CTCEngIcon>());
    makers.Register(408, ModuleAnalog<CACVXM_7Icon>());
    makers.Register(409, ModuleAnalog<CVLVXM_7Icon>());
    makers.Register(410, ModuleAnalog<CVHVXM_7Icon>());
    makers.Register(411, ModuleAnalog<CTCVXM_7Icon>());
    makers.Register(414, OnePerNet<CQuvEngRelayIcon>());
    makers.Register(615, StatusOutput<CEngAlarmIcon>());
    makers.Register(12003, StatusOutput<CEngLEDIcon>());
    makers.Register(12014, TwoChannel<CVEXA2EventCountTTLIcon>());
    makers.Register(12015, TwoChannel<CVEXA2FreqInIcon>());
    makers.Register(12016, TwoChannel<CVEXA2FreqOutIcon>());
    makers.Register(12017, TwoChannel<CVEXA25VoltIcon>());
    makers.Register(12037, Odio());
}

}  // namespace corvane
