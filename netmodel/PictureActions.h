#pragma once

namespace corvane {

// The Communication Window's commands that clicks and drops on its
// picture start (the control-picture tool dispatches to them). The
// Communication Window fills it. A picture item runs its command only
// while that command is enabled, as its menu item would be.
class PictureActions {
public:
    // The command ids of the picture's actions (menu and toolbar share them).
    static constexpr int kDownloadDataCommand = 32796;
    static constexpr int kViewProbePointsCommand = 32797;
    static constexpr int kDownloadNetCommand = 32798;
    static constexpr int kUploadNetCommand = 32799;
    static constexpr int kProgramDevelopmentCommand = 32802;
    static constexpr int kEnableLoggingCommand = 32809;
    static constexpr int kStopLoggingCommand = 32810;
    static constexpr int kClearMemoryCommand = 32811;
    static constexpr int kSetLoggerTimeCommand = 32812;
    static constexpr int kViewLoggerStatusCommand = 32817;
    static constexpr int kLoggerConfigurationCommand = 32839;
    static constexpr int kScanCardCommand = 32887;
    static constexpr int kDownloadCardDataCommand = 32888;
    static constexpr int kPasswordManagementCommand = 32893;
    static constexpr int kLoggerConnectionCommand = 40016;

    virtual ~PictureActions() = default;

    // Whether the command may run now (its update handler enables it).
    virtual bool IsPictureCommandEnabled(int commandId) = 0;

    virtual void OnDownloadNet() = 0;
    virtual void OnDownloadData() = 0;
    virtual void ShowLoggerConfiguration() = 0;
    virtual void OnViewProbePoints() = 0;
    virtual void OnSetLoggerTime() = 0;
    virtual void OnViewLoggerStatus() = 0;
    virtual void OnUploadNet() = 0;
    virtual void OnEnableLogging() = 0;
    virtual void OnStopLogging() = 0;
    virtual void OnClearMemory() = 0;
    virtual void ShowConnectDialog() = 0;
    virtual void OnScanCard() = 0;
    virtual void OnDownloadCardData() = 0;
    virtual void IgnorePictureAction() = 0;
    // Whether the net document holds objects (an upload needs a net).
    virtual bool NetHasObjects() const = 0;
    // Posts a command to the main window (32802 shows program development).
    virtual void PostMainCommand(int commandId) = 0;
    // Posts a command to the picture's view (32893 password management).
    virtual void PostViewCommand(int commandId) = 0;
    // Opens the last downloaded data file with the desktop's program.
    virtual void OpenLastDownloadFile() = 0;
};

}  // namespace corvane
