#pragma once

#include "comms/CommsSettings.h"
#include "comms/ConnectionKind.h"
#include "comms/RequestRightsTable.h"
#include "comms/RightsMask.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class MainFramePoster;

// The state of the current logger connection: whether a logger is connected
// and running, who is logged in with which rights, and a few values read
// from the logger at connect. The application owns the one instance.
//
// The UI thread owns the record. The comms thread only reads and sets the
// logger-enabled flag (atomic) and reports the card state; both post to the
// main frame. What the main window shows of the connection (its title and
// the connection pane) is derived from this record alone: every
// change of the connected flag, the connection name or the title text posts
// kConnectionChangedMessage to the main frame.
class CConnectionDetails {
public:
    static constexpr std::size_t kLoggerIdSize = 14;
    static constexpr std::size_t kPolledConfigValueSize = 102;
    static constexpr std::size_t kPolledConfigWordOffset = 100;

    CConnectionDetails(MainFramePoster& mainFrame, const CommsSettings& settings);
    CConnectionDetails(const CConnectionDetails&) = delete;
    CConnectionDetails& operator=(const CConnectionDetails&) = delete;

    // The rights test run before a request is sent: true when the request
    // needs nothing or the user holds one of the bits it needs.
    bool IsRequestAllowed(std::uint16_t requestCode) const;
    // The same test for bits a command names directly.
    bool HasRights(std::uint32_t low, std::uint32_t high) const;
    // The rights the request needs: its row, or the closing row when the
    // code is not listed.
    static const RequestRights& LookupRequestRights(std::uint32_t requestCode);
    // What the current user holds: everything when the logger has passwords
    // off (bit 31 only with full access), the user's rights when someone is
    // logged in, nothing otherwise.
    RightsMask UserMask() const;

    // The value of configuration item 76, as read by the configuration
    // dialog; bytes beyond 14 are ignored and missing ones are 0.
    void SetLoggerIdBytes(std::span<const std::uint8_t> bytes);
    const std::array<std::uint8_t, kLoggerIdSize>& GetLoggerIdBytes() const { return loggerId_; }

    void SetFullAccessFlag(bool flag) { fullAccess_ = flag; }
    bool GetFullAccessFlag() const { return fullAccess_; }
    void SetLoginPassword(std::string_view password) { loginPassword_ = password; }
    const std::string& GetLoginPassword() const { return loginPassword_; }
    void SetRightsLow(std::uint32_t bits) { rightsLow_ = bits; }
    std::uint32_t GetRightsLow() const { return rightsLow_; }
    void SetRightsHigh(std::uint32_t bits) { rightsHigh_ = bits; }
    std::uint32_t GetRightsHigh() const { return rightsHigh_; }
    // Set: the logger has passwords on and the user's own rights apply.
    void SetRightsLoaded(bool flag) { rightsLoaded_ = flag; }
    bool IsRightsLoaded() const { return rightsLoaded_; }
    // Clearing also forgets the user name and both rights words.
    void SetAuthenticated(bool flag);
    bool IsAuthenticated() const { return authenticated_; }
    void SetLoginUserName(std::string_view name) { loginUserName_ = name; }
    const std::string& GetLoginUserName() const { return loginUserName_; }
    // Clearing also forgets the firmware version, the title text and the
    // user name and clears the authenticated flag; the rights words stay.
    void SetConnected(bool flag);
    bool IsConnected() const { return connected_; }
    // The logger's name and id as the main window's title shows them while
    // connected ("Logger Name: ... - ID: ..."); empty: none.
    void SetTitleText(std::string_view text);
    const std::string& GetTitleText() const { return titleText_; }
    void SetFirmwareVersion(std::uint32_t version) { firmwareVersion_ = version; }
    std::uint32_t GetFirmwareVersion() const { return firmwareVersion_; }
    void SetConnectionKind(ConnectionKind kind) { connectionKind_ = kind; }
    ConnectionKind GetConnectionKind() const { return connectionKind_; }
    void SetReflashing(bool flag) { reflashing_ = flag; }
    bool IsReflashing() const { return reflashing_; }
    void SetConnectionName(std::string_view name);
    const std::string& GetConnectionName() const { return connectionName_; }
    void SetControlLibVersion(std::string_view version) { controlLibVersion_ = version; }
    const std::string& GetControlLibVersion() const { return controlLibVersion_; }

    // Keeps the 16-bit word at offset 100 of a configuration item 42 value
    // of exactly 102 bytes; a value of any other length keeps 0.
    void StorePolledConfigWord(std::span<const std::uint8_t> itemValue);
    std::uint16_t GetPolledConfigWord() const { return polledConfigWord_; }
    // The logger's capability (model) byte, stored by the handshake; its
    // low three bits tell which network features the logger has.
    void SetLoggerCapabilityByte(std::uint8_t value) { capabilityByte_ = value; }
    std::uint8_t GetLoggerCapabilityByte() const { return capabilityByte_; }

    // The message time-out in ms: the "LoggerRetryTime" setting, read on
    // first use and kept.
    std::uint32_t GetMessageTimeout();
    // Reads the setting afresh; connecting does, so that a time-out the
    // user changed counts from the next connection.
    void LoadMessageTimeout();

    // Stores the flag and tells the main frame (wParam 0 or 1). Any thread.
    void SetLoggerEnabled(bool flag);
    bool IsLoggerEnabled() const { return loggerEnabled_.load(); }
    // Tells the main frame whether a memory card is in the logger (wParam
    // 0 or 1); nothing is stored. Any thread.
    void NotifyCardPresent(bool flag);

private:
    void NotifyConnectionChanged();

    MainFramePoster& mainFrame_;
    const CommsSettings& settings_;
    std::array<std::uint8_t, kLoggerIdSize> loggerId_{};
    bool fullAccess_ = false;
    std::string loginPassword_;
    std::uint32_t rightsLow_ = 0;
    std::uint32_t rightsHigh_ = 0;
    bool rightsLoaded_ = true;
    bool authenticated_ = false;
    std::string loginUserName_;
    bool connected_ = false;
    std::uint32_t firmwareVersion_ = 0;
    std::uint16_t polledConfigWord_ = 0;
    std::uint8_t capabilityByte_ = 0;
    ConnectionKind connectionKind_ = ConnectionKind::Ethernet;
    bool messageTimeoutLoaded_ = false;
    std::uint32_t messageTimeout_ = CommsSettings::kDefaultLoggerRetryTime;
    std::atomic<bool> loggerEnabled_ = false;
    bool reflashing_ = false;
    std::string connectionName_;
    std::string titleText_;
    std::string controlLibVersion_;
};

}  // namespace corvane
