#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The addresses chosen for the To or the From field of an e-mail message,
// as the address selection edits them: the field's text cut at each ",",
// addresses added from the address book and removed again, and joined back
// into the field's text. 'To' holds at most 15 addresses, 'From' one, and
// the joined text never outgrows the field (256 Windows-1252 bytes).
class EmailAddressSelection {
public:
    enum class Mode { From = 0, To = 1 };
    enum class AddResult {
        Added,
        OneFromOnly,  // 'From' holds an address already, or not exactly one was highlighted
        TooManyTo,    // 'To' would hold more than kMaxToAddresses
        FieldFull,    // the joined text would not fit the field
    };

    static constexpr std::size_t kMaxToAddresses = 15;
    // Of the highlighted entries, at most this many are added or removed at once.
    static constexpr std::size_t kMaxTaken = 15;
    // The To and From fields of the e-mail icon, in Windows-1252 bytes.
    static constexpr std::size_t kFieldBytes = 256;

    static constexpr std::string_view kOneFromText = "Only one 'From' Address is allowed";
    static constexpr std::string_view kTooManyToText = "Only %d 'To' Addresses are Allowed";

    // The addresses of the field's text; empty pieces (a leading, trailing
    // or doubled ",") are left out.
    EmailAddressSelection(Mode mode, std::string_view fieldText);

    Mode GetMode() const { return mode_; }
    const std::vector<std::string>& Addresses() const { return addresses_; }

    // Adds the highlighted address book entries at the end, or nothing
    // when the result says why not.
    AddResult Add(std::span<const std::string> highlighted);
    // Removes the entries at those positions (ascending; the first
    // kMaxTaken are taken).
    void Remove(std::span<const int> highlighted);

    // The field's new text: the addresses joined with ",".
    std::string FieldText() const { return Join(addresses_); }
    // The message that refuses an add; empty for Added.
    std::string RefusalText(AddResult result) const;

    static std::vector<std::string> Split(std::string_view fieldText);
    static std::string Join(std::span<const std::string> addresses);
    // Whether the joined addresses fit the field.
    static bool FitsField(std::span<const std::string> addresses);

private:
    Mode mode_;
    std::vector<std::string> addresses_;
};

}  // namespace corvane
