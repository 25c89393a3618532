#include "commwindow/ModuleNodeTexts.h"

#include "halvix/protocol/ModuleReplies.h"

#include <cstdio>

namespace corvane {

std::string ModuleTypeText(std::uint8_t type)
{
    switch (type) {
    case kModuleTypeDigital:
        return "VEXA-2 Digital Input/Output Module";
    case kModuleTypeAnalog:
        return "VEXA-7 Isolated Input Module";
    default:
        return "Unknown Module Type";
    }
}

std::string FirmwareVersionText(const ModuleInformation& info)
{
    if (!info.HasFirmware())
        return "Reflash Needed";
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", info.firmware[0], info.firmware[1], info.firmware[2]);
    return text;
}

std::string SerialNumberText(std::uint32_t serial)
{
    return std::to_string(static_cast<std::int32_t>(serial));
}

}  // namespace corvane
