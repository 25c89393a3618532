#pragma once

// The communications library's plain functions, as the rest of the program
// calls them. Each forwards to the HalvixLibrary that the application has
// installed; with none installed every function returns kCxUninitialized
// (and CxGetCommsStatus 0, CxPollConnection 1).
//
// The installed pointer is the one process-wide seam of this library: the
// application sets it once at start-up, after making its HalvixLibrary,
// and clears it at shutdown before destroying it (tests do the same with
// HalvixInstallation).

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/HalvixMessages.h"
#include "halvix/SerialSettings.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "platform/Message.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

void InstallHalvixLibrary(HalvixLibrary* library);
HalvixLibrary* InstalledHalvixLibrary();

// Installs a library for the life of a scope and clears it afterwards.
class HalvixInstallation {
public:
    explicit HalvixInstallation(HalvixLibrary& library) { InstallHalvixLibrary(&library); }
    ~HalvixInstallation() { InstallHalvixLibrary(nullptr); }
    HalvixInstallation(const HalvixInstallation&) = delete;
    HalvixInstallation& operator=(const HalvixInstallation&) = delete;
};

// Set-up and housekeeping; 0 = success.
int CxSetCommsThreadID(std::uint32_t threadId);
int CxInitHalvixLib();
int CxSetLoggingFlags(std::int32_t flags);
int CxGetLoggingFlags(std::int32_t& flags);
int CxAddEventToLog(std::string_view text);
int CxGetCommLibVersion(std::uint32_t& version);
int CxSetRetryTime(std::uint32_t milliseconds);  // clamped to 65535
int CxGetRetryTime(std::uint32_t& milliseconds);
int CxSetMaxRetries(int count);

// Link.
int CxSetComPort(int port);
int CxSetCommunicationType(int type);
int CxSetSerialDCB(const SerialSettings& settings);
int CxSetNetworkServer(std::string_view host, std::uint16_t port);
int CxSetSocketConnectTimeout(std::uint32_t milliseconds);
int CxLoggerConnect(int open);
int CxDisco(WindowHandle window);
std::uint32_t CxGetCommsStatus();
int CxPollConnection();

// Requests: the answer is posted to window (kReplyMessage or
// kTimeoutMessage); 0 = queued.
int CxPing(WindowHandle window, std::string_view tag);
int CxOobS(WindowHandle window, std::uint16_t value);
int CxMsgTimeout(WindowHandle window);
int CxPwStatus(WindowHandle window);
int CxRtStreamReq(WindowHandle window, std::uint16_t on);
int CxStateGet(WindowHandle window);
int CxCfGet(WindowHandle window, std::uint16_t key);
int CxCfSet(WindowHandle window, std::uint8_t key, std::span<const std::uint8_t> value);
int CxCfEnum(WindowHandle window);
int CxRun(WindowHandle window, std::uint16_t runFlag, std::uint16_t option);
int CxBaseCfg(WindowHandle window);
int CxTLEnum(WindowHandle window);
int CxTlTran(WindowHandle window, std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> data);
// Logger operations (payloads in halvix/README.md): the runtime message
// at an index, clearing one status flag, setting the clock (UTC seconds,
// daylight-saving rule bits, offset in minutes west, milliseconds), the run
// state, a reset; the firmware reflash (the 8-byte access key of
// kFlashAccessKeyLow/High, blocks of at most kFlashDataMaxBytes at their
// offset, the relay option); the remote controls (message kind, block) and
// the probe points (continuation value, 0 for the first part).
int CxInfoMsg(WindowHandle window, std::uint16_t index);
int CxSFlagClr(WindowHandle window, std::uint32_t flagBit);
int CxQuvTimeSet(WindowHandle window, std::int32_t utcSeconds, std::uint16_t ruleBits, std::uint16_t offsetMinutesWest,
    std::uint16_t milliseconds);
