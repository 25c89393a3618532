#pragma once

// A settings store for the math function library: in memory, or tied to a
// file whose folder can be taken away so that every write fails.

#include "ScratchFolder.h"

#include "icons/function/MathFunctionLibrary.h"
#include "platform/SettingsStore.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::test {

class MathLibraryStore {
public:
    SettingsStore store;

    // Writes values as they stand, one per name.
    void Put(const std::vector<std::pair<std::string, std::string>>& values)
    {
        (void)store.CreateKey(MathFunctionLibrary::kKey);
        for (const auto& [name, text] : values)
            (void)store.SetValue(MathFunctionLibrary::kKey, name, SettingsValue::String(text));
    }
    // The values of the key in order, as name=text.
    std::vector<std::string> Values() const
    {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < store.ValueCount(MathFunctionLibrary::kKey); ++i) {
            const auto value = store.ValueAt(MathFunctionLibrary::kKey, i);
            const std::string* text = value ? value->value.AsString() : nullptr;
            values.push_back(value->name + "=" + (text != nullptr ? *text : std::string("?")));
        }
        return values;
    }
    // Ties the store to a file in a scratch folder.
    void UseFile() { (void)store.Load(Folder() / "corvane.ini"); }
    // From now on the store cannot save its file: its folder is replaced
    // by a plain file.
    void BreakSaving()
    {
        const auto folder = scratch_.Path() / "settings";
        std::filesystem::remove_all(folder);
        std::ofstream(folder) << "not a folder";
    }

private:
    std::filesystem::path Folder() const
    {
        const auto folder = scratch_.Path() / "settings";
        std::filesystem::create_directories(folder);
        return folder;
    }

    ScratchFolder scratch_;
};

}  // namespace corvane::test
