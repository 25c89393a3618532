#include "platform/WindowPlacement.h"

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace corvane {

namespace {

constexpr std::string_view kX = "WindowPosX";
constexpr std::string_view kY = "WindowPosY";
constexpr std::string_view kWidth = "WindowPosWidth";
constexpr std::string_view kHeight = "WindowPosHeight";
constexpr std::string_view kMaximized = "WindowPosMaximized";

// A decimal number as far as it goes after blanks and a sign: "120px" is
// 120, "x" is 0; kept within the range of int.
int LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'
               || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{INT_MAX} + 1)
            value = std::int64_t{INT_MAX} + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

std::optional<std::string> ReadString(const SettingsStore& settings, std::string_view keyPath, std::string_view name)
{
    const std::optional<SettingsValue> value = settings.GetValue(keyPath, name);
    if (!value)
        return std::nullopt;
    if (const std::string* text = value->AsString())
        return *text;
    return std::nullopt;
}

}  // namespace

WindowPlacement LoadWindowPlacement(const SettingsStore& settings, std::string_view keyPath)
{
    WindowPlacement placement;
    const std::optional<std::string> x = ReadString(settings, keyPath, kX);
    const std::optional<std::string> y = ReadString(settings, keyPath, kY);
    const std::optional<std::string> width = ReadString(settings, keyPath, kWidth);
    const std::optional<std::string> height = ReadString(settings, keyPath, kHeight);
    const std::optional<std::string> maximized = ReadString(settings, keyPath, kMaximized);
    placement.maximized = maximized && *maximized == "1";
    if (!x || !y || !width || !height) {
        placement.maximized = true;
        return placement;
    }
    const int left = LeadingNumber(*x);
    const int top = LeadingNumber(*y);
    const int w = LeadingNumber(*width);
    const int h = LeadingNumber(*height);
    // A window of no size could not be seen or reached; it opens maximized.
    if (w <= 0 || h <= 0) {
        placement.maximized = true;
        return placement;
    }
    // A rectangle that would end past the largest coordinate is no place either.
    const auto right = static_cast<std::int64_t>(left) + w;
    const auto bottom = static_cast<std::int64_t>(top) + h;
    if (right > INT_MAX || bottom > INT_MAX) {
        placement.maximized = true;
        return placement;
    }
    placement.normal = {left, top, static_cast<int>(right), static_cast<int>(bottom)};
    return placement;
}

SettingsError SaveWindowPlacement(SettingsStore& settings, std::string_view keyPath, const WindowPlacement& placement)
{
    if (SettingsError error = settings.CreateKey(keyPath))
        return error;
    SettingsStore::Batch batch(settings);
    const Rect& r = placement.normal;
    for (const auto& [name, text] : {std::pair{kX, std::to_string(r.left)}, std::pair{kY, std::to_string(r.top)},
             std::pair{kWidth, std::to_string(r.Width())}, std::pair{kHeight, std::to_string(r.Height())},
             std::pair{kMaximized, std::string(placement.maximized ? "1" : "0")}}) {
        if (SettingsError error = settings.SetValue(keyPath, name, SettingsValue::String(text)))
            return error;
    }
    return batch.End();
}

}  // namespace corvane
