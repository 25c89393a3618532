#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

// What the Program icon's sheet asks of the program around it: whether the
// net's version words suit this program and the connected logger, and the
// words the Update button writes in their place.
class ProgramSheetServices {
public:
    virtual ~ProgramSheetServices() = default;
    // A warning text when a net with this logger model word and second
    // version word does not suit; none when it does.
    virtual std::optional<std::string> CheckNetVersion(std::uint32_t modelWord, std::uint32_t secondVersionWord) const
        = 0;
    // This program's own version word.
    virtual std::uint32_t ProgramVersionWord() const = 0;
    // The connected logger's firmware version word.
    virtual std::uint32_t LoggerFirmwareWord() const = 0;
};

}  // namespace corvane
