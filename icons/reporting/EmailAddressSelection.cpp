#include "icons/reporting/EmailAddressSelection.h"

#include "base/Cp1252.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr char kSeparator = ',';

std::string FormatCount(std::string_view text, std::size_t count)
{
    const std::size_t marker = text.find("%d");
    if (marker == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, marker)) + std::to_string(count) + std::string(text.substr(marker + 2));
}

}  // namespace

EmailAddressSelection::EmailAddressSelection(Mode mode, std::string_view fieldText)
    : mode_(mode), addresses_(Split(fieldText))
{}

std::vector<std::string> EmailAddressSelection::Split(std::string_view fieldText)
{
    std::vector<std::string> addresses;
    while (!fieldText.empty()) {
        const std::size_t end = std::min(fieldText.find(kSeparator), fieldText.size());
        if (end > 0)
            addresses.emplace_back(fieldText.substr(0, end));
        fieldText.remove_prefix(std::min(end + 1, fieldText.size()));
    }
    return addresses;
}

std::string EmailAddressSelection::Join(std::span<const std::string> addresses)
{
    std::string text;
    for (const std::string& address : addresses) {
        if (!text.empty())
            text += kSeparator;
        text += address;
    }
    return text;
}

bool EmailAddressSelection::FitsField(std::span<const std::string> addresses)
{
    return Cp1252Length(Join(addresses)) <= kFieldBytes;
}

EmailAddressSelection::AddResult EmailAddressSelection::Add(std::span<const std::string> highlighted)
{
    if (mode_ == Mode::From && (!addresses_.empty() || highlighted.size() != 1))
        return AddResult::OneFromOnly;
    const auto taken = highlighted.first(std::min(highlighted.size(), kMaxTaken));
    if (mode_ == Mode::To && addresses_.size() + taken.size() > kMaxToAddresses)
        return AddResult::TooManyTo;
    std::vector<std::string> grown = addresses_;
    grown.insert(grown.end(), taken.begin(), taken.end());
    if (!FitsField(grown))
        return AddResult::FieldFull;
    addresses_ = std::move(grown);
    return AddResult::Added;
}

void EmailAddressSelection::Remove(std::span<const int> highlighted)
{
    const auto taken = highlighted.first(std::min(highlighted.size(), kMaxTaken));
    std::vector<int> positions(taken.begin(), taken.end());
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        if (*it >= 0 && static_cast<std::size_t>(*it) < addresses_.size())
            addresses_.erase(addresses_.begin() + *it);
    }
}

std::string EmailAddressSelection::RefusalText(AddResult result) const
{
    switch (result) {
    case AddResult::OneFromOnly: return std::string(kOneFromText);
    case AddResult::TooManyTo: return FormatCount(kTooManyToText, kMaxToAddresses);
    case AddResult::FieldFull:
        return FormatCount(mode_ == Mode::To ? "The 'To' Addresses would exceed the %d characters of the To field"
                                             : "The 'From' Address would exceed the %d characters of the From field",
            kFieldBytes);
    case AddResult::Added: break;
    }
    return {};
}

}  // namespace corvane
