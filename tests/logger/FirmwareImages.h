#pragma once

// Logger firmware files for the reflash tests, written under the test
// program's output folder.
#include "logger/LoggerFirmwareFile.h"
#include "tests/platform/TestOutput.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace corvane::test {

// An image of length bytes, each byte its offset's low byte, with the
// version type.1.2.3 where the image reaches it.
inline std::vector<std::uint8_t> FirmwareImage(std::size_t length, std::uint8_t type = 3)
{
    std::vector<std::uint8_t> image(length);
    for (std::size_t i = 0; i < length; ++i)
        image[i] = static_cast<std::uint8_t>(i * 7);
    const std::uint8_t version[] = {type, 1, 2, 3};
    for (std::size_t i = 0; i < 4; ++i)
        if (LoggerFirmwareFile::kVersionOffset + i < length)
            image[LoggerFirmwareFile::kVersionOffset + i] = version[i];
    return image;
}

inline std::filesystem::path WriteFirmwareFile(std::string_view name, const std::vector<std::uint8_t>& image)
{
    const std::filesystem::path path = OutputFile(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return path;
}

}  // namespace corvane::test
