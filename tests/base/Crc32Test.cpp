#include "base/Crc32.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace corvane {
namespace crc32_test {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Crc32Test, MatchesKnownCheckValues)
{
    struct Case {
        std::string_view input;
        std::uint32_t crc;
    };
    const Case cases[] = {
        {"", 0xFFFFFFFFu},
        {"123456789", 0x0376E6E7u},
        {"abc", 0x9B73448Cu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Crc32(AsBytes(c.input)), c.crc) << "input '" << c.input << "'";
}

TEST(Crc32Test, UpdateOverPiecesEqualsWholeAtEverySplit)
{
    std::vector<std::uint8_t> data(300);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::uint32_t whole = Crc32(data);
    const std::span<const std::uint8_t> all(data);
    for (std::size_t split = 0; split <= data.size(); ++split) {
        const std::uint32_t first = Crc32(all.first(split));
        ASSERT_EQ(Crc32Update(first, all.subspan(split)), whole) << "split at " << split;
    }
}

TEST(Crc32Test, UpdateOfNothingKeepsTheRunningValue) { EXPECT_EQ(Crc32Update(0x12345678u, {}), 0x12345678u); }

}  // namespace
}  // namespace crc32_test
}  // namespace corvane
