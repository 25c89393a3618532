#include "app/ReflashFolderOptions.h"

#include "app/CCorvaneApp.h"
#include "app/CFolderOptions.h"

namespace corvane {

std::string ReflashFolderOptions::Folder() const
{
    const CFolderOptions* folders = app_.FolderOptions();
    return folders != nullptr ? folders->MakeReflashFilePath("") : std::string();
}

void ReflashFolderOptions::KeepFolderOf(std::string_view chosenPath)
{
    if (CFolderOptions* folders = app_.FolderOptions())
        folders->SetReflashFileFolder(chosenPath);
}

}  // namespace corvane
