#include "icons/function/CMathDialog.h"

#include "ChildDialogDriver.h"
#include "MathLibraryTestSupport.h"
#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/common/TwoPointScaling.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CMathIcon.h"
#include "icons/math/CMathCompiler.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/EditControl.h"
#include "platform/ListViewControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_math_dialog_test {
namespace {

constexpr Rect kDrop{100, 100, 132, 132};

std::vector<std::uint8_t> Compiled(std::string_view equation)
{
    MathCompileResult result;
    CMathCompiler compiler;
    EXPECT_EQ(compiler.Compile(equation, kMathFloatMode, result), kMathErrorNone) << equation;
    return {result.Code().begin(), result.Code().end()};
}

std::vector<std::uint8_t> CodeOf(const CMathIcon& icon) { return {icon.Code().begin(), icon.Code().end()}; }

class MathDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }

    bool Run(CMathIcon& icon, const std::function<void(CMathDialog&)>& drive)
    {
        CMathDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    CMathIcon& PlaceMath(std::string_view equation)
    {
        auto& math = test::Place<CMathIcon>(doc, kDrop);
        math.SetEquation(equation);
        math.SetCode(Compiled(equation));
        return math;
    }
    CConstIcon& Source(std::string_view name)
    {
        auto& source = test::Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
        source.SetName(name);
        return source;
    }

    // Drives the dialog the math dialog opens next.
    static std::unique_ptr<test::ChildDialogDriver> DriveChild(CMathDialog& d, std::function<void(Dialog&)> drive)
    {
        return std::make_unique<test::ChildDialogDriver>([&d] { return d.OpenChild(); }, std::move(drive));
    }
};

TEST_F(MathDialog, OpensWithTheEquationTheOutputChoiceAndTheSourcesOfWXYZ)
{
    struct Case {
        std::uint16_t mask;
        int checked;
    };
    const std::vector<Case> cases{{0x2000, res::kIdcMathWhenW}, {0x8000, res::kIdcMathWhenX},
        {0x8123, res::kIdcMathWhenX}, {0x4000, res::kIdcMathWhenY}, {0x1000, res::kIdcMathWhenZ},
        {0xF000, res::kIdcMathWhenAny}, {0x0000, res::kIdcMathWhenAny}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        auto& math = PlaceMath("W + y");
        math.SetOutputWhen(c.mask);
        test::Link(Source("Alpha"), 0, math, 0);
        test::Link(Source("Gamma"), 0, math, 2);
        Run(math, [&](CMathDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcMathEquation), "W + y");
            for (const int id :
                {res::kIdcMathWhenW, res::kIdcMathWhenX, res::kIdcMathWhenY, res::kIdcMathWhenZ, res::kIdcMathWhenAny})
                EXPECT_EQ(Checked(d, id), id == c.checked ? 1 : 0) << id;
            EXPECT_EQ(Text(d, res::kIdcIconInput2Label), "X Input:");
            EXPECT_EQ(Text(d, res::kIdcIconInput3Label), "Y Input:");
            EXPECT_EQ(Text(d, res::kIdcIconInput4Label), "Z Input:");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput1), "Alpha");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput2), "Unconnected");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput3), "Gamma");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput4), "Unconnected");
            for (const int id : {CIconDialog::kIdcInput2, CIconDialog::kIdcInput3, CIconDialog::kIdcInput4})
                EXPECT_TRUE(d.GetControl(id)->IsVisible());
            Click(d, kIdCancel);
        });
    }
}

