// Renders arbitrary bytes as a memory-card session: the input is a choice
// byte, a 16-bit little-endian length of "HEADER", the "HEADER" bytes and
// then the bytes of one ".vrd" data file, written to a fresh temporary
// folder. Every output mode must end, with any buffer size, time columns,
// range and channel list, and never crash or hang.
#include "data/LoggedDataRenderer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Input layout: choice, header length (u16 little-endian), header, data.
constexpr std::size_t kChoice = 0;
constexpr std::size_t kHeaderLength = 1;
constexpr std::size_t kHeaderStart = 3;
// No rendering of these inputs needs more reads than this; more is a hang.
constexpr int kMaxReads = 1 << 22;

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void RenderEachMode(const std::filesystem::path& folder, std::uint8_t choice)
{
    for (const char mode :
        {',', '\t', corvane::logrender::kModePadded, corvane::logrender::kModeHtml, corvane::logrender::kModeBinary}) {
        corvane::LoggedDataRenderOptions options;
        options.mode = mode;
        options.timeColumns = static_cast<corvane::TimeColumns>(choice % 3);
        if ((choice & 0x10) != 0) {
            options.startTime = 0x10000000u;
            options.startTicks = 100;
            options.stopTime = 0x70000000u;
            options.stopTicks = 199;
        }
        if ((choice & 0x20) != 0)
            options.channels = std::vector<std::uint16_t>{0, 1, 2, 4095};
        corvane::LoggedDataContext context;
        if (corvane::LoggedDataOpen(context, folder, options) != 0)
            __builtin_trap();
        std::vector<char> buffer(1 + (choice >> 6) * 97u);
        std::string output;
        int n = 0;
        int reads = 0;
        while ((n = corvane::LoggedDataRead(context, buffer)) > 0) {
            if (++reads > kMaxReads || static_cast<std::size_t>(n) > buffer.size())
                __builtin_trap();
            output.append(buffer.data(), static_cast<std::size_t>(n));
        }
        // The header lines, when known, are how the text output begins.
        if (const auto header = corvane::LoggedDataHeaderLines(context))
            if (output.compare(0, header->size(), *header) != 0)
                __builtin_trap();
        if (corvane::LoggedDataRead(context, buffer) != n)
            __builtin_trap();  // the end stays the end
        (void)corvane::LoggedDataClose(context);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeaderStart)
        return 0;
    const std::uint8_t choice = data[kChoice];
    const std::size_t headerLength = std::min<std::size_t>(
        size - kHeaderStart, static_cast<std::size_t>(data[kHeaderLength] | (data[kHeaderLength + 1] << 8)));

    char pattern[] = "/tmp/corvane-render-fuzz-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        return 0;
    const std::filesystem::path folder = pattern;
    WriteFile(folder / "HEADER", data + kHeaderStart, headerLength);
    WriteFile(folder / "00000000.vrd", data + kHeaderStart + headerLength, size - kHeaderStart - headerLength);
    RenderEachMode(folder, choice);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
