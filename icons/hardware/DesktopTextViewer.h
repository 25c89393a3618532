#pragma once

#include "icons/hardware/TextFileViewer.h"

namespace corvane {

// Opens a text file in the desktop's viewer for its type (xdg-open). The
// viewer runs on its own; the program does not wait for it.
class DesktopTextViewer final : public TextFileViewer {
public:
    bool Show(const std::filesystem::path& file) override;
};

}  // namespace corvane
