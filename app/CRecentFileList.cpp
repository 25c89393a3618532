#include "app/CRecentFileList.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace corvane {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
        return lower(x) == lower(y);
    });
}

std::string EntryName(std::size_t index) { return "file" + std::to_string(index); }

}  // namespace

CRecentFileList::CRecentFileList(std::string sectionKey) : sectionKey_(std::move(sectionKey)) {}

void CRecentFileList::Load(const SettingsStore& store)
{
    for (std::size_t index = 0; index < kSlots; ++index) {
        slots_[index].clear();
        const auto value = store.GetValue(sectionKey_, EntryName(index));
        if (!value) {
            continue;
        }
        const std::string* text = value->AsString();
        if (text != nullptr && !text->empty() && text->size() <= kMaxPathBytes
            && text->find('\0') == std::string::npos) {
            slots_[index] = *text;
        }
    }
}

void CRecentFileList::Save(SettingsStore& store) const
{
    if (std::all_of(slots_.begin(), slots_.end(), [](const std::string& slot) { return slot.empty(); })) {
        return;
    }
    SettingsStore::Batch batch(store);
    if (store.CreateKey(sectionKey_)) {
        return;
    }
    for (std::size_t index = 0; index < kSlots; ++index) {
        if (!slots_[index].empty()) {
            (void)store.SetValue(sectionKey_, EntryName(index), SettingsValue::String(slots_[index]));
        }
    }
}

bool CRecentFileList::Add(std::string_view path)
{
    if (path.empty() || path.size() > kMaxPathBytes || path.find('\0') != std::string_view::npos) {
        return false;
    }
    for (const std::string& slot : slots_) {
        if (EqualsIgnoringCase(slot, path)) {
            return false;
        }
    }
    std::move_backward(slots_.begin(), slots_.end() - 1, slots_.end());
    slots_[0] = std::string(path);
    return true;
}

std::vector<std::string> CRecentFileList::MenuEntries() const
{
    std::vector<std::string> entries;
    for (const std::string& slot : slots_) {
        std::error_code error;
        if (!slot.empty() && std::filesystem::exists(slot, error)) {
            entries.push_back(slot);
        }
    }
    return entries;
}

}  // namespace corvane
