#pragma once

#include "logger/LoggerStateServices.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

class CConnectionDetails;
class CardSettings;
class CNetDoc;
class DiagnosticLogServices;
class DownloadServices;
class LoggerTimeZone;
class ReflashFolder;
class NoticeSink;
class RemovableMediaProbe;
class SettingsStore;
class StatusSink;
class Window;

// What connecting to a logger and the Communication Window need of the
// program around them: the connection state (whose changes the main window
// shows in its title and connection pane), the settings, the main window
// (its status bar and messages), the values the handshake keeps in the
// application, where the saved connections and the USB devices are found,
// and the program's net. The shell fills it; tests fake it. It outlives
// the dialogs and views that use it. The connection state, the status bar
// and the logger state words come through LoggerStateServices.
class CommWindowServices : public LoggerStateServices {
public:
    virtual ~CommWindowServices() = default;

    // LastCommType, IgnoreVersion, CommTrace, SocketTimeout, ShowProduction
    // live here (the program's settings key).
    virtual SettingsStore& Settings() = 0;
    // The main window, owner of boxes and dialogs; null in some tests.
    virtual Window* MainWindow() = 0;
    // Posts a message without parameters to the main window (0x8196: the
    // status progress bar goes).
    virtual void PostToMainWindow(std::uint32_t messageId) = 0;

    // What the handshake keeps for the rest of the program.
    virtual void SetNetworkPasswordWarningAccepted(bool accepted) = 0;
    virtual void SetLoggerInfoText(std::string_view text) = 0;
    // The palette's network cells follow the connected logger.
    virtual void UpdateNetIconBar() = 0;

    // "dir.bin" in the program's per-user data folder.
    virtual std::filesystem::path DirectoryFile() const = 0;
    // The root under which USB serial devices are looked for ("/sys").
    virtual std::filesystem::path UsbDeviceRoot() const = 0;
    // The folder of the serial device nodes ("/dev").
    virtual std::filesystem::path DeviceFolder() const = 0;

    // The program's net document, or null.
    virtual CNetDoc* NetDocument() = 0;

    // The memory card read in the PC: its settings and the probe that says
    // whether its mount point is removable and holds a card.
    virtual const CardSettings& CardSettingsSource() = 0;
    virtual const RemovableMediaProbe& MediaProbe() = 0;

    // What the logged-data download dialogs need of the program.
    virtual DownloadServices& Downloads() = 0;

    // Runs the program settings dialog (card mount point, trace, time-outs)
    // modally over the window.
    virtual void ShowProgramSettings(Window* owner) = 0;
    // Opens the last downloaded data file with the desktop's program for it
    // (nothing when no file was downloaded yet).
    virtual void OpenLastDownloadFile() = 0;

    // The session's choice to confirm before sending remote-control values
    // (on at start-up); the remote-controls dialog reads and writes it.
    virtual bool& VerifyRemoteValues() = 0;
    // The per-run flag set when the user accepted managing passwords over a
    // network link (the connect dialog clears it at every connect).
    virtual bool NetworkPasswordWarningAccepted() const = 0;
    // What the diagnostic log dialogs need of the program.
    virtual DiagnosticLogServices& DiagnosticLogs() = 0;
    // Where logger and module firmware files are chosen from; null when the
    // program keeps no such folder.
    virtual ReflashFolder* ReflashFiles() { return nullptr; }
    // Notices for the main frame's box titled "Warning" (message 0x8191),
    // shown once the handler that raised them returns.
    virtual NoticeSink& MainFrameNotices() = 0;
    // Switches the main window's one-second USB link check on or off (the
    // logger dialogs that restart the logger switch it off meanwhile);
    // nothing without a main window.
    virtual void EnableUsbLinkCheck(bool enable) { (void)enable; }
};

}  // namespace corvane
