#include "data/ConvertDiagnosticLog.h"

#include "data/AtomicOutputFile.h"
#include "data/DiagnosticEventTime.h"
#include "data/DiagnosticLogBlock.h"
#include "data/ReadStreamChunk.h"

#include <array>
#include <fstream>
#include <string>
#include <system_error>

namespace corvane {

DiagnosticConvertResult ConvertDiagnosticLog(std::istream& raw, OutputSink& out, const DiagnosticConvertEvents& events)
{
    DiagnosticConvertResult result;
    std::array<char, kDiagnosticBlockSize> buffer{};
    std::string line;
    line.reserve(2 * kDiagnosticBlockSize);
    bool writeFailed = false;
    // Made once: the walk of every block uses the same handler.
    const std::function<void(const DiagnosticLogRecord&)> onRecord = [&](const DiagnosticLogRecord& record) {
        // One line kept from record to record: no record costs an allocation.
        line.clear();
        AppendDiagnosticEventTimeText(line, record.time, record.milliseconds);
        const std::size_t timeLength = line.size();
        line.append("  ");
        line.append(record.text);
        line.push_back('\n');
        if (!writeFailed && !out.Write(line))
            writeFailed = true;
        ++result.rows;
        if (events.row)
            events.row(std::string_view(line).substr(0, timeLength), record.text);
    };
    for (;;) {
        buffer.fill(0);
        const StreamChunk chunk = ReadStreamChunk(raw, buffer);
        if (chunk.failed) {
            result.status = DiagnosticConvertStatus::ReadFailed;
            return result;
        }
        if (chunk.size == 0)
            break;
        result.bytesRead += chunk.size;
        if (events.block)
            events.block(result.bytesRead);
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(buffer.data()), chunk.size);
        const DiagnosticBlockEnd end = ParseDiagnosticBlock(bytes, onRecord);
        if (end == DiagnosticBlockEnd::NegativeTime) {
            ++result.negativeTimeBlocks;
            if (events.negativeTime)
                events.negativeTime();
        }
    }
    if (writeFailed)
        result.status = DiagnosticConvertStatus::WriteFailed;
    return result;
}

DiagnosticConvertResult ConvertDiagnosticLogFile(const std::filesystem::path& rawPath,
    const std::filesystem::path& savedPath, const DiagnosticConvertEvents& events, bool deleteRaw)
{
    DiagnosticConvertResult result;
    std::ifstream raw(rawPath, std::ios::binary);
    if (!raw) {
        result.status = DiagnosticConvertStatus::RawOpenFailed;
        return result;
    }
    AtomicOutputFile saved;
    if (FileError opened = saved.Open(savedPath)) {
        result.status = DiagnosticConvertStatus::OutputOpenFailed;
        result.fileError = std::move(opened);
        return result;
    }
    result = ConvertDiagnosticLog(raw, saved, events);
    raw.close();
    if (result.status == DiagnosticConvertStatus::WriteFailed) {
        result.fileError = saved.WriteError();
        return result;
    }
    if (result.status != DiagnosticConvertStatus::Done)
        return result;
    if (FileError committed = saved.Commit()) {
        result.status = DiagnosticConvertStatus::WriteFailed;
        result.fileError = std::move(committed);
        return result;
    }
    if (deleteRaw) {
        std::error_code ignored;
        std::filesystem::remove(rawPath, ignored);
    }
    return result;
}

}  // namespace corvane
