#include "loggersim/BusModule.h"

#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"
#include "halvix/protocol/ModuleReplies.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/LoggerStateText.h"
#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace bus_module_test {
namespace {

using test::ScratchFolder;

constexpr std::int64_t kHostTime = 1700000000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload = {})
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 7;
    frame.payload = std::move(payload);
    return frame;
}

LoggerState TwoModules()
{
    LoggerState state = LoggerState::Fresh();
    state.modules.clear();
    state.modules[9] = BusModule{kModuleTypeDigital, {1, 3, 0}, 0x0A0B0C0D, "Pump house", 0};
    state.modules[2] = BusModule{kModuleTypeAnalog, {2, 1, 7}, 700101, "Tank", 0x0102};
    return state;
}

TEST(BusModuleTest, TheRecordHoldsEachFieldAtItsOffset)
{
    const BusModule module{kModuleTypeDigital, {4, 5, 6}, 0x01020304, "Pump", 0xFFFF};
    const std::vector<std::uint8_t> record = ModuleRecordBytes(11, module);
    ASSERT_EQ(record.size(), kModuleRecordBytes);
    const struct {
        std::size_t offset;
        std::uint8_t value;
        const char* field;
    } fields[] = {
        {0, 0, "reserved"},
        {1, 11, "bus address"},
        {2, 1, "module type"},
        {3, 4, "firmware major"},
        {4, 5, "firmware minor"},
        {5, 6, "firmware build"},
        {6, 0x01, "serial number, big-endian"},
        {9, 0x04, "serial number, low byte"},
        {10, 'P', "name"},
        {13, 'p', "name end"},
        {14, 0, "name padding"},
        {41, 0, "name padding end"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(record[f.offset], f.value) << f.field;
}

TEST(BusModuleTest, ANameOfTheWholeFieldHasNoTerminatorAndALongerOneIsCut)
{
    const BusModule module{kModuleTypeAnalog, {1, 0, 0}, 1, std::string(40, 'N'), 0};
    const std::vector<std::uint8_t> record = ModuleRecordBytes(0, module);
    ASSERT_EQ(record.size(), kModuleRecordBytes);
    EXPECT_EQ(record[10], 'N');
    EXPECT_EQ(record[41], 'N');
}

TEST(BusModuleTest, TheModuleBusRequestsAnswerFromTheState)
{
    LoggerState state = TwoModules();
    state.baseConfigWord = 0x0351;

    const RequestOutcome base = HandleRequest(state, Request(kRequestBaseCfg), kHostTime);
    ASSERT_TRUE(base.reply.has_value());
    EXPECT_FALSE(base.reply->error);
    EXPECT_EQ(base.reply->payload, (std::vector<std::uint8_t>{0x51, 0x03}));

    const RequestOutcome enumeration = HandleRequest(state, Request(kRequestTLEnum), kHostTime);
    ASSERT_TRUE(enumeration.reply.has_value());
    std::vector<std::uint8_t> expected = ModuleRecordBytes(2, state.modules[2]);
    const std::vector<std::uint8_t> second = ModuleRecordBytes(9, state.modules[9]);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(enumeration.reply->payload, expected);

    const RequestOutcome word = HandleRequest(state, Request(kRequestTlTran, {2, kModuleCmdSwitchWord}), kHostTime);
    ASSERT_TRUE(word.reply.has_value());
    EXPECT_FALSE(word.reply->error);
    EXPECT_EQ(word.reply->payload, (std::vector<std::uint8_t>{2, 17, 0x01, 0x02}));
    EXPECT_FALSE(word.stateChanged);

    state.modules.clear();
    const RequestOutcome empty = HandleRequest(state, Request(kRequestTLEnum), kHostTime);
    ASSERT_TRUE(empty.reply.has_value());
    EXPECT_FALSE(empty.reply->error);
    EXPECT_TRUE(empty.reply->payload.empty());
}

TEST(BusModuleTest, BadTransactionsGetErrorReplies)
{
    LoggerState state = TwoModules();
    const struct {
        const char* why;
        std::vector<std::uint8_t> payload;
        std::uint16_t code;
    } cases[] = {
        {"no payload", {}, kSimErrorBadRequestData},
        {"no command", {2}, kSimErrorBadRequestData},
        {"no module there", {3, 17}, kSimErrorNoModule},
        {"address off the bus", {200, 17}, kSimErrorNoModule},
        {"unknown command", {2, 99}, kSimErrorModuleCommand},
    };
    for (const auto& c : cases) {
        const RequestOutcome outcome = HandleRequest(state, Request(kRequestTlTran, c.payload), kHostTime);
        ASSERT_TRUE(outcome.reply.has_value()) << c.why;
        EXPECT_TRUE(outcome.reply->error) << c.why;
        EXPECT_EQ(outcome.reply->code, c.code) << c.why;
        EXPECT_FALSE(ParseErrorPayload(outcome.reply->payload).text.empty()) << c.why;
    }
}

// The replies come whole out of the link's bytes wherever these are split.
TEST(BusModuleTest, RepliesSplitAtEveryPlaceReadBackWhole)
{
    LoggerState state = TwoModules();
    const Frame enumeration = *HandleRequest(state, Request(kRequestTLEnum), kHostTime).reply;
    const Frame word = *HandleRequest(state, Request(kRequestTlTran, {2, 17}), kHostTime).reply;
    std::vector<std::uint8_t> bytes = *EncodeFrame(enumeration);
    const std::vector<std::uint8_t> more = *EncodeFrame(word);
    bytes.insert(bytes.end(), more.begin(), more.end());
    for (std::size_t split = 0; split <= bytes.size(); ++split) {
        FrameReader reader;
        std::vector<Frame> frames;
        for (const auto part : {std::span(bytes).first(split), std::span(bytes).subspan(split)}) {
            reader.Feed(part);
            while (auto frame = reader.Next())
                frames.push_back(*frame);
        }
        ASSERT_EQ(frames.size(), 2u) << "split at " << split;
        EXPECT_EQ(frames[0], enumeration);
        EXPECT_EQ(frames[1], word);
    }
}

// What a fresh logger reports decodes as valid switch settings: the base
// word's 3-bit codes (input A lowest) and each analog module's codes
// (channel 0 in bits 15-13).
TEST(BusModuleTest, AFreshLoggersSwitchWordsAreValidSettings)
{
    const LoggerState state = LoggerState::Fresh();
    for (int input = 0; input < 4; ++input) {
        const int code = (state.baseConfigWord >> (3 * input)) & 7;
        EXPECT_TRUE(code == 1 || code == 2 || code == 5) << "input " << input;
    }
    int analog = 0;
    for (const auto& [address, module] : state.modules) {
        EXPECT_LT(address, kBusSlotCount);
        if (module.type != kModuleTypeAnalog)
            continue;
        ++analog;
        for (int channel = 0; channel < 4; ++channel) {
            const int code = (module.switchWord >> (13 - 3 * channel)) & 7;
            EXPECT_TRUE(code == 2 || code == 4 || code == 5) << "module " << int{address} << " channel " << channel;
        }
    }
    EXPECT_GE(analog, 1);
}

TEST(BusModuleTest, ModulesSurviveSaveAndLoad)
{
    ScratchFolder folder;
    LoggerState state = TwoModules();
    state.baseConfigWord = 0x0A49;
    state.modules[15] = BusModule{7, {0xFF, 0xFF, 0xFF}, 0, "K\xF6hler", 0xFFFF};  // Windows-1252 o-umlaut
    ASSERT_FALSE(SaveLoggerState(folder.Path(), state));

    const LoadedLoggerState loaded = LoadLoggerState(folder.Path());
    EXPECT_TRUE(loaded.notice.empty()) << loaded.notice;
    EXPECT_EQ(FormatLoggerState(loaded.state), FormatLoggerState(state));
    EXPECT_EQ(loaded.state.baseConfigWord, 0x0A49);
    ASSERT_EQ(loaded.state.modules.size(), 3u);
    const BusModule& odd = loaded.state.modules.at(15);
    EXPECT_EQ(odd.type, 7);
    EXPECT_EQ(odd.firmware, (std::array<std::uint8_t, 3>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(odd.name, "K\xF6hler");
    EXPECT_EQ(odd.switchWord, 0xFFFF);
    EXPECT_EQ(loaded.state.modules.at(9).serialNumber, 0x0A0B0C0Du);
}

TEST(BusModuleTest, AStateFileWithoutModuleLinesHasNoModulesAndMissingFieldsTakeDefaults)
{
    const ParsedLoggerState none = ParseLoggerState("unit-name = Well\n");
    ASSERT_TRUE(none.state.has_value()) << none.error;
    EXPECT_TRUE(none.state->modules.empty());

    const ParsedLoggerState partial = ParseLoggerState("module.3.name = Tank\n");
    ASSERT_TRUE(partial.state.has_value()) << partial.error;
    ASSERT_EQ(partial.state->modules.size(), 1u);
    EXPECT_EQ(partial.state->modules.at(3).name, "Tank");
    EXPECT_EQ(partial.state->modules.at(3).type, kModuleTypeAnalog);
}

TEST(BusModuleTest, BadModuleLinesMarkTheFileDamaged)
{
    const struct {
        const char* why;
        const char* text;
    } cases[] = {
        {"address off the bus", "module.16.type = 0\n"},
        {"no address", "module.type = 0\n"},
        {"unknown field", "module.2.colour = red\n"},
        {"type too big", "module.2.type = 256\n"},
        {"short firmware", "module.2.firmware = 1.2\n"},
        {"firmware part too big", "module.2.firmware = 1.2.300\n"},
        {"serial not a number", "module.2.serial = twelve\n"},
        {"name too long", "module.2.name = 123456789012345678901234567890123\n"},
        {"switch word too big", "module.2.switches = 0x10000\n"},
        {"field given twice", "module.2.serial = 1\nmodule.2.serial = 2\n"},
        {"base word too big", "base-config = 0x10000\n"},
    };
    for (const auto& c : cases) {
        const ParsedLoggerState parsed = ParseLoggerState(c.text);
        EXPECT_FALSE(parsed.state.has_value()) << c.why;
        EXPECT_FALSE(parsed.error.empty()) << c.why;
    }
}

RequestOutcome Module(LoggerState& state, std::uint16_t type, std::vector<std::uint8_t> payload)
{
    RequestOutcome outcome = HandleRequest(state, Request(type, std::move(payload)), kHostTime);
    EXPECT_TRUE(outcome.reply.has_value());
    return outcome;
}

TEST(BusModuleTest, ModuleCommandsReadAndWriteTheModule)
{
    LoggerState state = TwoModules();
    state.modules[2].calibrationLast = -5;
    state.modules[2].calibrationComment = std::string(kModuleCommentBytes, 'c');

    const RequestOutcome info = Module(state, kRequestTlTran, {9, kModuleCmdInformation});
    const auto parsed = ParseModuleInformation(info.reply->payload);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->type, kModuleTypeDigital);
    EXPECT_EQ(parsed->serial, 0x0A0B0C0Du);
    EXPECT_EQ(parsed->name, "Pump house");

    std::vector<std::uint8_t> serial{9, kModuleCmdWriteSerial, 0x07, 0x5B, 0xCD, 0x15};
    const RequestOutcome wroteSerial = Module(state, kRequestTlTran, serial);
    EXPECT_EQ(wroteSerial.reply->payload, serial);
    EXPECT_TRUE(wroteSerial.stateChanged);
    EXPECT_EQ(state.modules[9].serialNumber, 123456789u);

    std::vector<std::uint8_t> name{9, kModuleCmdWriteName};
    name.resize(2 + kModuleNameBytes, 0);
    std::copy_n("Well 2", 6, name.begin() + 2);
    const RequestOutcome wroteName = Module(state, kRequestTlTran, name);
    EXPECT_EQ(wroteName.reply->payload, name);
    EXPECT_EQ(state.modules[9].name, "Well 2");

    const RequestOutcome calibration = Module(state, kRequestTlTran, {2, kModuleCmdCalibration});
    const auto record = ParseModuleCalibration(calibration.reply->payload);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->lastCalibration, -5);
    EXPECT_FALSE(record->HasCalibration());
    EXPECT_EQ(record->comment, state.modules[2].calibrationComment);

    const struct {
        const char* why;
        std::vector<std::uint8_t> payload;
        std::uint16_t code;
    } refused[] = {
        {"calibration of a digital module", {9, kModuleCmdCalibration}, kSimErrorModuleCommand},
        {"short serial", {9, kModuleCmdWriteSerial, 1, 2, 3}, kSimErrorBadRequestData},
        {"short name", {9, kModuleCmdWriteName, 'A'}, kSimErrorBadRequestData},
    };
    for (const auto& c : refused) {
        const RequestOutcome outcome = Module(state, kRequestTlTran, c.payload);
        EXPECT_TRUE(outcome.reply->error) << c.why;
        EXPECT_EQ(outcome.reply->code, c.code) << c.why;
    }
}

// Runs a reflash of payload up to the end step; true when every step was taken.
bool FlashUpToEnd(LoggerState& state, std::uint8_t address, const std::vector<std::uint8_t>& payload)
{
    bool good = !Module(state, kRequestTlFlash, {address, kFlashPrepare}).reply->error;
    good = good && !Module(state, kRequestTlFlash, {address, kFlashErase}).reply->error;
    for (std::size_t at = 0; good && at < payload.size(); at += kFlashMaxBlockBytes) {
        std::vector<std::uint8_t> block{address, kFlashBlock};
        const std::size_t n = std::min(kFlashMaxBlockBytes, payload.size() - at);
        block.insert(block.end(), payload.begin() + static_cast<std::ptrdiff_t>(at),
            payload.begin() + static_cast<std::ptrdiff_t>(at + n));
        good = !Module(state, kRequestTlFlash, block).reply->error;
    }
    return good && !Module(state, kRequestTlFlash, {address, kFlashEnd}).reply->error;
}

TEST(BusModuleTest, ReflashErasesThenTakesTheImageVersionAfterBusyPolls)
{
    LoggerState state = TwoModules();
    std::vector<std::uint8_t> payload(2041, 0x11);
    payload[10] = 3;
    payload[11] = 4;
    payload[12] = 5;
    ASSERT_TRUE(FlashUpToEnd(state, 9, payload));
    EXPECT_EQ(state.modules[9].firmware, (std::array<std::uint8_t, 3>{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(state.modules[9].reflashBytes, 2041u);

    // The state file keeps the reflash in progress.
    const ParsedLoggerState reloaded = ParseLoggerState(FormatLoggerState(state));
    ASSERT_TRUE(reloaded.state.has_value()) << reloaded.error;
    const BusModule& kept = reloaded.state->modules.at(9);
    EXPECT_EQ(kept.reflashStage, BusModule::ReflashStage::Ended);
    EXPECT_EQ(kept.reflashBytes, 2041u);
    EXPECT_EQ(kept.reflashVersion, (std::array<std::uint8_t, 3>{3, 4, 5}));
    EXPECT_EQ(kept.reflashBusyLeft, 3u);

    for (int i = 0; i < 3; ++i) {
        const RequestOutcome busy = Module(state, kRequestTlFlash, {9, kFlashStatus});
        EXPECT_TRUE(busy.reply->error);
        EXPECT_EQ(busy.reply->code, kFlashStatusBusy);
    }
    const RequestOutcome done = Module(state, kRequestTlFlash, {9, kFlashStatus});
    EXPECT_FALSE(done.reply->error);
    EXPECT_EQ(done.reply->payload, (std::vector<std::uint8_t>{9, kFlashStatus}));
    EXPECT_EQ(state.modules[9].firmware, (std::array<std::uint8_t, 3>{3, 4, 5}));
    EXPECT_EQ(state.modules[9].reflashStage, BusModule::ReflashStage::Idle);
}

TEST(BusModuleTest, ReflashStatusFaultsLeaveTheModuleErased)
{
    for (std::uint16_t code : {kFlashStatusRetry302, kFlashStatusRetry304, kFlashStatusRetry306,
             kFlashStatusRetry4305, kFlashStatusMissing, std::uint16_t{0x1234}}) {
        LoggerState state = TwoModules();
        state.modules[2].flashBusy = 0;
        state.modules[2].flashStatus = code;
        ASSERT_TRUE(FlashUpToEnd(state, 2, std::vector<std::uint8_t>(20, 1)));
        const RequestOutcome status = Module(state, kRequestTlFlash, {2, kFlashStatus});
        EXPECT_TRUE(status.reply->error) << code;
        EXPECT_EQ(status.reply->code, code);
        EXPECT_EQ(state.modules[2].firmware, (std::array<std::uint8_t, 3>{0xFF, 0xFF, 0xFF})) << code;
    }
}

TEST(BusModuleTest, ReflashStepsOutOfOrderAreRefused)
{
    LoggerState state = TwoModules();
    const struct {
        const char* why;
        std::vector<std::uint8_t> payload;
        std::uint16_t code;
    } cases[] = {
        {"erase before prepare", {2, kFlashErase}, kSimErrorFlashSequence},
        {"block before erase", {2, kFlashBlock, 1}, kSimErrorFlashSequence},
        {"end before erase", {2, kFlashEnd}, kSimErrorFlashSequence},
        {"status before end", {2, kFlashStatus}, kSimErrorFlashSequence},
        {"unknown sub-command", {2, 9}, kSimErrorModuleCommand},
        {"no module", {5, kFlashPrepare}, kSimErrorNoModule},
    };
    for (const auto& c : cases) {
        const RequestOutcome outcome = Module(state, kRequestTlFlash, c.payload);
        EXPECT_TRUE(outcome.reply->error) << c.why;
        EXPECT_EQ(outcome.reply->code, c.code) << c.why;
    }
    ASSERT_FALSE(Module(state, kRequestTlFlash, {2, kFlashPrepare}).reply->error);
    ASSERT_FALSE(Module(state, kRequestTlFlash, {2, kFlashErase}).reply->error);
    std::vector<std::uint8_t> tooLong{2, kFlashBlock};
    tooLong.resize(2 + kFlashMaxBlockBytes + 1, 0);
    EXPECT_EQ(Module(state, kRequestTlFlash, tooLong).reply->code, kSimErrorBadRequestData);
}

}  // namespace
}  // namespace bus_module_test
}  // namespace corvane