int CxGetRunState(WindowHandle window);
int CxReset(WindowHandle window, std::uint16_t option);
int CxFlashInit(WindowHandle window, std::span<const std::uint8_t, 8> key);
int CxFlashData(WindowHandle window, std::uint32_t offset, std::span<const std::uint8_t> buffer, std::uint16_t count);
int CxFlashExec(WindowHandle window, std::span<const std::uint8_t, 8> key, std::uint16_t relayOption);
int CxIcpMsg(WindowHandle window, std::uint16_t kind, std::span<const std::uint8_t> block);
int CxIconMsg(WindowHandle window, std::uint16_t kind, std::uint16_t iconId, std::span<const std::uint8_t> block);
int CxRttId(WindowHandle window, std::uint32_t continuation);
int CxRtGet(WindowHandle window, std::uint32_t continuation);
// The diagnostic log (halvix/protocol/DiagnosticLogLayout.h): the raw log's
// next bytes from a byte offset; the 64-byte level block with an operation
// (query, start with the trace flag, clear).
int CxDbFGet(WindowHandle window, std::uint32_t offset);
int CxQuvDbFCtl(WindowHandle window, std::span<const std::uint8_t> levels, std::uint8_t operation, std::uint8_t flag);
int CxTlFlash(WindowHandle window, std::uint8_t address, std::uint8_t subCommand, std::span<const std::uint8_t> data);
// One Modbus transaction that the logger performs with a remote device
// (halvix/protocol/ModbusTransactionLayout.h): server IPv4 number, TCP
// port, unit, word-order flag, Modbus function and its PDU; answered by a
// reply of type kRequestMbTran.
int CxMbTran(WindowHandle window, std::uint32_t server, std::uint16_t port, std::uint16_t unit,
    std::uint8_t wordOrder, std::uint8_t function, std::span<const std::uint8_t> pdu);
// The login exchange; buffer is the 35-byte stage 0 or stage 1 buffer.
int CxUserAuth(WindowHandle window, std::span<const std::uint8_t> buffer);

// Net transfer (layout in halvix/protocol/NetTransferLayout.h). CxNetSet
// sends one block of the image (at most kNetBlockSize bytes, else
// kCxBadArgument) with the 4-byte value the previous reply gave (0 for the
// first block); the final call sends the kept value with an empty block.
// CxNetGet asks for the block that request names (0 the first); its reply
// holds u32 the next value (0 after the last block), then the block.
// CxNetParm's reply: u16 status (kNetStatusPresent when the logger holds a
// net), u32 the net's size, then a NUL-terminated text. CxNetInit has the
// logger verify the image sent and make it its net (reply code 0);
// CxEraseAll erases the logged data.
int CxEraseAll(WindowHandle window);
int CxNetSet(WindowHandle window, std::uint32_t value, std::span<const std::uint8_t> block);
int CxNetInit(WindowHandle window);
int CxNetParm(WindowHandle window);
int CxNetGet(WindowHandle window, std::uint32_t request);

// Logged sessions (layout in halvix/protocol/SessionTransferLayout.h).
// CxListSessions sends the continuation header: 8 zero bytes for the first
// block, else the previous reply's data (only its header is sent); its reply
// (96) lists the sessions. CxSdlStart downloads the named session (mode 1
// the whole record stream, 0 the head records): kReplySdlStarted answers
// it, then the logger's further replies to it (kReplySdlStream,
// kReplySdlData, kReplySdlOther) go to the same window until an empty
// kReplySdlData, an error reply, CxSdlError or the next CxSdlStart.
// CxSdlError tells the logger a download went wrong (the running total and
// the offset received) and stops it. CxEraseSession (103) erases one session.
int CxListSessions(WindowHandle window, std::span<const std::uint8_t> data);
int CxSdlStart(WindowHandle window, std::uint16_t mode, std::string_view sessionName);
int CxSdlError(WindowHandle window, std::uint32_t total, std::uint32_t offset);
int CxEraseSession(WindowHandle window, std::string_view sessionName);

// The logger's users (payloads in halvix/protocol/UserAuthLayout.h): one
// user-table operation (read, add, change, delete, delete the only user,
// passwords on or off) answered by a reply of type 5, and the logged-in
// user's password change answered by a reply of type 4. Texts are
// Windows-1252 bytes.
int CxPassMan(WindowHandle window, std::uint8_t operation, std::uint8_t subCode, std::string_view name,
    std::string_view password, std::uint32_t rightsLow, std::uint32_t rightsHigh);
int CxPassWd(
    WindowHandle window, std::string_view userName, std::string_view currentPassword, std::string_view newPassword);

}  // namespace corvane
