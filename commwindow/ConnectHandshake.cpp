#include "commwindow/ConnectHandshake.h"

#include "halvix/protocol/RequestTypes.h"

namespace corvane {
namespace {

using Step = ConnectHandshake::Step;

// A state that sends a request on the timer, and where it goes next.
struct SendingState {
    int state;
    std::uint16_t requestType;
    std::uint16_t configKey;
    int whenQueued;
    int whenNotSent;
};

// Configuration items read during the handshake.
constexpr std::uint16_t kItemLoggerId = 76;
constexpr std::uint16_t kItemPolledConfig = 42;
constexpr std::uint16_t kItemLoggerInfo = 80;
constexpr std::uint16_t kItemCapability = 91;

constexpr SendingState kSendingStates[] = {
    {2, kRequestMsgTimeout, 0, 16, 18},
    {17, kRequestPwStatus, 0, 4, 7},
    {ConnectHandshake::kCheckPasswords, kRequestRtStreamReq, 0, 9, 11},
    {ConnectHandshake::kLoggingIn, kRequestRtStreamReq, 0, 9, 11},
    {10, kRequestCfGet, kItemLoggerId, 12, 15},
    {11, kRequestCfGet, kItemLoggerId, 12, 15},
    {13, kRequestCfGet, kItemPolledConfig, 32, 35},
    {33, kRequestCfGet, kItemLoggerInfo, 36, 39},
    {37, kRequestCfGet, kItemCapability, 24, 27},
    {25, kRequestStateGet, 0, ConnectHandshake::kAwaitingState, 31},
};

constexpr int kFailureStates[] = {3, 7, 8, 14, 15, 18, 27, 30, 31, 35, 39};

const SendingState* FindSending(int state)
{
    for (const auto& sending : kSendingStates)
        if (sending.state == state)
            return &sending;
    return nullptr;
}

bool IsFailureState(int state)
{
    for (int failure : kFailureStates)
        if (failure == state)
            return true;
    return false;
}

}  // namespace

void ConnectHandshake::Start() { state_ = kAwaitingPing; }

ConnectHandshake::Step ConnectHandshake::OnTimer()
{
    if (state_ == kCheckPasswords)
        return {Step::Kind::CheckPasswords};
    if (state_ == kConnected) {
        result_ = 1;
        state_ = kIdle;
        return {Step::Kind::Succeeded};
    }
    if (state_ == kFailed) {
        result_ = -1;
        state_ = kIdle;
        return {Step::Kind::Failed};
    }
    if (IsFailureState(state_)) {
        state_ = kFailed;
        return {};
    }
    // The login dialog's state only sends after PasswordsChecked.
    if (state_ == kLoggingIn)
        return {};
    if (const SendingState* sending = FindSending(state_))
        return {Step::Kind::Send, sending->requestType, sending->configKey};
    return {};
}

void ConnectHandshake::RequestQueued(bool queued)
{
    if (const SendingState* sending = FindSending(state_))
        state_ = queued ? sending->whenQueued : sending->whenNotSent;
}

void ConnectHandshake::BeginLogin() { state_ = kLoggingIn; }

ConnectHandshake::Step ConnectHandshake::PasswordsChecked(bool userAllowed)
{
    if (!userAllowed) {
        state_ = kFailed;
        return {};
    }
    return {Step::Kind::Send, kRequestRtStreamReq, 0};
}

ConnectHandshake::ReplyUse ConnectHandshake::OnReply(std::uint16_t requestType, bool errorFlag, std::size_t dataLength)
{
    if (dataLength == 0)
        return ReplyUse::Ignore;
    switch (state_) {
    case kAwaitingPing:
        if (requestType != kRequestPing)
            return ReplyUse::Ignore;
        state_ = 2;
        return ReplyUse::SendOutOfBand;
    case 16:
        if (requestType != kRequestMsgTimeout)
            return ReplyUse::Ignore;
        state_ = 17;
        return ReplyUse::Consume;
    case 4:
        if (requestType != kRequestPwStatus)
            return ReplyUse::Ignore;
        state_ = errorFlag ? 8 : kCheckPasswords;
        return errorFlag ? ReplyUse::ShowLoggerError : ReplyUse::KeepPasswordStatus;
    case 9:
        if (requestType != kRequestRtStreamReq)
            return ReplyUse::Ignore;
        state_ = 10;
        return ReplyUse::Consume;
    default: break;
    }
    if (requestType == kRequestCfGet) {
        // A refused item does not stop the chain.
        switch (state_) {
        case 12: state_ = 13; return ReplyUse::Consume;
        case 32: state_ = 33; return errorFlag ? ReplyUse::Consume : ReplyUse::StorePolledConfigWord;
        case 36: state_ = 37; return errorFlag ? ReplyUse::Consume : ReplyUse::StoreLoggerInfoText;
        case 24: state_ = 25; return errorFlag ? ReplyUse::Consume : ReplyUse::StoreCapabilityByte;
        default: return ReplyUse::Ignore;
        }
    }
    if (requestType == kRequestStateGet && state_ == kAwaitingState) {
        if (errorFlag) {
            state_ = 31;
            return ReplyUse::ShowLoggerError;
        }
        if (dataLength < kStateBlockSize) {
            state_ = 31;
            return ReplyUse::StateReplyTooShort;
        }
        return ReplyUse::ConnectedSteps;
    }
    return ReplyUse::Ignore;
}

ConnectHandshake::TimeoutUse ConnectHandshake::OnTimeout(std::uint16_t requestType)
{
    constexpr std::string_view kTimeoutCaption = "Communication Timeout";
    switch (requestType) {
    case kRequestPing: state_ = 3; return {true, true, kTimeoutCaption};
    case kRequestPwStatus: state_ = 7; return {true, true, kTimeoutCaption};
    case kRequestStateGet: state_ = 30; return {true, true, kTimeoutCaption};
    case kRequestOobS:
    case kRequestRtStreamReq:
        // Neither answer is needed: the chain goes on with item 76, quietly.
        // Once the handshake is over a late one changes nothing.
        if (state_ != kIdle)
            state_ = 11;
        return {false, false, {}};
    case kRequestCfGet: state_ = 14; return {true, false, kTimeoutCaption};
    default:
        // Whatever else timed out, no reply will move the chain on: it fails,
        // so that the result becomes -1 rather than staying 0.
        if (state_ != kIdle)
            state_ = kFailed;
        return {true, true, "Communications Error"};
    }
}

void ConnectHandshake::Connected() { state_ = kConnected; }

}  // namespace corvane
