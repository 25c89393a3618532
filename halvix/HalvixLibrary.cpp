#include "halvix/HalvixLibrary.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"
#include "halvix/internal/LinkOpener.h"
#include "halvix/internal/LinkSession.h"
#include "halvix/protocol/DiagnosticLogLayout.h"
#include "halvix/protocol/Frame.h"
#include "halvix/protocol/ModbusTransactionLayout.h"
#include "halvix/protocol/ModuleReplies.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/UserRecords.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <fstream>

namespace corvane {

struct HalvixLibrary::Settings {
    std::atomic<std::uint32_t> commsThreadId{0};
    std::atomic<bool> initialised{false};
    std::atomic<std::int32_t> loggingFlags{kLogNone};
    std::atomic<std::uint32_t> nextRequestId{1};
    std::uint32_t retryTimeMs = kDefaultRetryTimeMs;
    int maxRetries = kDefaultMaxRetries;
    int comPort = 1;
    int commType = kCommTypeSerial;
    SerialSettings serial;
    std::string host;
    std::uint16_t port = 0;
    std::uint32_t connectTimeoutMs = kDefaultSocketConnectTimeoutMs;
};

namespace {

std::string TimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S  ", &local);
    return text;
}

std::vector<std::uint8_t> U16Payload(std::uint16_t value)
{
    std::vector<std::uint8_t> payload(2);
    ByteWriter(payload).U16LE(value);
    return payload;
}

std::vector<std::uint8_t> U32Payload(std::uint32_t value)
{
    std::vector<std::uint8_t> payload(4);
    ByteWriter(payload).U32LE(value);
    return payload;
}

bool IsSessionName(std::string_view name)
{
    return name.size() == kSessionNameSize && name.find('\0') == std::string_view::npos;
}

}  // namespace

HalvixLibrary::HalvixLibrary(std::unique_ptr<MessagePoster> poster, HalvixOptions options)
    : poster_(std::move(poster)), options_(std::move(options)), settings_(std::make_unique<Settings>())
{
    // Request ids continue across links; starting from the clock keeps a
    // logger that outlives this program from taking a new request for a
    // repeat of an old one.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    settings_->nextRequestId.store(static_cast<std::uint32_t>(ticks) | 1u);
}

HalvixLibrary::~HalvixLibrary()
{
    std::unique_lock lock(mutex_);
    CloseLinkLocked(lock);
}

void HalvixLibrary::CloseLinkLocked(std::unique_lock<std::mutex>& lock)
{
    // The session's thread may be posting through callbacks; it is stopped
    // without holding the lock.
    std::unique_ptr<LinkSession> session = std::move(session_);
    lock.unlock();
    session.reset();
    lock.lock();
}

void HalvixLibrary::Log(std::string_view line)
{
    std::string stamped = TimeStamp() + std::string(line);
    std::lock_guard lock(logMutex_);
    if (!options_.logFile.empty()) {
        std::ofstream file(options_.logFile, std::ios::app);
        file << stamped << '\n';
    }
    logLines_.push_back(std::move(stamped));
    if (logLines_.size() > options_.logLinesKept)
        logLines_.erase(logLines_.begin(),
            logLines_.begin() + static_cast<std::ptrdiff_t>(logLines_.size() - options_.logLinesKept));
}

std::vector<std::string> HalvixLibrary::LogLines() const
{
    std::lock_guard lock(logMutex_);
    return logLines_;
}

int HalvixLibrary::SetCommsThreadId(std::uint32_t threadId)
{
    settings_->commsThreadId.store(threadId);
    return kCxOk;
}

int HalvixLibrary::Init()
{
    settings_->initialised.store(true);
    return kCxOk;
}

int HalvixLibrary::SetLoggingFlags(std::int32_t flags)
{
    settings_->loggingFlags.store(flags);
    std::lock_guard lock(mutex_);
    if (session_)
        session_->SetTracing(flags != kLogNone);
    return kCxOk;
}

