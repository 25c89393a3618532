#pragma once

#include "card/CardSettings.h"

#include <filesystem>
#include <string_view>
#include <utility>

namespace corvane {

class SettingsStore;

// The settings key of the memory card.
inline constexpr std::string_view kCardSettingsKey = "Software\\Tarnwick\\Corvane\\SDCard";

// The card settings as the settings store holds them, with the work folder
// given. A value that is missing or of another type reads as unset. The
// store must outlive this.
class StoreCardSettings final : public CardSettings {
public:
    StoreCardSettings(const SettingsStore& store, std::filesystem::path workFolder)
        : store_(store), workFolder_(std::move(workFolder))
    {}

    std::string Drive() const override;
    std::uint32_t OutputSplitLimit() const override;
    std::filesystem::path WorkFolder() const override { return workFolder_; }

private:
    const SettingsStore& store_;
    std::filesystem::path workFolder_;
};

}  // namespace corvane
