// The captions of the net that the hardware query of the simulated logger
// builds, placed as the net editor draws them.
#include "LoggerConnectionTest.h"

#include "netdoc/CNetDoc.h"
#include "netdoc/CNetView.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CaptionLayout.h"
#include "netmodel/IconCaptions.h"
#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace hardware_net_captions_test {
namespace {

class HardwareNetCaptionsTest : public LoggerConnectionTest {
protected:
    CNetDoc& Net() { return *dynamic_cast<CNetDoc*>(Shell().NetDocument()); }
    CNetView& NetView() { return *dynamic_cast<CNetView*>(Net().FirstView()); }
};

TEST_F(HardwareNetCaptionsTest, QueriedNetsCaptionsStayOnThePaperClearOfIconsAndOfEachOther)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    ASSERT_TRUE(Shell().MainFrame()->PostMessage(
        kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment)));
    App().ProcessPending();
    NetView().OnQueryLoggerConfiguration();
    for (int i = 0; i < 500 && Net().GetHardwarePoll().IsRunning(); ++i)
        App().WaitMilliseconds(20);
    App().ProcessPending();

    // Measured as the view draws: its zoom and mapping on a drawing buffer.
    Bitmap buffer(64, 64);
    MemoryContext dc(buffer);
    NetView().OnPrepareDC(dc);
    const std::vector<PlacedCaption> placed = PlaceIconCaptions(Net(), dc);
    const auto& objects = Net().GetObjects();
    ASSERT_EQ(placed.size(), objects.size());

    int captions = 0;
    for (std::size_t n = 0; n < objects.size(); ++n) {
        const auto* icon = dynamic_cast<const CCorvaneIcon*>(objects[n].get());
        if (icon == nullptr || icon->Caption().empty())
            continue;
        ++captions;
        const Rect& rect = placed[n].rect;
        SCOPED_TRACE(icon->Caption());
        std::string joined;
        for (const std::string& line : placed[n].lines)
            joined += (joined.empty() ? "" : " ") + line;
        EXPECT_EQ(joined, icon->Caption());
        EXPECT_GT(rect.Width(), 0);
        EXPECT_GE(rect.left, 0);
        EXPECT_GE(rect.top, 0);
        for (std::size_t other = 0; other < objects.size(); ++other) {
            if (auto* otherIcon = dynamic_cast<CCorvaneIcon*>(objects[other].get())) {
                EXPECT_FALSE(rect.Intersects(IconDrawnArea(*otherIcon))) << "over " << otherIcon->Caption();
            }
            if (other != n) {
                EXPECT_FALSE(rect.Intersects(placed[other].rect)) << "over the caption of object " << other;
            }
        }
    }
    // The logger's own icons, its four analog channels and both modules' channels.
    EXPECT_GT(captions, 30);
}

}  // namespace
}  // namespace hardware_net_captions_test
}  // namespace corvane::test
