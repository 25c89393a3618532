#include "data/DiagnosticLogBlock.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

DiagnosticBlockEnd ParseDiagnosticBlock(
    std::span<const std::uint8_t> block, const std::function<void(const DiagnosticLogRecord&)>& onRecord)
{
    std::size_t offset = 0;
    while (block.size() - offset >= kDiagnosticRecordHeaderSize) {
        ByteReader reader(block.subspan(offset, kDiagnosticRecordHeaderSize));
        DiagnosticLogRecord record;
        record.time = reader.I32LE("event time");
        record.milliseconds = reader.U16LE("milliseconds");
        if (record.time == 0)
            return DiagnosticBlockEnd::ZeroTime;
        if (record.time < 0)
            return DiagnosticBlockEnd::NegativeTime;
        const std::span<const std::uint8_t> rest = block.subspan(offset + kDiagnosticRecordHeaderSize);
        const auto nul = std::find(rest.begin(), rest.end(), std::uint8_t{0});
        if (nul == rest.end())
            return DiagnosticBlockEnd::UnterminatedText;
        const auto length = static_cast<std::size_t>(nul - rest.begin());
        record.text = std::string_view(reinterpret_cast<const char*>(rest.data()), length);
        onRecord(record);
        offset += kDiagnosticRecordHeaderSize + length + 1;
    }
    return DiagnosticBlockEnd::UsedUp;
}

}  // namespace corvane
