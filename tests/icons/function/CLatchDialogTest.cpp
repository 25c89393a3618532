#include "icons/function/CLatchDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CLatchIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_latch_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CLatchDialogTest : public test::LogicIconNetTest {};

TEST_F(CLatchDialogTest, OpensWithTheStoredStateAndWritesTheChoiceOnOk)
{
    struct Case {
        std::uint16_t mode;
        int onChecked;
        int click;
        std::uint16_t written;
    };
    const std::vector<Case> cases{
        {0x5000, 1, res::kIdcLatchOff, 0x7000},
        {0x7000, 0, res::kIdcLatchOn, 0x5000},
        {0x7000, 0, res::kIdcLatchOff, 0x7000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const std::vector<std::uint8_t> mode{
            static_cast<std::uint8_t>(c.mode & 0xFF), static_cast<std::uint8_t>(c.mode >> 8)};
        const std::vector<std::uint8_t> bytes = test::ExpectedRecord{257, "Hold", mode, 1, 0, 1, 0}.Bytes();
        std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
        ASSERT_NE(icon, nullptr);
        auto& latch = dynamic_cast<CLatchIcon&>(*icon);
        const bool ok = RunDialog<CLatchDialog>(latch, [&](CLatchDialog& dialog) {
            EXPECT_EQ(Checked(dialog, res::kIdcLatchOn), c.onChecked);
            EXPECT_EQ(Checked(dialog, res::kIdcLatchOff), 1 - c.onChecked);
            Click(dialog, c.click);
            Click(dialog, kIdOk);
        });
        EXPECT_TRUE(ok);
        EXPECT_EQ(latch.ModeWord(), c.written);
    }
}

TEST_F(CLatchDialogTest, ShowsTheInputsSourceAndCancelChangesNothing)
{
    auto& latch = Place<CLatchIcon>(doc, kDrop);
    auto& source = Place<SourceIcon>(doc);
    source.SetName("Level");
    Link(source, 0, latch, 0);
    Prompts().helpIds.clear();
    const bool ok = RunDialog<CLatchDialog>(latch, [&](CLatchDialog& dialog) {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Level");
        Click(dialog, res::kIdcLatchOff);
        Click(dialog, kIdHelp);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(latch.ModeWord(), CLatchIcon::kPlacedMode);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + res::kDialogLatch});
}

}  // namespace
}  // namespace c_latch_dialog_test
}  // namespace corvane
