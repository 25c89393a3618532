#pragma once

#include "shell/CRegEntry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class SettingsStore;

// One key of the settings store (paths below the store's root, such as
// "Software\Tarnwick\Corvane\Admin") with its values cached as entries in
// the order they were first named or read. Not thread-safe.
class CRegistry {
public:
    // Flag word of the constructor.
    static constexpr std::uint32_t kCreate = 1;         // create the key when opening it if missing
    static constexpr std::uint32_t kAutoOpen = 2;       // open and close the key around each access
    static constexpr std::uint32_t kRefreshOnRead = 4;  // re-read all values before each read
    static constexpr std::uint32_t kLoading = 8;        // set while values are read in: writes are suppressed

    // Access asked of Open.
    static constexpr std::uint32_t kQueryValue = 1;
    static constexpr std::uint32_t kSetValue = 2;
    static constexpr std::uint32_t kCreateSubKey = 4;
    static constexpr std::uint32_t kReadWrite = kQueryValue | kSetValue;

    explicit CRegistry(SettingsStore& store, std::uint32_t flags = 0);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // Opens (under kCreate: creates) the key and reads its values. Opening
    // a different key drops the entries cached from the previous one.
    bool Open(std::string_view subkey, std::uint32_t access = kReadWrite);
    // Closes the key; the cached entries stay.
    void Close();
    bool IsOpen() const { return open_; }

    // The entry of that name (ASCII case ignored), appended empty when missing.
    CRegEntry& operator[](std::string_view name);
    // Entries by position, in cache order.
    std::size_t Count() const { return entries_.size(); }
    CRegEntry& At(std::size_t index) { return *entries_.at(index); }

    // Re-reads every value of the key into entries; false when the key
    // cannot be read.
    bool Refresh();

    static bool KeyExists(const SettingsStore& store, std::string_view subkey);
    bool SubKeyExists(std::string_view name);
    // Deletes the key with all its subkeys and values, then closes it.
    bool DeleteKey();

    std::uint32_t Flags() const { return flags_; }
    const std::string& SubKey() const { return subkey_; }
    SettingsStore& Store() const { return *store_; }

    // For the entries: whether a read or write may reach the key now
    // (reopening it under kAutoOpen), and the matching close.
    bool AutoOpen(std::uint32_t access);
    void AutoClose();
    bool Loading() const { return (flags_ & kLoading) != 0; }
    bool CanWrite() const { return open_ && (access_ & kSetValue) != 0; }

private:
    bool OpenKey(std::uint32_t access);

    SettingsStore* store_;
    std::uint32_t flags_;
    std::string subkey_;
    bool hasSubkey_ = false;
    bool open_ = false;
    std::uint32_t access_ = 0;
    std::vector<std::unique_ptr<CRegEntry>> entries_;
};

}  // namespace corvane
