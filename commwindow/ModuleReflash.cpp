#include "commwindow/ModuleReflash.h"

#include "commwindow/ModuleFirmwareFile.h"
#include "halvix/protocol/ModuleReplies.h"

#include <array>
#include <cstdio>
#include <vector>

namespace corvane {

namespace {

using Message = ModuleReflashPort::Message;

const Message kSendFailed{
    "A problem was encountered while sending\nthe message to the module.\n\nUnable to continue with the reflash "
    "operation.",
    "Communication Error"};
const Message kOpenFailed{"Problem opening firmware file\n\nUnable to continue.", "File Error"};
const Message kShortHeader{
    "A problem was encountered reading the\nreflash file.\n\nUnable to continue with the reflash operation.",
    "Communication Error"};
const Message kBadMagic{
    "The selected file is not a valid Tevlink Module\nreflash file.\n\nUnable to continue with the reflash "
    "operation.",
    "Communication Error"};
const Message kRetryError{"Error response from the modue, but the operation may be retried.\nIf the error continues "
                          "to occur, the module must be returned to QZL.",
    "Reflash Error"};
const Message kRetryMissing{"Missing response from the modue, but the operation may be retried.\nIf the error "
                            "continues to occur, the module must be returned to QZL.",
    "Reflash Error"};
const Message kSucceeded{"Reflash operation successful.", "Reflash Complete", true};

Message WrongTypeMessage(std::uint8_t moduleType)
{
    const char* name = moduleType == kModuleTypeAnalog ? "VEXA-7" : "VEXA-2";
    return {std::string("The selected file is not a valid ") + name
            + " Module reflash file.\n\nUnable to continue with the reflash operation.",
        "Communication Error"};
}

std::string Formatted(const char* format, std::uint16_t code, std::string_view text)
{
    const std::string textCopy(text);
    const int length = std::snprintf(nullptr, 0, format, static_cast<unsigned>(code), textCopy.c_str());
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, static_cast<unsigned>(code), textCopy.c_str());
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace

ModuleReflash::ModuleReflash(ModuleReflashPort& port, std::uint8_t moduleType) : port_(port), moduleType_(moduleType)
{
}

ModuleReflash::~ModuleReflash()
{
    CloseFile();
}

void ModuleReflash::Start()
{
    if (Running())
        return;
    Reset();
    Step();
}

void ModuleReflash::Step()
{
    switch (state_) {
    case State::Idle:
        if (!port_.SendFlash(kFlashPrepare, {}))
            return FailSending();
        state_ = State::PrepareSent;
        return;
    case State::PrepareSent:
        if (!port_.SendFlash(kFlashErase, {}))
            return FailSending();
        state_ = State::EraseSent;
        return;
    case State::EraseSent:
        return OpenAndCheckFile();
    case State::BlockSent:
        return SendNextBlock();
    case State::EndSent:
    case State::StatusRequested:
        afterPause_ = AfterPause::RequestStatus;
        port_.StartPause(kStatusPauseMs);
        return;
    }
}

void ModuleReflash::OpenAndCheckFile()
{
    if (!port_.OpenFirmware())
        return Fail(kOpenFailed);
    fileOpen_ = true;
    payloadLength_ = ModuleFirmwareFile::PayloadLength(port_.FirmwareLength());
    std::array<std::uint8_t, ModuleFirmwareFile::kHeaderBytes> header{};
    const std::size_t got = port_.ReadFirmware(header);
    switch (ModuleFirmwareFile::CheckHeader(std::span(header).first(std::min(got, header.size())), moduleType_)) {
    case ModuleFirmwareFile::HeaderCheck::Short:
        return Fail(kShortHeader);
    case ModuleFirmwareFile::HeaderCheck::BadMagic:
        return Fail(kBadMagic);
    case ModuleFirmwareFile::HeaderCheck::WrongType:
        return Fail(WrongTypeMessage(moduleType_));
    case ModuleFirmwareFile::HeaderCheck::Valid:
        break;
    }
    bytesSent_ = 0;
    port_.ShowProgress(0, payloadLength_);
    afterPause_ = AfterPause::SendBlocks;
    port_.StartPause(kBlockPauseMs);
}

void ModuleReflash::SendNextBlock()
{
    const std::size_t n = ModuleFirmwareFile::NextBlockBytes(bytesSent_, payloadLength_);
    if (n > 0) {
        std::vector<std::uint8_t> block(n);
        if (port_.ReadFirmware(block) != n)
            return FailSending();
        if (!port_.SendFlash(kFlashBlock, block))
            return FailSending();
        state_ = State::BlockSent;
        bytesSent_ += n;
        port_.ShowProgress(bytesSent_, payloadLength_);
        return;
    }
    CloseFile();
    if (!port_.SendFlash(kFlashEnd, {}))
        return FailSending();
    state_ = State::EndSent;
}

void ModuleReflash::RequestStatus()
{
    if (!port_.SendFlash(kFlashStatus, {}))
        return FailSending();
    state_ = State::StatusRequested;
}

void ModuleReflash::OnPauseElapsed()
{
    const AfterPause next = afterPause_;
    afterPause_ = AfterPause::Nothing;
    switch (next) {
    case AfterPause::Nothing:
        return;
    case AfterPause::SendBlocks:
        return SendNextBlock();
    case AfterPause::RequestStatus:
        return RequestStatus();
    }
}

void ModuleReflash::OnReply(bool errorFlag, std::uint16_t code, std::string_view text)
{
    // A reply while nothing is outstanding (idle, or waiting out a pause) is stale.
    if (!Running() || afterPause_ != AfterPause::Nothing)
        return;
    if (!errorFlag) {
        if (state_ == State::StatusRequested)
            return Succeed();
        return Step();
    }
    if (state_ == State::StatusRequested)
        return OnStatusCode(code, text);
    Fail({Formatted("Error (%04X) while processing request.\n\n%s", code, text), "Communication Error"});
}

void ModuleReflash::OnStatusCode(std::uint16_t code, std::string_view text)
{
    switch (code) {
    case 0:
        return Succeed();
    case kFlashStatusBusy:
        busyMs_ += kStatusPauseMs;
        // A module that stays busy for a minute is not finishing the reflash.
        if (busyMs_ >= kStatusLimitMs)
            return FailSending();
        return Step();
    case kFlashStatusRetry302:
    case kFlashStatusRetry304:
    case kFlashStatusRetry306:
    case kFlashStatusRetry4305:
        return Fail(kRetryError);
    case kFlashStatusMissing:
        return Fail(kRetryMissing);
    default:
        return Fail({Formatted("Unexpected ErrorCode (0x%04X) in status response\nText: %s", code, text),
            "Reflash Error"});
    }
}

void ModuleReflash::OnTimeout()
{
    if (!Running())
        return;
    FailSending();
}

void ModuleReflash::Abort()
{
    Reset();
}

void ModuleReflash::Fail(const ModuleReflashPort::Message& message)
{
    Reset();
    port_.ShowMessage(message);
    port_.Finished(false);
}

void ModuleReflash::FailSending()
{
    Fail(kSendFailed);
}

void ModuleReflash::Succeed()
{
    Reset();
    port_.ShowMessage(kSucceeded);
    port_.Finished(true);
}

void ModuleReflash::CloseFile()
{
    if (fileOpen_) {
        fileOpen_ = false;
        port_.CloseFirmware();
    }
}

void ModuleReflash::Reset()
{
    CloseFile();
    state_ = State::Idle;
    afterPause_ = AfterPause::Nothing;
    payloadLength_ = 0;
    bytesSent_ = 0;
    busyMs_ = 0;
}

}  // namespace corvane
