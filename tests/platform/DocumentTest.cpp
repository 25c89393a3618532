#include "platform/Document.h"

#include "FrameTestSupport.h"
#include "platform/FrameAutomation.h"

namespace corvane {
namespace document_test {
namespace {

using test::FrameTest;
using test::TestDocument;
using test::TestView;
using DocumentTest = FrameTest;

TEST_F(DocumentTest, TemplateMakesDocumentFrameAndViewOnce)
{
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->Title(), "ProgramNet");
    EXPECT_EQ(net->Template(), netTemplate_);
    ASSERT_EQ(net->Views().size(), 1u);
    TestView& view = ViewOf(*net);
    EXPECT_EQ(view.GetDocument(), net);
    EXPECT_EQ(view.ParentFrame(), netTemplate_->Frame());
    EXPECT_EQ(netTemplate_->Frame()->Title(), "ProgramNet");
    EXPECT_EQ(view.initialUpdates, 1);
    EXPECT_EQ(net->newCount, 1);

    // One document of a kind: a second "new" starts the same one afresh.
    net->SetPathName("/nets/tank.nt3");
    EXPECT_EQ(net->Title(), "tank.nt3");
    EXPECT_EQ(netTemplate_->OpenNew(), net);
    EXPECT_EQ(net->newCount, 2);
    EXPECT_EQ(view.initialUpdates, 2);
    EXPECT_TRUE(net->PathName().empty());
    EXPECT_EQ(net->Title(), "ProgramNet");
    EXPECT_EQ(frame_.Children().size(), 1u);
}

TEST_F(DocumentTest, OpeningAFileThatFailsLeavesNothingBehind)
{
    struct Refusing : TestDocument {
        Refusing() { openSucceeds = false; }
    };
    DocTemplate& refusing = frame_.AddDocTemplate(std::make_unique<DocTemplate>(
        DocTemplateResources{9, nullptr, nullptr, "X", {}, {}}, [] { return std::make_unique<Refusing>(); },
        [] { return std::make_unique<ChildFrame>(); }, [] { return std::make_unique<TestView>(); }));
    EXPECT_EQ(refusing.OpenFile("/no/such.nt3"), nullptr);
    EXPECT_EQ(refusing.GetDocument(), nullptr);
    EXPECT_TRUE(frame_.Children().empty());

    TestDocument* net = static_cast<TestDocument*>(netTemplate_->OpenFile("/nets/pump.nt3"));
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->opens, std::vector<std::filesystem::path>{"/nets/pump.nt3"});
    EXPECT_EQ(net->Title(), "pump.nt3");
    EXPECT_FALSE(net->IsModified());
}

TEST_F(DocumentTest, UpdateAllViewsReachesEveryOtherViewWithTheHint)
{
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    TestView& first = ViewOf(*net);
    TestView second;
    net->AddView(second);
    ASSERT_EQ(net->Views().size(), 2u);
    first.updates.clear();

    int object = 42;
    net->UpdateAllViews(nullptr, 3, &object);
    net->UpdateAllViews(&first, 5);
    ASSERT_EQ(first.updates.size(), 1u);
    EXPECT_EQ(first.updates[0].hint, 3);
    EXPECT_EQ(*std::any_cast<int*>(first.updates[0].object), 42);
    ASSERT_EQ(second.updates.size(), 2u);
    EXPECT_EQ(second.updates[1].hint, 5);
    EXPECT_EQ(second.updates[1].sender, &first);
    EXPECT_FALSE(second.updates[1].object.has_value());
}

TEST_F(DocumentTest, AViewThatGoesLeavesItsDocument)
{
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    {
        TestView extra;
        net->AddView(extra);
        EXPECT_EQ(net->Views().size(), 2u);
    }
    EXPECT_EQ(net->Views().size(), 1u);
    net->UpdateAllViews(nullptr, 1);  // reaches only the view that is left
    EXPECT_EQ(ViewOf(*net).updates.back().hint, 1);
}

struct CloseCase {
    const char* name;
    int answer;
    bool closes;
    bool saved;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class ClosingModified : public FrameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingModified, AsksAndDoesWhatTheUserSaid)
{
    const CloseCase& c = GetParam();
    frame_.ShowNormal();
    TestDocument* net = static_cast<TestDocument*>(netTemplate_->OpenFile("/nets/pump.nt3"));
    ASSERT_NE(net, nullptr);
    net->SetModified();
    std::vector<std::filesystem::path> saved;
    net->saveLog = &saved;
    Prompts().messageBoxAnswers.push_back(c.answer);
    EXPECT_EQ(frame_.Close(), c.closes);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Save changes to pump.nt3?");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNoCancel);
    EXPECT_EQ(frame_.IsOpen(), !c.closes);
    EXPECT_EQ(App().QuitRequested(), c.closes);
    if (c.closes) {
        EXPECT_EQ(netTemplate_->GetDocument(), nullptr);
        EXPECT_FALSE(frame_.IsVisible());
    } else {
        EXPECT_EQ(netTemplate_->GetDocument(), net);
        EXPECT_TRUE(net->IsModified());
    }
    EXPECT_EQ(saved, c.saved ? std::vector<std::filesystem::path>{"/nets/pump.nt3"} : std::vector<std::filesystem::path>{});
    EXPECT_TRUE(Prompts().fileDialogs.empty()) << "a document with a path is saved there";
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingModified,
    ::testing::Values(CloseCase{"Yes", kIdYes, true, true}, CloseCase{"No", kIdNo, true, false},
        CloseCase{"Cancel", kIdCancel, false, false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(DocumentTest, SavingAnUntitledDocumentAsksForAName)
{
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    net->SetModified();
    Prompts().messageBoxAnswers.push_back(kIdYes);
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{"/nets/new.nt3"}, 1, {}});
    EXPECT_TRUE(netTemplate_->CloseDocument());
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_FALSE(Prompts().fileDialogs[0].open);
    EXPECT_EQ(Prompts().fileDialogs[0].fileName, "ProgramNet");
    EXPECT_EQ(Prompts().fileDialogs[0].defaultExtension, "nt3");
    EXPECT_EQ(netTemplate_->GetDocument(), nullptr);
}

TEST_F(DocumentTest, AFailedOrCancelledSaveKeepsTheDocumentOpen)
{
    TestDocument* net = static_cast<TestDocument*>(netTemplate_->OpenFile("/nets/pump.nt3"));
    ASSERT_NE(net, nullptr);
    net->SetModified();
    net->saveSucceeds = false;
    Prompts().messageBoxAnswers.push_back(kIdYes);
    EXPECT_FALSE(netTemplate_->CloseDocument());
    EXPECT_EQ(net->saves, std::vector<std::filesystem::path>{"/nets/pump.nt3"});
    EXPECT_TRUE(net->IsModified());

    // Untitled, and the name dialog cancelled.
    net->SetPathName({}, false);
    Prompts().messageBoxAnswers.push_back(kIdYes);
    EXPECT_FALSE(netTemplate_->CloseDocument());
    EXPECT_EQ(netTemplate_->GetDocument(), net);
}

TEST_F(DocumentTest, ClosingAChildFrameAsksItsDocument)
{
    frame_.ShowNormal();
    TestDocument* net = OpenNet();
    TestDocument* trend = OpenTrend();
    ASSERT_NE(net, nullptr);
    ASSERT_NE(trend, nullptr);
    net->SetModified();
    trend->SetModified();
    Prompts().messageBoxAnswers = {kIdCancel, kIdNo};
    ASSERT_TRUE(frame_automation::CloseChildFrame(*netTemplate_->Frame()));
    App().ProcessPending();
    EXPECT_EQ(netTemplate_->GetDocument(), net) << "cancelled";
    ASSERT_TRUE(frame_automation::CloseChildFrame(*netTemplate_->Frame()));
    App().ProcessPending();
    EXPECT_EQ(netTemplate_->GetDocument(), nullptr);
    EXPECT_EQ(frame_.ActiveDocument(), trend);
    EXPECT_EQ(frame_.Children().size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes.size(), 2u);
}

}  // namespace
}  // namespace document_test
}  // namespace corvane
