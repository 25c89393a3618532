#include "icons/reporting/ModbusRegisterAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_register_address_test {
namespace {

using State = ModbusAddressVerdict::State;
using Kind = ModbusRegisterKind;

TEST(ModbusRegisterAddressTest, ShowsTheKindDigitAndFourOrFiveDigitsOfTheNumber)
{
    struct Case {
        Kind kind;
        std::uint32_t offset;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{Kind::HoldingRegister, 0, "40001"}, {Kind::HoldingRegister, 9998, "49999"},
             {Kind::HoldingRegister, 9999, "410000"}, {Kind::HoldingRegister, 65535, "465536"},
             {Kind::Coil, 4, "00005"}, {Kind::Contact, 99, "10100"}, {Kind::InputRegister, 12344, "312345"}}) {
        EXPECT_EQ(FormatModbusAddress(c.kind, c.offset), c.text);
    }
}

TEST(ModbusRegisterAddressTest, JudgesTheAddressTextAsItIsTyped)
{
    struct Case {
        const char* text;
        State state;
        Kind kind;
        std::uint32_t offset;
        std::string_view message;
    };
    const std::vector<Case> cases{
        {"4", State::Incomplete, {}, 0, {}},
        {"4000", State::Incomplete, {}, 0, {}},
        {"40001", State::Valid, Kind::HoldingRegister, 0, {}},
        {"410000", State::Valid, Kind::HoldingRegister, 9999, {}},
        {"465536", State::Valid, Kind::HoldingRegister, 65535, {}},
        {"00001", State::Valid, Kind::Coil, 0, {}},
        {"10001", State::Valid, Kind::Contact, 0, {}},
        {"30010", State::Valid, Kind::InputRegister, 9, {}},
        {"465537", State::Refused, {}, 0, kAddressNumberText},
        {"400000", State::Refused, {}, 0, kAddressNumberText},
        {"40000", State::Refused, {}, 0, kAddressNumberText},
        {"4000x", State::Refused, {}, 0, kAddressNumberText},
        {"20001", State::Refused, {}, 0, kAddressFormatText},
        {"x0001", State::Refused, {}, 0, kAddressFormatText},
        {"4000001", State::Refused, {}, 0, kAddressFormatText},
        {"-1", State::Refused, {}, 0, kAddressNegativeText},
        {"-40001", State::Refused, {}, 0, kAddressNegativeText},
        {"-", State::Incomplete, {}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ModbusAddressVerdict verdict = CheckModbusAddress(c.text);
        EXPECT_EQ(verdict.state, c.state);
        EXPECT_EQ(verdict.message, c.message);
        if (c.state == State::Valid) {
            EXPECT_EQ(verdict.kind, c.kind);
            EXPECT_EQ(verdict.offset, c.offset);
            EXPECT_EQ(FormatModbusAddress(verdict.kind, verdict.offset), c.text) << "shown as typed";
        }
    }
}

TEST(ModbusRegisterAddressTest, ReadsFourDottedNumbersAsTheServerAddress)
{
    struct Case {
        const char* text;
        std::uint32_t address;
    };
    for (const Case& c : std::vector<Case>{{"10.0.0.1", 0x0A000001}, {"192.168.1.300", 0},
             {"255.255.255.255", 0xFFFFFFFF}, {"0.0.0.0", 0}, {"1.2.3", 0}, {"1.2.3.4.5", 0}, {"1..3.4", 0},
             {"a.b.c.d", 0}, {"", 0}, {"1.2.3.-4", 0}, {"1.2.3.4 ", 0}, {"172.16.0.9", 0xAC100009}}) {
        EXPECT_EQ(ServerTextToAddress(c.text), c.address) << c.text;
    }
}

}  // namespace
}  // namespace modbus_register_address_test
}  // namespace corvane
