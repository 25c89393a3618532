#include "data/ReadStreamChunk.h"

namespace corvane {

StreamChunk ReadStreamChunk(std::istream& in, std::span<char> into)
{
    StreamChunk chunk;
    std::streambuf* source = in.rdbuf();
    if (source == nullptr) {
        chunk.failed = true;
        return chunk;
    }
    std::streamsize got = 0;
    try {
        got = source->sgetn(into.data(), static_cast<std::streamsize>(into.size()));
    } catch (...) {
        // A file buffer reports a failed read (an I/O error of the disk or
        // of a card pulled out) by throwing.
        chunk.failed = true;
        return chunk;
    }
    chunk.size = got > 0 ? static_cast<std::size_t>(got) : 0;
    chunk.failed = in.bad();
    return chunk;
}

}  // namespace corvane
