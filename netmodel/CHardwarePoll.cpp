#include "netmodel/CHardwarePoll.h"

#include "halvix/HalvixLib.h"
#include "netmodel/HardwarePollOwner.h"
#include "netmodel/HardwarePollReporter.h"
#include "netmodel/HardwarePollWindow.h"
#include "netmodel/HardwareReplies.h"
#include "platform/Application.h"
#include "platform/WaitCursor.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {
namespace {

// Module record: byte 1 the bus address, 2 the module type, 3..5 firmware.
constexpr std::size_t kAddressOffset = 1;
constexpr std::size_t kTypeOffset = 2;
constexpr std::size_t kFirmwareOffset = 3;
constexpr std::size_t kFirmwareSize = 3;
constexpr std::uint8_t kEmptyAddress = 0xFF;

constexpr std::string_view kBadReplyText = "Reply with insufficient data received";
constexpr std::string_view kBadReplyCaption = "Bad Reply From Logger";
constexpr std::string_view kTimeoutStatus = "Timeout";
constexpr std::string_view kEnumerationTimeoutText = "Timed out getting TLEnum information from logger";
constexpr std::string_view kEnumerationTimeoutCaption = "Timeout occurred";
constexpr std::string_view kTimeoutText = "** TIMEOUT **";
constexpr std::string_view kTimeoutCaption = "Communications Error";

// An empty slot's record: every byte 0xFF, as the bus reports no module.
CHardwarePoll::ModuleRecord EmptyRecord()
{
    CHardwarePoll::ModuleRecord record;
    record.fill(0xFF);
    return record;
}

}  // namespace

CHardwarePoll::CHardwarePoll() : empty_(EmptyRecord()) { Reset(); }

CHardwarePoll::~CHardwarePoll() = default;

void CHardwarePoll::Reset()
{
    moduleMask_ = 0;
    values_.fill(0);
    records_.fill(EmptyRecord());
    inputSwitches_ = 0;
    currentSlot_ = -1;
}

void CHardwarePoll::Start(HardwarePollOwner& owner)
{
    DropOutstandingRequest();
    timedOut_ = false;
    owner_ = &owner;
    errorFlags_ = 0;
    currentSlot_ = -1;
    pollState_ = kBaseConfigRequested;
    if (!Application::Exists()) {
        Finish(kFailed);
        return;
    }
    // One wait cursor per query, also when a running query starts over.
    if (!waitCursor_)
        waitCursor_ = std::make_unique<WaitCursor>();
    if (!window_)
        window_ = std::make_unique<HardwarePollWindow>(*this);
    Sent(CxBaseCfg(window_->Handle()));
}

void CHardwarePoll::Finish(int result)
{
    if (!IsRunning())
        return;
    DropOutstandingRequest();
    waitCursor_.reset();
    pollState_ = result == kFinished ? kFinished : kFailed;
    if (HardwarePollOwner* owner = std::exchange(owner_, nullptr))
        owner->OnHardwarePollDone();
}

WindowHandle CHardwarePoll::ReplyWindow() const { return window_ ? window_->Handle() : WindowHandle{}; }

void CHardwarePoll::DropOutstandingRequest()
{
    // The library answers every request it took exactly once, in order; the
    // answer to one the query no longer waits for comes before any other.
    if (awaiting_)
        ++staleAnswers_;
    awaiting_ = false;
}

bool CHardwarePoll::TakeAnswer(std::uint16_t requestType)
{
    if (staleAnswers_ > 0) {
        --staleAnswers_;
        return false;
    }
    awaiting_ = false;
    switch (pollState_) {
    case kBaseConfigRequested: return requestType == kRequestBaseCfg;
    case kEnumerationRequested: return requestType == kRequestTLEnum;
    case kTransactionPending: return requestType == kRequestTlTran;
    default: return false;
    }
}

void CHardwarePoll::OnCommReply(const CReplyMessage& reply)
{
    if (!TakeAnswer(reply.RequestType()))
        return;
    timedOut_ = false;
    if (reply.ErrorFlag()) {
        OnErrorReply(reply);
        return;
    }
    switch (reply.RequestType()) {
    case kRequestBaseCfg: OnBaseConfig(reply); break;
    case kRequestTLEnum: OnEnumeration(reply); break;
    default: OnSwitchWord(reply); break;
    }
}

void CHardwarePoll::OnCommTimeout(std::uint16_t requestType)
{
    if (!TakeAnswer(requestType))
        return;
    timedOut_ = true;
    if (reporter_ != nullptr) {
        reporter_->ShowStatus(kTimeoutStatus);
        if (requestType == kRequestTLEnum)
            reporter_->ShowStopBox(kEnumerationTimeoutText, kEnumerationTimeoutCaption);
        else
            reporter_->ShowStopBox(kTimeoutText, kTimeoutCaption);
    }
    Finish(kFailed);
}

