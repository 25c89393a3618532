#include "icons/reporting/CModbusTestDialog.h"

#include "PlatformTestSupport.h"
#include "RecordingStatusSink.h"
#include "ScratchFolder.h"
#include "SimulatorLink.h"

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerStateFile.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace corvane {
namespace c_modbus_test_dialog_test {
namespace {

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 2000;
constexpr std::uint32_t kRoundMs = 5;

constexpr std::uint16_t kCoil = 0x00;
constexpr std::uint16_t kContact = 0x10;
constexpr std::uint16_t kInput = 0x20;
constexpr std::uint16_t kHolding = 0x30;
constexpr std::uint16_t kInt32 = 4;
constexpr std::uint16_t kDecimal = 6;
constexpr std::uint16_t kHighFirst = 1;
constexpr std::string_view kValuePrefix = "\r\n\r\nRegister Value = ";

using Status = test::RecordingStatusSink;

ModbusTestSettings Settings(std::uint16_t iconWord, std::uint16_t start, bool read = true, std::uint16_t unit = 1)
{
    ModbusTestSettings settings;
    settings.iconWord = iconWord;
    settings.startAddress = start;
    settings.read = read;
    settings.unit = unit;
    return settings;
}

// The dialog against an in-process simulated logger (a fresh logger's
// Modbus unit 1) over TCP, through the communications library, on real time.
class ModbusTestDialog : public test::PlatformTest {
protected:
    ModbusTestDialog() : PlatformTest(true) {}
    ~ModbusTestDialog() override { dialog.reset(); }

    void Connect()
    {
        const auto folder = scratch.Path() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveLoggerState(folder, LoggerState::Fresh()));
        ASSERT_NO_FATAL_FAILURE(link.Connect(App(), folder));
    }

    // Opens the dialog modeless; in read mode it sends at once.
    CModbusTestDialog& Open(const ModbusTestSettings& settings)
    {
        dialog = std::make_unique<CModbusTestDialog>(settings, status);
        EXPECT_TRUE(dialog->Create());
        return *dialog;
    }

    std::string Result() const { return dialog->GetControl(res::kIdcModbusTestResult)->GetText(); }

    // Runs the message loop until the answer is shown or a box comes.
    std::string WaitForResult(std::size_t boxes = 0)
    {
        for (int round = 0; round < kLimitRounds && Result() == "Testing..." && Prompts().messageBoxes.size() == boxes;
             ++round)
            App().WaitMilliseconds(kRoundMs);
        return Result();
    }

    // The value a result text shows after its time stamp, or the whole text
    // when it shows none.
    static std::string Value(const std::string& result)
    {
        const std::size_t at = result.find(kValuePrefix);
        return at == std::string::npos ? result : result.substr(at + kValuePrefix.size());
    }

    std::string Read(const ModbusTestSettings& settings)
    {
        Open(settings);
        return Value(WaitForResult());
    }

    std::string Write(const ModbusTestSettings& settings, std::string_view value)
    {
        Open(settings);
        dialog->GetControl(res::kIdcModbusTestValue)->SetText(value);
        dialog->GetControlAs<ButtonControl>(res::kIdcModbusTestSend)->Click();
        return Value(WaitForResult());
    }

    std::size_t MbTranRequests() const
    {
        const std::vector<std::uint16_t> types = link.Logger().RequestTypes();
        return static_cast<std::size_t>(std::count(types.begin(), types.end(), kRequestMbTran));
    }

    test::ScratchFolder scratch;
    test::SimulatorLink link;
    Status status;
    std::unique_ptr<CModbusTestDialog> dialog;
};

TEST_F(ModbusTestDialog, ReadsEachRegisterKindAsItOpens)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        std::uint16_t start;
        const char* value;
    };
    const Case cases[] = {
        {"coil 0", kCoil, 0, "1"},
        {"coil 1", kCoil, 1, "0"},
        {"contact 1", kContact, 1, "1"},
        {"input register 1", kInput, 1, "1234"},
        {"signed input register 2", kInput | 0x08, 2, "-2"},
        {"holding registers 0-1, low word first", kHolding | kInt32, 0, "131073"},
        {"holding registers 0-1, high word first", kHolding | kInt32 | kHighFirst, 0, "65538"},
        {"bit field of holding register 2", kHolding | 1 | 0x4400, 2, "15"},
        {"decimal input registers 3-4", kInput | kDecimal | kHighFirst, 3, "3.141593"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string result = [&] {
            Open(Settings(c.iconWord, c.start));
            return WaitForResult();
        }();
        EXPECT_EQ(Value(result), c.value) << result;
        EXPECT_EQ(dialog->GetControl(res::kIdcModbusTestSend)->GetText(), "Read Register");
        EXPECT_FALSE(dialog->GetControl(res::kIdcModbusTestValue)->IsVisible());
        EXPECT_TRUE(dialog->IsOpen());
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(MbTranRequests(), std::size(cases));
}

TEST_F(ModbusTestDialog, WritesACoilAndHoldingRegistersAndShowsWhatTheDeviceHolds)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        std::uint16_t start;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {"coil 1 on", kCoil, 1, "1", "1"},
        {"coil 0 off", kCoil, 0, "0", "0"},
        {"16-bit holding register", kHolding | 0x08, 6, "-300", "-300"},
        {"32-bit, low word first", kHolding | kInt32, 8, "305419896", "305419896"},
        {"32-bit, high word first", kHolding | kInt32 | kHighFirst, 10, "4000000000", "4000000000"},
        {"decimal, low word first", kHolding | kDecimal, 12, "-2.5", "-2.500000"},
        {"decimal, high word first", kHolding | kDecimal | kHighFirst, 14, "0.75", "0.750000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Write(Settings(c.iconWord, c.start, false), c.value), c.shown);
        EXPECT_EQ(dialog->GetControl(res::kIdcModbusTestSend)->GetText(), "Write Register");
        // Read back in a dialog of its own.
        EXPECT_EQ(Read(Settings(c.iconWord, c.start)), c.shown);
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    const LoggerState state = link.Logger().State();
    const ModbusUnit& unit = state.modbusUnits.at(1);
    EXPECT_TRUE(unit.coils[1]);
    EXPECT_FALSE(unit.coils[0]);
    EXPECT_EQ(unit.holdingRegisters[8], 0x5678) << "the low word first";
    EXPECT_EQ(unit.holdingRegisters[9], 0x1234);
    EXPECT_EQ(unit.holdingRegisters[10], 0xEE6B) << "the high word first";
    EXPECT_EQ(unit.holdingRegisters[11], 0x2800);
}

TEST_F(ModbusTestDialog, RefusedWriteValueSendsNothingAndKeepsTheDialogOpen)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        std::uint16_t iconWord;
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        {kCoil, "2", "Enter a single \"0\" or \"1\" for Coil registers."},
        {kHolding, "65536", "Enter a whole number between 0 and 65535 for this register."},
        {kHolding | kDecimal, "1e40", "Enter a decimal number for this register."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Prompts().messageBoxes.clear();
        Open(Settings(c.iconWord, 0, false));
        dialog->GetControl(res::kIdcModbusTestValue)->SetText(c.value);
        dialog->GetControlAs<ButtonControl>(res::kIdcModbusTestSend)->Click();
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
        EXPECT_TRUE(dialog->IsOpen());
    }
    App().WaitMilliseconds(50);
    EXPECT_EQ(MbTranRequests(), 0U);
}

TEST_F(ModbusTestDialog, SettingsThatCannotBeTestedCloseTheDialogUnsent)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        ModbusTestSettings settings;
        const char* text;
    };
    const Case cases[] = {
        {Settings(kHolding | 0x40, 0),
            "The Modbus test function requires the\nIP address to be in dotted quad format."},
        {Settings(kContact, 0, false), "Cannot write discrete input register"},
        {Settings(kInput, 0, false), "Cannot write input register"},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        // A read is refused as the dialog opens, which then never shows.
        dialog = std::make_unique<CModbusTestDialog>(c.settings, status);
        EXPECT_EQ(dialog->Create(), !c.settings.read);
        if (!c.settings.read)
            dialog->GetControlAs<ButtonControl>(res::kIdcModbusTestSend)->Click();
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
        EXPECT_FALSE(dialog->IsOpen());
    }
    // Run modal, as a remote-register icon's dialog runs it, a refused read
    // ends at once.
    Prompts().messageBoxes.clear();
    CModbusTestDialog modal(cases[0].settings, status);
    EXPECT_EQ(modal.DoModal(), kIdCancel);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(MbTranRequests(), 0U);
}

