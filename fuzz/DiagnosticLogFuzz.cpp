// Reads arbitrary bytes both as a raw diagnostic log (blocks of records,
// each record's time made into its text) and as a saved diagnostic file
// (lines split into time and description): every input must convert or
// stop cleanly, never read past its end or crash.
#include "data/ConvertDiagnosticLog.h"
#include "data/DiagnosticFileReader.h"
#include "data/DiagnosticLogBlock.h"
#include "data/OutputSink.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The block parser over exactly the input's bytes.
    const std::vector<std::uint8_t> block(data, data + size);
    std::size_t textBytes = 0;
    (void)corvane::ParseDiagnosticBlock(
        block, [&](const corvane::DiagnosticLogRecord& record) { textBytes += record.text.size(); });
    if (textBytes > size)
        __builtin_trap();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::istringstream in(bytes);
        corvane::StringOutputSink out;
        std::uint64_t lastBlock = 0;
        corvane::DiagnosticConvertEvents events;
        events.block = [&](std::uint64_t read) {
            if (read <= lastBlock || read > size)
                __builtin_trap();
            lastBlock = read;
        };
        const corvane::DiagnosticConvertResult result = corvane::ConvertDiagnosticLog(in, out, events);
        if (result.bytesRead != size)
            __builtin_trap();
    }
    {
        std::istringstream in(bytes);
        corvane::DiagnosticFileReader reader(in);
        while (auto row = reader.Next()) {
            if (row->time.size() > corvane::DiagnosticFileReader::kTimeCharacters
                || row->description.size() > corvane::DiagnosticFileReader::kMaxLineCharacters)
                __builtin_trap();
        }
        if (reader.CharactersRead() != size)
            __builtin_trap();
    }
    return 0;
}
