#pragma once

// A settings store holding an e-mail address book: in memory, or tied to a
// file whose folder can be taken away so that every save fails.

#include "ScratchFolder.h"

#include "icons/reporting/EmailAddressBook.h"
#include "platform/SettingsStore.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

class AddressBookStore {
public:
    SettingsStore store;
    EmailAddressBook book{store};

    // Writes values as they stand, one per name, in order.
    void Put(const std::vector<std::pair<std::string, std::string>>& values)
    {
        (void)store.CreateKey(EmailAddressBook::kKey);
        for (const auto& [name, text] : values)
            (void)store.SetValue(EmailAddressBook::kKey, name, SettingsValue::String(text));
    }
    // Four addresses numbered 000 to 003.
    void PutFour()
    {
        Put({{"EmailAddr_000", "ann@a.org"}, {"EmailAddr_001", "bob@b.org"}, {"EmailAddr_002", "cy@c.org"},
            {"EmailAddr_003", "dee@d.org"}});
    }
    // The values of a store's key in order, as name=text.
    static std::vector<std::string> ValuesOf(const SettingsStore& from)
    {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < from.ValueCount(EmailAddressBook::kKey); ++i) {
            const auto value = from.ValueAt(EmailAddressBook::kKey, i);
            const std::string* text = value ? value->value.AsString() : nullptr;
            values.push_back(value->name + "=" + (text != nullptr ? *text : std::string("?")));
        }
        return values;
    }
    std::vector<std::string> Values() const { return ValuesOf(store); }
    // The values as the settings file on disk holds them.
    std::vector<std::string> SavedValues() const
    {
        SettingsStore saved;
        (void)saved.Load(File());
        return ValuesOf(saved);
    }
    // Ties the store to a file in a scratch folder.
    void UseFile()
    {
        std::filesystem::create_directories(File().parent_path());
        (void)store.Load(File());
    }
    // From now on the store cannot save its file: its folder is replaced
    // by a plain file.
    void BreakSaving()
    {
        const auto folder = File().parent_path();
        std::filesystem::remove_all(folder);
        std::ofstream(folder) << "not a folder";
    }

private:
    std::filesystem::path File() const { return scratch_.Path() / "settings" / "corvane.ini"; }

    ScratchFolder scratch_;
};

}  // namespace corvane::test
