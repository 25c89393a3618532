#pragma once

#include <filesystem>

namespace corvane {

// Whether the serial device of a USB link is still there: it opens, or it
// is busy or refused to us (open elsewhere, or by this program). A device
// that no longer exists (or whose driver went) is gone.
bool ComPortPresent(const std::filesystem::path& device);

}  // namespace corvane
