#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

namespace corvane {

// CxUserAuth's first stage (request type 16): a challenge (nonce and
// realm, the realm being the unit name) remembered in the state's pending
// login, or the rights at once for a user who logs in without one.
RequestOutcome AnswerLoginChallenge(LoggerState& state, const Frame& request);

// CxUserAuth's second stage (request type 4): the digest response checked
// against the pending challenge; the user's rights, or error 16905 for a
// wrong password, an unknown user or no challenge. A challenge answers
// one response only.
RequestOutcome AnswerLoginResponse(LoggerState& state, const Frame& request);

}  // namespace corvane
