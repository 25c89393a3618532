#pragma once

#include "shell/StatusSink.h"
#include "platform/MdiFrame.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class CConnectionDetails;
class CReplyMessage;
class CSplashWnd;
class DisplayControlsBinding;
class SettingsStore;
class ValueCache;

// What the main frame uses of the application around it.
struct MainFrameServices {
    SettingsStore* settings = nullptr;
    CConnectionDetails* connection = nullptr;
    ValueCache* valueCache = nullptr;  // may be null
    std::function<std::unique_ptr<DisplayControlsBinding>()> makeDisplayControls;
    // The logger error box for a failed reply.
    std::function<void(const CReplyMessage&)> showReplyError;
    // The serial device of the current USB link (the USB manager's port).
    std::function<std::filesystem::path()> usbDevice;
    bool showSplash = true;
    // Another child window became the active one (or none is).
    std::function<void()> childActivated;
};

// The program's main window: five toolbars (one per window kind), the
// status bar with the connection panes and the progress bar, the timers
// of the keep-alive ping, the progress animation and the link watch, and
// the receiver of the program-wide posted messages.
class CMainFrame final : public MdiFrame, public StatusSink {
public:
    static constexpr int kToolBarCount = 5;
    static constexpr std::uint32_t kKeepAliveMs = 30000;
    static constexpr std::uint32_t kProgressMs = 250;
    static constexpr std::uint32_t kLinkWatchMs = 1000;

    explicit CMainFrame(MainFrameServices services);
    ~CMainFrame() override;

    // Builds the window with its bars, timers and splash; false when a
    // toolbar or the status bar could not be made.
    bool CreateFrame(std::string_view title, const MenuTemplate& menu);

    void ActivateWindow(int kind);
    // Shows the splash picture over the frame (when the splash is enabled).
    void ShowSplash();

    // StatusSink (the status helpers call these).
    void SetStatusText(std::string_view text) override;
    void SetStatusMessage(std::string_view text) override { SetStatusText2(text); }
    bool HasProgress() const override;
    void CreateProgress() override;
    void SetProgressPos(int position) override;
    void SetProgressRange(std::uint16_t upper) override;
    void StartProgressAnimation() override { ShowBusy(true); }
    void StopProgressAnimation() override { ShowBusy(false); }

    void SetStatusText2(std::string_view text);
    void ShowBusy(bool on);
    void SetProgress(int position);
    void EnableUsbLinkCheck(bool enable) { usbLinkCheck_ = enable; }
    bool UsbLinkCheckEnabled() const { return usbLinkCheck_; }

    CSplashWnd* Splash() const { return splash_.get(); }
    DisplayControlsBinding* DisplayControls() const { return displayControls_.get(); }
    // The picture the connection pane shows: 285 or 286 (0 before the first).
    int CommStatePicture() const { return commStatePicture_; }
    // The title and the connection pane's text as the connection state
    // says; run on every change of that state. (The pane's picture is the
    // verdict of the link watch and the keep-alive ping.)
    void ShowConnectionState();
    // "Connected: <connection name>" or "Disconnected".
    std::string ConnectionPaneText() const;

    std::intptr_t OnMessage(Message& message) override;

protected:
    void OnDestroy() override;
    void OnMove(Point oldTopLeft, Point newTopLeft) override;
    void OnActivateChild(ChildFrame* activated, ChildFrame* deactivated) override;

private:
    void OnTimer(std::uint32_t id);
    void OnKeepAliveTimer();
    void OnProgressTimer();
    void OnLinkWatchTimer();
    void OnNotice(Message& message);
    void OnReply(Message& message);
    void OnTimeout(Message& message);
    void LinkLost(std::string_view text);
    void LostLinkCleanUp();
    void SetCommState(int pictureId);
    void LeaveWebDesign();
    void ShowPalette(int templateId, bool show);
    void RegisterHandlers();

    MainFrameServices services_;
    std::string baseTitle_;
    std::unique_ptr<DisplayControlsBinding> displayControls_;
    std::unique_ptr<CSplashWnd> splash_;
    int progressStep_ = 0;
    bool usbLinkCheck_ = true;
    int commStatePicture_ = 0;
};

}  // namespace corvane