int HalvixLibrary::GetLoggingFlags(std::int32_t& flags) const
{
    flags = settings_->loggingFlags.load();
    return kCxOk;
}

int HalvixLibrary::AddEventToLog(std::string_view text)
{
    Log(text);
    return kCxOk;
}

int HalvixLibrary::GetCommLibVersion(std::uint32_t& version) const
{
    version = kCommLibVersion;
    return kCxOk;
}

int HalvixLibrary::SetRetryTime(std::uint32_t milliseconds)
{
    std::lock_guard lock(mutex_);
    settings_->retryTimeMs = std::clamp<std::uint32_t>(milliseconds, 1, kMaxRetryTimeMs);
    if (session_)
        session_->SetTiming(settings_->retryTimeMs, settings_->maxRetries);
    return kCxOk;
}

int HalvixLibrary::GetRetryTime(std::uint32_t& milliseconds) const
{
    std::lock_guard lock(mutex_);
    milliseconds = settings_->retryTimeMs;
    return kCxOk;
}

int HalvixLibrary::SetMaxRetries(int count)
{
    if (count < 0)
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    settings_->maxRetries = count;
    if (session_)
        session_->SetTiming(settings_->retryTimeMs, settings_->maxRetries);
    return kCxOk;
}

int HalvixLibrary::SetComPort(int port)
{
    if (port < 1)
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    settings_->comPort = port;
    return kCxOk;
}

int HalvixLibrary::ComPort() const
{
    std::lock_guard lock(mutex_);
    return settings_->comPort;
}

int HalvixLibrary::SetCommunicationType(int type)
{
    if (type != kCommTypeSerial && type != kCommTypeNetwork)
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    settings_->commType = type;
    return kCxOk;
}

int HalvixLibrary::SetSerialSettings(const SerialSettings& settings)
{
    if (!SerialSettingsSupported(settings))
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    settings_->serial = settings;
    return kCxOk;
}

int HalvixLibrary::SetNetworkServer(std::string_view host, std::uint16_t port)
{
    if (host.empty() || host.size() > 255 || host.find('\0') != std::string_view::npos || port == 0)
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    settings_->host = std::string(host);
    settings_->port = port;
    return kCxOk;
}

int HalvixLibrary::SetSocketConnectTimeout(std::uint32_t milliseconds)
{
    std::lock_guard lock(mutex_);
    settings_->connectTimeoutMs = milliseconds;
    return kCxOk;
}

void HalvixLibrary::SetSerialDevice(int port, std::string devicePath)
{
    std::lock_guard lock(mutex_);
    serialDevices_[port] = std::move(devicePath);
}

std::string HalvixLibrary::SerialDevice(int port) const
{
    std::lock_guard lock(mutex_);
    return SerialDeviceLocked(port);
}

std::string HalvixLibrary::SerialDeviceLocked(int port) const
{
    const auto found = serialDevices_.find(port);
    if (found != serialDevices_.end())
        return found->second;
    return "/dev/ttyS" + std::to_string(port - 1);
}

std::string HalvixLibrary::LastLinkError() const
{
    std::lock_guard lock(mutex_);
    return lastLinkError_;
}

