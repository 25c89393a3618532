#pragma once

#include "logger/ReflashFolder.h"

namespace corvane {

class CCorvaneApp;

// The logger firmware folder as the program's folder options keep it
// ("ReflashFileFolder").
class ReflashFolderOptions final : public ReflashFolder {
public:
    explicit ReflashFolderOptions(CCorvaneApp& app) : app_(app) {}

    std::string Folder() const override;
    void KeepFolderOf(std::string_view chosenPath) override;

private:
    CCorvaneApp& app_;
};

}  // namespace corvane
