#pragma once

#include "logger/CCommDialog.h"
#include "logger/LoggerReflash.h"
#include "logger/LoggerReflashPort.h"

#include <cstdint>
#include <memory>

namespace corvane {

class HiddenReconnectMaker;
class ReflashFolder;
class StatusSink;

// "Reflash Logger Firmware" (dialog 448): loads a logger firmware file,
// sends it to the logger in 1024-byte blocks, has the logger reprogram
// itself, waits for it to restart, reconnects through a hidden connect
// dialog and reports the outcome in its log box. The sequence is
// LoggerReflash; this dialog wires it to the controls, the requests, the
// one-second timer and the boxes.
class CReflashDialog final : public CCommDialog, private LoggerReflashPort {
public:
    static constexpr std::uint32_t kTimerId = 221;
    static constexpr std::uint32_t kTimerIntervalMs = 1000;

    // folder may be null: the file dialog then starts where the toolkit likes.
    CReflashDialog(CConnectionDetails& connection, HiddenReconnectMaker& reconnects, ReflashFolder* folder,
        StatusSink& status, Window* parent = nullptr);
    ~CReflashDialog() override;

    const LoggerReflash& Reflash() const { return reflash_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnStart();

    // LoggerReflashPort.
    int SendStop() override;
    int SendFlashInit() override;
    int SendFlashData(std::uint32_t offset, std::span<const std::uint8_t> block) override;
    int SendFlashExec(std::uint16_t relayOption) override;
    std::optional<std::filesystem::path> ChooseFirmwareFile() override;
    void AppendLog(std::string_view line) override;
    void SetProgressRange(std::uint32_t upper) override;
    void SetProgressPosition(std::uint32_t position) override;
    void StepProgress() override;
    void ShowCloseButton() override;
    void ShowBox(std::string_view text, std::string_view caption, BoxIcon icon) override;
    bool AskOkCancel(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;
    void ShowTimeoutStatus() override;
    void StartTimer() override;
    void StopTimer() override;
    std::unique_ptr<HiddenReconnect> MakeHiddenReconnect() override;
    void SetReflashing(bool reflashing) override;
    bool IsCellularLogger() override;
    void CloseCancelled() override;

    HiddenReconnectMaker& reconnects_;
    ReflashFolder* folder_;
    StatusSink& status_;
    LoggerReflash reflash_;
};

}  // namespace corvane