int HalvixLibrary::LoggerConnect(int open)
{
    if (!settings_->initialised.load())
        return kCxUninitialized;
    std::unique_lock lock(mutex_);
    CloseLinkLocked(lock);
    if (open == 0) {
        Log("link closed");
        return kCxOk;
    }
    const bool serial = settings_->commType == kCommTypeSerial;
    const std::string device = serial ? SerialDeviceLocked(settings_->comPort) : std::string();
    const SerialSettings serialSettings = settings_->serial;
    const std::string host = settings_->host;
    const std::uint16_t port = settings_->port;
    const std::uint32_t connectTimeoutMs = settings_->connectTimeoutMs;
    lock.unlock();

    // Opening may wait for the network; nothing is locked meanwhile.
    OpenedLink link;
    if (serial)
        link = OpenSerialLink(device, serialSettings);
    else if (host.empty())
        link.error = "No logger address is set.";
    else
        link = OpenTcpLink(host, port, connectTimeoutMs);

    lock.lock();
    if (!link.fd.Valid()) {
        lastLinkError_ = link.error;
        lock.unlock();
        Log("cannot open the link: " + link.error);
        return kCxCommError;
    }
    lastLinkError_.clear();
    CloseLinkLocked(lock);  // another thread may have opened one meanwhile
    LinkEvents events;
    events.reply = [this](WindowHandle window, std::unique_ptr<CReplyMessage> reply) {
        const std::uint16_t type = reply->RequestType();
        poster_->PostToWindow(window, kReplyMessage, type, 0, std::move(reply));
    };
    events.timeout = [this](WindowHandle window, std::uint16_t type) {
        poster_->PostToWindow(window, kTimeoutMessage, type, type, nullptr);
    };
    events.unsolicited = [this](std::unique_ptr<CReplyMessage> message) {
        const std::uint32_t threadId = settings_->commsThreadId.load();
        if (threadId == 0)
            return;
        const std::uint16_t kind = message->RequestType();
        poster_->PostToThread(threadId, kUnsolicitedMessage, kind, 0, std::move(message));
    };
    events.trace = [this](std::string_view line) { Log(line); };
    session_ = std::make_unique<LinkSession>(std::move(link.fd), serial, std::move(events), settings_->nextRequestId);
    session_->SetTiming(settings_->retryTimeMs, settings_->maxRetries);
    session_->SetTracing(settings_->loggingFlags.load() != kLogNone);
    session_->Start();
    lock.unlock();
    Log(serial ? "serial link open on " + device : "network link open to " + host + ":" + std::to_string(port));
    return kCxOk;
}

std::uint32_t HalvixLibrary::GetCommsStatus() const
{
    std::lock_guard lock(mutex_);
    if (!session_)
        return 0;
    if (session_->Lost())
        return kCommsLinkLost;
    std::uint32_t status = session_->Serial() ? kCommsSerialOpen : kCommsNetworkOpen;
    if (session_->Busy())
        status |= kCommsBusy;
    return status;
}

int HalvixLibrary::PollConnection() const
{
    std::lock_guard lock(mutex_);
    return session_ && !session_->Lost() ? 0 : 1;
}

int HalvixLibrary::SendRequest(WindowHandle window, std::uint16_t requestType, std::span<const std::uint8_t> payload)
{
    if (!settings_->initialised.load())
        return kCxUninitialized;
    if (payload.size() > kMaxFramePayload)
        return kCxBadArgument;
    return SendPayload(window, requestType, std::vector<std::uint8_t>(payload.begin(), payload.end()));
}

int HalvixLibrary::SendPayload(WindowHandle window, std::uint16_t requestType, std::vector<std::uint8_t> payload)
{
    if (!settings_->initialised.load())
        return kCxUninitialized;
    if (payload.size() > kMaxFramePayload)
        return kCxBadArgument;
    std::lock_guard lock(mutex_);
    if (!session_)
        return kCxCommError;
    return session_->Enqueue(window, requestType, std::move(payload));
}

int HalvixLibrary::Ping(WindowHandle window, std::string_view tag)
{
    if (tag.size() >= kMaxFramePayload || tag.find('\0') != std::string_view::npos)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(tag.begin(), tag.end());
    payload.push_back(0);
    return SendPayload(window, kRequestPing, std::move(payload));
}

int HalvixLibrary::OobS(WindowHandle window, std::uint16_t value)
{
    return SendPayload(window, kRequestOobS, U16Payload(value));
}

int HalvixLibrary::MsgTimeout(WindowHandle window) { return SendRequest(window, kRequestMsgTimeout, {}); }

