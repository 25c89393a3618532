#pragma once

#include "netdoc/NetDocServices.h"
#include "platform/DialogTemplate.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace corvane::testsupport {

// Net document services that reach nothing: never connected, every notice
// and advisory passed over (advisories end with OK), nothing converted or
// remembered. The net file and working folders are the given folder; a
// hardware query gives the given answer without polling. The Modbus folder
// is the given folder too.
class QuietNetDocServices final : public NetDocServices {
public:
    explicit QuietNetDocServices(std::filesystem::path folder = {}, bool queryAnswer = false)
        : folder_(std::move(folder)), queryAnswer_(queryAnswer)
    {}

    bool IsConnected() const override { return false; }
    std::uint16_t PolledConfigWord() const override { return 0; }
    std::uint8_t LoggerCapabilityByte() const override { return 0; }
    std::uint32_t LoggerFirmwareVersion() const override { return 0; }
    std::uint32_t MessageTimeoutMs() const override { return 0; }
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return std::nullopt; }
    void SetNetOptionByte(std::uint8_t) override {}
    std::filesystem::path NetFileFolder() const override { return folder_; }
    void SetNetFileFolder(const std::filesystem::path&) override {}
    std::filesystem::path ModbusFileFolder() const override { return folder_; }
    void SetModbusFileFolder(const std::filesystem::path&) override {}
    std::filesystem::path WorkingFolder() const override { return folder_; }
    bool KeepRawDownloads() const override { return true; }
    void AddRecentNet(const std::filesystem::path&) override {}
    void ShowNotice(std::string_view, NetNoticeCaption) override {}
    NoticeSink& Notices() override { return notices_; }
    int ShowAdvisory(int, std::string_view) override { return kIdOk; }
    void ConvertNet(const std::filesystem::path&) override {}
    bool QueryHardware(CHardwarePoll&) override { return queryAnswer_; }

private:
    std::filesystem::path folder_;
    bool queryAnswer_;
    struct QuietNotices final : NoticeSink {
        void ShowNotice(std::string_view, std::string_view, NoticeStyle) override {}
    } notices_;
};

}  // namespace corvane::testsupport
