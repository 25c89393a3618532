#pragma once

#include "commwindow/CommWindowHooks.h"
#include "commwindow/CommWindowLink.h"
#include "commwindow/HiddenConnectDialog.h"
#include "commwindow/ServicesUsbLinkCheck.h"
#include "download/DownloadDialogLinkScope.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/HardwarePollOwner.h"
#include "netmodel/PictureActions.h"
#include "platform/PromptSink.h"
#include "shell/CXInfoTip.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class CConnectDialog;
class CModuleNodeDlg;
class DownloadDialogLink;
class Dialog;
class CLaunchDoc;
class CReplyMessage;
class CommWindowServices;
class CQuickProbesDialog;
class CRemoteCtrlDialog;
class CReflashDialog;

// The Communication Window's view: a fixed 1024 x 768 picture of the PC,
// the link, the logger with its memory card, front-panel buttons and
// module bus, and a card in the PC's reader, rebuilt from scratch whenever
// the connection, the run state, the card or the bus changes. The control
// picture tool turns double-clicks and drops on the picture into the
// commands of PictureActions. The view is also the reply window of its
// own logger requests, the connect dialog's hooks (it marks the connection
// and starts the hardware query) and the main frame's link.
class CLaunchView final : public CCorvaneView,
                          public CommWindowHooks,
                          public CommWindowLink,
                          public PictureActions,
                          public HardwarePollOwner {
public:
    // The picture's object kinds (each object's control id).
    enum Kind : int {
        kLoggerCard = 0,
        kLogger = 1,  // also the background
        kLoggerNet = 2,
        kLoggerData = 3,
        kLoggerConfiguration = 4,
        kProbePoints = 5,
        kLoggerClock = 6,
        kLoggerStatus = 7,
        kPc = 9,  // also the link pictures
        kPcNet = 10,
        kPcClock = 12,
        kLastDownload = 13,
        kEnableButton = 14,
        kStopButton = 15,
        kEraseButton = 16,
        kBusStrip = 17,
        kLinkSymbol = 18,
        kBus = 19,       // bus head, segments and modules
        kCardData = 21,  // the card's memory, once scanned
        kCardMounted = 23,
        kPassword = 24,
    };
    // Connection kinds, as "LastCommType" stores them.
    static constexpr int kEthernet = 0;
    static constexpr int kRs232 = 4;
    // Run states.
    static constexpr int kRunUnknown = 0;
    static constexpr int kRunEnabled = 1;
    static constexpr int kRunStopped = 2;
    // Bit of the logger-state word: a memory card is in the logger.
    static constexpr std::uint32_t kCardInstalledBit = 0x800000;
    // The state block must hold this much for the view to read it.
    static constexpr std::size_t kStateBlockSize = 136;
    static constexpr Size kPictureSize{1024, 768};
    // The message time-out until the connection state gives its own.
    static constexpr std::uint32_t kDefaultMessageTimeout = 5000;
    // The menu's and toolbar's commands besides those of the picture
    // (PictureActions names those).
    static constexpr int kProgramSettingsCommand = 32895;
    static constexpr int kRemoteControlsCommand = 40045;
    static constexpr int kLoggerDiagnosticsCommand = 40044;
    static constexpr int kReflashFirmwareCommand = 32880;
    static constexpr int kResetLoggerCommand = 40037;
    // Change Password has no menu item; Password Management reaches it.
    static constexpr int kChangePasswordCommand = 40006;
    // Posted to itself: reconnect, so that the user logs in anew.
    static constexpr std::uint32_t kReconnectRequestMessage = 0x48C;
    // Posted to itself by PostViewCommand: wParam the command.
    static constexpr std::uint32_t kViewCommandMessage = 0x0111;

    CLaunchView(EditorEnvironment& environment, CommWindowServices& services);
    ~CLaunchView() override;

    CLaunchDoc* GetLaunchDoc() const;

    // The picture from the connection, the run state, the cards and the
    // last hardware query; clears the document's modified flag.
    void RebuildHardwarePicture();
    // Enable button, Stop button and bus strip follow the logger's run state.
    void UpdatePictureStates();
    void SetLoggerRunState(bool enabled);
    // Sets or clears the card bit of the logger-state word and rebuilds.
    void SetCardInstalled(bool present);
    int GetCommType() const { return commType_; }
    bool IsConnected() const { return connected_; }
    int RunState() const { return runState_; }
    // The connect dialog while ShowConnectDialog runs it, else null.
    CConnectDialog* OpenConnectDialog() const { return connectDialog_; }
    // The net upload or download dialog while a command runs it, else null.
    Dialog* OpenTransferDialog() const { return transferDialog_; }
    // The data-download dialog while Download Data runs it, else null.
    DownloadDialogLink* OpenDownloadDialog() const { return downloadDialog_; }
    // Hands the session-list and erase replies to this dialog for the
    // returned scope's life; replies that come later are not passed on.
    [[nodiscard]] DownloadDialogLinkScope AttachDownloadDialog(DownloadDialogLink& dialog)
    {
        return DownloadDialogLinkScope(downloadDialog_, dialog);
    }
    // 1 from Download Data until its session list has been closed out,
    // else 0.
    int DownloadKind() const { return downloadKind_; }
    // Set by Scan Card: a card is in the PC's reader, and its sessions
    // were found.
    bool IsCardPresent() const { return cardPresent_; }
    bool IsCardAnalysed() const { return cardAnalysed_; }
    // The tip of a kind ("title\ntext"); empty for kinds without one.
    static std::string TipText(int kind);

    // CommWindowHooks.
    void SetCommType(int kind) override;
    void CheckCommLibVersion(std::span<const std::uint8_t> stateBlock) override;
    void Reconnect(int send) override;

    // CommWindowLink.
    void SetRunState(std::uintptr_t state) override;
    void SetCardState(std::uintptr_t state) override;
    void ConnectionLost() override;
    void Refresh() override;

    // PictureActions. The commands whose dialogs are not part of the
    // program yet are disabled, so these do not run.
    bool IsPictureCommandEnabled(int commandId) override;
    void OnDownloadNet() override;
    void OnDownloadData() override;
    void ShowLoggerConfiguration() override {}
    void OnViewProbePoints() override;
    // Asks the run state; its answer opens the clock dialog (OnRunStateForClock).
    void OnSetLoggerTime() override;
    void OnViewLoggerStatus() override;
    void OnUploadNet() override;
    void OnEnableLogging() override;
    void OnStopLogging() override;
    void OnClearMemory() override {}
    void ShowConnectDialog() override;
    void OnScanCard() override;
    void OnDownloadCardData() override;
    // The program settings dialog, modal.
    void OnProgramSettings();
    // Access Remote Controls: a modeless remote-controls dialog.
    void OnRemoteControls();
    // The logger's users: the network warning, then creating the password
    // table, enabling passwords, the user list or the password change.
    void OnPasswordManagement();
    void OnChangePassword();
    // The user list, modal; true when it changed the logger's users.
    bool RunUserSelection();
    // Set while the logger is switching passwords on; its reply reconnects.
    bool PasswordsBeingEnabled() const { return passwordsBeingEnabled_; }
    void IgnorePictureAction() override {}
    bool NetHasObjects() const override;
    void PostMainCommand(int commandId) override;
    void PostViewCommand(int commandId) override;
    void OpenLastDownloadFile() override;

    // HardwarePollOwner: the query's end rebuilds the picture and closes
    // an open connect dialog.
    void OnHardwarePollDone() override;

    // View.
    void OnInitialUpdate() override;
    void OnActivateView(bool activate, View* activated, View* deactivated) override;
    std::intptr_t OnMessage(Message& message) override;

    // The hover tip: shown when the mouse has rested this long on an
    // object that has one, once per pause.
    static constexpr std::uint32_t kTipTimerId = 101;
    static constexpr std::uint32_t kTipPauseMs = 500;
    static constexpr int kTipIconId = 475;
    CXInfoTip& Tip() { return tip_; }
    // The hidden connect dialogs of the dialogs that restart the logger.
    HiddenReconnectMaker& HiddenReconnects() { return hiddenReconnects_; }
    // The latest probe-values and remote-controls dialogs opened (they live
    // on after their commands), or null.
    CQuickProbesDialog* ProbeValuesDialog() const { return probeValuesDialog_; }
    CRemoteCtrlDialog* RemoteControlsDialog() const { return remoteControlsDialog_; }
    // The diagnostic log settings dialog, modal.
    void OnLoggerDiagnostics();
    // Reflash Firmware: the reflash dialog, modal, under a longer retry
    // time; the picture is rebuilt afterwards.
    void OnReflashFirmware();
    // The reflash dialog while Reflash Firmware runs it, else null.
    CReflashDialog* OpenReflashDialog() const { return reflashDialog_; }

    // The enable sequence: step 0 reads the logger's state, 1 decides
    // (question or CEnableIntMem), 2 and 3 wait for the erase, 4 sends the
    // enable request, 5 and 6 report success and failure. Replies re-enter it.
    void EnableLoggingStep();
    int EnableStep() const { return enableStep_; }
    // 0 none, 1 enable, 2 stop: the run change a CxRun reply completes.
    int RequestedRunChange() const { return requestedRunChange_; }
    // A busy answer to the enable request sends it again after a pause,
    // at most this many times.
    static constexpr std::uint32_t kEnableRetryTimerId = 102;
    static constexpr std::uint32_t kEnableRetryPauseMs = 1000;
    static constexpr int kMostEnableRetries = 30;
    // The status, enable, clock or reset dialog while a command runs it,
    // else null.
    Dialog* OpenLoggerDialog() const { return loggerDialog_; }
    // The node dialog of a bus module while opening its node runs it, else null.
    CModuleNodeDlg* OpenNodeDialog() const { return nodeDialog_; }
    // Runs the node dialog of a module type for the module at a bus address, modal.
    void RunNodeDialog(std::uint8_t moduleType, std::uint8_t address);
    // Posted to the view by the run-state reply; wParam the run state.
    static constexpr MessageId kRunStateForClockMessage = 0x48D;
    // The clock dialog for a run state: modal, after a question and
    // read-only when the logger is enabled (non-zero).
    void OnRunStateForClock(std::uintptr_t runState);
    // "Reset Logger": the reset dialog, modal.
    void OnResetLogger();

protected:
    void OnSize(Size clientSize) override;
    void OnMouseMove(const MouseEvent& event) override;
    void OnMouseDown(const MouseEvent& event) override;
    void OnTimer(std::uint32_t id) override;

private:
    void OnCommReply(const CReplyMessage& reply);
    void OnCommTimeout(std::uint16_t requestType);
    void OnStateReply(const CReplyMessage& reply);
    void OnSessionListReply(const CReplyMessage& reply);
    void OnEraseReply(const CReplyMessage& reply);
    // Closes out a session-list request for the open download dialog.
    void OnDownloadFinished();
    // The answer to switching passwords on: the user logs in anew.
    void OnPasswordsEnabledReply(const CReplyMessage& reply);
    // The message time-out, taken from the connection state the first time
    // it is needed.
    std::uint32_t MessageTimeout();
    void ShowBox(std::string text, std::string caption, bool stopIcon = false);
    // A question box; returns the button chosen.
    int Ask(std::string text, std::string caption, MessageBoxButtons buttons);
    // The rights test of a command's request; false after the refusal box.
    bool MayRequest(std::uint16_t requestCode, std::string_view caption);
    // String 2030 under the command's caption.
    void ShowRightsRefusal(std::string_view caption);
    void OnRunReply(const CReplyMessage& reply);
    // Ends the enable sequence as failed: result 1 means the library has
    // no link.
    void FailEnable(int result);

    CommWindowServices& services_;
    HiddenConnectDialogMaker hiddenReconnects_;
    bool connected_ = false;
    int commType_ = kEthernet;
    int runState_ = kRunUnknown;
    CConnectDialog* connectDialog_ = nullptr;
    Dialog* transferDialog_ = nullptr;
    DownloadDialogLink* downloadDialog_ = nullptr;
    int downloadKind_ = 0;
    std::uint32_t messageTimeout_ = kDefaultMessageTimeout;
    bool cardPresent_ = false;
    bool cardAnalysed_ = false;
    bool closing_ = false;
    CXInfoTip tip_;
    bool tipTimerRunning_ = false;
    Point lastTipPoint_{-1, -1};
    // The modeless dialogs the commands opened; closed ones go when the
    // next one opens.
    std::vector<std::unique_ptr<Dialog>> modelessDialogs_;
    CQuickProbesDialog* probeValuesDialog_ = nullptr;
    CRemoteCtrlDialog* remoteControlsDialog_ = nullptr;
    // Keeps a modeless dialog that was made and shown; false when it could not be.
    bool KeepModeless(std::unique_ptr<Dialog> dialog);
    bool passwordsBeingEnabled_ = false;
    CReflashDialog* reflashDialog_ = nullptr;
    int requestedRunChange_ = 0;
    int enableStep_ = 5;
    std::uint16_t enableOption_ = 0;
    int enableRetries_ = 0;
    Dialog* loggerDialog_ = nullptr;
    CModuleNodeDlg* nodeDialog_ = nullptr;
    ServicesUsbLinkCheck usbLinkCheck_{services_};
};

}  // namespace corvane
