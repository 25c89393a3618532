#include "icons/reporting/EmailAddressBook.h"

#include "platform/SettingsStore.h"
#include "shell/CRegistry.h"

#include <algorithm>
#include <cstdio>

namespace corvane {

std::string EmailAddressBook::ValueName(std::size_t number)
{
    char name[32];
    std::snprintf(name, sizeof name, "EmailAddr_%03zu", number);
    return name;
}

std::vector<std::pair<std::string, std::string>> EmailAddressBook::NumberAddresses(
    std::span<const std::string> addresses)
{
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& address : addresses) {
        if (!address.empty())
            values.emplace_back(ValueName(values.size()), address);
    }
    return values;
}

std::optional<std::vector<std::string>> EmailAddressBook::Load()
{
    CRegistry key(store_, CRegistry::kCreate);
    if (!key.Open(kKey, CRegistry::kQueryValue))
        return std::nullopt;
    std::vector<std::string> addresses;
    addresses.reserve(key.Count());
    for (std::size_t i = 0; i < key.Count(); ++i) {
        std::string address = key.At(i).GetString();
        if (!address.empty())
            addresses.push_back(std::move(address));
    }
    return addresses;
}

bool EmailAddressBook::Rewrite(std::span<const std::string> addresses)
{
    const auto values = NumberAddresses(addresses);
    SettingsStore::Batch batch(store_);
    if (store_.CreateKey(kKey))
        return false;
    bool written = true;
    const auto write = [&](std::size_t from) {
        for (std::size_t i = from; i < values.size(); ++i)
            written = !store_.SetValue(kKey, values[i].first, SettingsValue::String(values[i].second)) && written;
    };
    write(0);
    // Values that are not part of the new book: the end of a longer old
    // book, or values put there by another hand.
    const auto isNew = [&](const std::string& name) {
        return std::any_of(
            values.begin(), values.end(), [&](const auto& value) { return SettingsNamesEqual(value.first, name); });
    };
    for (std::size_t index = store_.ValueCount(kKey); index-- > 0;) {
        const auto value = store_.ValueAt(kKey, index);
        if (value && !isNew(value->name))
            written = !store_.DeleteValue(kKey, value->name) && written;
    }
    // A value kept at its old place keeps that place and the spelling of its
    // name; when one stands out of turn (a key arranged by another hand),
    // the values from there on are written again, in order, at the end.
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = store_.ValueAt(kKey, i);
        if (value && value->name == values[i].first)
            continue;
        for (std::size_t j = i; j < values.size(); ++j)
            (void)store_.DeleteValue(kKey, values[j].first);
        write(i);
        break;
    }
    return !batch.End() && written;
}

}  // namespace corvane
