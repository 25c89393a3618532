#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// A fault the simulated logger shows, for tests.
struct SimFault {
    enum class Kind {
        Delay,       // answer after delayMs
        ErrorReply,  // answer with an error reply of code and text instead
        NoReply,     // do not answer
        DropLink,    // close the link instead of answering
        // Answer, and when the request starts a session download, lose its
        // second data block (the next offset does not follow on) or send
        // nothing after its first data block.
        SdlSkipBlock,
        SdlStall,
    };
    Kind kind = Kind::NoReply;
    std::optional<std::uint16_t> requestType;  // nothing: every request type
    std::uint32_t delayMs = 0;
    std::uint16_t code = 0;
    std::string text;
    int count = -1;  // how many requests it applies to; -1 without end
    // How many matching requests are answered as usual before it applies
    // (a reflash step, say, after the steps before it).
    int skip = 0;
};

// Reads a fault from its text form:
//   no-reply:TYPE   drop:TYPE   delay:TYPE:MS   error:TYPE:CODE:TEXT
//   sdl-skip-block:TYPE   sdl-stall:TYPE
// TYPE is a request type or "*" for any, optionally followed by "/N" to
// apply to N requests only; numbers may be given in hexadecimal after "0x".
std::optional<SimFault> ParseSimFault(std::string_view text);

}  // namespace corvane
