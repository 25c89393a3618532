#include "loggersim/LoggerStateFile.h"

#include "loggersim/LoggerStateText.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logger_state_file_test {
namespace {

using test::ScratchFolder;

void ExpectSameState(const LoggerState& a, const LoggerState& b)
{
    EXPECT_EQ(FormatLoggerState(a), FormatLoggerState(b));
}

TEST(LoggerStateFileTest, AMissingFileGivesAFreshLogger)
{
    ScratchFolder folder;
    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty());
    ExpectSameState(loaded.state, LoggerState::Fresh());
    EXPECT_EQ(loaded.state.PresentKeys().size(), 35u);
}

TEST(LoggerStateFileTest, EveryFieldAndItemSurvivesSaveAndLoad)
{
    ScratchFolder folder;
    LoggerState state = LoggerState::Fresh();
    state.unitName = "K\xF6hler Pump";  // Windows-1252 o-umlaut
    state.unitId = "ID 42";
    state.serialNumber = 987654;
    state.revision = "B2";
    state.hardwareType = 3;
    state.firmwareVersion = 0x02050103;
    state.statusWord = 0x00840001;
    state.running = true;
    state.clockOffsetSeconds = -3600;
    state.timeZoneMinutes = 300;
    state.daylightRule = 0x0001;
    state.netName = "Tank net";
    state.logUsedKb = 17;
    state.supplyVolts = 11.85f;
    state.temperatureC = -4.25f;
    state.passwordsOn = 1;
    state.fullAccess = 0;
    const std::uint8_t server[] = {'m', 'a', 'i', 'l', 0};
    ASSERT_TRUE(state.SetItem(79, server));
    state.items.erase(22);  // a logger without calibration texts
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));

    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty()) << loaded.notice;
    ExpectSameState(loaded.state, state);
    EXPECT_EQ(loaded.state.unitName, "K\xF6hler Pump");
    EXPECT_FALSE(loaded.state.Item(22).has_value());
    EXPECT_EQ(loaded.state.Item(79)->size(), 64u);
    EXPECT_EQ(loaded.state.supplyVolts, 11.85f);
}

TEST(LoggerStateFileTest, ADamagedFileIsSetAsideAndTheLoggerStartsFresh)
{
    const struct {
        const char* why;
        const char* text;
    } cases[] = {
        {"unknown setting", "unit-name = A\ncolour = blue\n"},
        {"bad number", "serial-number = twelve\n"},
        {"no equals sign", "unit-name A\n"},
        {"text too long", "unit-id = 0123456789012345678901\n"},
        {"odd hex", "item.7 = 50003\n"},
        {"item too long", "item.91 = 0102\n"},
        {"not an item", "item.200 = 00\n"},
        {"twice", "run-state = stopped\nrun-state = enabled\n"},
        {"bad run state", "run-state = maybe\n"},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.Write(kLoggerStateFileName, c.text);
        const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
        EXPECT_NE(loaded.notice.find("damaged"), std::string::npos) << c.why;
        EXPECT_NE(loaded.notice.find("line"), std::string::npos) << c.why;
        ExpectSameState(loaded.state, LoggerState::Fresh());
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / kLoggerStateFileName)) << c.why;
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / (std::string(kLoggerStateFileName) + ".damaged"))) << c.why;
    }
}

TEST(LoggerStateFileTest, ASecondDamagedFileDoesNotReplaceTheFirst)
{
    ScratchFolder folder;
    folder.Write(kLoggerStateFileName, "nonsense\n");
    (void)LoadLoggerState(folder.Path());
    folder.Write(kLoggerStateFileName, "more nonsense\n");
    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_NE(loaded.notice.find(".damaged-2"), std::string::npos) << loaded.notice;
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / (std::string(kLoggerStateFileName) + ".damaged")));
}

TEST(LoggerStateFileTest, MissingFieldsKeepFreshValuesAndCommentsAreSkipped)
{
    const ParsedLoggerState parsed = ParseLoggerState("# note\n\nunit-name =  Well 3 \r\nitem.91 = 02\n");
    ASSERT_TRUE(parsed.state.has_value()) << parsed.error;
    EXPECT_EQ(parsed.state->unitName, "Well 3");
    EXPECT_EQ(parsed.state->hardwareType, 2);
    EXPECT_EQ(parsed.state->serialNumber, LoggerState::Fresh().serialNumber);
    // Only the identity items are present when the file lists no others.
    EXPECT_EQ(parsed.state->PresentKeys(), (std::vector<std::uint8_t>{16, 17, 76, 91}));
}