TEST_F(MathDialog, OkStoresTheCompiledCodeTheTextAndTheOutputChoiceTogether)
{
    auto& math = PlaceMath("W");
    test::Link(Source("S"), 0, math, 1);
    test::Link(Source("T"), 0, math, 2);
    EXPECT_TRUE(Run(math, [&](CMathDialog& d) {
        SetText(d, res::kIdcMathEquation, "SQRT(X^2 + Y^2)");
        SetText(d, CIconDialog::kIdcUnits, "m/s");
        Click(d, res::kIdcMathWhenZ);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(math.Equation(), "SQRT(X^2 + Y^2)");
    EXPECT_EQ(CodeOf(math), Compiled("SQRT(X^2 + Y^2)"));
    EXPECT_EQ(math.OutputWhen(), CMathIcon::kWhenZ);
    EXPECT_TRUE(Prompts().messageBoxes.empty()) << "X and Y have sources";
}

TEST_F(MathDialog, CompileErrorsKeepTheDialogOpenAndTheIconUnchanged)
{
    struct Case {
        std::string equation;
        std::string message;
    };
    const std::vector<Case> cases{
        {"(X", "Invalid Expression: (X in function: ("},
        {"W+", "Invalid Expression: + in function: +"},
        {"W $ 2", "Invalid Expression: $ 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.equation);
        Prompts().messageBoxes.clear();
        auto& math = PlaceMath("W");
        math.SetOutputWhen(CMathIcon::kWhenW);
        EXPECT_FALSE(Run(math, [&](CMathDialog& d) {
            SetText(d, res::kIdcMathEquation, c.equation);
            Click(d, res::kIdcMathWhenAny);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen());
            Click(d, kIdCancel);
        }));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.message);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Math Equation Error");
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
        EXPECT_EQ(math.Equation(), "W");
        EXPECT_EQ(CodeOf(math), Compiled("W"));
        EXPECT_EQ(math.OutputWhen(), CMathIcon::kWhenW);
    }
}

TEST_F(MathDialog, OkWarnsAboutAVariableWithoutASource)
{
    auto& math = PlaceMath("W");
    test::Link(Source("S"), 0, math, 0);
    EXPECT_TRUE(Run(math, [&](CMathDialog& d) {
        SetText(d, res::kIdcMathEquation, "EXP(W) + ZERO(W) + X");
        Click(d, kIdOk);
    }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(
        Prompts().messageBoxes[0].text, "Math Equation contains the variable X, but the X input is not connected.");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Math Icon");
}

TEST_F(MathDialog, SwapExchangesXAndYOnOkOnly)
{
    auto& math = PlaceMath("X - Y");
    auto& first = Source("First");
    auto& second = Source("Second");
    test::Link(first, 0, math, 1);
    test::Link(second, 0, math, 2);
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        Run(math, [&](CMathDialog& d) {
            Click(d, res::kIdcMathSwap);
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput2), "Second");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput3), "First");
            Click(d, ok ? kIdOk : kIdCancel);
        });
        EXPECT_EQ(math.GetInputLinks()[1].sourceId, ok ? second.UniqueId() : first.UniqueId());
        EXPECT_EQ(math.GetInputLinks()[2].sourceId, ok ? first.UniqueId() : second.UniqueId());
        EXPECT_EQ(math.GetInputLinks()[0].sourceId, 0);
    }
}

