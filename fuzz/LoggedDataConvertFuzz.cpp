// Converts arbitrary bytes as a logged-data stream to each output layout in
// memory: every record kind, cut short anywhere, with any time columns and
// an optional filter, must convert or stop cleanly, never crash.
#include "data/LogRecordReader.h"
#include "data/LoggedDataConverter.h"
#include "data/OutputSink.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const std::string stream(reinterpret_cast<const char*>(data + 1), size - 1);

    struct Layout {
        char delimiter;
        int width;
    };
    for (const Layout layout : {Layout{',', 1}, Layout{'\t', 1}, Layout{' ', 25}}) {
        corvane::ConvertOptions options;
        options.timeColumns = static_cast<corvane::TimeColumns>(choice % 3);
        options.delimiter = layout.delimiter;
        options.columnWidth = layout.width;
        options.totalBytes = (choice & 0x10) != 0 ? 0 : stream.size();
        options.progress = [](int percent) {
            if (percent < 0 || percent > 100)
                __builtin_trap();
        };
        if ((choice & 0x20) != 0)
            options.filter = corvane::ConvertFilter{{1, 2, -1}, 0x10000000u, 0x70000000u};
        if ((choice & 0x40) != 0)
            options.sessionStart = 0xFFFFFFFFu;
        std::istringstream in(stream);
        corvane::StringOutputSink out;
        corvane::LoggedDataConverter converter(std::move(options));
        (void)converter.Convert(in, out);
    }

    // The raw copy is the reader's walk with nothing formatted.
    std::istringstream in(stream);
    corvane::LogRecordReader reader(in, 1 + choice);
    while (reader.Next()) {
    }
    return 0;
}
