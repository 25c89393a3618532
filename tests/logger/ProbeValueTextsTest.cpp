#include "logger/ProbeValueTexts.h"
#include "logger/RemoteValueText.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvane {
namespace probe_value_texts_test {
namespace {

ProbeValueEntry Real(float value) { return {1, ProbeRealBytes(value)}; }
ProbeValueEntry Bytes(std::uint8_t first) { return {1, {first, 0, 0, 0}}; }

TEST(ProbeValueText, FollowsTheDataType)
{
    const struct {
        ProbeValueEntry entry;
        std::uint8_t type;
        std::uint8_t decimals;
        const char* text;
    } cases[] = {
        {Bytes(1), kProbeBoolean, 0, "HI"},
        {Bytes(2), kProbeBoolean, 3, "HI"},
        {Bytes(0), kProbeBoolean, 0, "LOW"},
        {Real(-2.5f), kProbeInteger, 0, "-3"},
        {Real(2.5f), kProbeInteger, 0, "3"},
        {Real(2.4f), kProbeInteger, 4, "2"},
        {Real(-0.4f), kProbeInteger, 0, "0"},
        {Real(3e9f), kProbeInteger, 0, "3000000000"},
        {Real(std::numeric_limits<float>::infinity()), kProbeInteger, 0, "inf"},
        {Real(21.456f), kProbeReal, 2, "21.46"},
        {Real(21.456f), kProbeReal, 0, "21"},
        {Real(-1.0f), 7, 3, "-1.000"},
        {Real(3.4e38f), kProbeReal, 1, "339999995214436424907732413799364296704.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProbeValueText(c.entry, c.type, c.decimals), c.text) << c.text;
}

TEST(ProbeTimeTexts, AscTimeFormAndNoReading)
{
    std::tm time{};
    time.tm_year = 93;
    time.tm_mon = 5;
    time.tm_mday = 3;
    time.tm_wday = 4;
    time.tm_hour = 21;
    time.tm_min = 9;
    time.tm_sec = 8;
    EXPECT_EQ(AscTimeText(time), "Thu Jun  3 21:09:08 1993");
    EXPECT_EQ(PollTimeText(time), "Thu Jun 03, 1993  21:09:08");
    time.tm_mon = 12;
    EXPECT_EQ(AscTimeText(time), "????????");
    EXPECT_EQ(ProbeTimeText(0), "No Reading Yet");
    EXPECT_NE(ProbeTimeText(1767605400), "No Reading Yet");
}

TEST(RemoteValueText, OnlyACompleteFiniteNumberIsAValue)
{
    const struct {
        const char* text;
        std::optional<float> value;
    } cases[] = {
        {"1e3", 1000.0f},
        {"  -12.5\t", -12.5f},
        {"0", 0.0f},
        {"3.25", 3.25f},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"1e39", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseRemoteValue(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(FormatRemoteConstant(1000.0f), "1000.000000");
    EXPECT_EQ(FormatRemoteConstant(-0.5f), "-0.500000");
}

}  // namespace
}  // namespace probe_value_texts_test
}  // namespace corvane
