#include "icons/common/CEqnDlg.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_eqn_dlg_test {
namespace {

class EqnDialog : public test::PlatformTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static void SetPoints(Dialog& d, std::string_view x1, std::string_view x2, std::string_view y1, std::string_view y2)
    {
        SetText(d, res::kIdcEqnHighSignal, x1);
        SetText(d, res::kIdcEqnLowSignal, x2);
        SetText(d, res::kIdcEqnHighReal, y1);
        SetText(d, res::kIdcEqnLowReal, y2);
    }

    bool Run(CEqnDlg& dialog, const std::function<void()>& drive)
    {
        test::ModalDriver driver(dialog, drive);
        return dialog.DoModal() == kIdOk;
    }
};

TEST_F(EqnDialog, UndefinedPointsOpenEmptyWithScaleOneAndTheModesLabel)
{
    struct Case {
        std::uint8_t mode;
        std::string label;
    };
    for (const Case& c : {Case{CEqnDlg::kChannelMode, "* Input +"}, Case{CEqnDlg::kMathMode, "*  W     +   "}}) {
        SCOPED_TRACE(c.mode);
        CEqnDlg dialog(c.mode, ScalingPoints{});
        Run(dialog, [&] {
            for (const int id :
                {res::kIdcEqnHighSignal, res::kIdcEqnLowSignal, res::kIdcEqnHighReal, res::kIdcEqnLowReal})
                EXPECT_EQ(Text(dialog, id), "");
            EXPECT_EQ(Text(dialog, res::kIdcEqnScale), "1");
            EXPECT_EQ(Text(dialog, res::kIdcEqnOffset), "0");
            EXPECT_EQ(Text(dialog, res::kIdcEqnInputLabel), c.label);
            Click(dialog, kIdCancel);
        });
    }
}

TEST_F(EqnDialog, StoredPointsOpenWithTheirScaleAndOffsetAndEqualOnesNeverDivide)
{
    struct Case {
        ScalingPoints points;
        std::string scale;
        std::string offset;
    };
    const std::vector<Case> cases{
        {{20.0F, 4.0F, 100.0F, 0.0F}, "6.25", "-25"},
        {{4.0F, 4.0F, 100.0F, 0.0F}, "1", "0"},
    };
    for (const Case& c : cases) {
        CEqnDlg dialog(CEqnDlg::kChannelMode, c.points);
        Run(dialog, [&] {
            EXPECT_EQ(Text(dialog, res::kIdcEqnHighSignal), (c.points.x1 == 20.0F ? "20" : "4"));
            EXPECT_EQ(Text(dialog, res::kIdcEqnScale), c.scale);
            EXPECT_EQ(Text(dialog, res::kIdcEqnOffset), c.offset);
            Click(dialog, kIdCancel);
        });
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(EqnDialog, CalculateShowsTheLineOrRefusesEqualSignalLevels)
{
    struct Case {
        const char* x1;
        const char* x2;
        const char* y1;
        const char* y2;
        std::string scale;
        std::string offset;
        bool refused;
    };
    const std::vector<Case> cases{
        {"20", "4", "100", "0", "6.25", "-25", false},
        {"10", "0", "-5", "5", "-1", "5", false},
        {"4", "4", "100", "0", "1", "0", true},
        {"-1", "-1", "-1", "-1", "1", "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1 + std::string("/") + c.x2);
        Prompts().messageBoxes.clear();
        CEqnDlg dialog(CEqnDlg::kMathMode, ScalingPoints{});
        Run(dialog, [&] {
            SetPoints(dialog, c.x1, c.x2, c.y1, c.y2);
            Click(dialog, res::kIdcEqnCalculate);
            EXPECT_EQ(Text(dialog, res::kIdcEqnScale), c.scale);
            EXPECT_EQ(Text(dialog, res::kIdcEqnOffset), c.offset);
            EXPECT_TRUE(dialog.IsOpen());
            Click(dialog, kIdCancel);
        });
        ASSERT_EQ(Prompts().messageBoxes.size(), c.refused ? 1U : 0U);
        if (c.refused) {
            EXPECT_EQ(Prompts().messageBoxes[0].caption, "Configuration Error");
            EXPECT_EQ(Prompts().messageBoxes[0].text,
                "The High Point and Low Point signal levels must differ to define a scaling.");
        }
    }
}

TEST_F(EqnDialog, OkRefusesEqualSignalLevelsAndReturnsTheEditsAsTheyStand)
{
    CEqnDlg dialog(CEqnDlg::kChannelMode, ScalingPoints{});
    EXPECT_TRUE(Run(dialog, [&] {
        SetPoints(dialog, "5", "5", "1", "0");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        // Typed coefficients are returned without Calculate.
        SetPoints(dialog, "20", "4", "100", "0");
        SetText(dialog, res::kIdcEqnScale, "2.5");
        SetText(dialog, res::kIdcEqnOffset, "-3");
        Click(dialog, kIdOk);
    }));
    EXPECT_EQ(dialog.Points(), (ScalingPoints{20.0F, 4.0F, 100.0F, 0.0F}));
    EXPECT_EQ(dialog.Scale(), 2.5F);
    EXPECT_EQ(dialog.Offset(), -3.0F);
}

TEST_F(EqnDialog, OkKeepsAllFourPointsAtMinusOneAsNoScaling)
{
    CEqnDlg dialog(CEqnDlg::kChannelMode, ScalingPoints{});
    EXPECT_TRUE(Run(dialog, [&] {
        SetPoints(dialog, "-1", "-1", "-1", "-1");
        Click(dialog, kIdOk);
    }));
    EXPECT_TRUE(dialog.Points().IsUndefined());
    EXPECT_EQ(dialog.Scale(), 1.0F);
    EXPECT_EQ(dialog.Offset(), 0.0F);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(EqnDialog, EmptyPointEditsAreRefusedAndHelpOpensTheDefaultContext)
{
    CEqnDlg dialog(CEqnDlg::kMathMode, ScalingPoints{});
    Run(dialog, [&] {
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen());
        Click(dialog, kIdHelp);
        Click(dialog, kIdCancel);
    });
    EXPECT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{0x20000 + 311}));
}

}  // namespace
}  // namespace c_eqn_dlg_test
}  // namespace corvane
