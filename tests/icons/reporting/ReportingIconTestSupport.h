#pragma once

// A net document whose factory knows the small test icons and the
// reporting icons, and the record helpers of the icon tests.

#include "MiscIconTestSupport.h"
#include "NetDocTestSupport.h"

#include "icons/reporting/RegisterReportingIcons.h"

namespace corvane::test {

inline IconFactory ReportingIconFactory()
{
    IconFactory factory = TestFactory();
    RegisterReportingIcons(factory);
    return factory;
}

class ReportingNetTest : public NetDocTest {
protected:
    ReportingNetTest() { factory = ReportingIconFactory(); }

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
        if (icon == nullptr || doc.LoadIconFromRecord(icon, record, type, subtype, false))
            return nullptr;
        return icon;
    }
};

}  // namespace corvane::test
