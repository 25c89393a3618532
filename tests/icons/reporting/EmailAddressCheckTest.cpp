#include "icons/reporting/EmailAddressCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace email_address_check_test {
namespace {

TEST(EmailAddressCheckTest, RefusesBlankThenMissingAtSignThenMissingDot)
{
    struct Case {
        std::string address;
        EmailAddressFault fault;
        std::string text;
    };
    const std::vector<Case> cases{
        {"", EmailAddressFault::Blank, "Invalid email address: Address is Blank"},
        {"nobody.example.org", EmailAddressFault::NoAtSign, "Invalid email address: Missing the '@' character."},
        {"no-dot", EmailAddressFault::NoAtSign, "Invalid email address: Missing the '@' character."},
        {"ann@example", EmailAddressFault::NoDot, "Invalid email address: Missing the '.' character."},
        {"ann@example.org", EmailAddressFault::None, ""},
        {"a.b@c", EmailAddressFault::None, ""},
        {"@.", EmailAddressFault::None, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(CheckEmailAddress(c.address), c.fault);
        EXPECT_EQ(EmailAddressFaultText(c.fault), c.text);
    }
}

}  // namespace
}  // namespace email_address_check_test
}  // namespace corvane
