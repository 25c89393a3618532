#include "netdoc/COpaqueIcon.h"

#include "base/ByteReader.h"
#include "netmodel/IconRecord.h"
#include "netmodel/RecordTransfer.h"
#include "platform/DeviceContext.h"

namespace corvane {
namespace {

constexpr std::size_t kSpecialLinksOffset = kIconTriggerLinkOffset;
constexpr std::size_t kSpecialLinksEnd = kIconReservedOffset;

void PutU16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLink(std::vector<std::uint8_t>& bytes, std::size_t offset, const InputLink& link)
{
    PutU16(bytes, offset, link.sourceId);
    bytes[offset + 2] = link.IsConnected() ? link.sourceOutput : 0;
    bytes[offset + 3] = link.flags;
}

}  // namespace

COpaqueIcon::COpaqueIcon(std::uint16_t typeCode) : typeCode_(typeCode)
{
    SetName("Unsupported");
}

std::variant<std::size_t, RecordError> COpaqueIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    // The header is read as every icon reads it; the rest stays as stored.
    const auto parsed = ParseIconRecord(record, kIconRecordHeaderSize);
    if (const auto* error = std::get_if<RecordError>(&parsed))
        return *error;
    const IconRecordHeader& header = std::get<IconRecord>(parsed).header;
    Header() = header;
    SetUniqueId(header.uniqueId);
    Header().name = header.name;
    SetName(header.name);
    record_.assign(record.begin(), record.begin() + header.length);
    return record_.size();
}

std::variant<std::vector<std::uint8_t>, RecordError> COpaqueIcon::StoreRecord(TransferMode /*mode*/)
{
    std::vector<std::uint8_t> bytes = record_;
    if (bytes.size() < kIconRecordHeaderSize)
        return RecordError{RecordErrorKind::BadLength, 0, "record length"};
    const IconRecordHeader& header = Header();
    PutU16(bytes, kIconUniqueIdOffset, header.uniqueId);
    PutU16(bytes, kIconTypeWordOffset, header.typeWord);
    PutU16(bytes, kIconXOffset, header.x);
    PutU16(bytes, kIconYOffset, header.y);
    static_assert(kSpecialLinksEnd - kSpecialLinksOffset == 16);
    PutLink(bytes, kIconTriggerLinkOffset, header.trigger);
    PutLink(bytes, kIconEnableLinkOffset, header.enable);
    return bytes;
}

void COpaqueIcon::CopyFixedPart(RecordTransfer& /*transfer*/) {}

void COpaqueIcon::Draw(DeviceContext& dc, BitmapCatalog& /*pictures*/)
{
    const Rect body = Rect::FromPointAndSize(Position().TopLeft(), BodySize());
    const Pen oldPen = dc.SelectPen(SolidPen({128, 128, 128}));
    const Brush oldBrush = dc.SelectBrush(SolidBrush({224, 224, 224}));
    dc.Rectangle(body);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

}  // namespace corvane
