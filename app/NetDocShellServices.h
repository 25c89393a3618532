#pragma once

#include "app/MainFrameNoticeSink.h"
#include "netdoc/NetDocServices.h"

#include <cstdint>
#include <functional>

namespace corvane {

class CCorvaneApp;
class HardwarePollReporter;

// The net document's services as the application object gives them: the
// connection state, the net folder and recent list, notices posted to the
// main frame (also those of icons and their dialogs), the run's advisory boxes, the conversion dialog and the
// hardware query.
class NetDocShellServices final : public NetDocServices {
public:
    using Converter = std::function<void(const std::filesystem::path& path)>;

    NetDocShellServices(CCorvaneApp& app, HardwarePollReporter& reporter);

    // What saving under ".quv" runs (the conversion dialog over the open net).
    void SetConverter(Converter converter) { converter_ = std::move(converter); }
    // The option byte of the net opened last.
    std::uint8_t NetOptionByte() const { return netOptionByte_; }

    bool IsConnected() const override;
    std::uint16_t PolledConfigWord() const override;
    std::uint8_t LoggerCapabilityByte() const override;
    std::uint32_t LoggerFirmwareVersion() const override;
    std::string LoggerInfoText() const override;
    SettingsStore* UserSettings() override;
    std::uint32_t MessageTimeoutMs() const override;
    std::optional<std::string> CheckNetVersion(std::uint32_t first, std::uint32_t second) const override;
    void SetNetOptionByte(std::uint8_t value) override { netOptionByte_ = value; }
    std::filesystem::path NetFileFolder() const override;
    void SetNetFileFolder(const std::filesystem::path& folder) override;
    std::filesystem::path ModbusFileFolder() const override;
    void SetModbusFileFolder(const std::filesystem::path& folder) override;
    std::filesystem::path WorkingFolder() const override;
    bool KeepRawDownloads() const override;
    void AddRecentNet(const std::filesystem::path& path) override;
    void ShowNotice(std::string_view text, NetNoticeCaption caption) override;
    NoticeSink& Notices() override { return notices_; }
    StatusSink& Status() override;
    int ShowAdvisory(int boxType, std::string_view text) override;
    void ConvertNet(const std::filesystem::path& path) override;
    bool QueryHardware(CHardwarePoll& poll) override;

private:
    CCorvaneApp& app_;
    HardwarePollReporter& reporter_;
    MainFrameNoticeSink notices_;
    Converter converter_;
    std::uint8_t netOptionByte_ = 0;
};

}  // namespace corvane