TEST(LoggerStateFileTest, UsersSurviveSaveAndLoadAndReplaceTheFreshAdmin)
{
    ScratchFolder folder;
    LoggerState state = LoggerState::Fresh();
    ASSERT_EQ(state.users.count("admin"), 1u);
    EXPECT_EQ(state.users["admin"].password, "admin");
    EXPECT_EQ(state.users["admin"].rights, ~std::uint64_t{0});
    state.users.clear();
    state.users["op.night"] = LoggerUser{"p\xE4ss", 0x8000000000010000ull, true};  // Windows-1252 a-umlaut
    state.users["kiosk"] = LoggerUser{"", 0x2000, false};
    state.pendingLogin = LoggerState::PendingLogin{"kiosk", "00", "11"};
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));

    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty()) << loaded.notice;
    ExpectSameState(loaded.state, state);
    ASSERT_EQ(loaded.state.users.size(), 2u);
    EXPECT_EQ(loaded.state.users.at("op.night").password, "p\xE4ss");
    EXPECT_EQ(loaded.state.users.at("op.night").rights, 0x8000000000010000ull);
    EXPECT_FALSE(loaded.state.users.at("kiosk").challenge);
    EXPECT_FALSE(loaded.state.pendingLogin.has_value());

    // A logger without users stays without them.
    state.users.clear();
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));
    EXPECT_TRUE(LoadLoggerState(folder.Path()).state.users.empty());
    for (const char* text : {"users = some\n", "users = none\nuser.a.password = p\n"})
        EXPECT_FALSE(ParseLoggerState(text).error.empty()) << text;
}

TEST(LoggerStateFileTest, ModbusUnitsSurviveSaveAndLoad)
{
    ScratchFolder folder;
    LoggerState state = LoggerState::Fresh();
    EXPECT_EQ(state.modbusUnits.at(1), ModbusUnit::Fresh());
    state.modbusUnits[1].holdingRegisters[5] = 0xBEEF;
    state.modbusUnits[1].coils[7] = true;
    state.modbusUnits[300] = ModbusUnit{{true}, {}, {1, 2}, {0xFFFF}};
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));
    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty()) << loaded.notice;
    EXPECT_EQ(loaded.state.modbusUnits, state.modbusUnits);

    // A file that lists no unit is a logger that reaches none.
    const ParsedLoggerState none = ParseLoggerState("unit-name = Bare\n");
    ASSERT_TRUE(none.state);
    EXPECT_TRUE(none.state->modbusUnits.empty());
}

TEST(LoggerStateFileTest, ModbusLinesWithBadValuesAreRefused)
{
    const char* const lines[] = {
        "modbus.1.coils = 0102",
        "modbus.1.holding = 0a0",  // half a register
        "modbus.1.inputs = zz00",
        "modbus.65536.coils = 1",
        "modbus.x.coils = 1",
        "modbus.1.colour = red",
        "modbus.coils = 1",
    };
    for (const char* line : lines)
        EXPECT_FALSE(ParseLoggerState(std::string(line) + "\n").state.has_value()) << line;
}

TEST(LoggerStateFileTest, UserLinesThatDoNotFitTheLoginAreRefused)
{
    const char* const lines[] = {
        "user.abcdefghijklmnopqrstuvwx.password = x",  // 24-byte name
        "user.op.password = abcdefghijklmnopqrst",     // 20-byte password
        "user.op.rights = 0x1FFFFFFFFFFFFFFFF",
        "user.op.challenge = maybe",
        "user.op.colour = red",
        "user..password = x",
        "user.password = x",
    };
    for (const char* line : lines)
        EXPECT_FALSE(ParseLoggerState(std::string(line) + "\n").state.has_value()) << line;
}

TEST(LoggerStateFileTest, RuntimeMessagesAndBusyAnswersSurviveSaveAndLoad)
{
    ScratchFolder folder;
    LoggerState state = LoggerState::Fresh();
    state.runBusyAnswers = 3;
    state.AddRuntimeMessage(1700000000, "Logging session halted by user");
    state.AddRuntimeMessage(-5, "Caf\xE9 reset");  // Windows-1252 text
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));
    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty()) << loaded.notice;
    EXPECT_EQ(loaded.state.runtimeMessages, state.runtimeMessages);
    EXPECT_EQ(loaded.state.runBusyAnswers, 3u);

    // A line break cannot end up in the file; it comes back as a blank.
    state.runtimeMessages = {{10, "two\nlines"}};
    const ParsedLoggerState parsed = ParseLoggerState(FormatLoggerState(state));
    ASSERT_TRUE(parsed.state);
    EXPECT_EQ(parsed.state->runtimeMessages, (std::vector<LoggerState::RuntimeMessage>{{10, "two lines"}}));

    const char* const bad[] = {
        "runtime-message.1 = 5 out of order",
        "runtime-message.0 = soon text",
        "runtime-message.x = 5 text",
        "runtime-message.0 = 5 text\nruntime-message.0 = 6 again",
    };
    for (const char* text : bad)
        EXPECT_FALSE(ParseLoggerState(std::string(text) + "\n").state.has_value()) << text;
}

}  // namespace
}  // namespace logger_state_file_test
}  // namespace corvane
