#include "shell/ComboFill.h"

#include "platform/ComboBoxControl.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace corvane {

void FillComboBox(ComboBoxControl& combo, std::span<const std::string_view> strings, int first, int last)
{
    combo.ResetContent();
    if (last < 0)
        return;
    const std::size_t end = std::min(strings.size(), static_cast<std::size_t>(last) + 1);
    for (std::size_t i = static_cast<std::size_t>(std::max(first, 0)); i < end; ++i) {
        if (strings[i].empty())
            return;
        combo.AddString(strings[i]);
    }
}

void FillComboBox(ComboBoxControl& combo, int first, int last)
{
    combo.ResetContent();
    // 64-bit, so a last of INT_MAX still ends.
    for (std::int64_t n = first; n <= last; ++n)
        combo.AddString(std::to_string(n));
}

}  // namespace corvane
