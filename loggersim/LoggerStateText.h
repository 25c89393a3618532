#pragma once

#include "loggersim/LoggerState.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The state file's text: one "name = value" line per field, then one
// "item.<key> = <hex>" line per configuration item the logger has, then
// "module.<address>.<field>" lines (type, firmware, serial, name,
// switches) per module on the bus, then "modbus.<unit>.<field>" lines
// (coils and contacts as "0"/"1" texts, inputs and holding registers as hex
// of big-endian words) per Modbus unit, then "user.<name>.<field>" lines
// (password, rights, challenge) per user of the password system.
std::string FormatLoggerState(const LoggerState& state);

struct ParsedLoggerState {
    std::optional<LoggerState> state;  // nothing when the text is damaged
    std::string error;                 // which line is wrong, and why
};
// Fields that are missing keep their fresh values; items, modules and Modbus
// units that are missing are ones the logger does not have (a module's
// missing fields take the defaults of BusModule). Users listed replace the
// fresh logger's; without user lines the fresh logger's user stays.
ParsedLoggerState ParseLoggerState(std::string_view text);

}  // namespace corvane
