#include "loggersim/LoggerRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "loggersim/ClockRequests.h"
#include "loggersim/LoginRequests.h"
#include "loggersim/ModbusRequests.h"
#include "loggersim/NetRequests.h"
#include "loggersim/RemoteIconRequests.h"
#include "loggersim/UserRequests.h"

#include <algorithm>
#include <string>

namespace corvane {

namespace {

Frame MakeReply(const Frame& request, std::vector<std::uint8_t> data, std::uint16_t code = 0)
{
    Frame reply;
    reply.kind = FrameKind::Reply;
    reply.requestType = request.requestType;
    reply.requestId = request.requestId;
    reply.code = code;
    reply.payload = std::move(data);
    return reply;
}

std::vector<std::uint8_t> U16Data(std::uint16_t value)
{
    std::vector<std::uint8_t> data(2);
    ByteWriter(data).U16LE(value);
    return data;
}

std::vector<std::uint8_t> U32Data(std::uint32_t value)
{
    std::vector<std::uint8_t> data(4);
    ByteWriter(data).U32LE(value);
    return data;
}

RequestOutcome Reply(Frame reply)
{
    RequestOutcome outcome;
    outcome.reply = std::move(reply);
    return outcome;
}

RequestOutcome BadData(const Frame& request)
{
    return Reply(MakeErrorReply(
        request, kSimErrorBadRequestData, "Request " + std::to_string(request.requestType) + " carries bad data"));
}

RequestOutcome Run(LoggerState& state, const Frame& request, std::int64_t loggerTime)
{
    ByteReader reader(request.payload);
    const std::uint16_t runFlag = reader.U16LE("run flag");
    reader.U16LE("option");
    if (reader.Failed() || runFlag > 1)
        return BadData(request);
    // Data 2: the run change is done.
    const std::vector<std::uint8_t> done = U16Data(2);
    RequestOutcome outcome;
    if (runFlag == 1 && !state.running && state.runBusyAnswers > 0) {
        --state.runBusyAnswers;
        outcome.reply = MakeReply(request, U16Data(kRunBusy));
        outcome.stateChanged = true;
        return outcome;
    }
    if (runFlag == 0 && !state.running) {
        outcome.reply = MakeReply(request, done, kCodeAlreadyStopped);
        return outcome;
    }
    if (runFlag == 1 && !state.running) {
        state.running = true;
        outcome.messages.push_back(
            MakeStatusMessage(kUnsolicitedStatus, kStatusLoggerEnabled, "Logger enabled", loggerTime));
        outcome.stateChanged = true;
    } else if (runFlag == 0) {
        state.running = false;
        outcome.messages.push_back(
            MakeStatusMessage(kUnsolicitedStatus, kStatusLoggerHalted, "Logger halted", loggerTime));
        state.AddRuntimeMessage(loggerTime, "Logging session halted by user");
        outcome.stateChanged = true;
    }
    outcome.reply = MakeReply(request, done);
    return outcome;
}

// A runtime message by index: u16 index, i32 time, the NUL-terminated
// text; past the last only the index (7 bytes or fewer mean no message).
RequestOutcome InfoMsg(const LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t index = reader.U16LE("message index");
    if (reader.Failed())
        return BadData(request);
    if (index >= state.runtimeMessages.size())
        return Reply(MakeReply(request, U16Data(index)));
    const LoggerState::RuntimeMessage& message = state.runtimeMessages[index];
    std::vector<std::uint8_t> data(6 + message.text.size() + 1, 0);
    ByteWriter writer(data);
    writer.U16LE(index);
    writer.U32LE(static_cast<std::uint32_t>(message.time));
    writer.FixedText(message.text, message.text.size() + 1);
    return Reply(MakeReply(request, std::move(data)));
}

// Clears status flags of the logging session; any bit outside the
// clearable mask refuses the whole request.
RequestOutcome SFlagClr(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint32_t bits = reader.U32LE("flag bits");
    if (reader.Failed())
        return BadData(request);
    if (bits == 0 || (bits & ~kClearableStatusFlags) != 0)
        return Reply(MakeErrorReply(request, kSimErrorFlagNotClearable, "Status flag cannot be cleared"));
    state.statusWord &= ~bits;
    RequestOutcome outcome = Reply(MakeReply(request, {}));
    outcome.stateChanged = true;
    return outcome;
}

RequestOutcome CfGet(const LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint16_t key = reader.U16LE("key");
    if (reader.Failed())
        return BadData(request);
    const auto value = key <= 0xFF ? state.Item(static_cast<std::uint8_t>(key)) : std::nullopt;
    if (!value)
        return Reply(MakeErrorReply(
            request, kSimErrorNoSuchItem, "Configuration item " + std::to_string(key) + " is not present"));
    std::vector<std::uint8_t> data = U16Data(key);
    data.insert(data.end(), value->begin(), value->end());
    return Reply(MakeReply(request, std::move(data)));
}

RequestOutcome CfSet(LoggerState& state, const Frame& request)
{
    if (request.payload.empty())
        return BadData(request);
    const std::uint8_t key = request.payload[0];
    const std::span<const std::uint8_t> value = std::span(request.payload).subspan(1);
    if (state.running)
        return Reply(
            MakeErrorReply(request, kSimErrorLoggerEnabled, "Configuration cannot change while the logger is enabled"));
    const std::vector<std::uint8_t> present = state.PresentKeys();
    if (std::find(present.begin(), present.end(), key) == present.end())
        return Reply(MakeErrorReply(
            request, kSimErrorNoSuchItem, "Configuration item " + std::to_string(key) + " is not present"));
    if (!state.SetItem(key, value))
        return Reply(
            MakeErrorReply(request, kSimErrorItemLength, "Configuration item " + std::to_string(key) + " is too long"));
    RequestOutcome outcome = Reply(MakeReply(request, U16Data(key)));
    outcome.stateChanged = true;
    return outcome;
}

// The bus enumeration: one module record per module, by address.
RequestOutcome TLEnum(const LoggerState& state, const Frame& request)
{
    std::vector<std::uint8_t> data;
    for (const auto& [address, module] : state.modules) {
        const std::vector<std::uint8_t> record = ModuleRecordBytes(address, module);
        data.insert(data.end(), record.begin(), record.end());
    }
    return Reply(MakeReply(request, std::move(data)));
}

// A module transaction: u8 bus address, u8 command, the command's data.
// The reply repeats address and command; its answer starts at byte 2.
RequestOutcome TlTran(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint8_t address = reader.U8("bus address");
    const std::uint8_t command = reader.U8("command");
    if (reader.Failed())
        return BadData(request);
    const auto found = state.modules.find(address);
    if (found == state.modules.end())
        return Reply(MakeErrorReply(request, kSimErrorNoModule, "No module at bus address " + std::to_string(address)));
    BusModule& module = found->second;
    const std::span<const std::uint8_t> argument = request.payload.size() > 2
        ? std::span<const std::uint8_t>(request.payload).subspan(2)
        : std::span<const std::uint8_t>{};
    std::vector<std::uint8_t> data{address, command};
    const auto refuse = [&] {
        return Reply(MakeErrorReply(
            request, kSimErrorModuleCommand, "Module command " + std::to_string(command) + " is not supported"));
    };
    switch (command) {
    case kModuleCmdSwitchWord: {
        data.resize(4);
        ByteWriter writer(std::span<std::uint8_t>(data).subspan(2));
        writer.U16BE(module.switchWord);
        return Reply(MakeReply(request, std::move(data)));
    }
    case kModuleCmdInformation: {
        // Bytes 2..41 of the module record follow address and command.
        const std::vector<std::uint8_t> record = ModuleRecordBytes(address, module);
        data.insert(data.end(), record.begin() + 2, record.end());
        return Reply(MakeReply(request, std::move(data)));
    }
    case kModuleCmdWriteSerial: {
        if (argument.size() != kModuleSerialBytes)
            return BadData(request);
        ByteReader argumentReader(argument);
        module.serialNumber = argumentReader.U32BE("serial number");
        data.insert(data.end(), argument.begin(), argument.end());
        RequestOutcome outcome = Reply(MakeReply(request, std::move(data)));
        outcome.stateChanged = true;
        return outcome;
    }
    case kModuleCmdWriteName: {
        if (argument.size() != kModuleNameBytes)
            return BadData(request);
        ByteReader argumentReader(argument);
        module.name = std::string(argumentReader.FixedText(kModuleNameBytes, "module name"));
        data.insert(data.end(), argument.begin(), argument.end());
        RequestOutcome outcome = Reply(MakeReply(request, std::move(data)));
        outcome.stateChanged = true;
        return outcome;
    }
    case kModuleCmdCalibration: {
        if (module.type != kModuleTypeAnalog)
            return refuse();
        data.resize(kModuleCalibrationReplyBytes, 0);
        ByteWriter writer(std::span<std::uint8_t>(data).subspan(2));
        writer.U32LE(static_cast<std::uint32_t>(module.calibrationLast));
        writer.U32LE(module.calibrationDue);
        writer.FixedText(module.calibrationComment, kModuleCommentBytes, "comment");
        return Reply(MakeReply(request, std::move(data)));
    }
    default:
        return refuse();
    }
}

// A module reflash step: u8 bus address, u8 sub-command, a payload block for
// sub-command 1. Steps must come in order: prepare, erase, blocks, end,
// status. Erasing leaves the module without firmware until a good end.
RequestOutcome TlFlash(LoggerState& state, const Frame& request)
{
    ByteReader reader(request.payload);
    const std::uint8_t address = reader.U8("bus address");
    const std::uint8_t sub = reader.U8("sub-command");
    if (reader.Failed())
        return BadData(request);
    const std::span<const std::uint8_t> block = std::span<const std::uint8_t>(request.payload).subspan(2);
    const auto found = state.modules.find(address);
    if (found == state.modules.end())
        return Reply(MakeErrorReply(request, kSimErrorNoModule, "No module at bus address " + std::to_string(address)));
    BusModule& module = found->second;
    using Stage = BusModule::ReflashStage;
    const auto outOfOrder = [&] {
        return Reply(MakeErrorReply(request, kSimErrorFlashSequence,
            "Reflash step " + std::to_string(sub) + " is out of sequence"));
    };
    const auto accept = [&] {
        RequestOutcome outcome = Reply(MakeReply(request, {address, sub}));
        outcome.stateChanged = true;
        return outcome;
    };
    switch (sub) {
    case kFlashPrepare:
        if (!block.empty())
            return BadData(request);
        module.reflashStage = Stage::Prepared;
        module.reflashBytes = 0;
        module.reflashVersion = {0, 0, 0};
        return accept();
    case kFlashErase:
        if (module.reflashStage != Stage::Prepared)
            return outOfOrder();
        module.reflashStage = Stage::Erased;
        module.firmware = {kNoFirmwareByte, kNoFirmwareByte, kNoFirmwareByte};
        return accept();
    case kFlashBlock:
        if (module.reflashStage != Stage::Erased)
            return outOfOrder();
        if (block.empty() || block.size() > kFlashMaxBlockBytes)
            return BadData(request);
        // The image carries its version at its bytes 10..12.
        for (std::size_t i = 0; i < block.size(); ++i) {
            const std::uint64_t at = std::uint64_t{module.reflashBytes} + i;
            if (at >= 10 && at <= 12)
                module.reflashVersion[static_cast<std::size_t>(at - 10)] = block[i];
        }
        module.reflashBytes += static_cast<std::uint32_t>(block.size());
        return accept();
    case kFlashEnd:
        if (module.reflashStage != Stage::Erased)
            return outOfOrder();
        module.reflashStage = Stage::Ended;
        module.reflashBusyLeft = module.flashBusy;
        return accept();
    case kFlashStatus: {
        if (module.reflashStage != Stage::Ended)
            return outOfOrder();
        RequestOutcome outcome;
        if (module.reflashBusyLeft > 0) {
            --module.reflashBusyLeft;
            outcome = Reply(MakeErrorReply(request, kFlashStatusBusy, "Module busy"));
        } else if (module.flashStatus != 0) {
            module.reflashStage = Stage::Idle;
            outcome = Reply(MakeErrorReply(request, module.flashStatus, "Module reflash failed"));
        } else {
            module.reflashStage = Stage::Idle;
            module.firmware = module.reflashVersion;
            outcome = Reply(MakeReply(request, {address, sub}));
        }
        outcome.stateChanged = true;
        return outcome;
    }
    default:
        return Reply(MakeErrorReply(request, kSimErrorModuleCommand,
            "Reflash sub-command " + std::to_string(sub) + " is not supported"));
    }
}

}  // namespace

Frame MakeErrorReply(const Frame& request, std::uint16_t code, std::string_view text)
{
    Frame reply = MakeReply(request, MakeErrorPayload(code, text), code);
    reply.error = true;
    return reply;
}

Frame MakeStatusMessage(std::uint16_t kind, std::uint16_t code, std::string_view text, std::int64_t loggerTime)
{
    const std::string_view cut = text.substr(0, kMaxFramePayload - 11);
    std::vector<std::uint8_t> data(10 + cut.size() + 1, 0);
    ByteWriter writer(data);
    writer.U16LE(0);
    writer.U16LE(code);
    writer.U32LE(static_cast<std::uint32_t>(loggerTime));
    writer.U16LE(0);
    writer.FixedText(cut, cut.size() + 1);
    Frame message;
    message.kind = FrameKind::Unsolicited;
    message.requestType = kind;
    message.code = code;
    message.payload = std::move(data);
    return message;
}

Frame MakeRealTimeMessage(
    std::uint32_t streamId, std::int64_t loggerTime, std::uint16_t subSecond, std::span<const RealTimeItem> items)
{
    std::vector<std::uint8_t> data(10 + 6 * items.size(), 0);
    ByteWriter writer(data);
    writer.U32LE(streamId);
    writer.U32LE(static_cast<std::uint32_t>(loggerTime));
    writer.U16LE(subSecond);
    for (const RealTimeItem& item : items) {
        writer.U16LE(item.probeId);
        writer.F32LE(item.value);
    }
    Frame message;
    message.kind = FrameKind::Unsolicited;
    message.requestType = kUnsolicitedRealTime;
    message.payload = std::move(data);
    return message;
}

RequestOutcome HandleRequest(LoggerState& state, const Frame& request, std::int64_t hostSeconds)
{
    const std::int64_t loggerTime = hostSeconds + state.clockOffsetSeconds;
    switch (request.requestType) {
    case kRequestPing: {
        // The tag comes back, always NUL-terminated.
        std::vector<std::uint8_t> data = request.payload;
        if (data.empty() || data.back() != 0)
            data.push_back(0);
        return Reply(MakeReply(request, std::move(data)));
    }
    case kRequestOobS: return Reply(MakeReply(request, U32Data(state.StatusWordNow())));
    case kRequestMsgTimeout: return Reply(MakeReply(request, U32Data(state.messageTimeoutMs)));
    case kRequestPwStatus: return Reply(MakeReply(request, {state.passwordsOn, state.fullAccess}));
    case kRequestUserAuth: return AnswerLoginChallenge(state, request);
    case kRequestPassWd: {
        // The login's second stage and a password change share the type;
        // the first word tells them apart.
        ByteReader reader(request.payload);
        if (reader.U16LE("stage") == kPasswordChangeStage && !reader.Failed())
            return AnswerPasswordChange(state, request);
        return AnswerLoginResponse(state, request);
    }
    case kRequestPassMan: return AnswerUserTable(state, request);
    case kRequestRtStreamReq: {
        ByteReader reader(request.payload);
        const std::uint16_t on = reader.U16LE("on");
        if (reader.Failed() || on > 1)
            return BadData(request);
        RequestOutcome outcome = Reply(MakeReply(request, U16Data(on)));
        outcome.streaming = on == 1;
        return outcome;
    }
    case kRequestStateGet: return Reply(MakeReply(request, state.StateBlock(loggerTime)));
    case kRequestCfGet: return CfGet(state, request);
    case kRequestCfSet: return CfSet(state, request);
    case kRequestCfEnum: return Reply(MakeReply(request, state.PresentKeys()));
    case kRequestRun: return Run(state, request, loggerTime);
    case kRequestGetRunState: return Reply(MakeReply(request, U16Data(state.running ? 1 : 0)));
    case kRequestInfoMsg: return InfoMsg(state, request);
    case kRequestSFlagClr: return SFlagClr(state, request);
    case kRequestQuvTimeSet: return AnswerQuvTimeSet(state, request, hostSeconds);
    case kRequestReset: return AnswerReset(request);
    case kRequestBaseCfg: return Reply(MakeReply(request, U16Data(state.baseConfigWord)));
    case kRequestTLEnum: return TLEnum(state, request);
    case kRequestTlTran: return TlTran(state, request);
    case kRequestTlFlash: return TlFlash(state, request);
    case kRequestMbTran: return AnswerModbusTransaction(state, request, loggerTime);
    case kRequestNetSet: return AnswerNetSet(state, request);
    case kRequestNetInit: return AnswerNetInit(state, request);
    case kRequestNetParm: return AnswerNetParm(state, request);
    case kRequestNetGet: return AnswerNetGet(state, request);
    case kRequestEraseAll: return AnswerEraseAll(state, request);
    case kRequestIcpMsg: return AnswerRemoteIconList(state, request);
    case kRequestIconMsg: return AnswerRemoteIconWrite(state, request);
    case kRequestRttId: return AnswerProbeDescriptors(state, request);
    case kRequestRtGet: return AnswerProbeValues(state, request, loggerTime);
    case kRequestDisco: {
        RequestOutcome outcome = Reply(MakeReply(request, {}));
        outcome.streaming = false;
        return outcome;
    }
    default:
        return Reply(MakeErrorReply(
            request, kSimErrorUnknownRequest, "Request " + std::to_string(request.requestType) + " is not supported"));
    }
}

RequestOutcome AnswerRequest(const Frame& request, std::vector<std::uint8_t> data)
{
    RequestOutcome outcome;
    outcome.reply = MakeReply(request, std::move(data));
    return outcome;
}

RequestOutcome RefuseRequest(const Frame& request, std::uint16_t code, std::string_view text)
{
    RequestOutcome outcome;
    outcome.reply = MakeErrorReply(request, code, text);
    return outcome;
}

}  // namespace corvane