int HalvixLibrary::PwStatus(WindowHandle window) { return SendRequest(window, kRequestPwStatus, {}); }

int HalvixLibrary::RtStreamReq(WindowHandle window, std::uint16_t on)
{
    return SendPayload(window, kRequestRtStreamReq, U16Payload(on));
}

int HalvixLibrary::StateGet(WindowHandle window) { return SendRequest(window, kRequestStateGet, {}); }

int HalvixLibrary::CfGet(WindowHandle window, std::uint16_t key)
{
    return SendPayload(window, kRequestCfGet, U16Payload(key));
}

int HalvixLibrary::CfSet(WindowHandle window, std::uint8_t key, std::span<const std::uint8_t> value)
{
    if (value.size() >= kMaxFramePayload)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload;
    payload.reserve(1 + value.size());
    payload.push_back(key);
    payload.insert(payload.end(), value.begin(), value.end());
    return SendPayload(window, kRequestCfSet, std::move(payload));
}

int HalvixLibrary::CfEnum(WindowHandle window) { return SendRequest(window, kRequestCfEnum, {}); }

int HalvixLibrary::Run(WindowHandle window, std::uint16_t runFlag, std::uint16_t option)
{
    std::vector<std::uint8_t> payload(4);
    ByteWriter writer(payload);
    writer.U16LE(runFlag);
    writer.U16LE(option);
    return SendPayload(window, kRequestRun, std::move(payload));
}

int HalvixLibrary::Disco(WindowHandle window) { return SendRequest(window, kRequestDisco, {}); }

int HalvixLibrary::BaseCfg(WindowHandle window) { return SendRequest(window, kRequestBaseCfg, {}); }

int HalvixLibrary::TLEnum(WindowHandle window) { return SendRequest(window, kRequestTLEnum, {}); }

int HalvixLibrary::InfoMsg(WindowHandle window, std::uint16_t index)
{
    return SendPayload(window, kRequestInfoMsg, U16Payload(index));
}

int HalvixLibrary::SFlagClr(WindowHandle window, std::uint32_t flagBit)
{
    return SendPayload(window, kRequestSFlagClr, U32Payload(flagBit));
}

int HalvixLibrary::QuvTimeSet(WindowHandle window, std::int32_t utcSeconds, std::uint16_t ruleBits,
    std::uint16_t offsetMinutesWest, std::uint16_t milliseconds)
{
    std::vector<std::uint8_t> payload(10);
    ByteWriter writer(payload);
    writer.U32LE(static_cast<std::uint32_t>(utcSeconds));
    writer.U16LE(ruleBits);
    writer.U16LE(offsetMinutesWest);
    writer.U16LE(milliseconds);
    return SendPayload(window, kRequestQuvTimeSet, std::move(payload));
}

int HalvixLibrary::GetRunState(WindowHandle window) { return SendRequest(window, kRequestGetRunState, {}); }

int HalvixLibrary::Reset(WindowHandle window, std::uint16_t option)
{
    return SendPayload(window, kRequestReset, U16Payload(option));
}

int HalvixLibrary::FlashInit(WindowHandle window, std::span<const std::uint8_t, 8> key)
{
    return SendPayload(window, kRequestFlashInit, std::vector<std::uint8_t>(key.begin(), key.end()));
}

int HalvixLibrary::FlashData(
    WindowHandle window, std::uint32_t offset, std::span<const std::uint8_t> buffer, std::uint16_t count)
{
    // u32 byte offset, u16 count, then the block.
    if (count > kFlashDataMaxBytes || count > buffer.size())
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(6 + std::size_t{count});
    ByteWriter writer(payload);
    writer.U32LE(offset);
    writer.U16LE(count);
    writer.Bytes(buffer.first(count));
    return SendPayload(window, kRequestFlashData, std::move(payload));
}

