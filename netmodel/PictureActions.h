#pragma once

namespace corvane {

// The Communication Window's commands that clicks and drops on its
// picture start (the control-picture tool dispatches to them). The
// Communication Window fills it.
class PictureActions {
public:
    virtual ~PictureActions() = default;

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
