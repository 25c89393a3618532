#include "base/Crc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <random>
#include <span>
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
    for (const Case& c : cases) {
        EXPECT_EQ(Crc32(AsBytes(c.input)), c.crc) << "input '" << c.input << "'";
        EXPECT_EQ(Crc32UpdateBytewise(kCrc32Start, AsBytes(c.input)), c.crc) << "input '" << c.input << "'";
    }
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::mt19937& random)
{
    std::vector<std::uint8_t> bytes(size);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(byte(random));
    return bytes;
}

// The forms Crc32Update chooses from, each against the byte-at-a-time
// form; the carry-less ones give nothing where the processor lacks them.
struct Form {
    const char* name;
    std::optional<std::uint32_t> (*update)(std::uint32_t, std::span<const std::uint8_t>);
};
const Form kForms[] = {
    {"chosen",
        [](std::uint32_t crc, std::span<const std::uint8_t> bytes) -> std::optional<std::uint32_t> {
            return Crc32Update(crc, bytes);
        }},
    {"sliced",
        [](std::uint32_t crc, std::span<const std::uint8_t> bytes) -> std::optional<std::uint32_t> {
            return Crc32UpdateSliced(crc, bytes);
        }},
    {"carry-less", &Crc32UpdateCarryless},
    {"wide carry-less", &Crc32UpdateCarrylessWide},
};

// Every length up to several folding steps, from every alignment of the
// first byte and from several running values.
TEST(Crc32Test, EveryFormMatchesTheBytewiseFormAtEveryLengthAndAlignment)
{
    std::mt19937 random(0x5EED);
    const std::vector<std::uint8_t> data = RandomBytes(320 + 16, random);
    const std::span<const std::uint8_t> all(data);
    const std::uint32_t starts[] = {kCrc32Start, 0u, 0x80000001u, static_cast<std::uint32_t>(random())};
    for (const Form& form : kForms)
        for (const std::uint32_t start : starts)
            for (std::size_t offset = 0; offset < 16; ++offset)
                for (std::size_t length = 0; length <= 320; ++length) {
                    const auto piece = all.subspan(offset, length);
                    const std::optional<std::uint32_t> crc = form.update(start, piece);
                    if (!crc)
                        break;
                    ASSERT_EQ(*crc, Crc32UpdateBytewise(start, piece))
                        << form.name << ": start " << start << ", offset " << offset << ", length " << length;
                }
}

// Lengths through several wide steps, the 64-byte steps after them and
// every tail, from a few alignments.
TEST(Crc32Test, EveryFormMatchesTheBytewiseFormOverSeveralWideSteps)
{
    std::mt19937 random(0x51DE);
    const std::vector<std::uint8_t> data = RandomBytes(1300 + 64, random);
    const std::span<const std::uint8_t> all(data);
    for (const Form& form : kForms)
        for (const std::uint32_t start : {kCrc32Start, 0x2468ACE1u})
            for (const std::size_t offset : {std::size_t{0}, std::size_t{1}, std::size_t{63}})
                for (std::size_t length = 240; length <= 1300; ++length) {
                    const auto piece = all.subspan(offset, length);
                    const std::optional<std::uint32_t> crc = form.update(start, piece);
                    if (!crc)
                        break;
                    ASSERT_EQ(*crc, Crc32UpdateBytewise(start, piece))
                        << form.name << ": start " << start << ", offset " << offset << ", length " << length;
                }
}

TEST(Crc32Test, UpdateOverRandomPiecesEqualsWhole)
{
    std::mt19937 random(0xC3C3);
    for (const std::size_t size : {std::size_t{1}, std::size_t{17}, std::size_t{300}, std::size_t{65537}}) {
        const std::vector<std::uint8_t> data = RandomBytes(size, random);
        const std::uint32_t whole = Crc32UpdateBytewise(kCrc32Start, data);
        ASSERT_EQ(Crc32(data), whole) << "size " << size;
        for (int round = 0; round < 20; ++round) {
            std::span<const std::uint8_t> rest(data);
            std::uint32_t crc = kCrc32Start;
            while (!rest.empty()) {
                std::uniform_int_distribution<std::size_t> take(0, std::min<std::size_t>(rest.size(), 100));
                const std::size_t n = take(random);
                crc = Crc32Update(crc, rest.first(n));
                rest = rest.subspan(n);
            }
            ASSERT_EQ(crc, whole) << "size " << size << ", round " << round;
        }
    }
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
