#include "netdoc/IconFactory.h"

#include "base/ByteReader.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/COpaqueIcon.h"
#include "netmodel/IconRecordHeader.h"

namespace corvane {
namespace {

// The first and second words after the record header.
constexpr std::size_t kFirstWordOffset = 72;
constexpr std::size_t kSecondWordOffset = 74;

std::uint16_t WordAt(std::span<const std::uint8_t> record, std::size_t offset)
{
    ByteReader reader(record);
    reader.Seek(offset);
    const std::uint16_t word = reader.U16LE();
    return reader.Failed() ? 0 : word;
}

IconTypeShape Shape(int inputs, int outputs, bool select = false, std::optional<bool> deletable = std::nullopt)
{
    return {inputs, outputs, select, deletable};
}

}  // namespace

IconFactory::IconFactory()
{
    Register(1, [](std::uint16_t) { return std::make_unique<CGlobalIcon>(); });
}

void IconFactory::Register(std::uint16_t typeCode, Maker maker)
{
    makers_[typeCode] = std::move(maker);
}

void IconFactory::Register(std::uint16_t typeCode, Maker maker, IconTypeShape shape)
{
    makers_[typeCode] = std::move(maker);
    ownShapes_[typeCode] = shape;
}

std::unique_ptr<CCorvaneIcon> IconFactory::Create(std::uint16_t typeCode, std::uint16_t subtype) const
{
    std::optional<IconTypeShape> shape = IconTypeShapeOf(typeCode, subtype);
    if (const auto own = ownShapes_.find(typeCode); !shape && own != ownShapes_.end())
        shape = own->second;
    if (!shape)
        return nullptr;
    std::unique_ptr<CCorvaneIcon> icon;
    if (const auto found = makers_.find(typeCode); found != makers_.end())
        icon = found->second(subtype);
    else
        icon = std::make_unique<COpaqueIcon>(typeCode);
    if (!icon)
        return nullptr;
    icon->SetConnectorCounts(shape->inputs, shape->outputs, shape->selectInput);
    if (shape->deletable)
        icon->SetDeletable(*shape->deletable);
    return icon;
}

std::optional<IconTypeShape> IconTypeShapeOf(std::uint16_t typeCode, std::uint16_t subtype)
{
    switch (typeCode) {
    case 1: return Shape(0, 0);
    case 2: return Shape(0, 1);
    case 3: return Shape(0, 1);
    case 4: return Shape(1, 0);
    case 5: return Shape(0, 0);
    case 7: return Shape(0, 0);
    case 16: return Shape(0, 1, false, false);
    case 17: return Shape(0, 1, false, false);
    case 19: return Shape(0, 1, false, false);
    case 22: return subtype <= 3 ? std::optional(Shape(0, 1)) : std::nullopt;
    case 23: return Shape(1, 1);
    case 24: return Shape(1, 0);
    case 25: return Shape(1, 0);
    case 26: return Shape(0, 0, false, true);
    case 32: return Shape(0, 1, false, false);
    case 33: return subtype == 0xE000 ? std::nullopt : std::optional(Shape(1, 1, false, false));
    case 64: return subtype == 0 ? Shape(3, 0, true) : Shape(2, 0);
    case 65: return Shape(0, 1);  // the Warning icon has one output
    case 67: return Shape(24, 1);
    case 68: return Shape(0, 1);
    case 69: return Shape(0, 0);
    case 70: return Shape(0, 1);
    case 80: return Shape(1, 0);
    case 81: return Shape(0, 0);
    case 82: return Shape(0, 0);
    case 256:
        switch (subtype & 7) {
        case 0:
        case 1: return Shape(24, 2);
        case 2: return Shape(2, 2);
        case 3: return Shape(1, 2);
        default: return std::nullopt;
        }
    case 257: return (subtype & 0x1000) != 0 ? Shape(1, 1) : Shape(2, 1);
    case 258:
        if ((subtype & 0x6000) != 0)
            return Shape(1, 4);
        if ((subtype & 0x1000) != 0 || (subtype & 0x8000) != 0)
            return Shape(1, 3);
        return std::nullopt;
    case 260: return Shape(0, 1);
    case 261: return subtype == 1 ? Shape(3, 2) : Shape(2, 2);
    case 262: return Shape(1, 1);
    case 263: return Shape(1, 1);
    case 264: return Shape(1, 1);
    case 265: return Shape(2, 1, true);
    case 266: return Shape(0, 2);
    case 267: return Shape(1, 1);
    case 268: return Shape(0, 1);
    case 269: return Shape(1, 1);
    case 270: return Shape(0, 0);
    case 271: return Shape(1, 1);
    case 272: return Shape(0, 1);
    case 273: return Shape(4, 1);
    case 274: return Shape(1, 1);
    case 275: return Shape(1, 8);
    case 276: return Shape(1, 1);
    case 277: return Shape(3, 1);
    case 278: return Shape(1, 1);
    default: return std::nullopt;
    }
}

bool IsDefinedStatisticsSubtype(std::uint16_t subtype)
{
    return (subtype & (0x6000 | 0x1000 | 0x8000)) != 0;
}

std::uint16_t SubtypeFromRecord(std::span<const std::uint8_t> record, std::uint16_t typeCode)
{
    const std::uint16_t w = WordAt(record, kFirstWordOffset);
    const std::uint16_t w2 = WordAt(record, kSecondWordOffset);
    switch (typeCode) {
    case 19: return w & 0x6000;
    case 22:
        if ((w & 0x2000) != 0)
            return 3;
        switch (w & 0x18) {
        case 0: return 0;
        case 8: return 1;
        default: return 2;
        }
    case 23: return w & 0xC000;
    case 25: return w & 3;
    case 32: return w2 & 0x38;
    case 33: return w2 & 0xE000;
    case 64: return w & 1;
    case 256: return w & 0xFF;
    case 257: return w & 0x1000;
    case 258: return w & 0xF000;
    case 260: return w & 0xA000;
    case 261: return record.size() > kIconInputCountOffset && record[kIconInputCountOffset] > 2 ? 1 : 0;
    case 263: return w & 0x10;
    case 267: return w & 0x800;
    default: return 0;
    }
}

SpecialInputs SpecialInputsOf(std::uint16_t typeCode, std::uint16_t subtype, std::span<const std::uint8_t> record)
{
    constexpr SpecialInputs kNone{false, false, false};
    constexpr SpecialInputs kEnable{false, true, false};
    constexpr SpecialInputs kBoth{true, true, false};
    constexpr SpecialInputs kTriggerOnly{true, false, false};
    constexpr SpecialInputs kEnableSelect{false, true, true};
    switch (typeCode) {
    case 2: case 3: case 4: case 24: case 25: case 26: case 256: case 261: case 262: case 264:
    case 268: case 271: case 272: case 274: case 275: case 276: case 277: case 278: case 65: case 273:
        return kEnable;
    case 7: case 16: case 17: case 19: case 22: case 32: case 33: case 66: case 67: case 68: case 70: case 258:
    case 266: case 267:
        return kBoth;
    case 265: return kEnableSelect;
    // The Memory and Probe icons' own description gives them a trigger
    // input and no enable input (the loader's older table said enable).
    case 81: case 82: return kTriggerOnly;
    case 23: return WordAt(record, kFirstWordOffset) >= 0xC000 ? kEnable : kBoth;
    case 64: return subtype == 1 ? kBoth : kEnableSelect;
    case 257: return (subtype & 0x1000) != 0 ? kTriggerOnly : kNone;
    case 260: return (subtype & 0x8000) != 0 ? kEnable : kNone;
    case 263: return (subtype & 0x10) != 0 ? kEnable : kBoth;
    default: return kNone;
    }
}

int ModuleChannelBitmap(std::uint16_t rangeBits)
{
    switch (rangeBits) {
    case 0: return 409;
    case 8: return 408;
    case 32: return 410;
    case 40: return 403;
    default: return 411;
    }
}

}  // namespace corvane
