#include "LaunchTestServices.h"
#include "PlatformTestSupport.h"

#include "commwindow/CLaunchDoc.h"
#include "netmodel/CCorvaneCtrl.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace c_launch_doc_test {
namespace {

class LaunchDoc : public PlatformTest {
protected:
    CCorvaneCtrl& Add(bool dropTarget, int kind, const Rect& place)
    {
        return static_cast<CCorvaneCtrl&>(
            doc.AddObject(std::make_unique<CCorvaneCtrl>(false, false, false, dropTarget, 300, kind, place)));
    }

    LaunchTestServices services;
    CLaunchDoc doc{services};
};

TEST_F(LaunchDoc, HitTestFindsTheTopmostAndHitTestSelectableTheBottomMostDropTarget)
{
    CCorvaneCtrl& logger = Add(true, 1, {100, 100, 300, 300});
    CCorvaneCtrl& pc = Add(true, 9, {150, 150, 250, 250});
    CCorvaneCtrl& item = Add(false, 3, {180, 180, 220, 220});
    struct Case {
        Point point;
        const CCorvaneObj* top;
        const CCorvaneObj* dropTarget;
    };
    const Case cases[] = {
        {{200, 200}, &item, &logger},
        {{160, 160}, &pc, &logger},
        {{110, 110}, &logger, &logger},
        {{299, 299}, &logger, &logger},
        {{300, 300}, nullptr, nullptr},
        {{50, 50}, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.HitTest(c.point), c.top) << c.point.x << "," << c.point.y;
        EXPECT_EQ(doc.HitTestSelectable(c.point), c.dropTarget) << c.point.x << "," << c.point.y;
    }
}

TEST_F(LaunchDoc, GetObjectAtYieldsNothingOutsideTheList)
{
    CCorvaneCtrl& first = Add(false, 1, {0, 0, 10, 10});
    CCorvaneCtrl& last = Add(false, 2, {0, 0, 10, 10});
    EXPECT_EQ(doc.GetObjectAt(0), &first);
    EXPECT_EQ(doc.GetObjectAt(1), &last);
    EXPECT_EQ(doc.GetObjectAt(2), nullptr);
    EXPECT_EQ(doc.GetObjectAt(-1), nullptr);
    doc.DeleteAllObjects();
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_EQ(doc.GetObjectAt(0), nullptr);
}

TEST_F(LaunchDoc, NewDocumentIsTheGreyCommunicationPictureAndNeverAsksToSave)
{
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.Title(), "Communication");
    EXPECT_EQ(doc.GetPaperColor(), 0xC1C1C1u);
    Add(true, 1, {0, 0, 10, 10});
    doc.SetModified(true);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(Prompts().fileDialogs.empty());
}

}  // namespace
}  // namespace c_launch_doc_test
}  // namespace corvane::test
