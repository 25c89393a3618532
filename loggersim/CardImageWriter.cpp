#include "loggersim/CardImageWriter.h"

#include "loggersim/LoggedSessionGenerator.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>

namespace corvane {

namespace {

constexpr std::uint8_t kTypeTimeStamp = 13;

std::string WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return file.fail() ? "cannot write " + path.string() : std::string();
}

std::string DataFileName(std::size_t index)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08zu.vrd", index);
    return name.data();
}

}  // namespace

CardImageWriter::CardImageWriter(std::filesystem::path cardRoot, std::size_t dataFileBytes)
    : root_(std::move(cardRoot)),
      dataFileBytes_(
          dataFileBytes <= kBlockBytes ? kBlockBytes : (dataFileBytes + kBlockBytes - 1) / kBlockBytes * kBlockBytes)
{}

std::string CardImageWriter::HexName(std::uint32_t seconds)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08X", static_cast<unsigned>(seconds));
    return name.data();
}

std::string CardImageWriter::WriteSession(LoggedSessionGenerator& session) const
{
    const std::filesystem::path folder = root_ / "Log" / HexName(session.Plan().startSeconds);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot create " + folder.string() + ": " + error.message();
    if (std::string failed = WriteFile(folder / "HEADER", session.HeadRecords()); !failed.empty())
        return failed;

    // Data files are filled a block at a time; a block that would begin
    // with anything but a time stamp gets the current scan's stamp first.
    std::vector<std::uint8_t> file;
    file.reserve(dataFileBytes_);
    std::size_t fileIndex = 0;
    LoggedSessionGenerator::Record record{};
    while (session.Next(record)) {
        if (file.size() % kBlockBytes == 0 && record[0] != kTypeTimeStamp) {
            const LoggedSessionGenerator::Record& stamp = session.CurrentStamp();
            file.insert(file.end(), stamp.begin(), stamp.end());
        }
        file.insert(file.end(), record.begin(), record.end());
        if (file.size() == dataFileBytes_) {
            if (std::string failed = WriteFile(folder / DataFileName(fileIndex++), file); !failed.empty())
                return failed;
            file.clear();
        }
    }
    if (!file.empty()) {
        if (std::string failed = WriteFile(folder / DataFileName(fileIndex), file); !failed.empty())
            return failed;
    }
    if (session.Plan().stopped)
        return WriteFile(folder / (HexName(session.StopSeconds()) + ".vre"), {});
    return {};
}

}  // namespace corvane
