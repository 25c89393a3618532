#pragma once

#include "halvix/SerialSettings.h"
#include "platform/Message.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class LinkSession;
class MessagePoster;

// This library's own version word (a.b.c.d, a in the top byte).
constexpr std::uint32_t kCommLibVersion = 0x01010000;
constexpr std::uint32_t kDefaultRetryTimeMs = 5000;
constexpr std::uint32_t kMaxRetryTimeMs = 65535;
constexpr int kDefaultMaxRetries = 2;
constexpr std::uint32_t kDefaultSocketConnectTimeoutMs = 5000;

struct HalvixOptions {
    // The library's log (CxAddEventToLog and traffic traces) is also
    // appended here when set; the newest lines are always kept in memory.
    std::filesystem::path logFile;
    std::size_t logLinesKept = 200;
};

// The communications library: link set-up, one link at a time (TCP or a
// serial device), and requests answered later by posted messages. Every
// request gets exactly one answer posted to the window that asked: a
// kReplyMessage with a CReplyMessage, or a kTimeoutMessage when the logger
// did not answer within the retry time after the retries, or when the link
// went away first. Requests go out one at a time in the order they were
// made. All members are thread-safe.
class HalvixLibrary {
public:
    explicit HalvixLibrary(std::unique_ptr<MessagePoster> poster, HalvixOptions options = {});
    // Closes the link; requests still waiting are answered with time-outs.
    ~HalvixLibrary();
    HalvixLibrary(const HalvixLibrary&) = delete;
    HalvixLibrary& operator=(const HalvixLibrary&) = delete;

    // Set-up and housekeeping; 0 = success.
    int SetCommsThreadId(std::uint32_t threadId);
    int Init();
    int SetLoggingFlags(std::int32_t flags);
    int GetLoggingFlags(std::int32_t& flags) const;
    int AddEventToLog(std::string_view text);
    int GetCommLibVersion(std::uint32_t& version) const;
    // Above kMaxRetryTimeMs the time is clamped; 0 counts as 1 ms.
    int SetRetryTime(std::uint32_t milliseconds);
    int GetRetryTime(std::uint32_t& milliseconds) const;
    // How many times a request is sent again before it times out.
    int SetMaxRetries(int count);

    // Link set-up; 0 = success.
    int SetComPort(int port);
    // The port the serial link opens (1 until one is set).
    int ComPort() const;
    int SetCommunicationType(int type);  // kCommTypeSerial or kCommTypeNetwork
    int SetSerialSettings(const SerialSettings& settings);
    int SetNetworkServer(std::string_view host, std::uint16_t port);
    int SetSocketConnectTimeout(std::uint32_t milliseconds);
    // open 1: opens the link the settings describe (closing one that is
    // open); open 0: closes it. 0 = done. Requests still waiting when a
    // link closes are answered with time-outs.
    int LoggerConnect(int open);
    // kCommsBusy | kCommsSerialOpen | kCommsNetworkOpen | kCommsLinkLost.
    std::uint32_t GetCommsStatus() const;
    // 0 while a link is open and alive; non-zero when none is open or the
    // open one was lost.
    int PollConnection() const;

    // The serial device behind a port number. Ports not in the table map to
    // "/dev/ttyS<port - 1>"; USB discovery and the connection settings fill
    // the table, and tests point a port at a pseudo-terminal.
    void SetSerialDevice(int port, std::string devicePath);
    std::string SerialDevice(int port) const;
    // Why the last CxLoggerConnect(1) failed, for the user (names the
    // device and, for a permission failure, the group that grants access).
    std::string LastLinkError() const;
    std::vector<std::string> LogLines() const;

