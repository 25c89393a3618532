#include "icons/hardware/CTevlinkNode.h"

#include "base/NoticeSink.h"

#include "netmodel/CCorvaneDoc.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace c_tevlink_node_test {
namespace {

CHardwarePoll::ModuleRecord RecordOfType(std::uint8_t moduleType)
{
    CHardwarePoll::ModuleRecord record{};
    std::iota(record.begin(), record.end(), std::uint8_t{0x40});
    record[CTevlinkNode::kModuleTypeOffset] = moduleType;
    return record;
}

TEST(TevlinkNode, KeepsTheWholeModuleRecordAndItsPlace)
{
    const CHardwarePoll::ModuleRecord record = RecordOfType(1);
    const Rect place = Rect::FromPointAndSize({945, 532}, {61, 124});
    CTevlinkNode node(res::kBitmapModuleDigital, CTevlinkNode::kCtrlId, place, record);
    EXPECT_TRUE(std::ranges::equal(node.Record(), record));
    EXPECT_EQ(node.ModuleType(), 1);
    EXPECT_EQ(node.GetCtrlId(), 19);
    EXPECT_EQ(node.BitmapId(), res::kBitmapModuleDigital);
    EXPECT_EQ(node.Position(), place);
    EXPECT_EQ(node.HomeRect(), place);
    EXPECT_EQ(node.ClassName(), "CTevlinkNode");
}

TEST(TevlinkNode, IsNeitherDraggedNorADropTargetAndOpeningChangesNothing)
{
    CCorvaneDoc doc;
    auto& node = static_cast<CTevlinkNode&>(doc.AddObject(std::make_unique<CTevlinkNode>(
        res::kBitmapModuleAnalog, CTevlinkNode::kCtrlId, Rect{10, 10, 71, 134}, RecordOfType(0))));
    EXPECT_FALSE(node.IsClickable());
    EXPECT_FALSE(node.DrawsOutline());
    EXPECT_FALSE(node.IsFixed());
    node.OnOpen();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(node.Position(), node.HomeRect());
}

// Opening a node runs the dialog of its module type with the module's
// address; type 2 opens nothing and any other type is reported.
TEST(TevlinkNode, OpeningRunsTheDialogOfItsModuleTypeOrReportsAnUnknownType)
{
    struct Notices final : NoticeSink {
        std::vector<std::string> texts;
        void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override
        {
            texts.emplace_back(text);
            EXPECT_EQ(caption, "Warning");
            EXPECT_EQ(style, NoticeStyle::Warning);
        }
    };
    struct Case {
        std::uint8_t type;
        std::uint8_t address;
        std::vector<std::pair<int, int>> runs;
        std::vector<std::string> notices;
    };
    const Case cases[] = {
        {0, 1, {{0, 1}}, {}},
        {1, 4, {{1, 4}}, {}},
        {2, 6, {}, {}},
        {5, 3, {}, {"Unknown module type 5 at Tevlink address 3"}},
        {255, 15, {}, {"Unknown module type 255 at Tevlink address 15"}},
    };
    for (const Case& c : cases) {
        CHardwarePoll::ModuleRecord record = RecordOfType(c.type);
        record[CTevlinkNode::kAddressOffset] = c.address;
        CTevlinkNode node(res::kBitmapModuleOther, CTevlinkNode::kCtrlId, Rect{0, 0, 61, 124}, record);
        node.OnOpen();  // without a runner nothing happens
        std::vector<std::pair<int, int>> runs;
        Notices notices;
        node.SetNodeDialogRunner(
            [&runs](std::uint8_t type, std::uint8_t address) { runs.emplace_back(type, address); }, &notices);
        node.OpenProperties();
        EXPECT_EQ(runs, c.runs) << int{c.type};
        EXPECT_EQ(notices.texts, c.notices) << int{c.type};
    }
}

TEST(TevlinkNode, PictureFollowsTheModuleType)
{
    struct Case {
        std::uint8_t type;
        int picture;
    };
    const Case cases[] = {
        {0, res::kBitmapModuleAnalog},
        {1, res::kBitmapModuleDigital},
        {2, res::kBitmapModuleOther},
        {3, res::kBitmapModuleOther},
        {0xFF, res::kBitmapModuleOther},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTevlinkNode::PictureForModuleType(c.type), c.picture) << int{c.type};
}

}  // namespace
}  // namespace c_tevlink_node_test
}  // namespace corvane
