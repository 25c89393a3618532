#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

class CNetDoc;

// What the function icons of this folder share beyond the icon base: a
// loaded icon takes its caption from the record's name, and the icon finds
// the net document it belongs to (for the Program icon's settings and the
// document's notices).
class CFunctionIcon : public CCorvaneIcon {
public:
    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;

    // The net document holding the icon, or null while it is in none.
    CNetDoc* NetDocument() const;
    // True when the net runs on a battery-powered logger: the Program
    // icon's net option byte has its low three bits clear. A net without a
    // Program icon asks no battery questions.
    bool IsBatteryPoweredNet() const;

protected:
    CFunctionIcon() = default;
    explicit CFunctionIcon(const Rect& position) : CCorvaneIcon(position) {}
};

}  // namespace corvane
