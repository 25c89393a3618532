#pragma once

#include "comms/CUSBManager.h"
#include "comms/ConnectionDirectory.h"
#include "logger/CCommDialog.h"
#include "commwindow/ConnectHandshake.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class CommWindowHooks;
class CommWindowServices;
class CUserLoginDialog;
class ListViewControl;

// "Logger Connection": the saved connections of "dir.bin" with their
// add, edit and delete commands, and connecting to the chosen one: the
// link set-up by kind, the ping and the handshake (ConnectHandshake) that
// ends with the logger's state block handed to the Communication Window.
// Run modal from the Communication Window, or hidden by an owner that
// posts kCommandMessage with kIdcConnectDisconnect and kConnectNowMessage
// with the wait flag, then polls ConnectResult (a connect that arrives
// while the disconnect still runs follows it).
class CConnectDialog : public CCommDialog {
public:
    // Connect; wParam 1 waits for a logger that is not there yet (up to 30 s).
    static constexpr MessageId kConnectNowMessage = 0x4CD;
    // A command as if its button was pressed; wParam the control id.
    static constexpr MessageId kCommandMessage = 0x0111;
    static constexpr std::uint32_t kTimerId = 21;
    static constexpr std::uint32_t kTimerIntervalMs = 100;
    static constexpr int kWaitForLoggerSeconds = 30;

    // The handshake's state reply was shorter than the block the program reads.
    static constexpr std::string_view kShortStateReplyText
        = "The logger's state reply is too short (%u bytes).\n\nThe connection has been closed.";

    CConnectDialog(CommWindowServices& services, CommWindowHooks* hooks, bool openedWhileConnected, Window* parent);
    ~CConnectDialog() override;

    std::intptr_t OnMessage(Message& message) override;

    // 0 in progress or idle, 1 connected, -1 failed.
    int ConnectResult() const { return handshake_.Result(); }
    // The login dialog while the handshake runs it, else null.
    CUserLoginDialog* OpenLoginDialog() const { return loginDialog_; }
    int HandshakeState() const { return handshake_.State(); }
    // The port number of the USB link in use (0: none).
    int UsbComPort() const { return usb_.GetComPort(); }
    const ConnectionDirectory& Directory() const { return directory_; }

    void OnConnectNow(bool waitForLogger);
    void OnDisconnect();
    // The disconnect routine, then a connect that does not wait.
    void Reconnect();

    static std::string_view GetKindName(int kind);
    // The "Connection Details" column of an entry.
    std::string GetDetailsText(const OM_DIRECTORY_ENTRY& entry) const;
    // The list row showing the name; -1 when none does.
    int FindListRow(std::string_view name) const;

    bool LoadDirectory();
    bool SaveDirectory();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;
    // The connection settings dialog on the entry; true when it was accepted.
    virtual bool EditInSettingsDialog(OM_DIRECTORY_ENTRY& entry);
    // The user login on the logger; its outcome lands in the connection state.
    virtual void RunLoginDialog();

private:
    ListViewControl& List() const;
    void RunCommand(int controlId);
    void FillList();
    void SelectRow(int row);
    void SetButtons(bool connect, bool disconnect, bool close);
    void OnAddConnection();
    void OnEditConnection();
    void OnDeleteConnection();
    void OnListDoubleClick();
    // Opens the link of the entry; false (after the disconnect routine and
    // its box) when it could not be opened.
    bool OpenLink(const OM_DIRECTORY_ENTRY& entry, bool waitForLogger, std::uint64_t startSeconds);
    void LinkFailed(std::string_view text, std::string_view caption = "Communications Error", bool stopIcon = true);
    void OnTimer();
    void CheckPasswords();
    void SendHandshakeRequest(const ConnectHandshake::Step& step);
    void RunConnectedSteps(const CReplyMessage& reply);
    void OnConnected(const CReplyMessage& reply);
    void OnConnectFailed();
    void ShowBox(std::string text, std::string_view caption, bool stopIcon);
    std::uint64_t NowSeconds() const;

    CommWindowServices& services_;
    CommWindowHooks* hooks_;
    bool openedWhileConnected_;
    ConnectionDirectory directory_;
    CUSBManager usb_;
    bool showAll_ = false;
    ConnectHandshake handshake_;
    bool timerRunning_ = false;
    std::array<std::uint8_t, 2> passwordStatus_{};
    int kind_ = 0;
    CUserLoginDialog* loginDialog_ = nullptr;
    // Set while the disconnect routine runs; a connect asked for meanwhile
    // (its wait flag) is posted again when the routine ends.
    bool disconnecting_ = false;
    std::optional<bool> deferredConnect_;
};

}  // namespace corvane
