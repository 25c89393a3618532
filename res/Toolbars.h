#pragma once

#include "platform/ToolBarTemplate.h"

#include <span>

namespace corvane::res {

// The main frame's toolbars. Each strip of button pictures is registered
// in the bitmap catalogue under the toolbar's own id, one kToolbarButtonSize
// picture per button, on the magenta transparent colour.
inline constexpr Size kToolbarButtonSize{16, 16};

std::span<const ToolBarTemplate> Toolbars();
// The toolbar of an id, or null.
const ToolBarTemplate* FindToolbar(int id);
// The number of buttons, separators left out.
int ButtonCount(const ToolBarTemplate& toolbar);

}  // namespace corvane::res
