#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

class SettingsStore;

// The user's e-mail address book in the settings store: one text value per
// address, named "EmailAddr_000", "EmailAddr_001" and so on in list order.
// Reading takes the data of every value of the key, whatever its name, in
// the order the key keeps them.
class EmailAddressBook {
public:
    static constexpr std::string_view kKey = "Software\\Tarnwick\\Corvane\\AddressBook";

    explicit EmailAddressBook(SettingsStore& store) : store_(store) {}

    // Every address in the order of the values (the key is created when
    // missing); values without text are passed over. Nothing when the key
    // cannot be opened.
    std::optional<std::vector<std::string>> Load();
    // Makes the key hold exactly the non-empty addresses, numbered from 000
    // without gaps. The new values are written first and the values left
    // over removed after them, all in one save of the store, so the file
    // always holds a whole address book, the old or the new. false when the
    // store could not keep it (the old book is then still on disk).
    bool Rewrite(std::span<const std::string> addresses);

    // The values the book is stored as: the non-empty addresses in order,
    // each with its name, numbered from 000 without gaps.
    static std::vector<std::pair<std::string, std::string>> NumberAddresses(std::span<const std::string> addresses);
    // "EmailAddr_%03d".
    static std::string ValueName(std::size_t number);

private:
    SettingsStore& store_;
};

}  // namespace corvane
