#include "shell/RangeChecks.h"

#include "base/NoticeSink.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <cstdio>

namespace corvane {

namespace {

constexpr std::string_view kNoticeCaption = "Warning";

void TellNotice(NoticeSink* notices, const std::string& text)
{
    if (notices != nullptr)
        notices->ShowNotice(text, kNoticeCaption, NoticeStyle::Warning);
}

// Floor division by 5, so negative values round like positive ones.
std::int64_t NearestMultipleOf5(std::int64_t value)
{
    std::int64_t shifted = value + 2;
    std::int64_t quotient = shifted / 5;
    if (shifted % 5 < 0)
        --quotient;
    return quotient * 5;
}

}  // namespace

bool CheckRangeUnsigned(
    WindowHandle owner, std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum, std::string_view name)
{
    if (value >= minimum && value <= maximum)
        return true;
    MessageBoxRequest request;
    request.owner = owner;
    request.text
        = std::string(name) + " must be between " + std::to_string(minimum) + " and " + std::to_string(maximum);
    request.caption = std::string(kConfigurationErrorCaption);
    request.buttons = MessageBoxButtons::Ok;
    request.icon = MessageBoxIcon::Warning;
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

std::string FormatRoundingNotice(std::int32_t value)
{
    return "Rounding " + std::to_string(value) + " to the nearest 5 ms";
}

std::string FormatRangeNotice(std::int32_t requested, std::int32_t minimum, std::int32_t maximum)
{
    return "Requested number (" + std::to_string(requested) + ") was automatically changed to be between "
        + std::to_string(minimum) + " and " + std::to_string(maximum);
}

void ClampToRange(std::int32_t& value, std::int32_t minimum, std::int32_t maximum, bool roundTo5Ms, NoticeSink* notices)
{
    const std::int32_t entry = value;
    bool changed = false;
    if (value < minimum) {
        value = minimum;
        changed = true;
    } else if (value > maximum) {
        value = maximum;
        changed = true;
    }
    if (roundTo5Ms && value % 5 != 0) {
        TellNotice(notices, FormatRoundingNotice(value));
        std::int64_t rounded = NearestMultipleOf5(value);
        // Stay within the range (and within 32 bits) when a multiple of 5 lies there.
        const std::int64_t low = minimum <= maximum ? minimum : maximum;
        const std::int64_t high = minimum <= maximum ? maximum : minimum;
        if (rounded > high && rounded - 5 >= low)
            rounded -= 5;
        else if (rounded < low && rounded + 5 <= high)
            rounded += 5;
        if (rounded >= INT32_MIN && rounded <= INT32_MAX)
            value = static_cast<std::int32_t>(rounded);
    }
    if (changed)
        TellNotice(notices, FormatRangeNotice(entry, minimum, maximum));
}

}  // namespace corvane
