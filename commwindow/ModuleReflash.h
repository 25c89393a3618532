#pragma once

#include "commwindow/ModuleReflashPort.h"

#include <cstdint>
#include <string_view>

namespace corvane {

// The reflash of a bus module, step by step as the replies come: prepare,
// erase, the firmware payload in blocks, end, then status requests until
// the module reports the new firmware in place. The pauses are timer
// requests, so the window stays responsive; the status polling gives up
// after 60 seconds of "busy" answers. The firmware file is closed on every
// way out.
class ModuleReflash {
public:
    enum class State {
        Idle = 0,
        PrepareSent = 1,
        EraseSent = 2,
        BlockSent = 3,
        EndSent = 4,
        StatusRequested = 5,
    };

    static constexpr int kBlockPauseMs = 1000;
    static constexpr int kStatusPauseMs = 100;
    static constexpr int kStatusLimitMs = 60000;

    // moduleType is the module type the dialog handles (header byte 28 must match).
    ModuleReflash(ModuleReflashPort& port, std::uint8_t moduleType);
    ~ModuleReflash();
    ModuleReflash(const ModuleReflash&) = delete;
    ModuleReflash& operator=(const ModuleReflash&) = delete;

    State GetState() const { return state_; }
    bool Running() const { return state_ != State::Idle; }
    std::uint64_t PayloadLength() const { return payloadLength_; }
    std::uint64_t BytesSent() const { return bytesSent_; }

    // Starts a reflash with the chosen file; ignored while one runs.
    void Start();
    // A reply of type 4082: errorFlag with the logger's code and text.
    void OnReply(bool errorFlag, std::uint16_t code, std::string_view text);
    // No reply came to the last reflash request.
    void OnTimeout();
    // The pause asked for with `StartPause` has passed.
    void OnPauseElapsed();
    // The dialog closes: the reflash ends without a message.
    void Abort();

private:
    enum class AfterPause { Nothing, SendBlocks, RequestStatus };

    void Step();
    void OpenAndCheckFile();
    void SendNextBlock();
    void RequestStatus();
    void OnStatusCode(std::uint16_t code, std::string_view text);
    void Fail(const ModuleReflashPort::Message& message);
    void FailSending();
    void Succeed();
    void CloseFile();
    void Reset();

    ModuleReflashPort& port_;
    std::uint8_t moduleType_;
    State state_ = State::Idle;
    AfterPause afterPause_ = AfterPause::Nothing;
    bool fileOpen_ = false;
    std::uint64_t payloadLength_ = 0;
    std::uint64_t bytesSent_ = 0;
    int busyMs_ = 0;
};

}  // namespace corvane
