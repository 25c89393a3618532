#include "netmodel/CUIDMgr.h"
#include "netmodel/RenumberIds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {
namespace cuid_mgr_test {
namespace {

TEST(CUIDMgrTest, FirstIdIsOneAndIdsAreNotReused)
{
    CUIDMgr ids;
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{1});
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{2});
    ids.FreeId(2);
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{3});
}

TEST(CUIDMgrTest, ResetTakesTheHighestLoadedIdWhateverTheGaps)
{
    CUIDMgr ids;
    const std::vector<std::uint16_t> loaded = {4, 37, 0, 12, 37};
    ids.ResetFromIds(loaded);
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{38});
    ids.ResetFromIds({});
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{1});
}

TEST(CUIDMgrTest, ExhaustedCounterNeverHandsOutZero)
{
    CUIDMgr ids;
    const std::vector<std::uint16_t> loaded = {0xFFFE};
    ids.ResetFromIds(loaded);
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{0xFFFF});
    EXPECT_EQ(ids.GetNextId(), std::nullopt);
    EXPECT_EQ(ids.GetNextId(), std::nullopt);
    EXPECT_EQ(ids.Highest(), 0xFFFF);
}

TEST(CUIDMgrTest, RenumberingAfterExhaustionFreesIdsAndKeepsLinks)
{
    // Three icons with the top ids; the third feeds from the first two.
    const std::vector<std::uint16_t> icons = {0xFFFF, 0x9000, 0xFFFD};
    const std::vector<std::uint16_t> links = {0xFFFF, 0x9000, 0, 1234};
    const RenumberedIds renumbered = RenumberIds(icons, links);
    EXPECT_EQ(renumbered.ids, (std::vector<std::uint16_t>{1, 2, 3}));
    // Unknown source 1234 becomes unconnected rather than pointing anywhere.
    EXPECT_EQ(renumbered.linkSources, (std::vector<std::uint16_t>{1, 2, 0, 0}));

    CUIDMgr ids;
    ids.ResetFromIds(renumbered.ids);
    EXPECT_EQ(ids.GetNextId(), std::optional<std::uint16_t>{4});
}

TEST(CUIDMgrTest, RenumberingGivesUnassignedAndDuplicateIconsTheirOwnIds)
{
    const std::vector<std::uint16_t> icons = {0, 7, 7};
    const std::vector<std::uint16_t> links = {7};
    const RenumberedIds renumbered = RenumberIds(icons, links);
    EXPECT_EQ(renumbered.ids, (std::vector<std::uint16_t>{1, 2, 3}));
    EXPECT_EQ(renumbered.linkSources, (std::vector<std::uint16_t>{2}));
}

}  // namespace
}  // namespace cuid_mgr_test
}  // namespace corvane