int HalvixLibrary::FlashExec(WindowHandle window, std::span<const std::uint8_t, 8> key, std::uint16_t relayOption)
{
    std::vector<std::uint8_t> payload(10);
    ByteWriter writer(payload);
    writer.Bytes(key);
    writer.U16LE(relayOption);
    return SendPayload(window, kRequestFlashExec, std::move(payload));
}

int HalvixLibrary::IcpMsg(WindowHandle window, std::uint16_t kind, std::span<const std::uint8_t> block)
{
    // u16 message kind, then the block.
    if (block.size() > kMaxFramePayload - 2)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(2 + block.size());
    ByteWriter writer(payload);
    writer.U16LE(kind);
    writer.Bytes(block);
    return SendPayload(window, kRequestIcpMsg, std::move(payload));
}

int HalvixLibrary::IconMsg(
    WindowHandle window, std::uint16_t kind, std::uint16_t iconId, std::span<const std::uint8_t> block)
{
    // u16 message kind, u16 icon id, then the block.
    if (block.size() > kMaxFramePayload - 4)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(4 + block.size());
    ByteWriter writer(payload);
    writer.U16LE(kind);
    writer.U16LE(iconId);
    writer.Bytes(block);
    return SendPayload(window, kRequestIconMsg, std::move(payload));
}

int HalvixLibrary::RttId(WindowHandle window, std::uint32_t continuation)
{
    return SendPayload(window, kRequestRttId, U32Payload(continuation));
}

int HalvixLibrary::RtGet(WindowHandle window, std::uint32_t continuation)
{
    return SendPayload(window, kRequestRtGet, U32Payload(continuation));
}

int HalvixLibrary::DbFGet(WindowHandle window, std::uint32_t offset)
{
    return SendPayload(window, kRequestDbFGet, U32Payload(offset));
}

int HalvixLibrary::QuvDbFCtl(
    WindowHandle window, std::span<const std::uint8_t> levels, std::uint8_t operation, std::uint8_t flag)
{
    if (levels.size() != kDiagnosticLevelBlockSize)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(kDiagnosticControlRequestSize);
    ByteWriter writer(payload);
    writer.Bytes(levels);
    writer.U8(operation);
    writer.U8(flag);
    return SendPayload(window, kRequestQuvDbFCtl, std::move(payload));
}

int HalvixLibrary::TlTran(
    WindowHandle window, std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> data)
{
    // u8 bus address, u8 command, then the command's data.
    if (data.size() > kMaxFramePayload - 2)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload;
    payload.reserve(2 + data.size());
    payload.push_back(address);
    payload.push_back(command);
    payload.insert(payload.end(), data.begin(), data.end());
    return SendPayload(window, kRequestTlTran, std::move(payload));
}

int HalvixLibrary::TlFlash(
    WindowHandle window, std::uint8_t address, std::uint8_t subCommand, std::span<const std::uint8_t> data)
{
    // u8 bus address, u8 sub-command, then the block.
    if (data.size() > kFlashMaxBlockBytes)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload;
    payload.reserve(2 + data.size());
    payload.push_back(address);
    payload.push_back(subCommand);
    payload.insert(payload.end(), data.begin(), data.end());
    return SendPayload(window, kRequestTlFlash, std::move(payload));
}

int HalvixLibrary::MbTran(WindowHandle window, std::uint32_t server, std::uint16_t port, std::uint16_t unit,
    std::uint8_t wordOrder, std::uint8_t function, std::span<const std::uint8_t> pdu)
{
    if (pdu.size() > kMbTranMaxPdu)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(kMbTranPduOffset + pdu.size());
    ByteWriter writer(payload);
    writer.U32LE(server);
    writer.U16LE(port);
    writer.U16LE(unit);
    writer.U8(wordOrder);
    writer.U8(function);
    writer.Bytes(pdu);
    return SendRequest(window, kRequestMbTran, payload);
}

