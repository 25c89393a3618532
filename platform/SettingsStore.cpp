#include "platform/SettingsStore.h"

#include "base/AtomicFile.h"
#include "base/QuotedPath.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdio.h>  // renameat2

namespace corvane {
namespace {

// How many numbered names are tried for a damaged file before giving up.
constexpr int kMaxSetAsideNumber = 999;


SettingsError Error(SettingsErrorKind kind, std::string message) { return {kind, std::move(message)}; }

// Splits a key path into its names. Returns what is wrong with it, or an
// empty text when it is valid.
std::string SplitKeyPath(std::string_view keyPath, std::vector<std::string_view>& names)
{
    names.clear();
    if (keyPath.empty())
        return {};
    for (std::size_t from = 0;;) {
        const std::size_t to = keyPath.find('\\', from);
        const std::string_view name = keyPath.substr(from, to == std::string_view::npos ? to : to - from);
        if (name.empty())
            return "empty key name in key path '" + std::string(keyPath) + "'";
        if (name.size() > kMaxSettingsKeyName)
            return "key name longer than " + std::to_string(kMaxSettingsKeyName) + " bytes";
        if (names.size() == kMaxSettingsKeyDepth)
            return "key path deeper than " + std::to_string(kMaxSettingsKeyDepth) + " keys";
        names.push_back(name);
        if (to == std::string_view::npos)
            return {};
        from = to + 1;
    }
}

template <typename Key> Key* FindKey(Key& root, std::span<const std::string_view> names)
{
    Key* key = &root;
    for (std::size_t i = 0; i < names.size() && key != nullptr; ++i)
        key = key->FindSubkey(names[i]);
    return key;
}

template <typename Key> Key* FindKey(Key& root, std::string_view keyPath)
{
    std::vector<std::string_view> names;
    if (!SplitKeyPath(keyPath, names).empty())
        return nullptr;
    return FindKey(root, std::span<const std::string_view>(names));
}

// Renames a damaged file to the first free "<name>.damaged[.N]" without
// ever replacing an existing file. Returns the new path, or an error text.
std::pair<std::filesystem::path, std::string> SetAside(const std::filesystem::path& path)
{
    int lastError = 0;
    for (int number = 0; number <= kMaxSetAsideNumber; ++number) {
        std::filesystem::path candidate = path;
        candidate += number == 0 ? std::string(".damaged") : ".damaged." + std::to_string(number);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, candidate.c_str(), RENAME_NOREPLACE) == 0)
            return {candidate, {}};
        lastError = errno;
        if (lastError == EEXIST)
            continue;
        if (lastError != EINVAL && lastError != ENOSYS)
            break;
        // The file system cannot rename without replacing: check first.
        std::error_code ignored;
        if (std::filesystem::exists(std::filesystem::symlink_status(candidate, ignored)))
            continue;
        if (std::rename(path.c_str(), candidate.c_str()) == 0)
            return {candidate, {}};
        lastError = errno;
        break;
    }
    return {{}, lastError == EEXIST ? "too many damaged copies already" : std::generic_category().message(lastError)};
}

}  // namespace

SettingsEnvironment SettingsEnvironment::FromProcess()
{
    const auto get = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    return {get("CORVANE_HOME"), get("XDG_CONFIG_HOME"), get("HOME")};
}

std::filesystem::path DefaultSettingsPath(const SettingsEnvironment& environment)
{
    constexpr const char* kFileName = "settings.ini";
    if (!environment.corvaneHome.empty())
        return std::filesystem::path(environment.corvaneHome) / kFileName;
    const std::filesystem::path xdg(environment.xdgConfigHome);
    if (xdg.is_absolute())
        return xdg / "Tarnwick" / "Corvane" / kFileName;
    if (!environment.home.empty())
        return std::filesystem::path(environment.home) / ".config" / "Tarnwick" / "Corvane" / kFileName;
    return {};
}

SettingsLoadReport SettingsStore::Load(const std::filesystem::path& path)
{
    root_ = {};
    path_.clear();
    unsaved_ = false;

    const FileContents read = ReadWholeFile(path, kMaxSettingsFileBytes);
    std::string damage;
    if (read.error.kind == FileErrorKind::NotFound) {
        path_ = path;
        return {SettingsLoadStatus::Missing, {}, {}};
    }
    if (read.error.kind == FileErrorKind::TooLarge) {
        damage = "larger than " + std::to_string(kMaxSettingsFileBytes) + " bytes";
    } else if (read.error) {
        return {SettingsLoadStatus::Failed,
            "The settings cannot be read (" + read.error.message + "); changes will not be saved.", {}};
    } else {
        SettingsParseResult parsed
            = ParseSettings(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
        if (!parsed.error) {
            root_ = std::move(parsed.root);
            path_ = path;
            return {SettingsLoadStatus::Loaded, {}, {}};
        }
        damage = parsed.error.Describe();
    }

    const auto [setAsidePath, problem] = SetAside(path);
    if (!problem.empty())
        return {SettingsLoadStatus::Failed,
            "The settings file " + QuotedPath(path) + " is damaged (" + damage + ") and cannot be set aside (" + problem
                + "); the settings start empty and changes will not be saved.",
            {}};
    path_ = path;
    return {SettingsLoadStatus::Damaged,
        "The settings file " + QuotedPath(path) + " is damaged (" + damage + "). It was kept as " + QuotedPath(setAsidePath)
            + " and the settings start empty.",
        setAsidePath};
}

bool SettingsStore::KeyExists(std::string_view keyPath) const { return FindKey(root_, keyPath) != nullptr; }

bool SettingsStore::SubkeyExists(std::string_view keyPath, std::string_view subkeyPath) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    return key != nullptr && !subkeyPath.empty() && FindKey(*key, subkeyPath) != nullptr;
}

