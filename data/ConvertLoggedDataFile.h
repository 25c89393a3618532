#pragma once

#include "data/LoggedDataConverter.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace corvane {

// What a converted file holds, chosen by its extension.
enum class OutputType { Csv, Tsv, Txt, Xid };

// The type of an output path by its extension, compared case-insensitively;
// nothing when the extension names no type.
std::optional<OutputType> OutputTypeFromPath(const std::filesystem::path& path);

// The delimiter and column width of a text type (Xid has none: it is a copy).
struct TextLayout {
    char delimiter = ',';
    int columnWidth = 1;
};
TextLayout LayoutOfType(OutputType type);

struct FileConvertRequest {
    std::filesystem::path input;   // the raw logged-data stream
    std::filesystem::path output;  // its extension picks the type
    TimeColumns timeColumns = TimeColumns::Local;
    std::optional<std::uint32_t> sessionStart;
    std::optional<ConvertFilter> filter;
    // The raw input is removed after a successful conversion only; a failed
    // one always keeps it.
    bool deleteInputAfterSuccess = false;
    std::function<void(int percent)> progress;
};

// Copies the raw stream unchanged into out, as the ".xid" type is written.
// A read error ends the copy with readFailedAt set.
ConvertResult CopyLoggedData(
    std::istream& in, OutputSink& out, std::uint64_t totalBytes, const std::function<void(int)>& progress);

// Converts (or, for ".xid", copies) the raw stream into the output file. The
// output is written to a temporary file beside it and renamed over it only
// when everything was written, so a failure leaves no half-written file.
ConvertResult ConvertLoggedDataFile(const FileConvertRequest& request);

}  // namespace corvane
