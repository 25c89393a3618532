#include "data/ConvertLoggedDataFile.h"

#include "data/AtomicOutputFile.h"

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

// Copies the stream unchanged; false when the input could not be read.
bool CopyStream(std::istream& in, OutputSink& out, std::uint64_t total, const std::function<void(int)>& progress)
{
    std::vector<char> chunk(kCopyChunk);
    std::uint64_t copied = 0;
    std::streambuf* source = in.rdbuf();
    if (source == nullptr)
        return false;
    for (;;) {
        const std::streamsize got = source->sgetn(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (got <= 0)
            break;
        if (!out.Write(std::string_view(chunk.data(), static_cast<std::size_t>(got))))
            return true;  // the sink keeps the write failure
        copied += static_cast<std::uint64_t>(got);
        if (progress && total > 0)
            progress(static_cast<int>(std::min<std::uint64_t>(100, copied * 100 / total)));
    }
    return !in.bad();
}

}  // namespace

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
        if (!CopyStream(in, out, total, request.progress)) {
            result.message = "The logged data could not be read.";
            return result;
        }
        result.ok = true;
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
        if (!result.ok) {
            if (out.WriteError())
                result.message += " " + out.WriteError().message;
            return result;
        }
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
