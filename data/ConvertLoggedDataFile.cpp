#include "data/ConvertLoggedDataFile.h"

#include "data/AtomicOutputFile.h"
#include "data/ReadStreamChunk.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace corvane {
namespace {

constexpr std::size_t kCopyChunk = std::size_t{64} * 1024;

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

ConvertResult CopyLoggedData(
    std::istream& in, OutputSink& out, std::uint64_t totalBytes, const std::function<void(int)>& progress)
{
    ConvertResult result;
    std::vector<char> chunk(kCopyChunk);
    std::uint64_t copied = 0;
    for (;;) {
        const StreamChunk got = ReadStreamChunk(in, chunk);
        if (got.size > 0) {
            if (!out.Write(std::string_view(chunk.data(), got.size))) {
                result.message = "The converted data could not be written.";
                return result;
            }
            copied += got.size;
            if (progress && totalBytes > 0)
                progress(static_cast<int>(std::min<std::uint64_t>(100, copied * 100 / totalBytes)));
        }
        if (got.failed) {
            result.readFailedAt = copied;
            result.message = "The logged data could not be read at offset " + std::to_string(copied) + ".";
            return result;
        }
        if (got.size == 0)
            break;
    }
    result.ok = true;
    return result;
}

std::optional<OutputType> OutputTypeFromPath(const std::filesystem::path& path)
{
    const std::string extension = LowerAscii(path.extension().string());
    if (extension == ".csv")
        return OutputType::Csv;
    if (extension == ".tsv")
        return OutputType::Tsv;
    if (extension == ".txt")
        return OutputType::Txt;
    if (extension == ".xid")
        return OutputType::Xid;
    return std::nullopt;
}

TextLayout LayoutOfType(OutputType type)
{
    switch (type) {
    case OutputType::Tsv: return {'\t', 1};
    case OutputType::Txt: return {' ', 25};
    default: return {',', 1};
    }
}

ConvertResult ConvertLoggedDataFile(const FileConvertRequest& request)
{
    ConvertResult result;
    const std::optional<OutputType> type = OutputTypeFromPath(request.output);
    if (!type) {
        std::string extension = request.output.extension().string();
        if (!extension.empty())
            extension.erase(0, 1);
        result.message = "Unknown output file type \"" + extension + ".\"";
        return result;
    }
    std::error_code kindError;
    std::ifstream in;
    if (std::filesystem::is_regular_file(request.input, kindError))
        in.open(request.input, std::ios::binary);
    if (!in.is_open()) {
        result.message = "Can't open '" + request.input.string() + "'";
        return result;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(request.input, sizeError);
    const std::uint64_t total = sizeError ? 0 : static_cast<std::uint64_t>(size);

    // Converting a file onto itself replaces it; it is then not removed.
    std::error_code sameError;
    const bool outputIsInput = std::filesystem::equivalent(request.input, request.output, sameError);

    AtomicOutputFile out;
    if (const FileError error = out.Open(request.output)) {
        result.message = "Can't open " + request.output.string() + ": " + error.message;
        return result;
    }

    if (*type == OutputType::Xid) {
        result = CopyLoggedData(in, out, total, request.progress);
    } else {
        const TextLayout layout = LayoutOfType(*type);
        ConvertOptions options;
        options.timeColumns = request.timeColumns;
        options.delimiter = layout.delimiter;
        options.columnWidth = layout.columnWidth;
        options.sessionStart = request.sessionStart;
        options.filter = request.filter;
        options.totalBytes = total;
        options.progress = request.progress;
        LoggedDataConverter converter(std::move(options));
        result = converter.Convert(in, out);
    }
    if (!result.ok) {
        // The raw input is kept for another try; the temporary output goes.
        if (result.readFailedAt)
            result.message = "The logged data could not be read from '" + request.input.string() + "' at offset "
                + std::to_string(*result.readFailedAt) + ".";
        else if (out.WriteError())
            result.message += " " + out.WriteError().message;
        return result;
    }
    if (const FileError error = out.Commit()) {
        result.ok = false;
        result.message = "The converted data could not be saved: " + error.message;
        return result;
    }
    if (request.deleteInputAfterSuccess && !outputIsInput) {
        in.close();
        std::error_code removeError;
        std::filesystem::remove(request.input, removeError);
    }
    return result;
}

}  // namespace corvane
