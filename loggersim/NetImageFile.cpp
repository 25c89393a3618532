#include "loggersim/NetImageFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/Crc32.h"

#include <algorithm>

namespace corvane {

namespace {

// A NUL-terminated text of at most size bytes at offset; empty when the
// image ends before the field does.
std::string FixedText(std::span<const std::uint8_t> image, std::size_t offset, std::size_t size)
{
    if (image.size() < offset || image.size() - offset < size)
        return {};
    const auto field = image.subspan(offset, size);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

}  // namespace

NetImageCheck CheckNetImage(std::span<const std::uint8_t> image)
{
    if (image.size() < kSimNetLengthSize + kSimNetCrcSize || image.size() > kSimNetMaxSize)
        return NetImageCheck::BadLength;
    ByteReader reader(image);
    const std::uint32_t length = reader.U32LE("length");
    if (length != image.size())
        return NetImageCheck::BadLength;
    const std::size_t crcOffset = image.size() - kSimNetCrcSize;
    reader.Seek(crcOffset, "crc");
    const std::uint32_t stored = reader.U32BE("crc");
    if (reader.Failed() || stored != Crc32(image.first(crcOffset)))
        return NetImageCheck::BadCrc;
    return NetImageCheck::Good;
}

std::string NetImageName(std::span<const std::uint8_t> image)
{
    return FixedText(image, kSimNetNameOffset, kSimNetNameSize);
}

std::string NetImageDescription(std::span<const std::uint8_t> image)
{
    return FixedText(image, kSimNetDescriptionOffset, kSimNetDescriptionSize);
}

LoadedNetImage LoadNetImage(const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / kNetImageFileName;
    FileContents contents = ReadWholeFile(file, kSimNetMaxSize);
    if (contents.error.kind == FileErrorKind::NotFound)
        return {};
    if (contents.error)
        return {{},
            "The net file " + file.string() + " cannot be read (" + contents.error.message
                + "); the logger has no net."};
    if (CheckNetImage(contents.bytes) != NetImageCheck::Good)
        return {{}, "The net file " + file.string() + " fails its length or CRC check; the logger has no net."};
    return {std::move(contents.bytes), {}};
}

FileError SaveNetImage(const std::filesystem::path& folder, std::span<const std::uint8_t> image)
{
    return WriteFileAtomically(folder / kNetImageFileName, image);
}

}  // namespace corvane
