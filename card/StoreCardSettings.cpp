#include "card/StoreCardSettings.h"

#include "platform/SettingsStore.h"

namespace corvane {

namespace {

std::uint32_t ReadNumber(const SettingsStore& store, std::string_view name)
{
    const std::optional<SettingsValue> value = store.GetValue(kCardSettingsKey, name);
    const std::uint32_t* number = value ? value->AsDword() : nullptr;
    return number != nullptr ? *number : 0;
}

}  // namespace

std::string StoreCardSettings::Drive() const
{
    const std::optional<SettingsValue> value = store_.GetValue(kCardSettingsKey, "DriveLetter");
    const std::string* text = value ? value->AsString() : nullptr;
    return text != nullptr ? *text : std::string();
}

std::uint32_t StoreCardSettings::OutputSplitLimit() const
{
    if (ReadNumber(store_, "LimitOutputFileSize") == 0)
        return 0;
    return ReadNumber(store_, "OutputFileSizeLimit");
}

}  // namespace corvane
