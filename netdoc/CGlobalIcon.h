#pragma once

#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CHardwarePoll.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// One bus slot's entry in the Program icon's module table. A module the
// net keeps settings for (type 0 seven-channel analog, 1 two-channel
// digital) has length 6; any other slot has length 0 and is not stored.
struct ModuleDescriptor {
    std::uint8_t length = 0;
    std::uint8_t moduleType = 0;
    std::uint16_t wordA = 60;
    std::uint16_t wordB = 0x9240;
    bool operator==(const ModuleDescriptor&) const = default;
};

// The Program icon: the one icon of every program net that carries the
// logger-wide settings; its record is the first of a net image. It has no
// connectors, is always connected and cannot be deleted. Beside its record
// it keeps the bus-module table of the last hardware poll and up to 32 LCD
// marker texts. Texts are record bytes (Windows-1252); callers convert.
class CGlobalIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 1;
    static constexpr int kPictureId = 400;
    static constexpr int kSlotCount = CHardwarePoll::kSlotCount;
    static constexpr int kMarkerCount = 32;
    static constexpr std::size_t kMarkerMaxBytes = 19;
    static constexpr std::size_t kDescriptionMaxBytes = 20;
    static constexpr std::size_t kSavedFileNameMaxBytes = 63;
    static constexpr std::size_t kDescriptorSize = 6;
    static constexpr std::uint16_t kLcdMarkersPresent = 0x1000;
    static constexpr std::uint16_t kFrontPanelLockout = 0x0010;

    // For the loader, which fills the icon from a stored record.
    CGlobalIcon();
    // For placing from the view: the rectangle, the poll of the connected
    // logger, the connection's logger model word and second version word,
    // and the net option byte of the connected logger.
    CGlobalIcon(const Rect& position, const CHardwarePoll& poll, std::uint32_t modelWord,
        std::uint32_t secondVersionWord, std::uint8_t netOptionByte);

    std::string_view ClassName() const override { return "CGlobalIcon"; }

    // Takes the poll's module mask and, for every present slot, its value
    // (word B), its module record and the module type of its descriptor.
    void CopyPollResults(const CHardwarePoll& poll);

    const std::string& GetDescription() const { return description_; }
    void SetDescription(std::string_view text);
    std::uint16_t GetOptionFlags() const { return optionFlags_; }
    void SetOptionFlags(std::uint16_t flags) { optionFlags_ = flags; }
    bool IsFrontPanelLockout() const { return (optionFlags_ & kFrontPanelLockout) != 0; }
    std::uint32_t GetModelWord() const { return modelWord_; }
    std::uint32_t GetSecondVersionWord() const { return secondVersionWord_; }
    // The net's two version words, rewritten by the sheet's Update button.
    void SetVersionWords(std::uint32_t modelWord, std::uint32_t secondVersionWord)
    {
        modelWord_ = modelWord;
        secondVersionWord_ = secondVersionWord;
    }
    // The logger type: bits 24..27 of the model word.
    int GetLoggerType() const { return static_cast<int>((modelWord_ >> 24) & 0x0F); }
    std::uint8_t GetNetOptionByte() const { return netOptionByte_; }
    // Front-panel message update rate in seconds.
    std::uint8_t GetUpdateRate() const { return updateRate_; }
    void SetUpdateRate(std::uint8_t seconds) { updateRate_ = seconds; }
    // The name and extension of the file the net was saved to.
    const std::string& GetSavedFileName() const { return savedFileName_; }
    void SetSavedFileName(std::string_view name);

    std::uint16_t GetModuleMask() const { return moduleMask_; }
    // Slots outside 0..15 read as an empty slot and ignore writes.
    ModuleDescriptor GetModuleDescriptor(int slot) const;
    // The length follows the type: 6 for types 0 and 1, else 0.
    void SetModuleDescriptor(int slot, std::uint8_t moduleType, std::uint16_t wordA, std::uint16_t wordB);
    std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> GetModuleRecord(int slot) const;
    // Marker slots 0..31; a text is cut at 19 bytes (and at a zero byte).
    std::string_view GetLcdMarker(int slot) const;
    void SetLcdMarker(int slot, std::string_view text);

    // The icon's dialog lives in a library above the net document, which
    // hands the icon a maker for it; without one the icon has no dialog.
    using DialogMaker = std::function<std::unique_ptr<IconDialog>(CGlobalIcon&)>;
    void SetDialogMaker(DialogMaker maker) { dialogMaker_ = std::move(maker); }
    std::unique_ptr<IconDialog> CreateIconDialog() override { return dialogMaker_ ? dialogMaker_(*this) : nullptr; }

    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void InitGlobalIcon();
    // The mask as the record stores it: the present slots that have a
    // descriptor (a module of another type is left out).
    std::uint16_t StoredModuleMask() const;
    void LoadTail(RecordTransfer& transfer);
    void StoreTail(RecordTransfer& transfer);

    std::string description_;
    std::uint16_t optionFlags_ = 0x8C80;
    std::uint32_t modelWord_ = 0;
    std::uint32_t secondVersionWord_ = 0;
    std::uint8_t reserved104_ = 0;  // kept as stored
    std::uint8_t netOptionByte_ = 0;
    std::uint16_t moduleMask_ = 0;
    std::uint8_t updateRate_ = 2;
    std::uint8_t reserved109_ = 4;  // kept as stored
    std::string savedFileName_;
    std::array<ModuleDescriptor, kSlotCount> descriptors_{};
    std::array<CHardwarePoll::ModuleRecord, kSlotCount> moduleRecords_{};
    std::array<std::string, kMarkerCount> markers_{};
    DialogMaker dialogMaker_;
};

}  // namespace corvane
