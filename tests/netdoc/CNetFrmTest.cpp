#include "netdoc/CNetFrm.h"

#include "EditorTestSupport.h"
#include "netmodel/CIconBar.h"

#include <memory>
#include <optional>

namespace corvane {
namespace c_net_frm_test {
namespace {

TEST(CNetFrmMoveTest, PaletteFollowsTheMainFrameUnlessItJumps)
{
    struct Case {
        const char* what;
        Point stored;
        Point now;
        Point palette;
        std::optional<Point> expected;
    };
    const Case cases[] = {
        {"moved by (30, -20)", {100, 80}, {130, 60}, {114, 159}, Point{144, 139}},
        {"not moved", {100, 80}, {100, 80}, {114, 159}, Point{114, 159}},
        {"minimised", {100, 80}, {-32000, -32000}, {114, 159}, std::nullopt},
        {"restored after an ignored minimise", {100, 80}, {100, 80}, {114, 159}, Point{114, 159}},
        {"12000 across is still followed", {100, 80}, {12100, -11920}, {114, 12159}, Point{12114, 159}},
        {"12001 across is a jump", {100, 80}, {12101, 80}, {114, 159}, std::nullopt},
        {"12001 down is a jump", {100, 80}, {100, -11921}, {114, 159}, std::nullopt},
        {"kept off the left edge", {100, 80}, {50, 80}, {14, 159}, Point{0, 159}},
        {"kept off the top edge", {100, 80}, {100, 0}, {114, 40}, Point{114, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CNetFrm::PalettePositionAfterMainFrameMove(c.stored, c.now, c.palette), c.expected);
    }
}

class CNetFrmTest : public test::PlatformTest {
protected:
    CNetFrmTest()
    {
        frame_.Create("Corvane", test::kMainMenu, &test::kMainAccelerators);
        frame_.MoveTo({100, 80, 900, 680});
        frame_.ShowNormal();
        App().ProcessPending();
        auto& docTemplate = frame_.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{132, &test::kNetMenu, nullptr, "Net", {}, {}},
            [] { return std::make_unique<test::TestDocument>(); },
            [this] { return std::make_unique<CNetFrm>(environment_); },
            [] { return std::make_unique<test::TestView>(); }));
        if (docTemplate.OpenNew() != nullptr)
            netFrame_ = dynamic_cast<CNetFrm*>(docTemplate.Frame());
        App().ProcessPending();
    }

    void SetUp() override
    {
        ASSERT_NE(netFrame_, nullptr);
        ASSERT_NE(netFrame_->IconBar(), nullptr);
    }

    test::FakeEditorEnvironment environment_;
    MdiFrame frame_;
    CNetFrm* netFrame_ = nullptr;
};

TEST_F(CNetFrmTest, MakesThePaletteHiddenBesideTheMainFrameWithoutASystemMenu)
{
    EXPECT_FALSE(netFrame_->Style().systemMenu);
    CIconBar& bar = *netFrame_->IconBar();
    EXPECT_FALSE(bar.IsShown());
    EXPECT_TRUE(bar.State().IsCollapsed());
    EXPECT_EQ(bar.WindowRect().TopLeft(), frame_.WindowRect().TopLeft() + CNetFrm::kPaletteOffset);
    EXPECT_EQ(bar.TargetView(), nullptr);

    netFrame_->SetIconBarTarget(netFrame_->GetView());
    EXPECT_EQ(bar.TargetView(), netFrame_->GetView());
    netFrame_->ShowPalette(true);
    EXPECT_TRUE(bar.IsShown());
    netFrame_->ShowPalette(false);
    EXPECT_FALSE(bar.IsShown());
}

TEST_F(CNetFrmTest, PaletteMovesWithTheMainFrame)
{
    CIconBar& bar = *netFrame_->IconBar();
    netFrame_->ShowPalette(true);
    App().ProcessPending();
    const Point before = bar.WindowRect().TopLeft();
    frame_.MoveTo({130, 60, 930, 660});
    App().ProcessPending();
    ASSERT_EQ(frame_.WindowRect().TopLeft(), (Point{130, 60}));
    EXPECT_EQ(bar.WindowRect().TopLeft(), (before + Point{30, -20}));

    // Sent far off and back, as a minimised window is: the palette stays.
    frame_.MoveTo({-32000, -32000, -31200, -31400});
    App().ProcessPending();
    frame_.MoveTo({130, 60, 930, 660});
    App().ProcessPending();
    EXPECT_EQ(bar.WindowRect().TopLeft(), (before + Point{30, -20}));
}

}  // namespace
}  // namespace c_net_frm_test
}  // namespace corvane
