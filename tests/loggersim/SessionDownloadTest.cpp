#include "loggersim/SessionDownload.h"

#include "base/ByteReader.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggerState.h"
#include "tests/loggersim/TestSessionStream.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace corvane {
namespace session_download_test {
namespace {

using test::GeneratedStream;
using test::SessionAt;

struct WholeCase {
    const char* name;
    LoggedSessionPlan plan;
};

LoggedSessionPlan Running(LoggedSessionPlan plan)
{
    plan.stopped = false;
    return plan;
}

TEST(SessionDownloadTest, DataBlocksReproduceTheGeneratedStreamAndEndEmpty)
{
    const LoggerState unit = LoggerState::Fresh();
    const WholeCase cases[] = {
        {"no scans", SessionAt(0x67000000, 0)},
        {"one block", SessionAt(0x67000000, 3)},
        {"many blocks", SessionAt(0x67000000, 500)},
        {"still logging", Running(SessionAt(0x67000000, 40))},
    };
    for (const WholeCase& c : cases) {
        SCOPED_TRACE(c.name);
        SessionDownload download(LoggedSessionGenerator(unit, c.plan), kSdlModeWhole);
        std::vector<std::uint8_t> received;
        bool ended = false;
        while (std::optional<SessionDownload::Block> block = download.Next()) {
            ASSERT_FALSE(ended) << "a block after the end block";
            EXPECT_EQ(block->replyType, kReplySdlData);
            if (block->data.empty()) {
                ended = true;
                continue;
            }
            ASSERT_GT(block->data.size(), kSdlOffsetSize);
            ASSERT_LE(block->data.size(), kSdlOffsetSize + kSdlBlockSize);
            ByteReader reader(block->data);
            EXPECT_EQ(reader.U32LE(), received.size());
            received.insert(received.end(), block->data.begin() + kSdlOffsetSize, block->data.end());
        }
        EXPECT_TRUE(ended);
        EXPECT_EQ(received, GeneratedStream(unit, c.plan));
    }
}

TEST(SessionDownloadTest, HeadPartComesInStreamBlocksEndingWithAShortOne)
{
    const LoggerState unit = LoggerState::Fresh();
    // 291 points make a head of exactly 11 blocks, which an empty block ends.
    LoggedSessionPlan exact = SessionAt(0x67000000);
    exact.points.assign(291, DefaultLoggedPoints().front());
    struct Case {
        const char* name;
        LoggedSessionPlan plan;
        std::size_t blocks;
    } const cases[] = {
        {"short head", SessionAt(0x67000000), 1},
        {"head filling its blocks", exact, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> head = LoggedSessionGenerator(unit, c.plan).HeadRecords();
        SessionDownload download(LoggedSessionGenerator(unit, c.plan), kSdlModeHead);
        std::vector<std::vector<std::uint8_t>> blocks;
        while (std::optional<SessionDownload::Block> block = download.Next()) {
            EXPECT_EQ(block->replyType, kReplySdlStream);
            blocks.push_back(std::move(block->data));
        }
        ASSERT_EQ(blocks.size(), c.blocks);
        std::vector<std::uint8_t> received;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            EXPECT_EQ(blocks[i].size() < kSdlBlockSize, i + 1 == blocks.size());
            received.insert(received.end(), blocks[i].begin(), blocks[i].end());
        }
        EXPECT_EQ(received, head);
    }
}

// Blocks written into one kept vector, which starts with more stray bytes
// than a block holds, are the blocks made afresh.
TEST(SessionDownloadTest, BlocksIntoAKeptVectorEqualFreshOnes)
{
    const LoggerState unit = LoggerState::Fresh();
    // Enough points for a head of several blocks.
    LoggedSessionPlan plan = SessionAt(0x67000000, 100);
    const std::vector<LoggedPoint> kinds = DefaultLoggedPoints();
    for (int i = 0; i < 15; ++i)
        plan.points.insert(plan.points.end(), kinds.begin(), kinds.end());
    for (const std::uint16_t mode : {kSdlModeWhole, kSdlModeHead}) {
        SCOPED_TRACE(mode);
        SessionDownload fresh(LoggedSessionGenerator(unit, plan), mode);
        SessionDownload kept(LoggedSessionGenerator(unit, plan), mode);
        std::vector<std::uint8_t> data(3 * kSdlBlockSize, 0xEE);
        std::size_t blocks = 0;
        while (std::optional<SessionDownload::Block> block = fresh.Next()) {
            const std::optional<std::uint16_t> replyType = kept.Next(data);
            ASSERT_EQ(replyType, block->replyType) << "block " << blocks;
            ASSERT_EQ(data, block->data) << "block " << blocks;
            ++blocks;
        }
        EXPECT_FALSE(kept.Next(data).has_value());
        EXPECT_GT(blocks, 1u);
    }
}

}  // namespace
}  // namespace session_download_test
}  // namespace corvane
