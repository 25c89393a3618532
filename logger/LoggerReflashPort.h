#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class HiddenReconnect;

// What the logger firmware reflash needs of the dialog that runs it: the
// requests through the communications library (each returns the library's
// result, 0 when the request was queued), the firmware file choice, the
// log box, the progress bar, the boxes, the one-second timer, the hidden
// reconnect and the connection state's reflashing mark.
class LoggerReflashPort {
public:
    enum class BoxIcon { Error, Question, Warning };

    virtual ~LoggerReflashPort() = default;

    virtual int SendStop() = 0;
    virtual int SendFlashInit() = 0;
    virtual int SendFlashData(std::uint32_t offset, std::span<const std::uint8_t> block) = 0;
    virtual int SendFlashExec(std::uint16_t relayOption) = 0;

    // The file dialog in the reflash folder (the chosen file's folder
    // becomes the reflash folder); nothing when the user cancels.
    virtual std::optional<std::filesystem::path> ChooseFirmwareFile() = 0;

    // Appends a line to the log box.
    virtual void AppendLog(std::string_view line) = 0;
    virtual void SetProgressRange(std::uint32_t upper) = 0;
    virtual void SetProgressPosition(std::uint32_t position) = 0;
    // One step, when the position is below the upper bound.
    virtual void StepProgress() = 0;
    // The OK/Cancel button now reads "Close".
    virtual void ShowCloseButton() = 0;

    virtual void ShowBox(std::string_view text, std::string_view caption, BoxIcon icon) = 0;
    // An OK/Cancel box: true for OK.
    virtual bool AskOkCancel(std::string_view text, std::string_view caption) = 0;
    // A Yes/No box with the question icon: true for Yes.
    virtual bool AskYesNo(std::string_view text, std::string_view caption) = 0;
    // The status bar's "Timeout" text with the progress bar off.
    virtual void ShowTimeoutStatus() = 0;

    // The one-second timer.
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;

    // The hidden connect dialog under the reflash dialog; null when it
    // cannot be made.
    virtual std::unique_ptr<HiddenReconnect> MakeHiddenReconnect() = 0;
    virtual void SetReflashing(bool reflashing) = 0;
    // The application's record of the logger's network interface kind says cellular.
    virtual bool IsCellularLogger() = 0;

    // Ends the dialog as cancelled.
    virtual void CloseCancelled() = 0;
};

}  // namespace corvane
