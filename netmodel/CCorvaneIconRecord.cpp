// The icon record: moving an icon's record between the icon and bytes.
#include "netmodel/CCorvaneIcon.h"

#include "base/ByteReader.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/IconRecord.h"
#include "netmodel/RecordTransfer.h"

namespace corvane {
namespace {

constexpr std::uint16_t kTypeMath = 273;
constexpr std::uint8_t kMathInputCount = 4;
constexpr std::size_t kNameToWarningGap = 1;  // byte 33
constexpr std::size_t kReservedTail = 20;     // bytes 52 to 71, written as 0
constexpr std::size_t kOutputGap = 2;         // bytes 8 and 9 of an output entry

// An input link: an unconnected one is written with source output 0.
void TransferLink(RecordTransfer& t, InputLink& link, std::string_view field)
{
    t.U16(link.sourceId, field);
    std::uint8_t output = link.IsConnected() ? link.sourceOutput : 0;
    t.U8(output, field);
    if (t.IsLoading())
        link.sourceOutput = link.IsConnected() ? output : 0;
    t.U8(link.flags, field);
    t.Zeros(4, field);
}

void TransferOutput(RecordTransfer& t, OutputEntry& entry)
{
    t.Bytes(entry.data, "output entry");
    t.Zeros(kOutputGap, "output entry");
    t.U8(entry.byte10, "output entry");
    t.U8(entry.flags, "output entry");
}

}  // namespace

void CCorvaneIcon::TransferHeader(RecordTransfer& t, std::uint8_t inputCount)
{
    std::uint8_t outputs = static_cast<std::uint8_t>(outputCount_);
    t.U16(header_.length, "record length");
    t.U16(header_.uniqueId, "unique id");
    t.U16(header_.typeWord, "type word");
    t.U16(header_.x, "x");
    t.U16(header_.y, "y");
    t.U8(inputCount, "input count");
    t.U8(outputs, "output count");
    t.FixedText(header_.name, kIconNameFieldSize, "name");
    t.Zeros(kNameToWarningGap, "name");
    t.U16(header_.warningFlags, "warning flags");
    TransferLink(t, header_.trigger, "trigger link");
    TransferLink(t, header_.enable, "enable link");
    t.Zeros(kReservedTail, "header");
    if (t.IsLoading() && Owner() != nullptr)
        Owner()->OnIconIdChanged();
    if (!t.IsLoading() || t.Failed())
        return;
    if (TypeCode() == kTypeMath)
        inputCount = kMathInputCount;
    if (inputCount > kMaxInputs) {
        t.Fail({RecordErrorKind::BadCount, kIconInputCountOffset, "input count"});
        return;
    }
    if (outputs > kMaxOutputs) {
        t.Fail({RecordErrorKind::BadCount, kIconOutputCountOffset, "output count"});
        return;
    }
    extraInputs_ = 0;
    inputCount_ = inputCount;
    outputCount_ = outputs;
    hasInputTable_ = hasInputTable_ || inputCount > 0;
}

std::variant<std::size_t, RecordError> CCorvaneIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    ByteReader head(record);
    const std::size_t length = head.U16LE("record length");
    if (head.Failed())
        return RecordErrorFromByteError(head.Error());
    if (length < kIconRecordHeaderSize || length % 2 != 0)
        return RecordError{RecordErrorKind::BadLength, kIconLengthOffset, "record length"};
    if (length > record.size())
        return RecordError{RecordErrorKind::Truncated, record.size(), "record length"};

    RecordTransfer t = RecordTransfer::ForLoading(record.first(length));
    TransferHeader(t, 0);
    if (!t.Failed())
        CopyFixedPart(t);
    for (int i = 0; i < TotalInputs() && !t.Failed(); ++i)
        TransferLink(t, inputLinks_[static_cast<std::size_t>(i)], "input links");
    for (int i = 0; i < outputCount_ && !t.Failed(); ++i)
        TransferOutput(t, outputEntries_[static_cast<std::size_t>(i)]);
    if (!t.Failed())
        TransferTail(t);
    if (t.Failed())
        return *t.Error();
    std::size_t total = t.Position();
    total += total % 2;
    header_.length = static_cast<std::uint16_t>(total);
    // The icon is called what its record says.
    name_ = header_.name;
    caption_ = name_;
    return total;
}

std::variant<std::vector<std::uint8_t>, RecordError> CCorvaneIcon::StoreRecord(TransferMode mode)
{
    std::vector<InputLink> links(inputLinks_.begin(), inputLinks_.begin() + TotalInputs());
    if (mode == TransferMode::Compile && compaction_) {
        // The select input keeps its place; the connected inputs move to
        // the front, and only they (or the minimum) are written.
        const std::span<const InputLink> ordinary(inputLinks_.data() + extraInputs_, static_cast<std::size_t>(inputCount_));
        const std::vector<InputLink> compacted = CompactInputLinks(
            ordinary, static_cast<std::size_t>(std::max(minimumInputs_, 0)), IsSampleRateClock());
        links.resize(static_cast<std::size_t>(extraInputs_));
        links.insert(links.end(), compacted.begin(), compacted.end());
    }
    const std::uint8_t inputCount =
        TypeCode() == kTypeMath ? kMathInputCount : static_cast<std::uint8_t>(links.size());

    RecordTransfer t = RecordTransfer::ForStoring();
    TransferHeader(t, inputCount);
    CopyFixedPart(t);
    for (InputLink& link : links)
        TransferLink(t, link, "input links");
    for (int i = 0; i < outputCount_; ++i)
        TransferOutput(t, outputEntries_[static_cast<std::size_t>(i)]);
    TransferTail(t);
    std::vector<std::uint8_t>& bytes = t.Written();
    if (bytes.size() % 2 != 0)
        bytes.push_back(0);
    if (bytes.size() > 0xFFFF)
        return RecordError{RecordErrorKind::BadLength, kIconLengthOffset, "record length"};
    header_.length = static_cast<std::uint16_t>(bytes.size());
    bytes[0] = static_cast<std::uint8_t>(header_.length & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(header_.length >> 8);
    return std::move(bytes);
}

}  // namespace corvane
