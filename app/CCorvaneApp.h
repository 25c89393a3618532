#pragma once

#include "app/CCmdLine.h"
#include "app/CRecentFileList.h"
#include "app/DiagnosticsLog.h"
#include "app/ProgramSettings.h"
#include "app/ShellNeighbours.h"
#include "base/LoggerTimeZone.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommLog.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "platform/CommandTarget.h"
#include "platform/SettingsStore.h"
#include "platform/Window.h"
#include "shell/AdvisorySuppressions.h"

#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class Application;
class Dialog;
class CCommsThread;
class CFolderOptions;
class CMainFrame;
class Document;
class HalvixInstallation;
class HalvixLibrary;
class SingleInstanceChannel;

// Where the application keeps its things; empty entries take the usual
// places of the user running it.
struct CorvaneAppOptions {
    std::filesystem::path settingsFile;        // the settings store's file
    std::filesystem::path instanceSocket;      // the single-instance channel
    std::filesystem::path dataFolder;          // dir.bin, diagnostics.txt, download work files
    std::filesystem::path homeFolder;          // where file dialogs first open
    std::filesystem::path desktopDataHome;     // desktop entry, MIME type and icons
    std::filesystem::path executable;          // named in the desktop entry
    // Where the desktop database tools are looked for; unset: the PATH of the process.
    std::optional<std::string> desktopToolPath;
    bool registerDesktopFiles = true;
    // Hands a file to the program the desktop opens it with; unset: xdg-open.
    std::function<bool(const std::filesystem::path&)> openWithDesktop;
};

