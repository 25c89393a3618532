#pragma once

#include "netmodel/HardwareReplies.h"
#include "platform/Message.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace corvane {

class CReplyMessage;
class HardwarePollOwner;
class HardwarePollReporter;
class HardwarePollWindow;
class WaitCursor;

// The query of a connected logger's hardware and its result: which
// module-bus slots hold a module, each module's 42-byte record and switch
// word, and the logger's own input-switch word (its base configuration).
//
// A query is a chain of requests, each answered later by a reply or a
// time-out posted to the poll's own hidden window: the base configuration,
// the bus enumeration, then the switch word of every 7-channel analog
// module with valid firmware, one at a time. The window is made when the
// first query starts, so a document can hold a poll without a running
// application. A new query keeps the table; Reset clears it. UI thread.
//
// Module record (numbers big-endian): byte 1 bus address (0xFF: empty
// slot), 2 module type (0 seven-channel analog, 1 digital), 3..5 firmware
// major, minor, build (all 0xFF: no valid firmware), 6..9 serial number,
// 10..41 name padded with NUL.
class CHardwarePoll {
public:
    static constexpr int kSlotCount = 16;
    static constexpr std::size_t kModuleRecordSize = kBusModuleRecordSize;
    // States: a query runs from kBaseConfigRequested to kTransactionPending
    // and ends in kFinished (also after a logger error) or kFailed.
    static constexpr int kBaseConfigRequested = 0;
    static constexpr int kEnumerationRequested = 1;
    static constexpr int kEnumerationReceived = 2;
    static constexpr int kTransactionPending = 3;
    static constexpr int kFinished = -1;
    static constexpr int kFailed = -2;
    // Error flag: the logger refused a request of the last query.
    static constexpr int kLoggerErrorFlag = 1;
    // The module command that reads an analog module's switch word.
    static constexpr std::uint8_t kSwitchWordCommand = 17;
    static constexpr std::uint8_t kAnalogModuleType = 0;
    using ModuleRecord = BusModuleRecord;

    CHardwarePoll();  // finished, with an empty table
    ~CHardwarePoll();
    CHardwarePoll(const CHardwarePoll&) = delete;
    CHardwarePoll& operator=(const CHardwarePoll&) = delete;

    // Clears every slot, the mask and the words; no slot is current. The
    // state of a running query is left alone.
    void Reset();

    // Starts a query (a running one starts over) with the wait cursor on.
    // owner is told once when it ends and must outlive it. Without a
    // running application, or when the logger link takes no request, the
    // query ends at once as failed.
    void Start(HardwarePollOwner& owner);
    // Ends the running query with result (kFinished; anything else counts
    // as kFailed): wait cursor off, state = result, owner told. Nothing
    // when no query runs.
    void Finish(int result);
    bool IsRunning() const { return pollState_ >= kBaseConfigRequested; }
    // Where the query reports trouble to the user; null: nowhere.
    void SetReporter(HardwarePollReporter* reporter) { reporter_ = reporter; }

    // The reply window's handlers: a reply (message 0x4C8) and a time-out
    // (0x4C9, with the request type). Answers that the running query does
    // not wait for, such as late ones after it ended, are ignored.
    void OnCommReply(const CReplyMessage& reply);
    void OnCommTimeout(std::uint16_t requestType);
    // The window the requests name for their answers; empty before the
    // first query.
    WindowHandle ReplyWindow() const;

    std::uint16_t GetModuleMask() const { return moduleMask_; }
    void SetModuleMask(std::uint16_t mask) { moduleMask_ = mask; }
    // Slots outside 0..15 read 0 and ignore writes.
    std::uint16_t GetModuleValue(int slot) const;
    void SetModuleValue(int slot, std::uint16_t value);
    // A slot outside 0..15 reads as an empty slot.
    std::span<const std::uint8_t, kModuleRecordSize> GetModuleRecord(int slot) const;
    void SetModuleRecord(int slot, const ModuleRecord& record);
    bool IsModulePresent(int slot) const;
    // The slot's module has valid firmware: record bytes 3 to 5 are not
    // all 0xFF.
    bool HasModuleRecord(int slot) const;
    std::uint16_t InputSwitchWord() const { return inputSwitches_; }
    void SetInputSwitchWord(std::uint16_t word) { inputSwitches_ = word; }
    int PollState() const { return pollState_; }
    void SetPollState(int state) { pollState_ = state; }
    int CurrentSlot() const { return currentSlot_; }
    void SetCurrentSlot(int slot) { currentSlot_ = slot; }
    // A request of the last query timed out.
    bool TimedOut() const { return timedOut_; }
    int ErrorFlags() const { return errorFlags_; }

private:
    static bool InRange(int slot) { return slot >= 0 && slot < kSlotCount; }
    // Whether an answer belongs to the running query; answers to requests
    // of a query that ended or started over while they were out are not.
    bool TakeAnswer(std::uint16_t requestType);
    void DropOutstandingRequest();
    void OnErrorReply(const CReplyMessage& reply);
    void OnBaseConfig(const CReplyMessage& reply);
    void OnEnumeration(const CReplyMessage& reply);
    void OnSwitchWord(const CReplyMessage& reply);
    void SendNextTransaction(int firstSlot);
    void EndWithBadReply();
    // A request the link did not take is never answered: the query fails.
    void Sent(int result);

    std::uint16_t moduleMask_ = 0;
    std::array<std::uint16_t, kSlotCount> values_{};
    std::array<ModuleRecord, kSlotCount> records_{};
    ModuleRecord empty_{};  // what a slot outside the bus reads
    std::uint16_t inputSwitches_ = 0;
    int pollState_ = kFinished;
    int currentSlot_ = -1;
    bool timedOut_ = false;
    int errorFlags_ = 0;
    bool awaiting_ = false;  // a request of the running query is out
    int staleAnswers_ = 0;   // answers still to come for earlier queries
    HardwarePollOwner* owner_ = nullptr;
    HardwarePollReporter* reporter_ = nullptr;
    std::unique_ptr<WaitCursor> waitCursor_;      // while a query runs
    std::unique_ptr<HardwarePollWindow> window_;  // made by the first query
};

}  // namespace corvane
