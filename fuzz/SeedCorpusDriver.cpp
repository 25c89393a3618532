// Runs a fuzz entry point over every file of a seed-corpus folder, so the
// normal test build compiles and exercises each entry point.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed-corpus-folder>\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::directory_iterator folder(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot read %s: %s\n", argv[1], error.message().c_str());
        return 2;
    }
    int count = 0;
    for (const auto& entry : folder) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Each seed also runs cut short at every length up to 64 bytes, so
        // truncated inputs are covered without listing them.
        for (std::size_t length = 0; length < bytes.size() && length < 64; ++length) {
            std::vector<std::uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
            LLVMFuzzerTestOneInput(prefix.data(), prefix.size());
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++count;
    }
    std::printf("%d seed inputs ran\n", count);
    return count > 0 ? 0 : 1;
}
