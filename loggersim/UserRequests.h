#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <cstdint>

namespace corvane {

// Error codes of the user-table operations.
constexpr std::uint16_t kSimErrorNoSuchUser = 0x4111;  // no user at the index or of the name
constexpr std::uint16_t kSimErrorUserTableFull = 0x4112;
constexpr std::uint16_t kSimErrorLastUser = 0x4113;         // operation 3 for the only user, 4 with others
constexpr std::uint16_t kSimErrorNoAdministrator = 0x4114;  // passwords on without a user holding bit 31

// CxPassMan (request type 5): one operation on the user table (layout in
// halvix/protocol/UserAuthLayout.h). Every reply holds at least the
// operation and one more byte; operation 0 answers the user's record.
RequestOutcome AnswerUserTable(LoggerState& state, const Frame& request);

// CxPassWd (request type 4 with the stage word 2): the named user's
// password changes when the current one matches; error 16905 otherwise.
RequestOutcome AnswerPasswordChange(LoggerState& state, const Frame& request);

}  // namespace corvane
