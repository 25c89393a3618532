#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <cstdint>

namespace corvane {

// CxMbTran (halvix/protocol/ModbusTransactionLayout.h): the logger performs
// one Modbus transaction with the unit the request names, from the state's
// Modbus units; loggerTime (seconds since 1970) sets the input register
// that follows the clock. Reads of coils, contacts, holding and input
// registers are answered with unit, function, byte count and the contents;
// a coil write or a register write is applied and answered in the same
// shape with the contents after it. A missing unit, an address outside the
// unit's registers, another function or a malformed PDU gets an error reply
// with the Modbus exception code and a text.
RequestOutcome AnswerModbusTransaction(LoggerState& state, const Frame& request, std::int64_t loggerTime);

}  // namespace corvane
