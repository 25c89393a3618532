#pragma once

#include "base/LoggerTimeZone.h"
#include "logger/CCommDialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

class DataExchange;
class HiddenReconnectMaker;
class StatusSink;
class UsbLinkCheck;

// "Set Logger Clock": the logger's clock beside the PC's and UTC, and the
// update that sets the logger's clock to the PC's UTC time with the
// logger's UTC offset in whole hours, its daylight-saving rule and, on a
// logger with a network interface, Internet time with its server's name.
// Each edit of the offset or the daylight-saving box reads the logger's
// state again so its clock shows under the choice; the choices reach the
// logger and the program's logger time zone only through the update. A
// change of Internet time resets the logger (CResetLoggerDialog) once the
// server name is written. In read-only mode (logger enabled) the update
// button is disabled.
class CLoggerTimeDlg : public CCommDialog {
public:
    static constexpr std::string_view kHoursText = "Enter an integer number of hours between -23 and +23";
    static constexpr std::string_view kRebootText
        = "Changing NTP time sync requires a logger reboot.\n\nAllow state change and reboot?";

    // The PC's clock: UTC seconds and the milliseconds of that second.
    struct PcTime {
        std::int64_t seconds = 0;
        std::uint16_t milliseconds = 0;
    };

    CLoggerTimeDlg(CConnectionDetails& connection, LoggerTimeZone& timeZone, StatusSink& status,
        HiddenReconnectMaker& reconnects, UsbLinkCheck& usbLinkCheck, Window* parent = nullptr);
    ~CLoggerTimeDlg() override;

    // Before the dialog opens: the logger is enabled, so nothing is sent.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool IsReadOnly() const { return readOnly_; }

    std::uint16_t TimeRules() const { return timeRules_; }
    int OffsetHours() const { return offsetHours_; }
    std::int32_t OffsetMinutes() const { return offsetMinutes_; }
    std::int32_t PcOffsetMinutes() const { return pcOffsetMinutes_; }
    bool DstEnabled() const { return dstEnabled_ != 0; }
    bool NtpEnabled() const { return ntpEnabled_ != 0; }
    bool NtpEnabledAtOpen() const { return ntpEnabledAtOpen_; }
    bool NtpSupported() const { return ntpSupported_; }
    // True when an Internet time change reset the logger and it did not
    // come back; the dialog then ends with kIdAbort.
    bool ResetFailed() const { return resetFailed_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;
    // The PC's clock now; the application's clock by default.
    virtual PcTime PcNow() const;
    // Runs the reset dialog; true when the logger is connected again.
    virtual bool RunResetDialog();

private:
    void RequestState();
    void OnStateReply(const CReplyMessage& reply);
    void OnServerNameReply(const CReplyMessage& reply);
    void OnTimeSetReply();
    void FinishUpdate();
    void OnOffsetChanged();
    void OnUpdateClock();
    // Members into the controls; the hours field's change is not taken as an edit.
    void RefreshControls();
    void SetText(int controlId, std::string_view text);

    LoggerTimeZone& timeZone_;
    StatusSink& status_;
    HiddenReconnectMaker& reconnects_;
    UsbLinkCheck& usbLinkCheck_;
    // The zone the dialog shows the logger's clock under: the logger's, then
    // the user's unsaved choices.
    LoggerTimeZone shownZone_;
    std::uint16_t timeRules_ = 0;
    int dstEnabled_ = 0;
    int offsetHours_ = 0;
    std::int32_t offsetMinutes_ = 0;
    std::int32_t pcOffsetMinutes_ = 0;
    bool readOnly_ = false;
    int ntpEnabled_ = 0;
    bool ntpEnabledAtOpen_ = false;
    bool ntpSupported_ = false;
    bool firstState_ = true;
    bool refreshing_ = false;
    bool resetFailed_ = false;
    std::string loggerTimeText_;
};

}  // namespace corvane
