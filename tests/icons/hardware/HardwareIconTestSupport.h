#pragma once

// A net document whose factory knows the hardware icons, and the bytes of
// icon records written out field by field for comparison.

#include "NetDocTestSupport.h"

#include "icons/hardware/RegisterHardwareIcons.h"
#include "netdoc/IconFactory.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane::test {

inline IconFactory HardwareIconFactory()
{
    IconFactory factory;
    RegisterHardwareIcons(factory);
    return factory;
}

class HardwareIconNetTest : public NetDocTest {
protected:
    static constexpr std::size_t kTypeCodeEnd = 6;  // the type word is bytes 4 and 5

    HardwareIconNetTest() { factory = HardwareIconFactory(); }

    // The record an icon writes to a net file.
    static std::vector<std::uint8_t> Saved(CCorvaneIcon& icon)
    {
        auto stored = icon.StoreRecord(TransferMode::Save);
        const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored);
        return bytes != nullptr ? *bytes : std::vector<std::uint8_t>{};
    }

    // Makes an icon from a record the way opening a net does; null when
    // the record is refused (also one too short to hold its type code).
    std::unique_ptr<CCorvaneIcon> Load(const std::vector<std::uint8_t>& record)
    {
        if (record.size() < kTypeCodeEnd)
            return nullptr;
        const auto type = static_cast<std::uint16_t>((record.at(4) | (record.at(5) << 8)) & 0x0FFF);
        const std::uint16_t subtype = SubtypeFromRecord(record, type);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, subtype);
        if (icon == nullptr)
            return nullptr;
        if (doc.LoadIconFromRecord(icon, record, type, subtype, false))
            return nullptr;
        return icon;
    }

    // A Program icon whose net option byte says how the logger is powered
    // (low three bits clear: battery) and whose model word names the type.
    void PlaceProgramWith(std::uint8_t optionByte, std::uint32_t modelWord = kQuvModelWord)
    {
        CHardwarePoll poll;
        Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, modelWord, 0, optionByte);
    }
};

// Little-endian record bytes, appended field by field.
class HardwareRecordBytes {
public:
    HardwareRecordBytes& U8(std::uint8_t v)
    {
        bytes_.push_back(v);
        return *this;
    }
    HardwareRecordBytes& U16(std::uint16_t v)
    {
        return U8(static_cast<std::uint8_t>(v)).U8(static_cast<std::uint8_t>(v >> 8));
    }
    HardwareRecordBytes& Zeros(std::size_t n)
    {
        bytes_.insert(bytes_.end(), n, 0);
        return *this;
    }
    HardwareRecordBytes& Text(std::string_view text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    // The common header of a placed icon: length, id, type, position,
    // counts, name, the advisory bits of a new icon, unlinked special inputs.
    HardwareRecordBytes& Header(std::uint16_t length, std::uint16_t id, std::uint16_t type, std::uint16_t x,
        std::uint16_t y, std::uint8_t inputs, std::uint8_t outputs, std::string_view name)
    {
        U16(length).U16(id).U16(type).U16(x).U16(y).U8(inputs).U8(outputs);
        Text(name).Zeros(22 - name.size());  // 21-byte name field and the byte after it
        return U16(0x000F).Zeros(16).Zeros(20);
    }
    // An unlinked input link with its flags byte.
    HardwareRecordBytes& Link(std::uint8_t flags) { return U16(0).U8(0).U8(flags).Zeros(4); }
    // An output entry with a unit text and its flags byte.
    HardwareRecordBytes& Output(std::string_view units, std::uint8_t flags)
    {
        return Text(units).Zeros(8 - units.size()).Zeros(2).U8(0).U8(flags);
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace corvane::test