TEST_F(ModbusTestDialog, DeviceErrorShowsTheLoggersText)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    struct Case {
        ModbusTestSettings settings;
        const char* error;
    };
    const Case cases[] = {
        {Settings(kHolding, 0, true, 9), "Modbus exception 11: unit 9 does not respond"},
        {Settings(kHolding, 16), "Modbus exception 2: address 16 is outside unit 1's holding registers"},
    };
    for (const Case& c : cases) {
        Open(c.settings);
        EXPECT_EQ(WaitForResult(),
            std::string("Error in response. Check the \"Modbus\" system configuration tab, then ensure valid node and "
                        "register settings in the icon. Error message is:\n\n")
                + c.error);
    }
}

TEST_F(ModbusTestDialog, TimeOutShowsTheTimeoutBoxAndStatus)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_EQ(CxSetRetryTime(100), kCxOk);
    SimFault silent;
    silent.kind = SimFault::Kind::NoReply;
    silent.requestType = kRequestMbTran;
    link.Logger().InjectFault(silent);
    Open(Settings(kHolding, 0));
    WaitForResult();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "** TIMEOUT **");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Timeout");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
    EXPECT_NE(std::find(status.messages.begin(), status.messages.end(), "Timeout"), status.messages.end());
    EXPECT_FALSE(status.progress);
}

