#pragma once

#include "platform/SettingsFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The environment values that choose the settings file; empty when unset.
struct SettingsEnvironment {
    std::string corvaneHome;    // CORVANE_HOME
    std::string xdgConfigHome;  // XDG_CONFIG_HOME
    std::string home;           // HOME

    static SettingsEnvironment FromProcess();
};

// $CORVANE_HOME/settings.ini when set; otherwise
// $XDG_CONFIG_HOME/Tarnwick/Corvane/settings.ini when that is an absolute
// path (the XDG rules ignore relative ones); otherwise
// $HOME/.config/Tarnwick/Corvane/settings.ini. Empty when none is set.
std::filesystem::path DefaultSettingsPath(const SettingsEnvironment& environment);

// A settings file larger than this is treated as damaged, and a save that
// would produce one is refused.
constexpr std::size_t kMaxSettingsFileBytes = std::size_t{16} << 20;

enum class SettingsErrorKind { None, BadName, NoSuchKey, NoSuchValue, SaveFailed };

struct [[nodiscard]] SettingsError {
    SettingsErrorKind kind = SettingsErrorKind::None;
    std::string message;

    explicit operator bool() const { return kind != SettingsErrorKind::None; }
};

enum class SettingsLoadStatus {
    Loaded,   // the file was read
    Missing,  // no file yet: the store starts empty, the first change creates it
    Damaged,  // the file did not parse or was too large: set aside, the store starts empty
    Failed,   // the file could not be read or set aside: the store starts empty and saves nothing
};

struct [[nodiscard]] SettingsLoadReport {
    SettingsLoadStatus status = SettingsLoadStatus::Loaded;
    std::string message;                 // for the user; empty when Loaded or Missing
    std::filesystem::path setAsidePath;  // where a damaged file went
};

// The program's settings in place of the registry. The root key stands for
// HKEY_CURRENT_USER, so keys carry their full registry path, such as
// "Software\Tarnwick\Corvane\Admin": names separated by single backslashes,
// the empty path being the root. Key and value names compare without
// regard to ASCII case and keep their first spelling; keys and values keep
// the order they were created in.
//
// Each change is saved at once, the whole file written atomically, unless a
// batch is open; then the changes are saved together when the outermost
// batch ends. A failed save keeps the change in memory, returns
// SaveFailed and is tried again with the next change, batch end or Save().
// A store that was not loaded from a file keeps its changes in memory only.
// Not thread-safe: used from one thread.
class SettingsStore {
public:
    // Empty and not tied to a file until Load. Not copyable: two copies
    // would overwrite each other's file.
    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;
    SettingsStore(SettingsStore&&) = default;
    SettingsStore& operator=(SettingsStore&&) = default;

    // Replaces the contents with the file's. A damaged file is renamed to
    // "<name>.damaged" (or ".damaged.1", ".damaged.2", ... when that is
    // taken) and never written over.
    SettingsLoadReport Load(const std::filesystem::path& path);
    const std::filesystem::path& Path() const { return path_; }

    bool KeyExists(std::string_view keyPath) const;
    // Whether the key has a subkey of that name (or relative path).
    bool SubkeyExists(std::string_view keyPath, std::string_view subkeyPath) const;
    // Creates the key and any missing parents; an existing key is no error.
    SettingsError CreateKey(std::string_view keyPath);
    // Deletes the key with all its subkeys and values; not the root.
    SettingsError DeleteKey(std::string_view keyPath);
    // Subkeys by position; 0 and nullopt for a missing key.
    std::size_t SubkeyCount(std::string_view keyPath) const;
    std::optional<std::string> SubkeyNameAt(std::string_view keyPath, std::size_t index) const;

    std::optional<SettingsValue> GetValue(std::string_view keyPath, std::string_view name) const;
    // Sets a value of an existing key: a new name is appended; an existing
    // one takes the new type and value at its old position and spelling.
    // Names are at most kMaxSettingsValueName bytes; the empty name is the
    // key's default value.
    SettingsError SetValue(std::string_view keyPath, std::string_view name, SettingsValue value);
    SettingsError DeleteValue(std::string_view keyPath, std::string_view name);
    // Values by position; 0 and nullopt for a missing key.
    std::size_t ValueCount(std::string_view keyPath) const;
    std::optional<SettingsNamedValue> ValueAt(std::string_view keyPath, std::size_t index) const;

    // Batches nest; the outermost EndBatch saves what changed.
    void BeginBatch() { ++batchDepth_; }
    SettingsError EndBatch();

    // Keeps a batch open for its lifetime. End() reports the save; when the
    // guard ends the batch itself, a failed save stays pending
    // (HasUnsavedChanges) for the next change or Save().
    class Batch {
    public:
        explicit Batch(SettingsStore& store) : store_(&store) { store.BeginBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch()
        {
            if (store_ != nullptr)
                (void)store_->EndBatch();
        }
        SettingsError End();

    private:
        SettingsStore* store_;
    };

    // Writes the whole file now, batch or not.
    SettingsError Save();
    bool HasUnsavedChanges() const { return unsaved_; }

    const SettingsKey& Root() const { return root_; }

private:
    SettingsError Changed();
    SettingsError SaveIfDue();

    SettingsKey root_;
    std::filesystem::path path_;  // empty when not tied to a file
    int batchDepth_ = 0;
    bool unsaved_ = false;
};

}  // namespace corvane
