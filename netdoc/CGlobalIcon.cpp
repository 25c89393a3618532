#include "netdoc/CGlobalIcon.h"

#include "netmodel/RecordTransfer.h"

#include <algorithm>

namespace corvane {
namespace {

// The Program icon's record after the 72-byte header (offsets from the
// start of the record, little-endian):
//
//   72 char[22] program description, at most 20 bytes, zero-padded
//   94 u16 option flags        96 u32 logger model word
//  100 u32 second version word
//  104 u8 kept as stored       105 u8 net option byte
//  106 u16 module mask: the present slots that have a descriptor
//  108 u8 front-panel message update rate (seconds)
//  109 u8 kept as stored
//  110 char[64] saved file name, at most 63 bytes, zero-padded
//  174 tail: [u8 length 6][u8 module type][u16 word A][u16 word B] for each
//      slot of the stored mask in slot order; each LCD marker text that is
//      not empty with its zero byte; one zero byte.
constexpr std::size_t kDescriptionFieldSize = 22;
constexpr std::size_t kSavedFileNameFieldSize = 64;
constexpr std::size_t kModuleTypeByte = 2;  // in a poll's module record
constexpr int kLoggerModuleTypes = 2;       // types 0 and 1 keep a descriptor
// A marker text read from a record is scanned to its zero byte however
// long it is; no record is longer than this.
constexpr std::size_t kLongestRecord = 0xFFFF;
constexpr std::string_view kCaption = "Global Settings";

constexpr CHardwarePoll::ModuleRecord EmptyModuleRecord()
{
    CHardwarePoll::ModuleRecord record{};
    for (std::uint8_t& byte : record)
        byte = 0xFF;
    return record;
}

// What a slot without a module holds, as the poll reports it.
constexpr CHardwarePoll::ModuleRecord kEmptyModuleRecord = EmptyModuleRecord();

bool InSlotRange(int slot, int count)
{
    return slot >= 0 && slot < count;
}

// The text up to its first zero byte, at most maximum bytes.
std::string CutText(std::string_view text, std::size_t maximum)
{
    return std::string(text.substr(0, std::min(text.find('\0'), maximum)));
}

}  // namespace

CGlobalIcon::CGlobalIcon()
{
    InitGlobalIcon();
}

CGlobalIcon::CGlobalIcon(const Rect& position, const CHardwarePoll& poll, std::uint32_t modelWord,
    std::uint32_t secondVersionWord, std::uint8_t netOptionByte)
    : CCorvaneIcon(position),
      modelWord_(modelWord),
      secondVersionWord_(secondVersionWord),
      netOptionByte_(netOptionByte)
{
    InitGlobalIcon();
    CopyPollResults(poll);
}

void CGlobalIcon::InitGlobalIcon()
{
    SetName(kCaption);
    SetBitmapId(kPictureId);
    SetDeletable(false);
    moduleRecords_.fill(kEmptyModuleRecord);
    InitIcon(Position().left, Position().top, 0, 0, kTypeCode, false, false, false);
}

void CGlobalIcon::CopyPollResults(const CHardwarePoll& poll)
{
    moduleMask_ = poll.GetModuleMask();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!poll.IsModulePresent(slot))
            continue;
        const auto record = poll.GetModuleRecord(slot);
        auto& kept = moduleRecords_[static_cast<std::size_t>(slot)];
        std::copy(record.begin(), record.end(), kept.begin());
        SetModuleDescriptor(slot, record[kModuleTypeByte], descriptors_[static_cast<std::size_t>(slot)].wordA,
            poll.GetModuleValue(slot));
    }
}

void CGlobalIcon::SetDescription(std::string_view text)
{
    description_ = CutText(text, kDescriptionMaxBytes);
}

void CGlobalIcon::SetSavedFileName(std::string_view name)
{
    savedFileName_ = CutText(name, kSavedFileNameMaxBytes);
}

ModuleDescriptor CGlobalIcon::GetModuleDescriptor(int slot) const
{
    return InSlotRange(slot, kSlotCount) ? descriptors_[static_cast<std::size_t>(slot)] : ModuleDescriptor{};
}

void CGlobalIcon::SetModuleDescriptor(int slot, std::uint8_t moduleType, std::uint16_t wordA, std::uint16_t wordB)
{
    if (!InSlotRange(slot, kSlotCount))
        return;
    const bool kept = moduleType < kLoggerModuleTypes;
    descriptors_[static_cast<std::size_t>(slot)] =
        ModuleDescriptor{static_cast<std::uint8_t>(kept ? kDescriptorSize : 0), moduleType, wordA, wordB};
}

