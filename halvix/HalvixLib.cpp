#include "halvix/HalvixLib.h"

#include <atomic>

namespace corvane {

namespace {

// The single installed library (see HalvixLib.h).
std::atomic<HalvixLibrary*> installedLibrary{nullptr};

template <class Call> int Forward(Call&& call)
{
    HalvixLibrary* library = installedLibrary.load();
    return library == nullptr ? kCxUninitialized : call(*library);
}

}  // namespace

void InstallHalvixLibrary(HalvixLibrary* library) { installedLibrary.store(library); }
HalvixLibrary* InstalledHalvixLibrary() { return installedLibrary.load(); }

int CxSetCommsThreadID(std::uint32_t threadId)
{
    return Forward([&](HalvixLibrary& l) { return l.SetCommsThreadId(threadId); });
}
int CxInitHalvixLib()
{
    return Forward([](HalvixLibrary& l) { return l.Init(); });
}
int CxSetLoggingFlags(std::int32_t flags)
{
    return Forward([&](HalvixLibrary& l) { return l.SetLoggingFlags(flags); });
}
int CxGetLoggingFlags(std::int32_t& flags)
{
    return Forward([&](HalvixLibrary& l) { return l.GetLoggingFlags(flags); });
}
int CxAddEventToLog(std::string_view text)
{
    return Forward([&](HalvixLibrary& l) { return l.AddEventToLog(text); });
}
int CxGetCommLibVersion(std::uint32_t& version)
{
    return Forward([&](HalvixLibrary& l) { return l.GetCommLibVersion(version); });
}
int CxSetRetryTime(std::uint32_t milliseconds)
{
    return Forward([&](HalvixLibrary& l) { return l.SetRetryTime(milliseconds); });
}
int CxGetRetryTime(std::uint32_t& milliseconds)
{
    return Forward([&](HalvixLibrary& l) { return l.GetRetryTime(milliseconds); });
}
int CxSetMaxRetries(int count)
{
    return Forward([&](HalvixLibrary& l) { return l.SetMaxRetries(count); });
}
int CxSetComPort(int port)
{
    return Forward([&](HalvixLibrary& l) { return l.SetComPort(port); });
}
int CxSetCommunicationType(int type)
{
    return Forward([&](HalvixLibrary& l) { return l.SetCommunicationType(type); });
}
int CxSetSerialDCB(const SerialSettings& settings)
{
    return Forward([&](HalvixLibrary& l) { return l.SetSerialSettings(settings); });
}
int CxSetNetworkServer(std::string_view host, std::uint16_t port)
{
    return Forward([&](HalvixLibrary& l) { return l.SetNetworkServer(host, port); });
}
int CxSetSocketConnectTimeout(std::uint32_t milliseconds)
{
    return Forward([&](HalvixLibrary& l) { return l.SetSocketConnectTimeout(milliseconds); });
}
int CxLoggerConnect(int open)
{
    return Forward([&](HalvixLibrary& l) { return l.LoggerConnect(open); });
}
int CxDisco(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.Disco(window); });
}
std::uint32_t CxGetCommsStatus()
{
    HalvixLibrary* library = installedLibrary.load();
    return library == nullptr ? 0 : library->GetCommsStatus();
}
int CxPollConnection()
{
    HalvixLibrary* library = installedLibrary.load();
    return library == nullptr ? 1 : library->PollConnection();
}
int CxPing(WindowHandle window, std::string_view tag)
{
    return Forward([&](HalvixLibrary& l) { return l.Ping(window, tag); });
}
int CxOobS(WindowHandle window, std::uint16_t value)
{
    return Forward([&](HalvixLibrary& l) { return l.OobS(window, value); });
}
int CxMsgTimeout(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.MsgTimeout(window); });
}
int CxPwStatus(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.PwStatus(window); });
}
int CxRtStreamReq(WindowHandle window, std::uint16_t on)
{
    return Forward([&](HalvixLibrary& l) { return l.RtStreamReq(window, on); });
}
int CxStateGet(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.StateGet(window); });
}
int CxCfGet(WindowHandle window, std::uint16_t key)
{
    return Forward([&](HalvixLibrary& l) { return l.CfGet(window, key); });
}
int CxCfSet(WindowHandle window, std::uint8_t key, std::span<const std::uint8_t> value)
{
    return Forward([&](HalvixLibrary& l) { return l.CfSet(window, key, value); });
}
int CxCfEnum(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.CfEnum(window); });
}
int CxRun(WindowHandle window, std::uint16_t runFlag, std::uint16_t option)
{
    return Forward([&](HalvixLibrary& l) { return l.Run(window, runFlag, option); });
}
int CxBaseCfg(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.BaseCfg(window); });
}
int CxTLEnum(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.TLEnum(window); });
}
int CxTlTran(WindowHandle window, std::uint8_t address, std::uint8_t command, std::span<const std::uint8_t> data)
{
    return Forward([&](HalvixLibrary& l) { return l.TlTran(window, address, command, data); });
}
int CxInfoMsg(WindowHandle window, std::uint16_t index)
{
    return Forward([&](HalvixLibrary& l) { return l.InfoMsg(window, index); });
}
int CxSFlagClr(WindowHandle window, std::uint32_t flagBit)
{
    return Forward([&](HalvixLibrary& l) { return l.SFlagClr(window, flagBit); });
}
int CxQuvTimeSet(WindowHandle window, std::int32_t utcSeconds, std::uint16_t ruleBits, std::uint16_t offsetMinutesWest,
    std::uint16_t milliseconds)
{
    return Forward(
        [&](HalvixLibrary& l) { return l.QuvTimeSet(window, utcSeconds, ruleBits, offsetMinutesWest, milliseconds); });
}
int CxGetRunState(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.GetRunState(window); });
}
int CxReset(WindowHandle window, std::uint16_t option)
{
    return Forward([&](HalvixLibrary& l) { return l.Reset(window, option); });
}
int CxFlashInit(WindowHandle window, std::span<const std::uint8_t, 8> key)
{
    return Forward([&](HalvixLibrary& l) { return l.FlashInit(window, key); });
}
int CxFlashData(WindowHandle window, std::uint32_t offset, std::span<const std::uint8_t> buffer, std::uint16_t count)
{
    return Forward([&](HalvixLibrary& l) { return l.FlashData(window, offset, buffer, count); });
}
int CxFlashExec(WindowHandle window, std::span<const std::uint8_t, 8> key, std::uint16_t relayOption)
{
    return Forward([&](HalvixLibrary& l) { return l.FlashExec(window, key, relayOption); });
}
int CxIcpMsg(WindowHandle window, std::uint16_t kind, std::span<const std::uint8_t> block)
{
    return Forward([&](HalvixLibrary& l) { return l.IcpMsg(window, kind, block); });
}
int CxIconMsg(WindowHandle window, std::uint16_t kind, std::uint16_t iconId, std::span<const std::uint8_t> block)
{
    return Forward([&](HalvixLibrary& l) { return l.IconMsg(window, kind, iconId, block); });
}
int CxRttId(WindowHandle window, std::uint32_t continuation)
{
    return Forward([&](HalvixLibrary& l) { return l.RttId(window, continuation); });
}
int CxRtGet(WindowHandle window, std::uint32_t continuation)
{
    return Forward([&](HalvixLibrary& l) { return l.RtGet(window, continuation); });
}
int CxDbFGet(WindowHandle window, std::uint32_t offset)
{
    return Forward([&](HalvixLibrary& l) { return l.DbFGet(window, offset); });
}
int CxQuvDbFCtl(WindowHandle window, std::span<const std::uint8_t> levels, std::uint8_t operation, std::uint8_t flag)
{
    return Forward([&](HalvixLibrary& l) { return l.QuvDbFCtl(window, levels, operation, flag); });
}
int CxTlFlash(WindowHandle window, std::uint8_t address, std::uint8_t subCommand, std::span<const std::uint8_t> data)
{
    return Forward([&](HalvixLibrary& l) { return l.TlFlash(window, address, subCommand, data); });
}
int CxMbTran(WindowHandle window, std::uint32_t server, std::uint16_t port, std::uint16_t unit,
    std::uint8_t wordOrder, std::uint8_t function, std::span<const std::uint8_t> pdu)
{
    return Forward([&](HalvixLibrary& l) { return l.MbTran(window, server, port, unit, wordOrder, function, pdu); });
}
int CxUserAuth(WindowHandle window, std::span<const std::uint8_t> buffer)
{
    return Forward([&](HalvixLibrary& l) { return l.UserAuth(window, buffer); });
}
int CxEraseAll(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.EraseAll(window); });
}
int CxNetSet(WindowHandle window, std::uint32_t value, std::span<const std::uint8_t> block)
{
    return Forward([&](HalvixLibrary& l) { return l.NetSet(window, value, block); });
}
int CxNetInit(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.NetInit(window); });
}
int CxNetParm(WindowHandle window)
{
    return Forward([&](HalvixLibrary& l) { return l.NetParm(window); });
}
int CxNetGet(WindowHandle window, std::uint32_t request)
{
    return Forward([&](HalvixLibrary& l) { return l.NetGet(window, request); });
}
int CxListSessions(WindowHandle window, std::span<const std::uint8_t> data)
{
    return Forward([&](HalvixLibrary& l) { return l.ListSessions(window, data); });
}
int CxSdlStart(WindowHandle window, std::uint16_t mode, std::string_view sessionName)
{
    return Forward([&](HalvixLibrary& l) { return l.SdlStart(window, mode, sessionName); });
}
int CxSdlError(WindowHandle window, std::uint32_t total, std::uint32_t offset)
{
    return Forward([&](HalvixLibrary& l) { return l.SdlError(window, total, offset); });
}
int CxEraseSession(WindowHandle window, std::string_view sessionName)
{
    return Forward([&](HalvixLibrary& l) { return l.EraseSession(window, sessionName); });
}

int CxPassMan(WindowHandle window, std::uint8_t operation, std::uint8_t subCode, std::string_view name,
    std::string_view password, std::uint32_t rightsLow, std::uint32_t rightsHigh)
{
    return Forward(
        [&](HalvixLibrary& l) { return l.PassMan(window, operation, subCode, name, password, rightsLow, rightsHigh); });
}
int CxPassWd(
    WindowHandle window, std::string_view userName, std::string_view currentPassword, std::string_view newPassword)
{
    return Forward([&](HalvixLibrary& l) { return l.PassWd(window, userName, currentPassword, newPassword); });
}

}  // namespace corvane
