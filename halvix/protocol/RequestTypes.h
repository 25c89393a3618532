#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// Request types (the reply code of each request).
constexpr std::uint16_t kRequestStateGet = 0;
constexpr std::uint16_t kRequestMsgTimeout = 1;
constexpr std::uint16_t kRequestQuvTimeSet = 2;
constexpr std::uint16_t kRequestSFlagClr = 3;
constexpr std::uint16_t kRequestPassWd = 4;
constexpr std::uint16_t kRequestPassMan = 5;
constexpr std::uint16_t kRequestInfoMsg = 6;
constexpr std::uint16_t kRequestRun = 8;
constexpr std::uint16_t kRequestBaseCfg = 9;
constexpr std::uint16_t kRequestTLEnum = 10;
constexpr std::uint16_t kRequestCfGet = 11;
constexpr std::uint16_t kRequestCfSet = 12;
constexpr std::uint16_t kRequestCfEnum = 13;
constexpr std::uint16_t kRequestUserAuth = 16;  // CxUserAuth's first stage; its second is type 4
constexpr std::uint16_t kRequestPwStatus = 17;
constexpr std::uint16_t kRequestGetRunState = 22;
constexpr std::uint16_t kRequestReset = 27;
constexpr std::uint16_t kRequestOobS = 29;
constexpr std::uint16_t kRequestDisco = 31;
constexpr std::uint16_t kRequestNetGet = 32;
constexpr std::uint16_t kRequestNetSet = 33;
constexpr std::uint16_t kRequestNetParm = 34;
constexpr std::uint16_t kRequestNetInit = 35;
constexpr std::uint16_t kRequestRttId = 68;
constexpr std::uint16_t kRequestRtGet = 69;
constexpr std::uint16_t kRequestRtStreamReq = 70;
constexpr std::uint16_t kRequestListSessions = 96;
constexpr std::uint16_t kRequestEraseAll = 102;
constexpr std::uint16_t kRequestEraseSession = 103;
constexpr std::uint16_t kRequestIcpMsg = 128;
constexpr std::uint16_t kRequestIconMsg = 129;
constexpr std::uint16_t kRequestPing = 4064;
constexpr std::uint16_t kRequestFlashInit = 4069;
constexpr std::uint16_t kRequestFlashData = 4070;
constexpr std::uint16_t kRequestFlashExec = 4071;
// The 8-byte access key that CxFlashInit and CxFlashExec carry.
constexpr std::uint32_t kFlashAccessKeyLow = 0x4B52'4E4Du;
constexpr std::uint32_t kFlashAccessKeyHigh = 0x3154'5645u;
// The largest block of a logger firmware image that CxFlashData carries.
constexpr std::size_t kFlashDataMaxBytes = 1024;
constexpr std::uint16_t kRequestDbFGet = 4079;
constexpr std::uint16_t kRequestQuvDbFCtl = 4080;
constexpr std::uint16_t kRequestTlTran = 4081;
constexpr std::uint16_t kRequestTlFlash = 4082;
constexpr std::uint16_t kRequestMbTran = 4087;  // a Modbus transaction (ModbusTransactionLayout.h)
// A session download: CxSdlStart is answered by kReplySdlStarted (its own
// type) and then by further replies of the same request id (below) until
// an empty kReplySdlData block; CxSdlError tells the logger to stop one.
constexpr std::uint16_t kRequestSdlStart = 0x8000;
constexpr std::uint16_t kRequestSdlError = 0x8004;

// Reply types of a session download.
constexpr std::uint16_t kReplySdlStarted = 0x8000;
constexpr std::uint16_t kReplySdlStream = 0x8001;  // a block of the stream, without offset
constexpr std::uint16_t kReplySdlData = 0x8002;    // u32 byte offset, then the block; empty: the end
constexpr std::uint16_t kReplySdlOther = 0x8003;   // passed on to the window, nothing more

// Kinds of unsolicited logger messages (their request type). The status
// and error kinds carry a u16 status code at data bytes 2-3 and a
// NUL-terminated text from data byte 10.
constexpr std::uint16_t kUnsolicitedRealTime = 71;
constexpr std::uint16_t kUnsolicitedFatalError = 0xE000;
constexpr std::uint16_t kUnsolicitedRuntimeError = 0xE001;
constexpr std::uint16_t kUnsolicitedStatus = 0xE002;
constexpr std::uint16_t kUnsolicitedE020 = 0xE020;
constexpr std::uint16_t kUnsolicitedTestResult = 0xE021;

// Status codes of kUnsolicitedStatus messages.
constexpr std::uint16_t kStatusLoggerEnabled = 19715;
constexpr std::uint16_t kStatusLoggerHalted = 19716;
constexpr std::uint16_t kStatusCardInstalled = 3368;
constexpr std::uint16_t kStatusCardRemoved = 3369;

// Reply codes the callers test.
constexpr std::uint16_t kCodeAlreadyStopped = 16673;  // CxRun stop of a stopped logger (success)
constexpr std::uint16_t kCodeLoginRefused = 16905;    // user name or password refused

}  // namespace corvane
