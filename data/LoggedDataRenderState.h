#pragma once

#include "base/LoggerTimeZone.h"
#include "data/CardDataCursor.h"
#include "data/LoggedDataLineBuilder.h"
#include "data/LoggedDataRenderer.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The work behind LoggedDataOpen/Read/Close: reads "HEADER", writes the
// header and heading rows, finds the start of the range in the data files
// and then builds one output line at a time (a row, or binary records),
// which Read hands out in the caller's pieces.
class LoggedDataRenderState {
public:
    static constexpr std::size_t kMaxPoints = 256;
    // Header lines beyond this size (only a damaged "HEADER" gets there) are
    // not kept for repeating.
    static constexpr std::size_t kMaxHeaderLines = std::size_t{1} << 20;

    LoggedDataRenderState(const std::filesystem::path& folder, const LoggedDataRenderOptions& options);

    // Checks the options and opens "HEADER"; 0 or an error of logrender.
    int Open();
    int Read(std::span<char> buffer);
    int Close();
    std::optional<std::string_view> HeaderLines() const;

private:
    enum class Stage { Header, Headings, Seek, Scan, Closing, End };

    enum class ValueType : std::uint8_t { None, Bool, Int, Float };

    struct Point {
        std::uint16_t id = 0;
        std::uint8_t key = 0;  // source key: byte 1 of the definition and of its values
        int decimals = 0;
        bool selected = false;
        bool updated = false;  // got a value in the row being built
        ValueType type = ValueType::None;
        std::int32_t intValue = 0;
        float floatValue = 0;
        bool boolValue = false;
        std::string name;
        std::string units;
    };

    bool Binary() const { return options_.mode == logrender::kModeBinary; }
    bool Wanted(std::uint16_t id) const;

    // Each step adds whole lines to line_ (or none) and may move the stage.
    void Step();
    void StepHeader();
    void StepHeadings();
    void StepSeek();
    void StepScanText();
    void StepScanBinary();
    void StepClosing();

    void TakeUnitHeader(std::span<const std::uint8_t> record);
    void TakePointDefinition(std::span<const std::uint8_t> record);
    void TakeValue(std::span<const std::uint8_t> record);
    void BuildRow();
    void AddTimeCells(const CardStamp& stamp, bool local);
    void MarkGarbled();
    void Fail(int code);
    void EndHeader();
    // Keeps the lines just built as header lines (text modes).
    void KeepHeaderLines();

    std::filesystem::path folder_;
    LoggedDataRenderOptions options_;
    CardStamp start_;
    CardStamp stop_;
    LoggedDataLineBuilder builder_;
    LoggerTimeZone zone_;
    std::ifstream header_;
    CardDataCursor cursor_;
    Stage stage_ = Stage::Header;
    int result_ = 0;  // what Read gives once the output is out
    bool dataError_ = false;
    bool garbledRowDue_ = false;

    std::vector<Point> points_;
    CardStamp row_;   // the stamp of the row being built
    CardStamp scan_;  // the most recent stamp read

    std::string line_;
    std::size_t emitted_ = 0;
    std::string headerLines_;
    bool headerDone_ = false;
    bool headerTooLong_ = false;
};

}  // namespace corvane
