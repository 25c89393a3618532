#pragma once

// A net document that knows the function icons, and the expected bytes of
// the gate, latch and comparator records.

#include "ModalDriver.h"
#include "NetDocTestSupport.h"

#include "icons/function/RegisterFunctionIcons.h"
#include "netdoc/IconFactory.h"
#include "platform/ButtonControl.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvane::test {

// A record as placing writes it: the header (no id yet, warning flags
// 0x000F, special-input links clear), the fixed part, clear input links
// and output entries with their flags bytes.
struct ExpectedRecord {
    std::uint16_t type = 0;
    std::string name;
    std::vector<std::uint8_t> fixed;
    int inputs = 0;
    std::uint8_t inputFlags = 0;
    int outputs = 0;
    std::uint8_t outputFlags = 0;
    std::uint16_t x = 92;  // a drop at (100, 100) grows by 8 on every side
    std::uint16_t y = 92;

    std::vector<std::uint8_t> Bytes() const
    {
        std::vector<std::uint8_t> out;
        const auto u16 = [&](std::uint16_t v) {
            out.push_back(static_cast<std::uint8_t>(v & 0xFF));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        u16(0);  // length, set below
        u16(0);  // unique id
        u16(type);
        u16(x);
        u16(y);
        out.push_back(static_cast<std::uint8_t>(inputs));
        out.push_back(static_cast<std::uint8_t>(outputs));
        std::string field = name;
        field.resize(22, '\0');  // 21-byte name and the unused byte 33
        out.insert(out.end(), field.begin(), field.end());
        u16(0x000F);
        out.resize(72, 0);  // trigger and enable links, reserved words
        out.insert(out.end(), fixed.begin(), fixed.end());
        for (int i = 0; i < inputs; ++i) {
            const std::vector<std::uint8_t> link{0, 0, 0, inputFlags, 0, 0, 0, 0};
            out.insert(out.end(), link.begin(), link.end());
        }
        for (int i = 0; i < outputs; ++i) {
            std::vector<std::uint8_t> entry(12, 0);
            entry[11] = outputFlags;
            out.insert(out.end(), entry.begin(), entry.end());
        }
        if (out.size() % 2 != 0)
            out.push_back(0);
        out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
        out[1] = static_cast<std::uint8_t>(out.size() >> 8);
        return out;
    }
};

inline std::vector<std::uint8_t> Saved(CCorvaneIcon& icon, TransferMode mode = TransferMode::Save)
{
    auto stored = icon.StoreRecord(mode);
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(stored));
    return std::get<std::vector<std::uint8_t>>(stored);
}

inline void PutU16(std::vector<std::uint8_t>& record, std::size_t offset, std::uint16_t value)
{
    record.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    record.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

// The net document of the tests with the real function icon classes.
class LogicIconNetTest : public NetDocTest {
protected:
    LogicIconNetTest() { RegisterFunctionIcons(factory); }

    // Makes an icon from a stored record the way opening a net does; null
    // when the factory or the record refuses it.
    std::unique_ptr<CCorvaneIcon> Load(std::span<const std::uint8_t> record)
    {
        const std::uint16_t type = static_cast<std::uint16_t>((record[4] | (record[5] << 8)) & 0x0FFF);
        const std::uint16_t subtype = SubtypeFromRecord(record, type);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, subtype);
        if (!icon)
            return nullptr;
        if (doc.LoadIconFromRecord(icon, record, type, subtype, false))
            return nullptr;
        return icon;
    }

    // Runs an icon's dialog with drive acting on it while it is open;
    // true when it ended with OK.
    template <class DialogType> bool RunDialog(CCorvaneIcon& icon, const std::function<void(DialogType&)>& drive)
    {
        std::unique_ptr<IconDialog> made = icon.CreateIconDialog();
        auto* dialog = dynamic_cast<DialogType*>(made.get());
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        ModalDriver driver(*dialog, [&] { drive(*dialog); });
        return made->RunModal();
    }

    static void Click(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
    static std::string Text(const Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
    static int Checked(const Dialog& dialog, int id) { return dialog.GetControlAs<ButtonControl>(id)->GetCheck(); }
};

}  // namespace corvane::test
