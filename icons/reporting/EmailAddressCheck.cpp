#include "icons/reporting/EmailAddressCheck.h"

namespace corvane {

EmailAddressFault CheckEmailAddress(std::string_view address)
{
    if (address.empty())
        return EmailAddressFault::Blank;
    if (address.find('@') == std::string_view::npos)
        return EmailAddressFault::NoAtSign;
    if (address.find('.') == std::string_view::npos)
        return EmailAddressFault::NoDot;
    return EmailAddressFault::None;
}

std::string_view EmailAddressFaultText(EmailAddressFault fault)
{
    switch (fault) {
    case EmailAddressFault::Blank: return "Invalid email address: Address is Blank";
    case EmailAddressFault::NoAtSign: return "Invalid email address: Missing the '@' character.";
    case EmailAddressFault::NoDot: return "Invalid email address: Missing the '.' character.";
    case EmailAddressFault::None: break;
    }
    return {};
}

}  // namespace corvane
