#pragma once

#include <string_view>

namespace corvane {

// What is wrong with an address typed for the address book, in the order
// the checks run.
enum class EmailAddressFault {
    None,
    Blank,     // no text at all
    NoAtSign,  // no '@'
    NoDot,     // no '.'
};

// The first fault of the address, or None.
EmailAddressFault CheckEmailAddress(std::string_view address);

// The message that refuses an address with that fault; empty for None.
std::string_view EmailAddressFaultText(EmailAddressFault fault);

}  // namespace corvane
