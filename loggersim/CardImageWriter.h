#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace corvane {

class LoggedSessionGenerator;

// Writes simulated sessions as a logger leaves them on its memory card:
//
//   <card>/Log/<session>/HEADER       unit header and point definitions
//   <card>/Log/<session>/00000000.vrd data records, 00000001.vrd, ...
//   <card>/Log/<session>/<stop>.vre   only once the session has stopped
//
// <session> and <stop> are the start and stop seconds as 8 hexadecimal
// digits. Data files are made of 4096-byte blocks and every block begins
// with a time stamp record: when a block would begin inside a scan, the
// scan's time stamp is written again there.
class CardImageWriter {
public:
    static constexpr std::size_t kBlockBytes = 4096;
    static constexpr std::size_t kDataFileBytes = 32768;

    // dataFileBytes is rounded up to whole blocks.
    explicit CardImageWriter(std::filesystem::path cardRoot, std::size_t dataFileBytes = kDataFileBytes);

    // The session's folder, created with its files; empty on success,
    // otherwise what failed.
    std::string WriteSession(LoggedSessionGenerator& session) const;

    // The 8 hexadecimal digits that name a session or its stop file.
    static std::string HexName(std::uint32_t seconds);

private:
    std::filesystem::path root_;
    std::size_t dataFileBytes_;
};

}  // namespace corvane
