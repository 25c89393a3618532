#include "loggersim/ModbusRequests.h"

#include "base/ByteWriter.h"
#include "halvix/protocol/ModbusTransactionLayout.h"
#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_requests_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// 2023-11-14 22:13:20 UTC: 800 seconds past the hour.
constexpr std::int64_t kLoggerTime = 1700000000;

Frame Transaction(std::uint16_t unit, std::uint8_t function, const Bytes& pdu, std::uint8_t wordOrder = 0)
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = kRequestMbTran;
    frame.requestId = 7;
    frame.payload.resize(kMbTranPduOffset);
    ByteWriter writer(frame.payload);
    writer.U32LE(0x0A000001);
    writer.U16LE(502);
    writer.U16LE(unit);
    writer.U8(wordOrder);
    writer.U8(function);
    frame.payload.insert(frame.payload.end(), pdu.begin(), pdu.end());
    return frame;
}

class ModbusRequestsTest : public ::testing::Test {
protected:
    RequestOutcome Answer(const Frame& request) { return AnswerModbusTransaction(state_, request, kLoggerTime); }
    LoggerState state_ = LoggerState::Fresh();
};

TEST_F(ModbusRequestsTest, ReadsAnswerWithUnitFunctionCountAndContents)
{
    struct Case {
        const char* name;
        std::uint8_t function;
        Bytes pdu;
        Bytes reply;
    };
    const Case cases[] = {
        {"coils 0..3", 1, {0, 0, 0, 4}, {1, 1, 1, 0x0D}},
        {"coils 0..15", 1, {0, 0, 0, 16}, {1, 1, 2, 0x0D, 0x80}},
        {"contact 1", 2, {0, 1, 0, 1}, {1, 2, 1, 0x01}},
        {"holding registers 0..1", 3, {0, 0, 0, 2}, {1, 3, 4, 0x00, 0x01, 0x00, 0x02}},
        {"input register 1", 4, {0, 1, 0, 1}, {1, 4, 2, 0x04, 0xD2}},
        {"input register 0 follows the clock", 4, {0, 0, 0, 1}, {1, 4, 2, 0x03, 0x20}},
        {"the last holding register", 3, {0, 15, 0, 1}, {1, 3, 2, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RequestOutcome outcome = Answer(Transaction(1, c.function, c.pdu));
        ASSERT_TRUE(outcome.reply);
        EXPECT_FALSE(outcome.reply->error);
        EXPECT_EQ(outcome.reply->requestType, kRequestMbTran);
        EXPECT_EQ(outcome.reply->payload, c.reply);
        EXPECT_FALSE(outcome.stateChanged);
    }
}

TEST_F(ModbusRequestsTest, WritesAreAppliedAndAnsweredWithTheContentsAfterThem)
{
    RequestOutcome coil = Answer(Transaction(1, 5, {0, 1, 0xFF, 0x00}));
    ASSERT_TRUE(coil.reply);
    EXPECT_EQ(coil.reply->payload, (Bytes{1, 5, 2, 0xFF, 0x00}));
    EXPECT_TRUE(coil.stateChanged);
    EXPECT_TRUE(state_.modbusUnits.at(1).coils[1]);
    coil = Answer(Transaction(1, 5, {0, 0, 0x00, 0x00}));
    EXPECT_EQ(coil.reply->payload, (Bytes{1, 5, 2, 0x00, 0x00}));
    EXPECT_FALSE(state_.modbusUnits.at(1).coils[0]);

    const RequestOutcome registers = Answer(Transaction(1, 16, {0, 14, 0, 2, 4, 0x12, 0x34, 0x56, 0x78}, 1));
    ASSERT_TRUE(registers.reply);
    EXPECT_EQ(registers.reply->payload, (Bytes{1, 16, 4, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_TRUE(registers.stateChanged);
    EXPECT_EQ(state_.modbusUnits.at(1).holdingRegisters[14], 0x1234);
    EXPECT_EQ(state_.modbusUnits.at(1).holdingRegisters[15], 0x5678);
}

TEST_F(ModbusRequestsTest, RefusesWithTheModbusExceptionCodeAndChangesNothing)
{
    struct Case {
        const char* name;
        std::uint16_t unit;
        std::uint8_t function;
        Bytes pdu;
        std::uint16_t code;
    };
    const Case cases[] = {
        {"a unit without registers", 2, 3, {0, 0, 0, 1}, kMbExceptionNoResponse},
        {"a holding register past the end", 1, 3, {0, 16, 0, 1}, kMbExceptionIllegalAddress},
        {"a range running past the end", 1, 3, {0, 15, 0, 2}, kMbExceptionIllegalAddress},
        {"a coil past the end", 1, 1, {0xFF, 0xFF, 0, 1}, kMbExceptionIllegalAddress},
        {"writing a coil past the end", 1, 5, {0, 16, 0xFF, 0}, kMbExceptionIllegalAddress},
        {"writing registers past the end", 1, 16, {0, 15, 0, 2, 4, 1, 2, 3, 4}, kMbExceptionIllegalAddress},
        {"an unknown function", 1, 6, {0, 0, 0, 1}, kMbExceptionIllegalFunction},
        {"quantity 0", 1, 3, {0, 0, 0, 0}, kMbExceptionIllegalValue},
        {"a coil value that is neither on nor off", 1, 5, {0, 0, 0x12, 0x34}, kMbExceptionIllegalValue},
        {"a byte count that does not match", 1, 16, {0, 0, 0, 2, 2, 1, 2}, kMbExceptionIllegalValue},
        {"register bytes missing", 1, 16, {0, 0, 0, 2, 4, 1, 2, 3}, kMbExceptionIllegalValue},
        {"a PDU too short", 1, 3, {0, 0, 0}, kMbExceptionIllegalValue},
        {"bytes after a read", 1, 3, {0, 0, 0, 1, 9}, kMbExceptionIllegalValue},
    };
    const LoggerState before = state_;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RequestOutcome outcome = Answer(Transaction(c.unit, c.function, c.pdu));
        ASSERT_TRUE(outcome.reply);
        EXPECT_TRUE(outcome.reply->error);
        EXPECT_EQ(outcome.reply->code, c.code);
        EXPECT_FALSE(outcome.stateChanged);
    }
    EXPECT_EQ(state_.modbusUnits, before.modbusUnits);

    // A request too short for its own header, or with a word-order flag
    // other than 0 and 1, is bad data rather than a Modbus error.
    Frame shortFrame = Transaction(1, 3, {});
    shortFrame.payload.resize(9);
    EXPECT_EQ(Answer(shortFrame).reply->code, kSimErrorBadRequestData);
    EXPECT_EQ(Answer(Transaction(1, 3, {0, 0, 0, 1}, 2)).reply->code, kSimErrorBadRequestData);
}

TEST_F(ModbusRequestsTest, LoggerRequestsHandOnTransactions)
{
    const RequestOutcome outcome = HandleRequest(state_, Transaction(1, 3, {0, 0, 0, 1}), kLoggerTime);
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.reply->error);
}

}  // namespace
}  // namespace modbus_requests_test
}  // namespace corvane
