#include "comms/CCommsThread.h"

#include "base/Cp1252.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommLog.h"
#include "comms/CommsThreadMessages.h"
#include "comms/MainFrameMessages.h"
#include "comms/MainFramePoster.h"
#include "comms/RealTimeDataBlock.h"
#include "halvix/HalvixLib.h"
#include "platform/Application.h"

#include <limits>
#include <string>

namespace corvane {

namespace {

// Status and error messages: a status code at bytes 2-3 and a text from
// byte 10; a message shorter than that is not one.
constexpr std::size_t kStatusCodeOffset = 2;
constexpr std::size_t kStatusTextOffset = 10;

// A fatal error with this code is only logged.
constexpr std::uint16_t kQuietFatalErrorCode = 3840;

struct StatusReport {
    std::uint16_t code = 0;
    std::string text;  // UTF-8
};

std::optional<StatusReport> ReadStatusReport(const CReplyMessage& reply)
{
    if (reply.DataLength() < kStatusTextOffset)
        return std::nullopt;
    const std::optional<std::uint16_t> code = reply.U16At(kStatusCodeOffset);
    if (!code)
        return std::nullopt;
    return StatusReport{*code, Cp1252ToUtf8(reply.TextAt(kStatusTextOffset))};
}

WindowHandle WindowFromParameter(std::intptr_t lParam)
{
    if (lParam <= 0 || lParam > std::intptr_t{std::numeric_limits<std::uint32_t>::max()})
        return {};
    return WindowHandle{static_cast<std::uint32_t>(lParam)};
}

}  // namespace

class CCommsThread::Receiver {
public:
    Receiver(Application& app, CConnectionDetails& connection, CommLog& commLog, MainFramePoster& mainFrame)
        : app_(app), connection_(connection), commLog_(commLog), mainFrame_(mainFrame)
    {}

    void OnMessage(Message& message)
    {
        switch (message.id) {
        case kUnsolicitedMessage: OnUnsolicited(message.TakePayload<CReplyMessage>()); break;
        case kCommsRegisterWindowMessage: registeredWindow_ = WindowFromParameter(message.lParam); break;
        case kCommsUnregisterWindowMessage: registeredWindow_ = {}; break;
        default: break;
        }
    }

private:
    void OnUnsolicited(std::unique_ptr<CReplyMessage> reply)
    {
        if (!reply)
            return;
        switch (reply->RequestType()) {
        case kUnsolicitedStatus: OnStatus(*reply); break;
        case kUnsolicitedFatalError: OnFatalError(*reply); break;
        case kUnsolicitedRuntimeError: OnRuntimeError(*reply); break;
        case kUnsolicitedRealTime: OnRealTimeItems(*reply); break;
        case kUnsolicitedTestResult: OnTestResult(std::move(reply)); break;
        default: break;  // dropped with the reply
        }
    }

    void OnStatus(const CReplyMessage& reply)
    {
        const std::optional<StatusReport> status = ReadStatusReport(reply);
        if (!status)
            return;
        commLog_.AddCommLogLine("INFO  ", status->text);
        switch (status->code) {
        case kStatusLoggerEnabled:
            CxAddEventToLog("Status: Logger enabled");
            if (!connection_.IsLoggerEnabled())
                connection_.SetLoggerEnabled(true);
            break;
        case kStatusLoggerHalted:
            CxAddEventToLog("Status: Logger halted");
            if (connection_.IsLoggerEnabled())
                connection_.SetLoggerEnabled(false);
            break;
        case kStatusCardInstalled:
            CxAddEventToLog("Status: SD Card installed");
            connection_.NotifyCardPresent(true);
            break;
        case kStatusCardRemoved:
            CxAddEventToLog("Status: SD Card removed");
            connection_.NotifyCardPresent(false);
            break;
        default: break;
        }
    }

    void OnFatalError(const CReplyMessage& reply)
    {
        const std::optional<StatusReport> status = ReadStatusReport(reply);
        if (!status)
            return;
        std::string notice = "Fatal runtime error: " + status->text;
        commLog_.AddCommLogLine("FATAL ", status->text);
        if (status->code == kQuietFatalErrorCode)
            return;
        CxAddEventToLog(notice);
        mainFrame_.PostToMainFrame(
            kShowNoticeMessage, kNoticeCaptionWarning, std::make_unique<ValuePayload<std::string>>(std::move(notice)));
    }

    void OnRuntimeError(const CReplyMessage& reply)
    {
        const std::optional<StatusReport> status = ReadStatusReport(reply);
        if (!status)
            return;
        commLog_.AddCommLogLine("ERROR ", status->text);
        CxAddEventToLog("Runtime error exception: " + status->text);
    }

    void OnRealTimeItems(const CReplyMessage& reply)
    {
        std::unique_ptr<RealTimeDataBlock> block = RealTimeDataBlock::FromStreamData(reply.Data());
        if (!block)
            return;
        const std::size_t count = block->Count();
        mainFrame_.PostToMainFrame(kDataCacheItemMessage, count, std::move(block));
    }

    void OnTestResult(std::unique_ptr<CReplyMessage> reply)
    {
        if (!registeredWindow_)
            return;
        const std::uint16_t kind = reply->RequestType();
        // A window that is gone refuses the post and the reply is destroyed.
        if (!app_.PostMessage(registeredWindow_, kUnsolicitedMessage, kind, 0, std::move(reply)))
            registeredWindow_ = {};
    }

    Application& app_;
    CConnectionDetails& connection_;
    CommLog& commLog_;
    MainFramePoster& mainFrame_;
    WindowHandle registeredWindow_;  // touched only on the comms thread
};

CCommsThread::CCommsThread(
    Application& app, CConnectionDetails& connection, CommLog& commLog, MainFramePoster& mainFrame)
    : receiver_(std::make_shared<Receiver>(app, connection, commLog, mainFrame)),
      thread_(app.Threads(), [receiver = receiver_](Message& message) { receiver->OnMessage(message); })
{}

CCommsThread::~CCommsThread() { thread_.Stop(kStopBound); }

}  // namespace corvane
