#pragma once

#include "base/FileError.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// Replaces the file at path with bytes so that readers see either the old
// file whole or the new one whole: the bytes go to a new temporary file in
// the same folder, are flushed to the disk, and the temporary file is then
// renamed over the target. On failure the temporary file is removed and the
// old file is left as it was. The folder must exist. An existing file keeps
// its permission bits; a new one gets 0666 less the umask. A symbolic link
// to an existing file is followed, so the file it points to is replaced.
FileError WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

struct FileContents {
    std::vector<std::uint8_t> bytes;
    FileError error;
};

// Reads a whole regular file of at most maxBytes bytes. A missing file is
// reported as FileErrorKind::NotFound, a longer one as TooLarge (never cut
// short); anything that is not a regular file (folder, device, pipe) fails.
FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace corvane