// The program itself: keeps one running instance per user, reads and
// creates its settings, makes the four document kinds and the main frame,
// starts the comms thread and the communications library, keeps the
// recent-file lists and the diagnostics log, and undoes it all on exit.
class CCorvaneApp final : public Window,
                          public CommandTarget,
                          public CommLog,
                          public CommsSettings,
                          public MainFramePoster {
public:
    enum class StartResult { Running, SecondInstance, Failed };
    enum class RecentList { Net = 0, Web = 1, Data = 2 };

    static constexpr std::size_t kCommLogLines = 50;
    // The most recent files a File menu shows.
    static constexpr std::size_t kRecentMenuFiles = 9;
    static constexpr std::string_view kRecentRoot = "Software\\QZL\\Corvane-III  Application";

    CCorvaneApp(Application& app, ShellNeighbours neighbours, CorvaneAppOptions options = {});
    ~CCorvaneApp() override;

    // Start-up; Running when the main frame shows.
    StartResult InitInstance();
    // Runs the message loop, then shuts down; the exit code.
    int Run();
    // Shutdown; safe to call more than once.
    void ExitInstance();

    // Documents.
    Document* OpenDocumentFile(const std::filesystem::path& path);
    void OnFileNew();
    Document* CommWindowDocument() const;
    Document* NetDocument() const;
    Document* TrendingDocument() const;
    Document* WebDocument() const;

    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    SettingsStore& Settings() { return settings_; }
    CConnectionDetails& Connection() { return connection_; }
    // The advisory texts the user chose not to see again during this run.
    AdvisorySuppressions& Advisories() { return advisories_; }
    const ProgramSettings& StartupSettings() const { return settings0_; }
    CFolderOptions* FolderOptions() const { return folderOptions_.get(); }
    ValueCache* Cache() const { return valueCache_.get(); }
    const CCmdLine& CommandLine() const { return commandLine_; }
    bool IsSecondInstance() const { return secondInstance_; }
    bool CommsThreadRunning() const;

    int GetShowProduction() const { return settings0_.showProduction; }
    bool ShouldResetLoggerAfterConfigUpdate() const { return settings0_.dontResetLoggerAfterConfigUpdate == 0; }
    bool ShouldDeleteRawData() const { return settings0_.dontDeleteRawData == 0; }
    int GetSnapToGrid() const { return settings0_.snapToGrid; }
    void SetSnapToGrid(int value);
    std::uint32_t SocketTimeout() const { return settings0_.socketTimeout; }
    // The program settings dialog over the window, modal; the time-outs it
    // changes are kept here and count from the next connection.
    void ShowProgramSettings(Window* owner);
    // The program settings dialog while ShowProgramSettings runs it, else null.
    Dialog* OpenSettingsDialog() const { return settingsDialog_; }

    // Recent files. A path new to its list goes on top and the list's
    // menus show it at once.
    void AddRecentFile(RecentList list, std::string_view path);
    const CRecentFileList& Recent(RecentList list) const;
    // Puts the list's files that exist now (the newest nine) into the File
    // menus of its kinds, numbered, in place of the "Recent File" item;
    // they stay there as they are until the next refresh.
    void RefreshRecentMenu(RecentList list);
    // The paths the list's menus show since their last refresh.
    const std::vector<std::string>& RecentMenuFiles(RecentList list) const;
    // Hands a data file to the program the desktop opens it with; a file
    // that is not there is refused with the open's message.
    void OpenWithDesktop(const std::filesystem::path& path);

    void WriteDiagnosticLine(std::string_view text);

    // CommLog: any thread.
    void AddCommLogLine(std::string_view label, std::string_view text) override;
    std::vector<std::string> CommLogLines() const;
    // Empties the communication log (a new hardware query starts afresh).
    void ClearCommLog();

    // CommsSettings.
    std::uint32_t LoggerRetryTime() const override { return settings0_.loggerRetryTime; }

    // MainFramePoster: any thread.
    bool PostToMainFrame(MessageId id, std::uintptr_t wParam, std::unique_ptr<Payload> payload = {}) override;

    // The time columns of converted logged data (0 local, 1 UTC, 2 both):
    // every download dialog starts with it and writes the user's choice back.
    int TimeColumnChoice() const { return timeColumnChoice_; }
    void SetTimeColumnChoice(int choice) { timeColumnChoice_ = choice; }

    void SetNetworkPasswordWarningAccepted(bool flag) { passwordWarningAccepted_ = flag; }
    bool GetNetworkPasswordWarningAccepted() const { return passwordWarningAccepted_; }
    // The session's choice to confirm before sending remote-control values.
    bool& VerifyRemoteValues() { return verifyRemoteValues_; }
    void SetLoggerInfoText(std::string_view text);
    // The connected logger's status word and its internal memory (size and
    // part in use, in KB), kept from its state block.
    void SetLoggerStateWords(std::uint32_t status, std::uint32_t memoryKb, std::uint32_t memoryUsedKb);
    std::uint32_t LoggerStatusWord() const { return loggerStatus_; }
    std::uint32_t LoggerMemoryKb() const { return loggerMemoryKb_; }
    std::uint32_t LoggerMemoryUsedKb() const { return loggerMemoryUsedKb_; }
    // The connected logger's time zone.
    LoggerTimeZone& TimeZone() { return timeZone_; }
    // The per-user data folder of the program's own files ("dir.bin",
    // "diagnostics.txt", the download work files); set at start-up, never
    // the folder the program was started from.
    const std::filesystem::path& DataFolder() const { return dataFolder_; }
    const std::string& GetLoggerInfoText() const { return loggerInfoText_; }

    std::intptr_t OnMessage(Message& message) override;

private:
    void OnExecute(const std::string& text);
    void ShowError(std::string_view text);
    void RestoreWindowPlacement();
    void ApplyCommTrace();
    void StartComms();
    void OnOpenRecentFile(int id);
    void OnUpdateRecentFile(CommandState& state) const;
    // The list whose files the active window's menu shows.
    std::optional<RecentList> ActiveRecentList() const;
    void OnFileOpen();
    DocTemplate* Template(int id) const;

    Application& app_;
    ShellNeighbours neighbours_;
    CorvaneAppOptions options_;
    SettingsStore settings_;
    ProgramSettings settings0_;
    std::unique_ptr<CFolderOptions> folderOptions_;
    std::unique_ptr<ValueCache> valueCache_;
    CConnectionDetails connection_;
    AdvisorySuppressions advisories_;
    LoggerTimeZone timeZone_;
    std::uint32_t loggerStatus_ = 0;
    std::uint32_t loggerMemoryKb_ = 0;
    std::uint32_t loggerMemoryUsedKb_ = 0;
    CCmdLine commandLine_;
    std::filesystem::path dataFolder_;
    DiagnosticsLog diagnostics_;
    std::array<CRecentFileList, 3> recent_;
    std::array<std::vector<std::string>, 3> recentShown_;
    std::unique_ptr<HalvixLibrary> halvix_;
    std::unique_ptr<HalvixInstallation> halvixInstallation_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<CCommsThread> commsThread_;
    std::atomic<std::uint32_t> mainFrameHandle_ = 0;
    mutable std::mutex commLogMutex_;
    std::deque<std::string> commLog_;
    std::string loggerInfoText_;
    int timeColumnChoice_ = 0;
    bool passwordWarningAccepted_ = false;
    bool verifyRemoteValues_ = true;
    Dialog* settingsDialog_ = nullptr;
    bool secondInstance_ = false;
    bool started_ = false;
    bool exited_ = false;
    std::unique_ptr<SingleInstanceChannel> channel_;
};

}  // namespace corvane