int HalvixLibrary::UserAuth(WindowHandle window, std::span<const std::uint8_t> buffer)
{
    if (buffer.size() != kUserAuthBufferSize)
        return kCxBadArgument;
    ByteReader reader(buffer);
    reader.Seek(kUserAuthStageOffset);
    const std::uint16_t stage = reader.U16LE("stage");
    if (stage == kUserAuthStageChallenge)
        return SendRequest(window, kRequestUserAuth, buffer);
    if (stage == kUserAuthStageResponse)
        return SendRequest(window, kRequestPassWd, buffer);
    return kCxBadArgument;
}

int HalvixLibrary::EraseAll(WindowHandle window) { return SendRequest(window, kRequestEraseAll, {}); }

int HalvixLibrary::NetSet(WindowHandle window, std::uint32_t value, std::span<const std::uint8_t> block)
{
    if (block.size() > kNetBlockSize)
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(kNetBlockOffset + block.size());
    ByteWriter writer(payload);
    writer.U32LE(value);
    writer.Bytes(block);
    return SendPayload(window, kRequestNetSet, std::move(payload));
}

int HalvixLibrary::NetInit(WindowHandle window) { return SendRequest(window, kRequestNetInit, {}); }

int HalvixLibrary::NetParm(WindowHandle window) { return SendRequest(window, kRequestNetParm, {}); }

int HalvixLibrary::NetGet(WindowHandle window, std::uint32_t request)
{
    std::vector<std::uint8_t> payload(kNetValueSize);
    ByteWriter writer(payload);
    writer.U32LE(request);
    return SendPayload(window, kRequestNetGet, std::move(payload));
}

int HalvixLibrary::ListSessions(WindowHandle window, std::span<const std::uint8_t> data)
{
    if (data.size() < kSessionListHeaderSize)
        return kCxBadArgument;
    return SendRequest(window, kRequestListSessions, data.first(kSessionListHeaderSize));
}

int HalvixLibrary::SdlStart(WindowHandle window, std::uint16_t mode, std::string_view sessionName)
{
    if (!IsSessionName(sessionName))
        return kCxBadArgument;
    std::vector<std::uint8_t> payload(kSdlModeSize + kSessionNameSize);
    ByteWriter writer(payload);
    writer.U16LE(mode);
    writer.FixedText(sessionName, kSessionNameSize);
    return SendPayload(window, kRequestSdlStart, std::move(payload));
}

int HalvixLibrary::SdlError(WindowHandle window, std::uint32_t total, std::uint32_t offset)
{
    std::vector<std::uint8_t> payload(kSdlErrorSize);
    ByteWriter writer(payload);
    writer.U32LE(total);
    writer.U32LE(offset);
    return SendPayload(window, kRequestSdlError, std::move(payload));
}

int HalvixLibrary::EraseSession(WindowHandle window, std::string_view sessionName)
{
    if (!IsSessionName(sessionName))
        return kCxBadArgument;
    return SendPayload(window, kRequestEraseSession, std::vector<std::uint8_t>(sessionName.begin(), sessionName.end()));
}

int HalvixLibrary::PassMan(WindowHandle window, std::uint8_t operation, std::uint8_t subCode, std::string_view name,
    std::string_view password, std::uint32_t rightsLow, std::uint32_t rightsHigh)
{
    if (name.size() > kMaxUserNameBytes || password.size() > kMaxPasswordBytes)
        return kCxBadArgument;
    UserRecord record{operation, subCode, std::string(name), std::string(password), rightsLow, rightsHigh};
    return SendPayload(window, kRequestPassMan, EncodeUserRecord(record));
}

int HalvixLibrary::PassWd(
    WindowHandle window, std::string_view userName, std::string_view currentPassword, std::string_view newPassword)
{
    std::optional<std::vector<std::uint8_t>> payload
        = EncodePasswordChange({std::string(userName), std::string(currentPassword), std::string(newPassword)});
    if (!payload)
        return kCxBadArgument;
    return SendPayload(window, kRequestPassWd, std::move(*payload));
}

}  // namespace corvane
