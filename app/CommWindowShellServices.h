#pragma once

#include "app/DiagnosticLogShellServices.h"
#include "app/DownloadShellServices.h"
#include "app/ReflashFolderOptions.h"
#include "app/MainFrameNoticeSink.h"
#include "card/MountTableProbe.h"
#include "card/StoreCardSettings.h"
#include "commwindow/CommWindowServices.h"

#include <functional>

namespace corvane {

class CCorvaneApp;

// Connecting and the Communication Window's services as the application
// object gives them.
class CommWindowShellServices final : public CommWindowServices {
public:
    struct Places {
        std::filesystem::path usbDeviceRoot = "/sys";
        std::filesystem::path deviceFolder = "/dev";
        // What tells whether the card reader's mount point holds a card.
        std::filesystem::path mountTable = "/proc/self/mounts";
        std::filesystem::path sysBlockRoot = "/sys/class/block";
    };

    CommWindowShellServices(CCorvaneApp& app, Places places, std::function<void()> updateNetIconBar);

    CConnectionDetails& Connection() override;
    SettingsStore& Settings() override;
    StatusSink& Status() override;
    Window* MainWindow() override;
    void PostToMainWindow(std::uint32_t messageId) override;
    void SetNetworkPasswordWarningAccepted(bool accepted) override;
    void SetLoggerInfoText(std::string_view text) override;
    void SetLoggerStateWords(std::uint32_t status, std::uint32_t memoryKb, std::uint32_t memoryUsedKb) override;
    LoggerTimeZone& TimeZone() override;
    void UpdateNetIconBar() override;
    std::filesystem::path DirectoryFile() const override;
    std::filesystem::path UsbDeviceRoot() const override { return places_.usbDeviceRoot; }
    std::filesystem::path DeviceFolder() const override { return places_.deviceFolder; }
    CNetDoc* NetDocument() override;
    std::uint32_t LoggerStatusWord() const override;
    void SetLoggerStatusWord(std::uint32_t status) override;
    const CardSettings& CardSettingsSource() override { return cardSettings_; }
    const RemovableMediaProbe& MediaProbe() override { return mediaProbe_; }
    DownloadServices& Downloads() override { return downloads_; }
    void ShowProgramSettings(Window* owner) override;
    void OpenLastDownloadFile() override;
    bool& VerifyRemoteValues() override;
    bool NetworkPasswordWarningAccepted() const override;
    DiagnosticLogServices& DiagnosticLogs() override { return diagnosticLogs_; }
    ReflashFolder* ReflashFiles() override { return &reflashFolder_; }
    std::uint32_t LoggerMemoryKb() const override;
    std::uint32_t LoggerMemoryUsedKb() const override;
    NoticeSink& MainFrameNotices() override { return notices_; }
    void EnableUsbLinkCheck(bool enable) override;

private:
    CCorvaneApp& app_;
    Places places_;
    std::function<void()> updateNetIconBar_;
    StoreCardSettings cardSettings_;
    MountTableProbe mediaProbe_;
    DownloadShellServices downloads_;
    DiagnosticLogShellServices diagnosticLogs_;
    ReflashFolderOptions reflashFolder_;
    MainFrameNoticeSink notices_;
};

}  // namespace corvane
