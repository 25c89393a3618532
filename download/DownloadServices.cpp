#include "download/DownloadServices.h"

#include <fstream>

namespace corvane {

std::unique_ptr<std::ostream> DownloadServices::OpenRawFile(const std::filesystem::path& path)
{
    auto file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!file->is_open())
        return nullptr;
    return file;
}

}  // namespace corvane
