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
// The login exchange; buffer is the 35-byte stage 0 or stage 1 buffer.
int CxUserAuth(WindowHandle window, std::span<const std::uint8_t> buffer);

}  // namespace corvane
