#pragma once

#include "commwindow/ModuleReflash.h"
#include "commwindow/ModuleReflashPort.h"
#include "halvix/protocol/ModuleReplies.h"
#include "logger/CCommDialog.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace corvane {

class CChangeModuleName;
class CommWindowServices;

// The node dialog of a bus module: the analog input module's ("VEXA-7
// Module Properties") or the digital I/O module's ("VEXA-2 Module
// Properties"), twins that differ in their resource, the calibration data
// (analog) and the serial number setting (digital, production only). The
// dialog asks the module itself, through the logger, for its type,
// firmware, serial number and name, renames it, writes its serial number
// and reflashes its firmware from a module firmware file. It takes its
// own replies; the reflash pauses run on the dialog's timer.
class CModuleNodeDlg final : public CCommDialog, private ModuleReflashPort {
public:
    static constexpr std::string_view kUpdatingText = "   >> Updating : Please Wait <<";
    static constexpr std::string_view kProblemText = "Problem obtaining module data";
    static constexpr std::uint32_t kPauseTimerId = 1;
    static constexpr std::size_t kNewSerialLimit = 9;

    // moduleType: 0 the analog module's dialog, otherwise the digital I/O module's.
    CModuleNodeDlg(
        std::uint8_t moduleType, std::uint8_t address, CommWindowServices& services, Window* parent = nullptr);
    ~CModuleNodeDlg() override;

    std::uint8_t ModuleType() const { return moduleType_; }
    std::uint8_t Address() const { return address_; }
    bool IsUpdating() const { return updating_; }
    const ModuleReflash& Reflash() const { return reflash_; }
    // The name dialog while Change runs it, else null.
    CChangeModuleName* OpenNameDialog() const { return nameDialog_; }

    // The platform's message (the reflash port names its boxes Message too).
    std::intptr_t OnMessage(corvane::Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void RequestModuleInfo();
    void OnModuleReply(const CReplyMessage& reply);
    void OnInformation(const CReplyMessage& reply);
    void ShowCalibrationData();
    void OnChangeName();
    void OnSetSerialNumber();
    void OnReflash();
    // Name, type, serial, firmware and calibration texts into their controls.
    void RefreshControls();
    void ShowChangeButton(bool show);
    // Progress bar hidden, firmware version and Reflash button shown.
    void RestoreReflashDisplay();
    void ShowBox(std::string_view text, std::string_view caption, bool information = false);
    // Ends a running reflash quietly as the dialog closes.
    void EndReflash();

    // ModuleReflashPort.
    bool SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data) override;
    void StartPause(int ms) override;
    bool OpenFirmware() override;
    std::uint64_t FirmwareLength() override;
    std::size_t ReadFirmware(std::span<std::uint8_t> into) override;
    void CloseFirmware() override;
    void ShowProgress(std::uint64_t position, std::uint64_t range) override;
    void ShowMessage(const ModuleReflashPort::Message& message) override;
    void Finished(bool succeeded) override;

    CommWindowServices& services_;
    std::uint8_t moduleType_;
    std::uint8_t address_;
    std::string nameText_;
    std::string typeText_;
    std::string serialText_;
    std::string firmwareText_;
    std::string lastCalibrationText_;
    std::string calibrationDueText_;
    std::string commentText_;
    std::string newName_;
    bool updating_ = false;
    // The module as its last information reply gave it; the calibration as read.
    std::optional<ModuleInformation> record_;
    std::optional<ModuleCalibration> calibration_;
    CChangeModuleName* nameDialog_ = nullptr;
    std::string firmwarePath_;
    std::ifstream firmware_;
    // After the file, so the reflash closes it before it goes.
    ModuleReflash reflash_;
};

}  // namespace corvane
