// Drives the byte reader and writer with operations chosen by the input
// itself: every read, seek and text field over arbitrary bytes must stay in
// bounds and report, never crash.
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/Cp1252.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    corvane::ByteReader reader(input);
    std::vector<std::uint8_t> out(size / 2);
    corvane::ByteWriter writer(out);

    // Seeks can jump back, so the number of operations is bounded.
    for (int steps = 0; steps < 4096 && !reader.Failed() && reader.Remaining() > 0; ++steps) {
        switch (reader.U8("op") % 10) {
        case 0: writer.U16LE(reader.U16LE("u16le")); break;
        case 1: writer.U32BE(reader.U32BE("u32be")); break;
        case 2: writer.F64LE(reader.F64LE("f64")); break;
        case 3: reader.Seek(reader.U16LE("seek")); break;
        case 4: reader.Skip(reader.U8("skip")); break;
        case 5: writer.Bytes(reader.Bytes(reader.U8("count"), "bytes")); break;
        case 6: {
            const std::string text = corvane::Cp1252ToUtf8(reader.FixedText(reader.U8("length"), "text"));
            const std::string back = corvane::Utf8ToCp1252(text);
            writer.FixedText(back, corvane::Cp1252Length(text), "text");
            break;
        }
        case 7: writer.Seek(reader.U16BE("where")); break;
        case 8: writer.I32LE(reader.I32LE("i32")); break;
        default: writer.Zeros(reader.U8("zeros")); break;
        }
    }
    (void)corvane::Utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(input.data()), input.size()), 16);
    return 0;
}