std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> CGlobalIcon::GetModuleRecord(int slot) const
{
    return InSlotRange(slot, kSlotCount) ? moduleRecords_[static_cast<std::size_t>(slot)] : kEmptyModuleRecord;
}

std::string_view CGlobalIcon::GetLcdMarker(int slot) const
{
    return InSlotRange(slot, kMarkerCount) ? std::string_view(markers_[static_cast<std::size_t>(slot)])
                                           : std::string_view();
}

void CGlobalIcon::SetLcdMarker(int slot, std::string_view text)
{
    if (InSlotRange(slot, kMarkerCount))
        markers_[static_cast<std::size_t>(slot)] = CutText(text, kMarkerMaxBytes);
}

std::uint16_t CGlobalIcon::StoredModuleMask() const
{
    std::uint16_t mask = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto bit = static_cast<std::uint16_t>(1u << slot);
        if ((moduleMask_ & bit) != 0 && descriptors_[static_cast<std::size_t>(slot)].length == kDescriptorSize)
            mask = static_cast<std::uint16_t>(mask | bit);
    }
    return mask;
}

int CGlobalIcon::CheckIconConnections(bool& isolated) const
{
    isolated = false;
    return 0;
}

void CGlobalIcon::CopyFixedPart(RecordTransfer& t)
{
    std::string description = CutText(description_, kDescriptionMaxBytes);
    std::uint16_t mask = t.IsLoading() ? 0 : StoredModuleMask();
    t.FixedText(description, kDescriptionFieldSize, "program description");
    t.U16(optionFlags_, "option flags");
    t.U32(modelWord_, "logger model word");
    t.U32(secondVersionWord_, "second version word");
    t.U8(reserved104_, "byte 104");
    t.U8(netOptionByte_, "net option byte");
    t.U16(mask, "module mask");
    t.U8(updateRate_, "update rate");
    t.U8(reserved109_, "byte 109");
    t.FixedText(savedFileName_, kSavedFileNameFieldSize, "saved file name");
    if (t.IsLoading()) {
        description_ = CutText(description, kDescriptionMaxBytes);
        moduleMask_ = mask;
    }
}

std::size_t CGlobalIcon::TransferTail(RecordTransfer& t)
{
    const std::size_t start = t.Position();
    if (t.IsLoading())
        LoadTail(t);
    else
        StoreTail(t);
    return t.Position() - start;
}

void CGlobalIcon::StoreTail(RecordTransfer& t)
{
    const std::uint16_t mask = StoredModuleMask();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if ((mask & (1u << slot)) == 0)
            continue;
        ModuleDescriptor& d = descriptors_[static_cast<std::size_t>(slot)];
        t.U8(d.length, "module descriptor length");
        t.U8(d.moduleType, "module type");
        t.U16(d.wordA, "module word A");
        t.U16(d.wordB, "module word B");
    }
    for (std::string& marker : markers_)
        if (!marker.empty())
            t.NetString(marker, kMarkerMaxBytes, false, "LCD marker");
    t.Zeros(1, "tail end");
}

void CGlobalIcon::LoadTail(RecordTransfer& t)
{
    descriptors_.fill(ModuleDescriptor{});
    markers_.fill(std::string());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if ((moduleMask_ & (1u << slot)) == 0)
            continue;
        const std::size_t at = t.Position();
        std::uint8_t length = 0;
        t.U8(length, "module descriptor length");
        if (t.Failed())
            return;
        // A zero in a descriptor's place is the tail's end byte: the
        // remaining slots have no descriptor and no marker follows.
        if (length == 0)
            return;
        if (length != kDescriptorSize) {
            t.Fail({RecordErrorKind::BadLength, at, "module descriptor length"});
            return;
        }
        ModuleDescriptor& d = descriptors_[static_cast<std::size_t>(slot)];
        d.length = length;
        t.U8(d.moduleType, "module type");
        t.U16(d.wordA, "module word A");
        t.U16(d.wordB, "module word B");
    }
    // Marker texts until an empty one (the end byte); a longer text keeps
    // its first 19 bytes and is passed over whole.
    for (std::size_t read = 0; !t.Failed(); ++read) {
        const std::size_t at = t.Position();
        std::string text;
        t.NetString(text, kLongestRecord, false, "LCD marker");
        if (t.Failed() || text.empty())
            return;
        if (read == markers_.size()) {
            t.Fail({RecordErrorKind::BadCount, at, "LCD markers"});
            return;
        }
        markers_[read] = CutText(text, kMarkerMaxBytes);
        optionFlags_ = static_cast<std::uint16_t>(optionFlags_ | kLcdMarkersPresent);
    }
}

}  // namespace corvane
