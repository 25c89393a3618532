#pragma once

#include <filesystem>

namespace corvane {

// Shows a text file to the user in a viewer outside the program. The
// program's viewer is DesktopTextViewer; tests give one that records.
class TextFileViewer {
public:
    virtual ~TextFileViewer() = default;
    // False when no viewer could be started.
    virtual bool Show(const std::filesystem::path& file) = 0;
};

}  // namespace corvane
