#pragma once

// A net document whose factory knows the function icons, and the bytes of
// icon records written out field by field for comparison.

#include "NetDocTestSupport.h"

#include "icons/function/RegisterFunctionIcons.h"
#include "netdoc/IconFactory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::test {

inline IconFactory FunctionIconFactory()
{
    IconFactory factory;
    RegisterFunctionIcons(factory);
    return factory;
}

class FunctionIconNetTest : public NetDocTest {
protected:
    FunctionIconNetTest() { factory = FunctionIconFactory(); }

    // The record an icon writes to a net file.
    static std::vector<std::uint8_t> Saved(CCorvaneIcon& icon)
    {
        auto stored = icon.StoreRecord(TransferMode::Save);
        const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&stored);
        return bytes != nullptr ? *bytes : std::vector<std::uint8_t>{};
    }

    // Makes an icon from a record the way opening a net does.
    std::unique_ptr<CCorvaneIcon> Load(const std::vector<std::uint8_t>& record)
    {
        const auto type = static_cast<std::uint16_t>((record.at(4) | (record.at(5) << 8)) & 0x0FFF);
        const std::uint16_t subtype = SubtypeFromRecord(record, type);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, subtype);
        if (icon == nullptr)
            return nullptr;
        if (doc.LoadIconFromRecord(icon, record, type, subtype, false))
            return nullptr;
        return icon;
    }
};

// Little-endian record bytes, appended field by field.
class RecordBytes {
public:
    RecordBytes& U8(std::uint8_t v)
    {
        bytes_.push_back(v);
        return *this;
    }
    RecordBytes& U16(std::uint16_t v) { return U8(static_cast<std::uint8_t>(v)).U8(static_cast<std::uint8_t>(v >> 8)); }
    RecordBytes& U32(std::uint32_t v)
    {
        return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16));
    }
    RecordBytes& Zeros(std::size_t n)
    {
        bytes_.insert(bytes_.end(), n, 0);
        return *this;
    }
    RecordBytes& Text(std::string_view text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    // The common header of a placed icon: length, id, type, position,
    // counts, name, the advisory bits of a new icon, unlinked special inputs.
    RecordBytes& Header(std::uint16_t length, std::uint16_t id, std::uint16_t type, std::uint16_t x, std::uint16_t y,
        std::uint8_t inputs, std::uint8_t outputs, std::string_view name)
    {
        U16(length).U16(id).U16(type).U16(x).U16(y).U8(inputs).U8(outputs);
        Text(name).Zeros(22 - name.size());  // 21-byte name field and the byte after it
        return U16(0x000F).Zeros(16).Zeros(20);
    }
    // An unlinked input link with its flags byte.
    RecordBytes& Link(std::uint8_t flags) { return U16(0).U8(0).U8(flags).Zeros(4); }
    // An output entry without a label.
    RecordBytes& Output(std::uint8_t flags) { return Zeros(8).Zeros(2).U8(0).U8(flags); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace corvane::test
