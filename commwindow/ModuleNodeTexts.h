#pragma once

#include <cstdint>
#include <string>

namespace corvane {

struct ModuleInformation;

// Texts of the bus module node dialogs.

// "VEXA-7 Isolated Input Module", "VEXA-2 Digital Input/Output Module" or "Unknown Module Type".
std::string ModuleTypeText(std::uint8_t type);
// "Reflash Needed" for a module without firmware, else "major.minor.build" in two digits each.
std::string FirmwareVersionText(const ModuleInformation& info);
// The serial number as the dialogs show it: the 32 bits taken as a signed number.
std::string SerialNumberText(std::uint32_t serial);

}  // namespace corvane