    // Requests: the answer goes to window; 0 = queued, else a kCx... code.
    int SendRequest(WindowHandle window, std::uint16_t requestType, std::span<const std::uint8_t> payload);
    int Ping(WindowHandle window, std::string_view tag);
    int OobS(WindowHandle window, std::uint16_t value);
    int MsgTimeout(WindowHandle window);
    int PwStatus(WindowHandle window);
    int RtStreamReq(WindowHandle window, std::uint16_t on);
    int StateGet(WindowHandle window);
    int CfGet(WindowHandle window, std::uint16_t key);
    int CfSet(WindowHandle window, std::uint8_t key, std::span<const std::uint8_t> value);
    int CfEnum(WindowHandle window);
    int Run(WindowHandle window, std::uint16_t runFlag, std::uint16_t option);
    int BaseCfg(WindowHandle window);
    int TLEnum(WindowHandle window);
    // Logger operations (payloads in halvix/README.md).
    int InfoMsg(WindowHandle window, std::uint16_t index);
    int SFlagClr(WindowHandle window, std::uint32_t flagBit);
    int QuvTimeSet(WindowHandle window, std::int32_t utcSeconds, std::uint16_t ruleBits, std::uint16_t offsetMinutesWest,
        std::uint16_t milliseconds);
    int GetRunState(WindowHandle window);
    int Reset(WindowHandle window, std::uint16_t option);
    // Logger firmware: the access key's 8 bytes; a block of at most
    // kFlashDataMaxBytes (longer, or a count beyond the buffer, is
    // kCxBadArgument) at its byte offset in the image.
    int FlashInit(WindowHandle window, std::span<const std::uint8_t, 8> key);
    int FlashData(WindowHandle window, std::uint32_t offset, std::span<const std::uint8_t> buffer, std::uint16_t count);
    int FlashExec(WindowHandle window, std::span<const std::uint8_t, 8> key, std::uint16_t relayOption);
    // Remote controls: the message kind, then its block (and for one icon its id).
    int IcpMsg(WindowHandle window, std::uint16_t kind, std::span<const std::uint8_t> block);
    int IconMsg(WindowHandle window, std::uint16_t kind, std::uint16_t iconId, std::span<const std::uint8_t> block);
    // Probe points: descriptors and latest values, in parts from a continuation value.
    int RttId(WindowHandle window, std::uint32_t continuation);
    int RtGet(WindowHandle window, std::uint32_t continuation);
    // The diagnostic log (halvix/protocol/DiagnosticLogLayout.h): its bytes
    // from an offset; the level block (kDiagnosticLevelBlockSize bytes, else
    // kCxBadArgument) with an operation and its flag.
    int DbFGet(WindowHandle window, std::uint32_t offset);
    int QuvDbFCtl(WindowHandle window, std::span<const std::uint8_t> levels, std::uint8_t operation, std::uint8_t flag);
    // One transaction with the bus module at address: the command, then data.
    int TlTran(WindowHandle window, std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> data);
    // One step of a bus module's reflash (halvix/protocol/ModuleReplies.h):
    // the sub-command, then a firmware block of at most 1020 bytes.
    int TlFlash(WindowHandle window, std::uint8_t address, std::uint8_t subCommand, std::span<const std::uint8_t> data);
    // One Modbus transaction with a remote device (layout in
    // halvix/protocol/ModbusTransactionLayout.h); a PDU longer than
    // kMbTranMaxPdu is kCxBadArgument.
    int MbTran(WindowHandle window, std::uint32_t server, std::uint16_t port, std::uint16_t unit,
        std::uint8_t wordOrder, std::uint8_t function, std::span<const std::uint8_t> pdu);
    // The login exchange: a kUserAuthBufferSize buffer whose stage word
    // (0 or 1) chooses the request type (halvix/protocol/UserAuthLayout.h).
    int UserAuth(WindowHandle window, std::span<const std::uint8_t> buffer);
    // Net transfer (halvix/protocol/NetTransferLayout.h). NetSet refuses a
    // block longer than kNetBlockSize with kCxBadArgument.
    int EraseAll(WindowHandle window);
    int NetSet(WindowHandle window, std::uint32_t value, std::span<const std::uint8_t> block);
    int NetInit(WindowHandle window);
    int NetParm(WindowHandle window);
    int NetGet(WindowHandle window, std::uint32_t request);
    int Disco(WindowHandle window);
    // Logged sessions (halvix/protocol/SessionTransferLayout.h). ListSessions
    // sends the first kSessionListHeaderSize bytes of data (8 zero bytes
    // for the first block, else the previous reply's data); names are
    // kSessionNameSize bytes without a NUL. Shorter data, or a name of
    // another length or holding a NUL, is kCxBadArgument.
    int ListSessions(WindowHandle window, std::span<const std::uint8_t> data);
    int SdlStart(WindowHandle window, std::uint16_t mode, std::string_view sessionName);
    int SdlError(WindowHandle window, std::uint32_t total, std::uint32_t offset);
    int EraseSession(WindowHandle window, std::string_view sessionName);
    // The logger's users (halvix/protocol/UserAuthLayout.h): one CxPassMan
    // operation with its sub-code, name, password and rights, and the
    // logged-in user's password change. Texts are Windows-1252; a name
    // longer than 23 bytes or a password longer than 19 is kCxBadArgument.
    int PassMan(WindowHandle window, std::uint8_t operation, std::uint8_t subCode, std::string_view name,
        std::string_view password, std::uint32_t rightsLow, std::uint32_t rightsHigh);
    int PassWd(
        WindowHandle window, std::string_view userName, std::string_view currentPassword, std::string_view newPassword);

private:
    struct Settings;
    // SendRequest with a payload built here, handed to the link as it is.
    int SendPayload(WindowHandle window, std::uint16_t requestType, std::vector<std::uint8_t> payload);
    void Log(std::string_view line);
    std::string SerialDeviceLocked(int port) const;
    void CloseLinkLocked(std::unique_lock<std::mutex>& lock);

    std::unique_ptr<MessagePoster> poster_;
    HalvixOptions options_;
    mutable std::mutex mutex_;
    std::unique_ptr<Settings> settings_;
    std::map<int, std::string> serialDevices_;
    std::string lastLinkError_;
    mutable std::mutex logMutex_;
    std::vector<std::string> logLines_;
    std::unique_ptr<LinkSession> session_;
};

}  // namespace corvane
