#pragma once

#include <cstddef>
#include <istream>
#include <span>

namespace corvane {

// What one read from a stream brought.
struct StreamChunk {
    std::size_t size = 0;  // bytes read
    bool failed = false;   // the stream failed: a read error, not its end
};

// Reads up to into.size() bytes straight from the stream's buffer. A read
// error comes back as failed whether the buffer throws it (as a file
// buffer does) or marks the stream bad; no exception leaves.
StreamChunk ReadStreamChunk(std::istream& in, std::span<char> into);

}  // namespace corvane
