#include "shell/CRegistry.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <utility>

namespace corvane {

CRegistry::CRegistry(SettingsStore& store, std::uint32_t flags) : store_(&store), flags_(flags) {}

CRegistry::~CRegistry() { Close(); }

bool CRegistry::Open(std::string_view subkey, std::uint32_t access)
{
    if (hasSubkey_ && !SettingsNamesEqual(subkey_, subkey))
        entries_.clear();
    subkey_ = std::string(subkey);
    hasSubkey_ = true;
    Close();
    std::uint32_t asked = access;
    if ((flags_ & kAutoOpen) != 0)
        asked = kQueryValue | kCreateSubKey;
    else if ((flags_ & kCreate) != 0)
        asked |= kCreateSubKey;
    if (!OpenKey(asked))
        return false;
    return Refresh();
}

bool CRegistry::OpenKey(std::uint32_t access)
{
    open_ = false;
    if ((flags_ & kCreate) != 0) {
        if (store_->CreateKey(subkey_))
            return false;
    } else if (!store_->KeyExists(subkey_)) {
        return false;
    }
    open_ = true;
    access_ = access;
    return true;
}

void CRegistry::Close()
{
    open_ = false;
    access_ = 0;
}

CRegEntry& CRegistry::operator[](std::string_view name)
{
    const auto found = std::find_if(entries_.rbegin(), entries_.rend(),
        [&](const std::unique_ptr<CRegEntry>& entry) { return SettingsNamesEqual(entry->Name(), name); });
    if (found != entries_.rend())
        return **found;
    entries_.push_back(std::make_unique<CRegEntry>(*this, name));
    return *entries_.back();
}

bool CRegistry::Refresh()
{
    if ((flags_ & kAutoOpen) != 0 && hasSubkey_ && !open_)
        (void)OpenKey(kQueryValue);
    if (!open_ || !store_->KeyExists(subkey_))
        return false;
    const std::uint32_t saved = flags_;
    flags_ = (flags_ & ~(kAutoOpen | kLoading)) | kLoading;
    const std::size_t count = store_->ValueCount(subkey_);
    for (std::size_t index = 0; index < count; ++index) {
        const auto value = store_->ValueAt(subkey_, index);
        if (!value)
            continue;
        CRegEntry& entry = (*this)[value->name];
        if (const auto* text = value->value.AsString())
            (void)entry.SetString(*text);
        else if (const auto* bytes = value->value.AsBinary())
            (void)entry.SetBinary(*bytes);
        else if (const auto* number = value->value.AsDword())
            (void)entry.SetDword(*number);
        else if (const auto* strings = value->value.AsMulti())
            (void)entry.SetMultiList(*strings);
    }
    flags_ = saved;
    AutoClose();
    return true;
}

bool CRegistry::KeyExists(const SettingsStore& store, std::string_view subkey) { return store.KeyExists(subkey); }

bool CRegistry::SubKeyExists(std::string_view name)
{
    if (!AutoOpen(kQueryValue))
        return false;
    const bool exists = open_ && store_->SubkeyExists(subkey_, name);
    AutoClose();
    return exists;
}

bool CRegistry::DeleteKey()
{
    if (!hasSubkey_ || subkey_.empty())
        return false;
    const bool deleted = !store_->DeleteKey(subkey_);
    Close();
    return deleted;
}

bool CRegistry::AutoOpen(std::uint32_t access)
{
    if (open_ || (flags_ & kAutoOpen) == 0)
        return open_;
    return hasSubkey_ && OpenKey(access);
}

void CRegistry::AutoClose()
{
    if ((flags_ & kAutoOpen) != 0)
        Close();
}

}  // namespace corvane
