#pragma once

// What the Communication Window's document and view tests share: the
// program's services as plain fields, with a status bar, card settings and
// a media probe that note or answer what the test says, and the download
// dialogs' services.

#include "DiagnosticTestServices.h"
#include "DownloadTestServices.h"
#include "ScratchFolder.h"
#include "base/LoggerTimeZone.h"
#include "base/NoticeSink.h"
#include "card/CardSettings.h"
#include "card/RemovableMediaProbe.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "commwindow/CommWindowServices.h"
#include "logger/ReflashFolder.h"
#include "platform/SettingsStore.h"
#include "shell/StatusSink.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

class LaunchTestServices final : public CommWindowServices {
public:
    struct Poster final : MainFramePoster {
        bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
    };
    struct RetrySettings final : CommsSettings {
        std::uint32_t LoggerRetryTime() const override { return 5000; }
    };
    // The notices for the main frame, as raised.
    struct Notices final : NoticeSink {
        std::vector<std::string> texts;
        void ShowNotice(std::string_view text, std::string_view, NoticeStyle) override { texts.emplace_back(text); }
    };
    struct Card final : CardSettings {
        std::string drive;
        std::string Drive() const override { return drive; }
        std::uint32_t OutputSplitLimit() const override { return 0; }
        std::filesystem::path WorkFolder() const override { return {}; }
    };
    struct Probe final : RemovableMediaProbe {
        bool removable = true;
        bool present = false;
        bool IsRemovable(const std::filesystem::path&) const override { return removable; }
        bool IsMediumPresent(const std::filesystem::path&) const override { return present; }
    };

    Poster poster;
    RetrySettings retry;
    CConnectionDetails connection{poster, retry};
    SettingsStore settings;
    RecordingStatusSink status;
    Card card;
    Probe probe;
    LoggerTimeZone timeZone;
    std::uint32_t statusWord = 0;
    std::uint32_t memoryKb = 0;
    std::uint32_t memoryUsedKb = 0;
    std::vector<std::uint32_t> postedToMain;
    std::vector<Window*> settingsDialogOwners;  // one per ShowProgramSettings
    int lastDownloadOpened = 0;
    CNetDoc* net = nullptr;
    ScratchFolder downloadFolder;
    DownloadTestServices downloads{downloadFolder.Path()};
    Notices notices;
    std::string reflashFolder;  // with its trailing separator

    CConnectionDetails& Connection() override { return connection; }
    SettingsStore& Settings() override { return settings; }
    StatusSink& Status() override { return status; }
    Window* MainWindow() override { return nullptr; }
    void PostToMainWindow(std::uint32_t messageId) override { postedToMain.push_back(messageId); }
    void SetNetworkPasswordWarningAccepted(bool accepted) override { passwordWarningAccepted = accepted; }
    void SetLoggerInfoText(std::string_view) override {}
    void SetLoggerStateWords(std::uint32_t word, std::uint32_t memory, std::uint32_t used) override
    {
        statusWord = word;
        memoryKb = memory;
        memoryUsedKb = used;
    }
    std::uint32_t LoggerStatusWord() const override { return statusWord; }
    void SetLoggerStatusWord(std::uint32_t word) override { statusWord = word; }
    LoggerTimeZone& TimeZone() override { return timeZone; }
    std::uint32_t LoggerMemoryKb() const override { return memoryKb; }
    std::uint32_t LoggerMemoryUsedKb() const override { return memoryUsedKb; }
    void UpdateNetIconBar() override {}
    std::filesystem::path DirectoryFile() const override { return {}; }
    std::filesystem::path UsbDeviceRoot() const override { return {}; }
    std::filesystem::path DeviceFolder() const override { return {}; }
    CNetDoc* NetDocument() override { return net; }
    const CardSettings& CardSettingsSource() override { return card; }
    const RemovableMediaProbe& MediaProbe() override { return probe; }
    DownloadServices& Downloads() override { return downloads; }
    void ShowProgramSettings(Window* owner) override { settingsDialogOwners.push_back(owner); }
    void OpenLastDownloadFile() override { ++lastDownloadOpened; }
    bool& VerifyRemoteValues() override { return verifyRemoteValues; }
    bool verifyRemoteValues = true;
    bool NetworkPasswordWarningAccepted() const override { return passwordWarningAccepted; }

    bool passwordWarningAccepted = false;
    DiagnosticLogServices& DiagnosticLogs() override { return diagnostics; }

    DiagnosticTestServices diagnostics;
    NoticeSink& MainFrameNotices() override { return notices; }
    ReflashFolder* ReflashFiles() override { return &reflashFiles; }

    // The firmware folder, kept as the program's folder options keep it.
    struct TestReflashFolder final : ReflashFolder {
        explicit TestReflashFolder(std::string& folder) : folder_(folder) {}
        std::string Folder() const override { return folder_; }
        void KeepFolderOf(std::string_view chosenPath) override
        {
            folder_ = std::filesystem::path(chosenPath).parent_path().string() + "/";
        }
        std::string& folder_;
    };
    TestReflashFolder reflashFiles{reflashFolder};
};

}  // namespace corvane::test
