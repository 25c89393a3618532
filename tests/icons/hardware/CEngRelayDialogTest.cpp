#include "icons/hardware/CEngRelayDialog.h"

#include "HardwareDialogDriver.h"
#include "HardwareIconTestSupport.h"

#include "icons/hardware/CQuvEngRelayIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_eng_relay_dialog_test {
namespace {

using test::Checked;
using test::Click;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class EngRelayDialog : public test::HardwareIconNetTest {
protected:
    bool Run(CQuvEngRelayIcon& relay, const std::function<void(CEngRelayDialog&)>& drive)
    {
        return test::RunDialog<CEngRelayDialog>(relay, drive);
    }
};

TEST_F(EngRelayDialog, OpensWithTheChoicesOfTheModeWord)
{
    struct Case {
        std::uint16_t mode;
        int stopRadio;
        int logicRadio;
    };
    const Case cases[] = {
        {0x0000, res::kIdcRelayOpen, res::kIdcRelayClosedWhenHigh},
        {0x0400, res::kIdcRelayRetain, res::kIdcRelayClosedWhenHigh},
        {0x0A00, res::kIdcRelayClose, res::kIdcRelayOpenWhenHigh},
        {0x0600, res::kIdcRelayOpen, res::kIdcRelayClosedWhenHigh},  // both stop bits: OPEN
    };
    auto& relay = Place<CQuvEngRelayIcon>(doc, kDrop);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        relay.SetModeWord(c.mode);
        EXPECT_FALSE(Run(relay, [&](CEngRelayDialog& d) {
            EXPECT_EQ(Checked(d, c.stopRadio), 1);
            EXPECT_EQ(Checked(d, c.logicRadio), 1);
            Click(d, res::kIdcRelayRetain);
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(relay.ModeWord(), c.mode);
    }
}

TEST_F(EngRelayDialog, OkComposesTheModeWord)
{
    struct Case {
        int stopRadio;
        int logicRadio;
        std::uint16_t mode;
    };
    const Case cases[] = {
        {res::kIdcRelayRetain, res::kIdcRelayClosedWhenHigh, 0x0400},
        {res::kIdcRelayOpen, res::kIdcRelayClosedWhenHigh, 0x0000},
        {res::kIdcRelayClose, res::kIdcRelayClosedWhenHigh, 0x0200},
        {res::kIdcRelayRetain, res::kIdcRelayOpenWhenHigh, 0x0C00},
        {res::kIdcRelayOpen, res::kIdcRelayOpenWhenHigh, 0x0800},
        {res::kIdcRelayClose, res::kIdcRelayOpenWhenHigh, 0x0A00},
    };
    auto& relay = Place<CQuvEngRelayIcon>(doc, kDrop);
    for (const Case& c : cases) {
        EXPECT_TRUE(Run(relay, [&](CEngRelayDialog& d) {
            Click(d, c.stopRadio);
            Click(d, c.logicRadio);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(relay.ModeWord(), c.mode);
        const auto saved = Saved(relay);
        EXPECT_EQ(saved[72] | (saved[73] << 8), c.mode);
    }
    EXPECT_TRUE(Run(relay, [&](CEngRelayDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{1631});
}

}  // namespace
}  // namespace c_eng_relay_dialog_test
}  // namespace corvane
