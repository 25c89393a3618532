#include "logger/LoggerClockRules.h"

#include "PinnedTimeZone.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logger_clock_rules_test {
namespace {

TEST(LoggerClockRulesTest, OffsetTextsShowWholeHoursEastPositive)
{
    const struct {
        std::int32_t minutesWest;
        const char* text;
    } cases[] = {{300, "-5"}, {-60, "+1"}, {0, "+0"}, {59, "+0"}, {-330, "+5"}, {1380, "-23"}, {-1380, "+23"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatOffsetText(c.minutesWest), c.text) << c.minutesWest;
}

TEST(LoggerClockRulesTest, HoursFieldTextsAreReadAsTheDialogReadsThem)
{
    using Kind = OffsetEntry::Kind;
    const struct {
        const char* text;
        Kind kind;
        int hours;
    } cases[] = {
        {"+1", Kind::Hours, 1},
        {"-5", Kind::Hours, -5},
        {"1a", Kind::Hours, 1},  // read as "%d" reads it
        {" 7", Kind::Hours, 7},
        {"23", Kind::Hours, 23},
        {"-23", Kind::Hours, -23},
        {"+1a", Kind::Refused, 0},  // a sign followed by a non-digit
        {"- 1", Kind::Refused, 0},
        {"24", Kind::Refused, 0},
        {"-24", Kind::Refused, 0},
        {"99999999999999999999", Kind::Refused, 0},
        {"+", Kind::Waiting, 0},  // a lone sign is waited on
        {"-", Kind::Waiting, 0},
        {"", Kind::Waiting, 0},
        {"a1", Kind::Waiting, 0},
    };
    for (const auto& c : cases) {
        const OffsetEntry entry = ReadOffsetEntry(c.text);
        EXPECT_EQ(entry.kind, c.kind) << c.text;
        EXPECT_EQ(entry.hours, c.hours) << c.text;
    }
    // Only the first 63 characters count.
    EXPECT_EQ(ReadOffsetEntry("+" + std::string(62, '1') + "x").kind, Kind::Refused);
    EXPECT_EQ(ReadOffsetEntry("+" + std::string(61, '0') + "2x").kind, Kind::Hours);
}

TEST(LoggerClockRulesTest, ClockTextsRuleBitsAndButtonCaption)
{
    EXPECT_EQ(FormatClockText(1767605400), "Mon Jan 05 2026  09:30:00");
    EXPECT_EQ(FormatClockText(0), "Thu Jan 01 1970  00:00:00");
    EXPECT_EQ(FormatClockText(951782400), "Tue Feb 29 2000  00:00:00");
    EXPECT_EQ(ClockRuleBits(false, false), 0);
    EXPECT_EQ(ClockRuleBits(false, true), 1);
    EXPECT_EQ(ClockRuleBits(true, false), 2);
    EXPECT_EQ(ClockRuleBits(true, true), 3);
    EXPECT_EQ(UpdateButtonText(true), "Update logger clock\nsettings");
    EXPECT_EQ(UpdateButtonText(false), "Update logger clock\nand time settings");
}

TEST(LoggerClockRulesTest, ThePcZoneFollowsTheLocalTimeOfEachMoment)
{
    const test::PinnedTimeZone zone(test::kCentralEurope);
    EXPECT_EQ(PcZoneOffsetMinutesWest(1767605400), -60);  // January
    EXPECT_EQ(PcZoneOffsetMinutesWest(1783326600), -120);  // July, summer time
}

}  // namespace
}  // namespace logger_clock_rules_test
}  // namespace corvane