TEST_F(ModbusTestDialog, ShortOrForeignReplyShowsNoValue)
{
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        bool read;
        std::uint16_t type;
        std::vector<std::uint8_t> data;
    };
    const Case cases[] = {
        {"register read one byte short", kHolding | kInt32, true, kRequestMbTran, {1, 3, 4, 0, 1, 0}},
        {"coil read without its byte", kCoil, true, kRequestMbTran, {1, 1, 1}},
        {"coil write one byte short", kCoil, false, kRequestMbTran, {1, 5, 2, 0xFF}},
        {"another request's reply", kHolding, true, kRequestPing, {1, 3, 2, 0, 1}},
    };
    // The logger takes the requests and never answers them; each dialog
    // is handed a reply of the test's own.
    ASSERT_NO_FATAL_FAILURE(Connect());
    SimFault silent;
    silent.kind = SimFault::Kind::NoReply;
    silent.requestType = kRequestMbTran;
    link.Logger().InjectFault(silent);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(Settings(c.iconWord, 0, c.read));
        App().SendMessage(
            dialog->Handle(), kReplyMessage, c.type, 0, std::make_unique<CReplyMessage>(c.type, 0, false, "", c.data));
        EXPECT_EQ(Result(), "Unexpected response. Please contact QZL");
        EXPECT_TRUE(dialog->IsOpen());
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(ModbusTestDialog, SavesPicturesOfBothModes)
{
    ASSERT_NO_FATAL_FAILURE(Connect());
    Open(Settings(kHolding | kInt32, 0));
    WaitForResult();
    EXPECT_TRUE(dialog->SaveImage(test::OutputFile("modbus-test-dialog-read.png").string()));
    Open(Settings(kHolding | kDecimal, 12, false));
    EXPECT_EQ(Result(), CModbusTestDialog::kWriteNote);
    dialog->GetControl(res::kIdcModbusTestValue)->SetText("21.5");
    EXPECT_TRUE(dialog->SaveImage(test::OutputFile("modbus-test-dialog-write.png").string()));
}

}  // namespace
}  // namespace c_modbus_test_dialog_test
}  // namespace corvane
