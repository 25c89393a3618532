#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// What a module reflash needs of the node dialog that runs it: the reflash
// requests through the communications library, the pauses on the platform's
// clock, the firmware file and the boxes and progress display.
class ModuleReflashPort {
public:
    struct Message {
        std::string text;
        std::string title;
        bool information = false;  // information icon instead of the stop icon
    };

    virtual ~ModuleReflashPort() = default;
    // `CxTlFlash` for the dialog's module: true when the request was accepted.
    virtual bool SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data) = 0;
    // Starts a timer of ms milliseconds; the dialog calls `ModuleReflash::OnPauseElapsed` when it fires.
    virtual void StartPause(int ms) = 0;
    // Opens the chosen firmware file for reading; false when it cannot be opened.
    virtual bool OpenFirmware() = 0;
    virtual std::uint64_t FirmwareLength() = 0;
    // Reads up to into.size() bytes from the current place; the count read.
    virtual std::size_t ReadFirmware(std::span<std::uint8_t> into) = 0;
    virtual void CloseFirmware() = 0;
    // The progress bar: position within 0..range.
    virtual void ShowProgress(std::uint64_t position, std::uint64_t range) = 0;
    virtual void ShowMessage(const Message& message) = 0;
    // The reflash has ended and the display is restored; the dialog reads the module again.
    virtual void Finished(bool succeeded) = 0;
};

}  // namespace corvane
