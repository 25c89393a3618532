#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The folder where the file dialog for logger firmware files starts, kept
// in the program's settings: the folder of the file chosen last.
class ReflashFolder {
public:
    virtual ~ReflashFolder() = default;

    // Ends with a separator, or is empty.
    virtual std::string Folder() const = 0;
    // Keeps the folder of the chosen file.
    virtual void KeepFolderOf(std::string_view chosenPath) = 0;
};

}  // namespace corvane