void CHardwarePoll::OnErrorReply(const CReplyMessage& reply)
{
    if (reporter_ != nullptr)
        reporter_->ShowLoggerError(reply);
    if (reply.RequestType() == kRequestBaseCfg)
        inputSwitches_ = 0;
    errorFlags_ |= kLoggerErrorFlag;
    // An error reply without its code and text is no answer the query can
    // stand on.
    Finish(reply.HasData() ? kFinished : kFailed);
}

void CHardwarePoll::OnBaseConfig(const CReplyMessage& reply)
{
    const std::optional<std::uint16_t> word = ParseBaseConfigReply(reply.Data());
    if (!word) {
        EndWithBadReply();
        return;
    }
    inputSwitches_ = *word;
    moduleMask_ = 0;
    currentSlot_ = -1;
    pollState_ = kEnumerationRequested;
    Sent(CxTLEnum(window_->Handle()));
}

void CHardwarePoll::OnEnumeration(const CReplyMessage& reply)
{
    const std::vector<BusModuleRecord> modules = ParseBusEnumerationReply(reply.Data());
    pollState_ = kEnumerationReceived;
    for (ModuleRecord& record : records_)
        record[kAddressOffset] = kEmptyAddress;
    currentSlot_ = -1;
    moduleMask_ = 0;
    for (const BusModuleRecord& module : modules) {
        const std::uint8_t address = module[kAddressOffset];
        // A record names its own slot; one beyond the bus has none and
        // must not take the place of the module that has.
        if (address >= kSlotCount) {
            if (reporter_ != nullptr)
                reporter_->LogDiagnostic(
                    "Hardware query: skipped the record of a module at bus address " + std::to_string(address));
            continue;
        }
        if (currentSlot_ == -1)
            currentSlot_ = address;
        moduleMask_ = static_cast<std::uint16_t>(moduleMask_ | (1u << address));
        records_[address] = module;
    }
    if (modules.empty())
        Finish(kFinished);
    else
        SendNextTransaction(0);
}

void CHardwarePoll::OnSwitchWord(const CReplyMessage& reply)
{
    const std::optional<std::uint16_t> word = ParseSwitchWordReply(reply.Data());
    if (!word) {
        EndWithBadReply();
        return;
    }
    // A transaction is pending only for a slot of the bus.
    values_[static_cast<std::size_t>(currentSlot_)] = *word;
    SendNextTransaction(currentSlot_ + 1);
}

void CHardwarePoll::SendNextTransaction(int firstSlot)
{
    // Only analog modules with valid firmware have a switch word to read.
    for (int slot = firstSlot; slot < kSlotCount; ++slot) {
        if (!IsModulePresent(slot) || !HasModuleRecord(slot)
            || records_[static_cast<std::size_t>(slot)][kTypeOffset] != kAnalogModuleType)
            continue;
        currentSlot_ = slot;
        pollState_ = kTransactionPending;
        Sent(CxTlTran(window_->Handle(), static_cast<std::uint8_t>(slot), kSwitchWordCommand, {}));
        return;
    }
    Finish(kFinished);
}

void CHardwarePoll::EndWithBadReply()
{
    if (reporter_ != nullptr)
        reporter_->ShowStopBox(kBadReplyText, kBadReplyCaption);
    Finish(kFailed);
}

void CHardwarePoll::Sent(int result)
{
    awaiting_ = result == kCxOk;
    if (!awaiting_)
        Finish(kFailed);
}

std::uint16_t CHardwarePoll::GetModuleValue(int slot) const
{
    return InRange(slot) ? values_[static_cast<std::size_t>(slot)] : 0;
}

void CHardwarePoll::SetModuleValue(int slot, std::uint16_t value)
{
    if (InRange(slot))
        values_[static_cast<std::size_t>(slot)] = value;
}

std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> CHardwarePoll::GetModuleRecord(int slot) const
{
    return InRange(slot) ? records_[static_cast<std::size_t>(slot)] : empty_;
}

void CHardwarePoll::SetModuleRecord(int slot, const ModuleRecord& record)
{
    if (InRange(slot))
        records_[static_cast<std::size_t>(slot)] = record;
}

bool CHardwarePoll::IsModulePresent(int slot) const { return InRange(slot) && (moduleMask_ & (1u << slot)) != 0; }

bool CHardwarePoll::HasModuleRecord(int slot) const
{
    if (!InRange(slot))
        return false;
    const ModuleRecord& r = records_[static_cast<std::size_t>(slot)];
    return !std::all_of(r.begin() + kFirmwareOffset, r.begin() + kFirmwareOffset + kFirmwareSize,
        [](std::uint8_t byte) { return byte == 0xFF; });
}

}  // namespace corvane