SettingsError SettingsStore::CreateKey(std::string_view keyPath)
{
    std::vector<std::string_view> names;
    if (std::string problem = SplitKeyPath(keyPath, names); !problem.empty())
        return Error(SettingsErrorKind::BadName, std::move(problem));
    SettingsKey* key = &root_;
    bool created = false;
    for (const std::string_view name : names) {
        SettingsKey* subkey = key->FindSubkey(name);
        if (subkey == nullptr) {
            subkey = &key->subkeys.emplace_back();
            subkey->name = name;
            created = true;
        }
        key = subkey;
    }
    return created ? Changed() : SaveIfDue();
}

SettingsError SettingsStore::DeleteKey(std::string_view keyPath)
{
    std::vector<std::string_view> names;
    if (std::string problem = SplitKeyPath(keyPath, names); !problem.empty())
        return Error(SettingsErrorKind::BadName, std::move(problem));
    if (names.empty())
        return Error(SettingsErrorKind::BadName, "the root key cannot be deleted");
    if (SettingsKey* parent = FindKey(root_, std::span<const std::string_view>(names).first(names.size() - 1))) {
        std::vector<SettingsKey>& siblings = parent->subkeys;
        for (auto it = siblings.begin(); it != siblings.end(); ++it) {
            if (SettingsNamesEqual(it->name, names.back())) {
                siblings.erase(it);
                return Changed();
            }
        }
    }
    return Error(SettingsErrorKind::NoSuchKey, "no key '" + std::string(keyPath) + "'");
}

std::size_t SettingsStore::SubkeyCount(std::string_view keyPath) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    return key != nullptr ? key->subkeys.size() : 0;
}

std::optional<std::string> SettingsStore::SubkeyNameAt(std::string_view keyPath, std::size_t index) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    if (key == nullptr || index >= key->subkeys.size())
        return std::nullopt;
    return key->subkeys[index].name;
}

std::optional<SettingsValue> SettingsStore::GetValue(std::string_view keyPath, std::string_view name) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    const SettingsNamedValue* named = key != nullptr ? key->FindValue(name) : nullptr;
    if (named == nullptr)
        return std::nullopt;
    return named->value;
}

SettingsError SettingsStore::SetValue(std::string_view keyPath, std::string_view name, SettingsValue value)
{
    if (name.size() > kMaxSettingsValueName)
        return Error(
            SettingsErrorKind::BadName, "value name longer than " + std::to_string(kMaxSettingsValueName) + " bytes");
    SettingsKey* key = FindKey(root_, keyPath);
    if (key == nullptr)
        return Error(SettingsErrorKind::NoSuchKey, "no key '" + std::string(keyPath) + "'");
    if (SettingsNamedValue* named = key->FindValue(name)) {
        if (named->value == value)
            return SaveIfDue();
        named->value = std::move(value);
    } else {
        key->values.push_back({std::string(name), std::move(value)});
    }
    return Changed();
}

SettingsError SettingsStore::DeleteValue(std::string_view keyPath, std::string_view name)
{
    SettingsKey* key = FindKey(root_, keyPath);
    if (key == nullptr)
        return Error(SettingsErrorKind::NoSuchKey, "no key '" + std::string(keyPath) + "'");
    for (auto it = key->values.begin(); it != key->values.end(); ++it) {
        if (SettingsNamesEqual(it->name, name)) {
            key->values.erase(it);
            return Changed();
        }
    }
    return Error(
        SettingsErrorKind::NoSuchValue, "no value '" + std::string(name) + "' in key '" + std::string(keyPath) + "'");
}

std::size_t SettingsStore::ValueCount(std::string_view keyPath) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    return key != nullptr ? key->values.size() : 0;
}

std::optional<SettingsNamedValue> SettingsStore::ValueAt(std::string_view keyPath, std::size_t index) const
{
    const SettingsKey* key = FindKey(root_, keyPath);
    if (key == nullptr || index >= key->values.size())
        return std::nullopt;
    return key->values[index];
}

SettingsError SettingsStore::EndBatch()
{
    if (batchDepth_ == 0)
        return {};
    --batchDepth_;
    return SaveIfDue();
}

SettingsError SettingsStore::Batch::End()
{
    SettingsStore* store = std::exchange(store_, nullptr);
    return store != nullptr ? store->EndBatch() : SettingsError{};
}

SettingsError SettingsStore::Save()
{
    if (path_.empty())
        return Error(SettingsErrorKind::SaveFailed, "The settings are not tied to a file and cannot be saved.");
    const std::string text = FormatSettings(root_);
    if (text.size() > kMaxSettingsFileBytes)
        return Error(SettingsErrorKind::SaveFailed,
            "The settings cannot be saved: they would take more than " + std::to_string(kMaxSettingsFileBytes)
                + " bytes.");
    std::error_code error;
    if (const std::filesystem::path folder = path_.parent_path(); !folder.empty()) {
        std::filesystem::create_directories(folder, error);
        if (error)
            return Error(SettingsErrorKind::SaveFailed,
                "The settings cannot be saved: cannot create the folder " + QuotedPath(folder) + ": " + error.message());
    }
    if (const FileError written = WriteFileAtomically(path_, text))
        return Error(SettingsErrorKind::SaveFailed, "The settings cannot be saved: " + written.message);
    unsaved_ = false;
    return {};
}

SettingsError SettingsStore::Changed()
{
    unsaved_ = true;
    return SaveIfDue();
}

SettingsError SettingsStore::SaveIfDue()
{
    if (!unsaved_ || batchDepth_ > 0 || path_.empty())
        return {};
    return Save();
}

}  // namespace corvane
