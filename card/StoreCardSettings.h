#pragma once

#include "card/CardSettings.h"

#include <string_view>

namespace corvane {

class SettingsStore;

// The settings key of the memory card.
inline constexpr std::string_view kCardSettingsKey = "Software\\Tarnwick\\Corvane\\SDCard";

// The card settings as the settings store holds them. A value that is
// missing or of another type reads as unset. The store must outlive this.
class StoreCardSettings final : public CardSettings {
public:
    explicit StoreCardSettings(const SettingsStore& store) : store_(store) {}

    std::string Drive() const override;
    std::uint32_t OutputSplitLimit() const override;

private:
    const SettingsStore& store_;
};

}  // namespace corvane
