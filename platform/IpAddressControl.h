#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

// An IP address field: four numbers 0 to 255, each of which may be blank.
// Addresses are held as a << 24 | b << 16 | c << 8 | d for a.b.c.d. The
// user cannot type a number above 255; three digits, a dot or a space move
// on to the next field.
//
// Notifications: Changed when the user edits a field.
class IpAddressControl : public Control {
public:
    using Control::Control;

    // Fills all four fields.
    void SetAddress(std::uint32_t address);
    // The number of fields that are not blank; address gets the value with
    // blank fields as 0.
    int GetAddress(std::uint32_t& address) const;
    void ClearAddress();
    bool IsBlank() const;  // all four fields blank
    // Puts the caret in field 0..3; any other number: the first blank field.
    void SetFieldFocus(int field);

    // "a.b.c.d", blank fields empty; SetText takes the same, a part that is
    // no number from 0 to 255 leaving its field blank.
    void SetText(std::string_view text) override;
    std::string GetText() const override;

    // Strict dotted form: four numbers 0 to 255 of one to three digits.
    static std::optional<std::uint32_t> ParseAddress(std::string_view text);
    static std::string FormatAddress(std::uint32_t address);
};

}  // namespace corvane
