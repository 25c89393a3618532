#include "comms/CConnectionDetails.h"

#include "base/ByteReader.h"
#include "comms/CommsSettings.h"
#include "comms/MainFrameMessages.h"
#include "comms/MainFramePoster.h"

#include <algorithm>

namespace corvane {

CConnectionDetails::CConnectionDetails(MainFramePoster& mainFrame, const CommsSettings& settings)
    : mainFrame_(mainFrame), settings_(settings)
{}

const RequestRights& CConnectionDetails::LookupRequestRights(std::uint32_t requestCode)
{
    const auto row = std::find_if(kRequestRightsTable.begin(), kRequestRightsTable.end() - 1,
        [requestCode](const RequestRights& r) { return r.code == requestCode; });
    return *row;  // the closing row when nothing matched
}

RightsMask CConnectionDetails::UserMask() const
{
    if (!rightsLoaded_)
        return {fullAccess_ ? 0xFFFFFFFFu : 0x7FFFFFFFu, 0xFFFFFFFFu};
    if (authenticated_)
        return {rightsLow_, rightsHigh_};
    return {0, 0};
}

bool CConnectionDetails::IsRequestAllowed(std::uint16_t requestCode) const
{
    const RightsMask required = LookupRequestRights(requestCode).required;
    if (required.low == 0 && required.high == 0)
        return true;
    return HasRights(required.low, required.high);
}

bool CConnectionDetails::HasRights(std::uint32_t low, std::uint32_t high) const
{
    const RightsMask user = UserMask();
    return (low & user.low) != 0 || (high & user.high) != 0;
}

void CConnectionDetails::SetLoggerIdBytes(std::span<const std::uint8_t> bytes)
{
    loggerId_.fill(0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), loggerId_.size()), loggerId_.begin());
}

void CConnectionDetails::SetAuthenticated(bool flag)
{
    authenticated_ = flag;
    if (!flag) {
        loginUserName_.clear();
        rightsLow_ = 0;
        rightsHigh_ = 0;
    }
}

void CConnectionDetails::SetConnected(bool flag)
{
    const bool changed = connected_ != flag || (!flag && !titleText_.empty());
    connected_ = flag;
    if (!flag) {
        firmwareVersion_ = 0;
        titleText_.clear();
        loginUserName_.clear();
        authenticated_ = false;
    }
    if (changed)
        NotifyConnectionChanged();
}

void CConnectionDetails::SetConnectionName(std::string_view name)
{
    if (connectionName_ == name)
        return;
    connectionName_ = name;
    NotifyConnectionChanged();
}

void CConnectionDetails::SetTitleText(std::string_view text)
{
    if (titleText_ == text)
        return;
    titleText_ = text;
    NotifyConnectionChanged();
}

void CConnectionDetails::NotifyConnectionChanged()
{
    mainFrame_.PostToMainFrame(kConnectionChangedMessage, connected_ ? 1 : 0);
}

void CConnectionDetails::StorePolledConfigWord(std::span<const std::uint8_t> itemValue)
{
    polledConfigWord_ = 0;
    if (itemValue.size() != kPolledConfigValueSize)
        return;
    ByteReader reader(itemValue);
    reader.Seek(kPolledConfigWordOffset);
    polledConfigWord_ = reader.U16LE("polled configuration word");
}

std::uint32_t CConnectionDetails::GetMessageTimeout()
{
    if (!messageTimeoutLoaded_)
        LoadMessageTimeout();
    return messageTimeout_;
}

void CConnectionDetails::LoadMessageTimeout()
{
    messageTimeout_ = settings_.LoggerRetryTime();
    messageTimeoutLoaded_ = true;
}

void CConnectionDetails::SetLoggerEnabled(bool flag)
{
    loggerEnabled_.store(flag);
    mainFrame_.PostToMainFrame(kLoggerEnabledChangedMessage, flag ? 1 : 0);
}

void CConnectionDetails::NotifyCardPresent(bool flag)
{
    mainFrame_.PostToMainFrame(kCardStateChangedMessage, flag ? 1 : 0);
}

}  // namespace corvane
