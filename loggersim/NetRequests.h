#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

namespace corvane {

// The net transfer requests (layout in halvix/protocol/NetTransferLayout.h).
//
// CxNetSet (33): the value of a block is the number of bytes received
// before it, and each reply gives the count after it, which the next call
// sends. Value 0 starts a new image (dropping one under way); any other
// value must match the count, else kSimErrorNetSequence. The final call,
// with an empty block, ends the image. An image may not pass kSimNetMaxSize.
RequestOutcome AnswerNetSet(LoggerState& state, const Frame& request);

// CxNetInit (35): checks the ended image's length and CRC and makes it the
// logger's net (its name and description from the Program icon); refused
// while the logger is enabled, without an ended image, or when the check
// fails (the image is then dropped).
RequestOutcome AnswerNetInit(LoggerState& state, const Frame& request);

// CxNetParm (34): status kNetStatusPresent, the size and the net's name,
// or kNetStatusAbsent, 0 and an empty name.
RequestOutcome AnswerNetParm(const LoggerState& state, const Frame& request);

// CxNetGet (32): the value is the offset of the block asked for (0 the
// first); the reply holds the next block's offset (0 after the last) and
// up to kNetBlockSize bytes of the net.
RequestOutcome AnswerNetGet(const LoggerState& state, const Frame& request);

// CxEraseAll (102): erases the logged sessions; refused while the logger
// is enabled.
RequestOutcome AnswerEraseAll(LoggerState& state, const Frame& request);

}  // namespace corvane
