#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One entry of the card's log folder as the card manager lists it: a
// logging session, or any other entry (then its mode says why it is not
// one).
class CLogDataSessionInfo {
public:
    static constexpr std::uint32_t kModeNoHeader = 0xFFFF;      // "HEADER" cannot be opened
    static constexpr std::uint32_t kModeNoUnitHeader = 0xFFE5;  // no whole unit header record in it

    virtual ~CLogDataSessionInfo() = default;

    std::uint32_t mode = 0;       // logging mode: low 4 bits 0 log to full, 1 rotary, 2 histogram
    std::uint32_t startTime = 0;  // seconds, from the entry's name
    std::uint32_t stopTime = 0;   // seconds, from the stop file's name; 0 while running
    std::uint32_t dataSize = 0;   // bytes of the ".vrd" files (low 32 bits of each size)
    std::string name;             // the entry's name as the file system gives it
};

}  // namespace corvane
