#include "NetTestViews.h"
#include "PlatformTestSupport.h"

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CHardwareIcon.h"
#include "netmodel/RecordTransfer.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_corvane_ctrl_test {
namespace {

class BitmapControl : public test::PlatformTest {
protected:
    CCorvaneCtrl& Add(bool movable, bool clickable)
    {
        auto ctrl = std::make_unique<CCorvaneCtrl>(false, false, movable, clickable, 300, 5, Rect{10, 10, 42, 42});
        return static_cast<CCorvaneCtrl&>(doc.AddObject(std::move(ctrl)));
    }
    CCorvaneDoc doc;
};

TEST_F(BitmapControl, AlternateBitmapIsDrawnOnlyWhenSet)
{
    CCorvaneCtrl& ctrl = Add(false, true);
    ctrl.SetUseAlternateBitmap(true);
    EXPECT_EQ(ctrl.DrawnBitmapId(), 300);
    ctrl.SetAlternateBitmap(301);
    EXPECT_EQ(ctrl.DrawnBitmapId(), 301);
    ctrl.SetUseAlternateBitmap(false);
    EXPECT_EQ(ctrl.DrawnBitmapId(), 300);
    EXPECT_FALSE(ctrl.IsDeletable());
    EXPECT_EQ(ctrl.Type(), object_type::kIconOrControl);
}

TEST_F(BitmapControl, DraggingCentresOnThePointAndRestoringGoesHome)
{
    CCorvaneCtrl& ctrl = Add(true, true);
    ctrl.RestorePosition(nullptr);
    EXPECT_FALSE(doc.IsModified());
    ctrl.MoveHandleTo(4, {100, 100}, nullptr);
    EXPECT_EQ(ctrl.Position(), (Rect{84, 84, 42, 42}).Normalized());
    ctrl.RestorePosition(nullptr);
    EXPECT_EQ(ctrl.Position(), ctrl.HomeRect());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BitmapControl, CursorIsAnArrowForPassiveAndClickOnlyObjects)
{
    EXPECT_EQ(Add(false, true).GetHandleCursor(1), object_cursor::kArrow);
    EXPECT_EQ(Add(true, true).GetHandleCursor(1), object_cursor::kMove);
    EXPECT_EQ(Add(false, false).GetHandleCursor(1), object_cursor::kMove);
    EXPECT_EQ(Add(true, true).GetHandleCursor(0), object_cursor::kArrow);
}

TEST(HardwareIcon, TheBaseAnswersNoQuestion)
{
    class Channel final : public CHardwareIcon {
    public:
        void CopyFixedPart(RecordTransfer&) override {}
    } channel;
    EXPECT_EQ(channel.GetPinCount(), -1);
    EXPECT_EQ(channel.GetModuleType(), -1);
    EXPECT_EQ(channel.GetModuleAddress(), -1);
}

}  // namespace
}  // namespace c_corvane_ctrl_test
}  // namespace corvane
