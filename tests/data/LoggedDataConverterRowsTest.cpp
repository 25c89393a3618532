// The converter's rows against a plain printf formatter of the same rows,
// over every layout, time-column choice and filter, in zones with and without
// daylight saving, across date rollovers, times that go backwards or jump,
// sub-second ticks and awkward values.
#include "LogStreamWriter.h"
#include "data/LoggedDataConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace corvane {
namespace logged_data_converter_rows_test {
namespace {

using test::LogStreamWriter;

struct Value {
    std::uint8_t type = 1;  // the record's type byte: kind in the low 4 bits
    std::int16_t pointId = 1;
    std::uint32_t raw = 0;
};

struct Stamp {
    std::uint32_t seconds = 0;
    std::uint16_t ticks = 0;
    std::uint8_t type = 13;
    std::vector<Value> values;
};

struct Point {
    std::int16_t id;
    std::uint16_t decimals;
};

struct Session {
    const char* name;
    std::vector<Point> points;
    std::vector<Stamp> stamps;
};

std::uint32_t FloatBits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

Value FloatValue(std::int16_t id, float value) { return {2, id, FloatBits(value)}; }
Value IntValue(std::int16_t id, std::int32_t value) { return {1, id, static_cast<std::uint32_t>(value)}; }
Value BoolValue(std::int16_t id, std::uint32_t raw) { return {0, id, raw}; }

std::string StreamOf(const Session& session)
{
    LogStreamWriter writer;
    writer.UnitHeader("U1", "Rows", 99);
    for (std::size_t i = 0; i < session.points.size(); ++i)
        writer.Point(session.points[i].id, "P" + std::to_string(i), "u", session.points[i].decimals);
    for (const Stamp& stamp : session.stamps) {
        writer.Stamp(stamp.seconds, stamp.ticks, stamp.type);
        for (const Value& value : stamp.values)
            writer.Value(value.type, value.pointId, value.raw);
    }
    return writer.Text();
}

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...)
{
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

// The rows the converter is expected to write, formatted field by field
// with snprintf and the C library's gmtime_r and localtime_r.
std::string ExpectedRows(
    const Session& session, char d, int width, TimeColumns columns, const std::optional<ConvertFilter>& filter)
{
    width = std::clamp(width, 0, 1024);
    auto justify = [width](const std::string& text) { return Printf("%*s", width, text.c_str()); };
    std::vector<Point> kept;
    for (const Point& point : session.points)
        if (!filter || std::count(filter->pointIds.begin(), filter->pointIds.end(), point.id) > 0)
            kept.push_back(point);
    auto dateAndTime = [&](std::uint32_t seconds, std::uint16_t ticks, bool local) {
        const std::time_t time = static_cast<std::time_t>(seconds);
        std::tm parts{};
        if (local)
            localtime_r(&time, &parts);
        else
            gmtime_r(&time, &parts);
        std::string clock = Printf("%c %02d:%02d:%02d", d, parts.tm_hour, parts.tm_min, parts.tm_sec);
        if (ticks != 0)
            clock += Printf(":%03d", ticks * 5);
        return justify(Printf(" %02d/%02d/%04d", parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900))
            + justify(clock);
    };

    std::string rows;
    const std::uint32_t first = session.stamps.empty() ? 0 : session.stamps.front().seconds;
    std::vector<std::string> cells(kept.size());
    bool pending = false;
    const Stamp* current = nullptr;
    auto writeRow = [&] {
        if (!pending)
            return;
        if (columns != TimeColumns::Local)
            rows += dateAndTime(current->seconds, current->ticks, false);
        if (columns == TimeColumns::Both)
            rows += justify(std::string(1, d));
        if (columns != TimeColumns::Utc)
            rows += dateAndTime(current->seconds, current->ticks, true);
        rows += Printf("%c%" PRId64, d, static_cast<std::int64_t>(current->seconds) - first);
        for (std::string& cell : cells) {
            rows += justify(cell.empty() ? std::string(1, d) : cell);
            cell.clear();
        }
        rows += Printf("%c\r\n", d);
        pending = false;
    };
    for (const Stamp& stamp : session.stamps) {
        const bool sameTime = current != nullptr && current->seconds == stamp.seconds && current->ticks == stamp.ticks
            && current->type == stamp.type;
        if (!sameTime) {
            writeRow();
            current = &stamp;
        }
        if (filter && (stamp.seconds < filter->start || stamp.seconds > filter->stop))
            continue;
        for (const Value& value : stamp.values) {
            pending = true;
            const auto column
                = std::find_if(kept.begin(), kept.end(), [&](const Point& p) { return p.id == value.pointId; });
            if (column == kept.end())
                continue;
            std::string& cell = cells[static_cast<std::size_t>(column - kept.begin())];
            switch (value.type & 0x0F) {
            case 0: cell = Printf("%c%s", d, (value.raw & 0xFF) != 0 ? "TRUE" : "FALSE"); break;
            case 1: cell = Printf("%c%d", d, static_cast<std::int32_t>(value.raw)); break;
            default: {
                float real = 0;
                std::memcpy(&real, &value.raw, sizeof real);
                cell = Printf("%c%3.*f", d, column->decimals & 0x0F, static_cast<double>(real));
                break;
            }
            }
        }
    }
    writeRow();
    return rows;
}

// The converted text after the 17 lines of the header block, heads and units.
std::string RowsOf(const std::string& text)
{
    std::size_t at = 0;
    for (int line = 0; line < 17 && at != std::string::npos; ++line) {
        at = text.find("\r\n", at);
        if (at != std::string::npos)
            at += 2;
    }
    return at == std::string::npos ? std::string() : text.substr(at);
}

constexpr std::uint32_t kDay = 86400;
constexpr std::uint32_t kLeapEve = 1709164799;  // 2024-02-28 23:59:59 UTC

// Midnight, month, year and leap-day rollovers, the first and last time
// values, and the days the daylight-saving zones below change their clocks.
Session Rollovers()
{
    Session session{"rollovers", {{1, 3}, {2, 0}}, {}};
    const std::uint32_t moments[] = {
        kLeapEve - 1,
        kLeapEve,
        kLeapEve + 1,
        kLeapEve + kDay,
        kLeapEve + kDay + 1,
        1704067199,
        1704067200,
        1706745599,
        1706745600,
        1735689599,
        1735689600,
        4107542399,
        4107542400,
        4107542400 + kDay,
        0,
        1,
        59,
        4294967295,
        1710053999,
        1710054000,
        1710054001,
        1730613599,
        1730613600,
        1730613601,
        1712419199,
        1712419200,
        1712419201,
        1728143999,
        1728144000,
        1728144001,
        1709164799 + 3600 * 5,
        1709164799 + 3600 * 5 + 1,
        951782400,
        951868799,
        951868800,
    };
    std::int32_t counter = 0;
    for (std::uint32_t seconds : moments) {
        session.stamps.push_back({seconds, 0, 13, {IntValue(2, counter++)}});
        session.stamps.push_back({seconds, 100, 13, {FloatValue(1, static_cast<float>(counter) / 8)}});
    }
    return session;
}

// Times that stand still, go backwards and jump by odd amounts, with ticks
// beyond the second and time stamps repeated or written with high type bits.
Session Jumps()
{
    Session session{"jumps", {{1, 2}, {2, 0}, {3, 15}}, {}};
    const std::int64_t steps[] = {0, 1, -1, 59, 60, 3599, 3600, 86399, 86400, 86401, -86400, -86401, 31 * 86400,
        -400 * 86400, 3 * 365 * 86400, 7, -3600 * 25, 1000000007, -999999937};
    std::uint32_t seconds = 1710498030;
    std::uint32_t state = 12345;
    for (int i = 0; i < 200; ++i) {
        state = state * 1103515245u + 12345u;
        seconds
            = static_cast<std::uint32_t>(static_cast<std::int64_t>(seconds) + steps[(state >> 16) % std::size(steps)]);
        const std::uint16_t ticks = (state >> 8) % 7 == 0 ? 0 : static_cast<std::uint16_t>((state >> 4) % 200);
        Stamp stamp{seconds, ticks, 13, {IntValue(2, i)}};
        if (i % 5 == 0)
            stamp.values.push_back(FloatValue(1, static_cast<float>(i) * 0.37f));
        session.stamps.push_back(stamp);
        if (i % 9 == 0)  // the same time again: its values join the row
            session.stamps.push_back({seconds, ticks, 13, {IntValue(3, -i)}});
        if (i % 13 == 0)  // the same time with another type byte: a new row
            session.stamps.push_back({seconds, ticks, 0x1D, {IntValue(2, i + 1000)}});
    }
    const std::uint16_t oddTicks[] = {1, 199, 200, 250, 65535};
    for (std::uint16_t ticks : oddTicks)
        session.stamps.push_back({seconds, ticks, 13, {BoolValue(1, 1)}});
    return session;
}

// Every kind of value, awkward floats at several decimal places, values for
// points without a column, a point given a value twice in one row, a point
// defined twice, and a time stamp with no values.
Session Values()
{
    Session session{
        "values", {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 6}, {6, 15}, {7, 0x13}, {8, 0}, {8, 4}, {-3, 0}}, {}};
    const float floats[] = {0.0f, -0.0f, 0.5f, 1.5f, 2.5f, -2.5f, 0.125f, 0.375f, -0.125f, 0.05f, 0.15f, 0.25f, 0.35f,
        0.45f, 0.0005f, -0.0004f, 9.995f, 99.5f, 999.9995f, 123456.789f, 16777216.0f, 16777217.0f, 1.0e10f, -1.0e19f,
        1.8446744e19f, 3.4028235e38f, -3.4028235e38f, std::numeric_limits<float>::min(),
        std::numeric_limits<float>::denorm_min(), -std::numeric_limits<float>::denorm_min(), 1.17549421e-38f,
        std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN(), -std::numeric_limits<float>::quiet_NaN(), 0.1f, 0.7f, 1.0f / 3.0f,
        2.0f / 3.0f, 1.0e-7f, 5.0e-7f, 4.9999997e-7f, 12.345f, -12.345f, 1024.0625f, 8388607.5f, -8388608.5f};
    const std::int32_t ints[] = {0, 1, -1, 99, 100, 999, -1000, 2147483647, -2147483647 - 1};
    const std::uint32_t bools[] = {0, 1, 0x100, 0xFF, 0x80000000u, 2};
    std::uint32_t seconds = 1710498030;
    std::size_t i = 0;
    for (float value : floats) {
        Stamp stamp{seconds++, 0, 13, {}};
        for (std::int16_t id = 1; id <= 7; ++id)
            stamp.values.push_back(FloatValue(id, value));
        stamp.values.push_back(IntValue(8, ints[i % std::size(ints)]));
        stamp.values.push_back(BoolValue(-3, bools[i % std::size(bools)]));
        stamp.values.push_back(Value{static_cast<std::uint8_t>(0x20 | (i % 3)), 4, FloatBits(value)});
        ++i;
        session.stamps.push_back(stamp);
    }
    for (std::int32_t value : ints)
        session.stamps.push_back({seconds++, 0, 13, {IntValue(2, value), IntValue(8, value), FloatValue(8, 1.5f)}});
    session.stamps.push_back({seconds++, 0, 13, {IntValue(99, 1), IntValue(-32768, 2)}});
    session.stamps.push_back({seconds++, 0, 13, {}});
    session.stamps.push_back({seconds++, 0, 13, {IntValue(1, 1), IntValue(1, 2), BoolValue(1, 0)}});
    return session;
}

struct Layout {
    char delimiter;
    int width;
};

class ConverterRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TZ"))
            oldZone_ = old;
    }
    void TearDown() override
    {
        if (oldZone_)
            ::setenv("TZ", oldZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> oldZone_;
};

TEST_F(ConverterRowsTest, RowsMatchAPrintfFormatterOfTheSameRows)
{
    const Session sessions[] = {Rollovers(), Jumps(), Values()};
    // UTC; a zone with daylight saving (US rules); one east of Greenwich
    // by a fraction of an hour; one whose clocks go back in the southern spring.
    const char* zones[] = {"UTC0", "EST5EDT,M3.2.0,M11.1.0", "NPT-5:45", "AEST-10AEDT,M10.1.0,M4.1.0/3"};
    const Layout layouts[] = {{',', 1}, {'\t', 1}, {' ', 25}, {';', 0}, {',', 12}, {',', -4}};
    const TimeColumns timeColumns[] = {TimeColumns::Local, TimeColumns::Utc, TimeColumns::Both};
    for (const Session& session : sessions) {
        const std::string stream = StreamOf(session);
        std::vector<std::int16_t> someIds;
        for (std::size_t i = 0; i < session.points.size(); i += 2)
            someIds.push_back(session.points[i].id);
        const std::uint32_t middle = session.stamps[session.stamps.size() / 2].seconds;
        const std::optional<ConvertFilter> filters[] = {
            std::nullopt,
            ConvertFilter{someIds, middle - 100000, middle + 100000},
            ConvertFilter{{}, 0, 0xFFFFFFFFu},
        };
        for (const char* zone : zones) {
            ::setenv("TZ", zone, 1);
            ::tzset();
            for (const Layout& layout : layouts)
                for (TimeColumns columns : timeColumns)
                    for (const std::optional<ConvertFilter>& filter : filters) {
                        ConvertOptions options;
                        options.delimiter = layout.delimiter;
                        options.columnWidth = layout.width;
                        options.timeColumns = columns;
                        options.filter = filter;
                        std::istringstream in(stream);
                        StringOutputSink out;
                        const ConvertResult result = LoggedDataConverter(std::move(options)).Convert(in, out);
                        ASSERT_TRUE(result.ok);
                        const std::string expected
                            = ExpectedRows(session, layout.delimiter, layout.width, columns, filter);
                        ASSERT_EQ(RowsOf(out.Text()), expected)
                            << session.name << " in " << zone << ", delimiter '" << layout.delimiter << "' width "
                            << layout.width << ", time columns " << static_cast<int>(columns) << ", filter "
                            << (filter ? "on" : "off");
                    }
        }
    }
}

// The text reaches the sink in pieces of bounded size, so memory stays the
// same whatever the session's size.
TEST_F(ConverterRowsTest, WritesInBoundedPiecesWhateverTheSessionSize)
{
    class LargestWriteSink : public OutputSink {
    public:
        bool Write(std::string_view bytes) override
        {
            largest = std::max(largest, bytes.size());
            total += bytes.size();
            ++writes;
            return true;
        }
        std::size_t largest = 0;
        std::size_t total = 0;
        std::size_t writes = 0;
    };
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
    LogStreamWriter writer;
    writer.Point(1, "A", "u").Point(2, "B", "v");
    for (std::uint32_t i = 0; i < 40000; ++i)
        writer.Stamp(1710498030 + i, static_cast<std::uint16_t>(i % 200))
            .Int(1, static_cast<std::int32_t>(i))
            .Float(2, 0.5f);
    std::istringstream in(writer.Text());
    LargestWriteSink sink;
    const ConvertResult result = LoggedDataConverter(ConvertOptions{}).Convert(in, sink);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.rows, 40000u);
    EXPECT_GT(sink.total, std::size_t{40000} * 40);
    EXPECT_LE(sink.largest, std::size_t{256} * 1024);
}

}  // namespace
}  // namespace logged_data_converter_rows_test
}  // namespace corvane
