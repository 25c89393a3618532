#include "download/DownloadBlockCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvane {
namespace download_block_check_test {
namespace {

std::vector<std::uint8_t> Block(std::uint32_t offset, std::size_t length)
{
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(offset), static_cast<std::uint8_t>(offset >> 8),
        static_cast<std::uint8_t>(offset >> 16), static_cast<std::uint8_t>(offset >> 24)};
    for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i));
    return bytes;
}

using Outcome = DownloadBlockCheck::Outcome;

TEST(DownloadBlockCheck, TakesBlocksThatFollowOnAndRefusesOthers)
{
    struct Step {
        std::vector<std::uint8_t> data;
        Outcome outcome;
        std::uint32_t total;  // after the step
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"first block at 0", {{Block(0, 1000), Outcome::Accepted, 1000}}},
        {"gap after 1000 bytes",
            {{Block(0, 1000), Outcome::Accepted, 1000}, {Block(1024, 10), Outcome::SequenceError, 1000}}},
        {"repeated block", {{Block(0, 8), Outcome::Accepted, 8}, {Block(0, 8), Outcome::SequenceError, 8}}},
        {"first block not at 0", {{Block(5, 8), Outcome::SequenceError, 0}}},
        {"offset only", {{Block(0, 0), Outcome::Accepted, 0}, {Block(0, 3), Outcome::Accepted, 3}}},
        {"offset cut short", {{std::vector<std::uint8_t>{0, 0, 0}, Outcome::SequenceError, 0}}},
        {"end", {{Block(0, 4), Outcome::Accepted, 4}, {{}, Outcome::End, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DownloadBlockCheck check;
        for (const Step& step : c.steps) {
            const auto result = check.Check(step.data);
            EXPECT_EQ(result.outcome, step.outcome);
            EXPECT_EQ(check.Total(), step.total);
            if (step.outcome == Outcome::Accepted) {
                EXPECT_EQ(result.bytes.size(), step.data.size() - 4);
            }
        }
    }
}

TEST(DownloadBlockCheck, ReportsTheOffsetOfARefusedBlock)
{
    DownloadBlockCheck check;
    check.Check(Block(0, 1000));
    const auto result = check.Check(Block(1024, 24));
    EXPECT_EQ(result.outcome, Outcome::SequenceError);
    EXPECT_EQ(result.offset, 1024u);
    EXPECT_EQ(check.Blocks(), 1u);
    check.Reset();
    EXPECT_EQ(check.Total(), 0u);
    EXPECT_EQ(check.Check(Block(0, 1)).outcome, Outcome::Accepted);
}

}  // namespace
}  // namespace download_block_check_test
}  // namespace corvane
