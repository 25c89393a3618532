#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// The result of querying a connected logger's hardware: which module-bus
// slots hold a module, each module's switch word and 42-byte record, and
// the logger's own input-switch word. The query that fills it runs in the
// net document; here it is the state the documents, checks and icons read.
class CHardwarePoll {
public:
    static constexpr int kSlotCount = 16;
    static constexpr std::size_t kModuleRecordSize = 42;
    static constexpr int kFinished = -1;
    static constexpr int kFailed = -2;
    using ModuleRecord = std::array<std::uint8_t, kModuleRecordSize>;

    CHardwarePoll();

    // Clears every slot, the mask and the words; no slot is current.
    void Reset();
    std::uint16_t GetModuleMask() const { return moduleMask_; }
    void SetModuleMask(std::uint16_t mask) { moduleMask_ = mask; }
    // Slots outside 0..15 read 0 and ignore writes.
    std::uint16_t GetModuleValue(int slot) const;
    void SetModuleValue(int slot, std::uint16_t value);
    // A slot outside 0..15 reads as an empty slot.
    std::span<const std::uint8_t, kModuleRecordSize> GetModuleRecord(int slot) const;
    void SetModuleRecord(int slot, const ModuleRecord& record);
    bool IsModulePresent(int slot) const;
    // A slot holds a record when its bytes 1 to 3 are not all 0xFF.
    bool HasModuleRecord(int slot) const;
    std::uint16_t InputSwitchWord() const { return inputSwitches_; }
    void SetInputSwitchWord(std::uint16_t word) { inputSwitches_ = word; }
    int PollState() const { return pollState_; }
    void SetPollState(int state) { pollState_ = state; }
    int CurrentSlot() const { return currentSlot_; }
    void SetCurrentSlot(int slot) { currentSlot_ = slot; }

private:
    static bool InRange(int slot) { return slot >= 0 && slot < kSlotCount; }

    std::uint16_t moduleMask_ = 0;
    std::array<std::uint16_t, kSlotCount> values_{};
    std::array<ModuleRecord, kSlotCount> records_{};
    ModuleRecord empty_{};  // what a slot outside the bus reads
    std::uint16_t inputSwitches_ = 0;
    int pollState_ = 0;
    int currentSlot_ = -1;
};

}  // namespace corvane