TEST_F(MathDialog, GenerateEquationWritesTheScalingTermAndOkKeepsThePoints)
{
    auto& math = PlaceMath("W");
    test::Link(Source("S"), 0, math, 0);
    EXPECT_TRUE(Run(math, [&](CMathDialog& d) {
        auto child = DriveChild(d, [](Dialog& eqn) {
            EXPECT_EQ(eqn.GetControl(res::kIdcEqnInputLabel)->GetText(), "*  W     +   ");
            EXPECT_EQ(eqn.GetControl(res::kIdcEqnHighSignal)->GetText(), "");
            SetText(eqn, res::kIdcEqnHighSignal, "20");
            SetText(eqn, res::kIdcEqnLowSignal, "4");
            SetText(eqn, res::kIdcEqnHighReal, "100");
            SetText(eqn, res::kIdcEqnLowReal, "0");
            Click(eqn, res::kIdcEqnCalculate);
            Click(eqn, kIdOk);
        });
        Click(d, res::kIdcMathGenerate);
        EXPECT_EQ(child->runs, 1);
        EXPECT_EQ(Text(d, res::kIdcMathEquation), "(6.25 * w) + -25 ");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(math.Equation(), "(6.25 * w) + -25 ");
    EXPECT_EQ(math.Scaling(), (ScalingPoints{20.0F, 4.0F, 100.0F, 0.0F}));

    // The generator opens with the points kept; Cancel of the math dialog keeps the old ones.
    Run(math, [&](CMathDialog& d) {
        auto child = DriveChild(d, [](Dialog& eqn) {
            EXPECT_EQ(eqn.GetControl(res::kIdcEqnHighSignal)->GetText(), "20");
            EXPECT_EQ(eqn.GetControl(res::kIdcEqnScale)->GetText(), "6.25");
            SetText(eqn, res::kIdcEqnHighSignal, "10");
            Click(eqn, kIdOk);
        });
        Click(d, res::kIdcMathGenerate);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(math.Scaling(), (ScalingPoints{20.0F, 4.0F, 100.0F, 0.0F}));
    EXPECT_EQ(math.Equation(), "(6.25 * w) + -25 ");
}

TEST_F(MathDialog, LibrarySelectionFillsTheEquationField)
{
    test::MathLibraryStore s;
    s.Put({{"Math01", "Y*2\tdouble"}, {"Math02", "X+Y\tsum"}});
    auto& math = PlaceMath("W");
    math.SetLibraryStore(&s.store);
    Run(math, [&](CMathDialog& d) {
        auto child = DriveChild(d, [](Dialog& library) {
            auto& list = *library.GetControlAs<ListViewControl>(res::kIdcMathLibraryList);
            ASSERT_EQ(list.GetItemCount(), 2);
            EXPECT_TRUE(control_automation::DoubleClickItem(list, 1));
        });
        Click(d, res::kIdcMathLibrary);
        EXPECT_EQ(Text(d, res::kIdcMathEquation), "X+Y");
        Click(d, kIdCancel);
    });
    EXPECT_EQ(math.Equation(), "W");
}

TEST_F(MathDialog, SaveCompilesIntoItsOwnResultAndWritesTheLibrary)
{
    test::MathLibraryStore s;
    auto& math = PlaceMath("W");
    math.SetLibraryStore(&s.store);
    EXPECT_FALSE(Run(math, [&](CMathDialog& d) {
        // An equation that does not compile is not offered for saving.
        SetText(d, res::kIdcMathEquation, "W +* 2");
        Click(d, res::kIdcMathSave);
        EXPECT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(d.OpenChild(), nullptr);

        SetText(d, res::kIdcMathEquation, "X / 2");
        auto child = DriveChild(d, [](Dialog& save) {
            EXPECT_EQ(Text(save, res::kIdcMathFunctionEquation), "X / 2");
            EXPECT_EQ(Text(save, kIdOk), "Save");
            EXPECT_TRUE(save.GetControlAs<EditControl>(res::kIdcMathFunctionEquation)->IsReadOnly());
            SetText(save, res::kIdcMathFunctionComment, "half of X");
            Click(save, kIdOk);
        });
        Click(d, res::kIdcMathSave);
        EXPECT_EQ(child->runs, 1);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(s.Values(), std::vector<std::string>{"Math01=X / 2\thalf of X"});
    // The icon keeps its own equation and code: only OK stores them.
    EXPECT_EQ(math.Equation(), "W");
    EXPECT_EQ(CodeOf(math), Compiled("W"));
}

TEST_F(MathDialog, WithoutAStoreTheLibraryIsNotOfferedAndHelpOpensTheDefaultContext)
{
    auto& math = PlaceMath("W");
    Run(math, [&](CMathDialog& d) {
        EXPECT_FALSE(d.GetControl(res::kIdcMathLibrary)->IsEnabled());
        EXPECT_FALSE(d.GetControl(res::kIdcMathSave)->IsEnabled());
        EXPECT_TRUE(d.GetControl(res::kIdcMathGenerate)->IsEnabled());
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{0x20000 + 308}));
}

}  // namespace
}  // namespace c_math_dialog_test
}  // namespace corvane
