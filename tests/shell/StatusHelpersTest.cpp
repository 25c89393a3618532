#include "shell/StatusHelpers.h"

#include "shell/StatusSink.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace status_helpers_test {
namespace {

// A status bar that logs what reaches it.
class FakeStatusSink final : public StatusSink {
public:
    std::vector<std::string> calls;
    bool hasProgress = false;

    void SetStatusText(std::string_view text) override { calls.push_back("text " + std::string(text)); }
    void SetStatusMessage(std::string_view text) override { calls.push_back("message " + std::string(text)); }
    bool HasProgress() const override { return hasProgress; }
    void CreateProgress() override
    {
        hasProgress = true;
        calls.push_back("create");
    }
    void SetProgressPos(int position) override { calls.push_back("pos " + std::to_string(position)); }
    void SetProgressRange(std::uint16_t upper) override { calls.push_back("range " + std::to_string(upper)); }
    void StartProgressAnimation() override { calls.push_back("start"); }
    void StopProgressAnimation() override
    {
        // The frame removes the bar later, from the posted message.
        calls.push_back("stop");
    }
};

using Calls = std::vector<std::string>;

TEST(StatusHelpersTest, ProgressCallsReachTheFrameInTheirRules)
{
    struct Case {
        const char* what;
        bool barExists;
        void (*act)(StatusSink&);
        Calls expected;
    };
    const Case cases[] = {
        {"first ShowProgress makes the bar", false, [](StatusSink& s) { ShowProgress(s, 5); }, {"create"}},
        {"second ShowProgress sets it", false,
            [](StatusSink& s) {
                ShowProgress(s, 5);
                ShowProgress(s, 5);
            },
            {"create", "pos 5"}},
        {"range without a bar", false, [](StatusSink& s) { SetProgressRange(s, 40); }, {}},
        {"range with a bar", true, [](StatusSink& s) { SetProgressRange(s, 40); }, {"range 40"}},
        {"start of an operation", false, [](StatusSink& s) { SetStatusProgress(s, "Compiling...", true); },
            {"create", "range 100", "start", "message Compiling..."}},
        {"start with a bar", true, [](StatusSink& s) { SetStatusProgress(s, "Uploading", true); },
            {"pos 1", "range 100", "start", "message Uploading"}},
        {"end of an operation", true, [](StatusSink& s) { SetStatusProgress(s, "Ready", false); },
            {"pos 0", "range 100", "stop", "message Ready"}},
        {"end without a bar still makes one", false, [](StatusSink& s) { SetStatusProgress(s, "", false); },
            {"create", "range 100", "stop", "message "}},
        {"animation", true,
            [](StatusSink& s) {
                RunProgressAnimation(s, true);
                RunProgressAnimation(s, false);
            },
            {"start", "stop"}},
        {"texts", false,
            [](StatusSink& s) {
                SetStatusText(s, "Ready");
                SetStatusMessage(s, "Reading");
            },
            {"text Ready", "message Reading"}},
    };
    for (const Case& c : cases) {
        FakeStatusSink sink;
        sink.hasProgress = c.barExists;
        c.act(sink);
        EXPECT_EQ(sink.calls, c.expected) << c.what;
    }
}

TEST(StatusHelpersTest, NoFrameMeansNoActiveView)
{
    EXPECT_EQ(GetActiveView(nullptr), nullptr);
    EXPECT_EQ(GetActiveDocument(nullptr), nullptr);
}

}  // namespace
}  // namespace status_helpers_test
}  // namespace corvane
