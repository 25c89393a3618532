#include "icons/function/CMathFunctionLibraryDialog.h"

#include "ChildDialogDriver.h"
#include "MathLibraryTestSupport.h"
#include "ModalDriver.h"
#include "TestOutput.h"

#include "controls/CPictureEx.h"
#include "icons/function/CEditMathFunctionDialog.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/EditControl.h"
#include "platform/DeviceContext.h"
#include "platform/ListViewControl.h"
#include "platform/PictureControl.h"
#include "res/Animations.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_math_function_library_dialog_test {
namespace {

namespace ca = control_automation;

class MathLibraryDialog : public test::PlatformTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Enabled(Dialog& d, int id) { return d.GetControl(id)->IsEnabled(); }
    static ListViewControl& List(Dialog& d) { return *d.GetControlAs<ListViewControl>(res::kIdcMathLibraryList); }

    int Run(const std::function<void(CMathFunctionLibraryDialog&)>& drive)
    {
        dialog_ = std::make_unique<CMathFunctionLibraryDialog>(library_);
        test::ModalDriver driver(*dialog_, [&] { drive(*dialog_); });
        return dialog_->DoModal();
    }
    const CMathFunctionLibraryDialog& Last() const { return *dialog_; }

    test::MathLibraryStore s;

private:
    MathFunctionLibrary library_{s.store};
    std::unique_ptr<CMathFunctionLibraryDialog> dialog_;
};

TEST_F(MathLibraryDialog, ListsTheFunctionsAndEnablesTheButtonsBySelection)
{
    s.Put({{"Math01", "W*2\tdouble"}, {"Math02", "no tab"}, {"Math03", "SQRT(X)\troot"}});
    EXPECT_EQ(Run([&](CMathFunctionLibraryDialog& d) {
        ListViewControl& list = List(d);
        ASSERT_EQ(list.GetColumnCount(), 2);
        EXPECT_EQ(list.GetColumnWidth(0), 225);
        EXPECT_EQ(list.GetColumnWidth(1), 225);
        ASSERT_EQ(list.GetItemCount(), 3);
        EXPECT_EQ(list.GetItemText(0, 0), "W*2");
        EXPECT_EQ(list.GetItemText(0, 1), "double");
        EXPECT_EQ(list.GetItemText(1, 0), "");
        EXPECT_EQ(list.GetItemText(1, 1), "no tab");
        for (const int id : {kIdOk, res::kIdcMathLibraryEdit, res::kIdcMathLibraryDelete})
            EXPECT_FALSE(Enabled(d, id)) << id;
        ASSERT_TRUE(ca::ClickItem(list, 2));
        for (const int id : {kIdOk, res::kIdcMathLibraryEdit, res::kIdcMathLibraryDelete})
            EXPECT_TRUE(Enabled(d, id)) << id;
        ASSERT_TRUE(ca::ClickItem(list, 0, ca::kCtrl));
        EXPECT_FALSE(Enabled(d, kIdOk)) << "Select takes exactly one row";
        EXPECT_TRUE(Enabled(d, res::kIdcMathLibraryEdit));
        ASSERT_TRUE(ca::ClickItem(list, 0, ca::kCtrl));
        Click(d, kIdOk);
    }),
        kIdOk);
    EXPECT_EQ(Last().Selected(), (MathFunction{"SQRT(X)", "root"}));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(MathLibraryDialog, EmptyLibrarySaysSoAndOpensEmpty)
{
    Run([&](CMathFunctionLibraryDialog& d) {
        EXPECT_EQ(List(d).GetItemCount(), 0);
        Click(d, kIdCancel);
    });
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "No User Defined Functions");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Math Library");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
}

TEST_F(MathLibraryDialog, DeleteAsksAndRewritesTheLibraryOnYesOnly)
{
    struct Case {
        int answer;
        std::vector<std::string> values;
    };
    const std::vector<Case> cases{
        {kIdNo, {"Math01=A\ta", "Math02=B\tb", "Math03=C\tc"}},
        {kIdCancel, {"Math01=A\ta", "Math02=B\tb", "Math03=C\tc"}},
        {kIdYes, {"Math01=A\ta", "Math02=C\tc"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        (void)s.store.DeleteKey(MathFunctionLibrary::kKey);
        s.Put({{"Math01", "A\ta"}, {"Math02", "B\tb"}, {"Math03", "C\tc"}});
        Prompts().messageBoxes.clear();
        Prompts().messageBoxAnswers = {c.answer};
        Run([&](CMathFunctionLibraryDialog& d) {
            ASSERT_TRUE(ca::ClickItem(List(d), 1));
            Click(d, res::kIdcMathLibraryDelete);
            EXPECT_EQ(List(d).GetItemCount(), c.answer == kIdYes ? 2 : 3);
            Click(d, kIdCancel);
        });
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(
            Prompts().messageBoxes[0].text, "Are you sure you want to permanently delete the\nselected function?");
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Confirm Function Deletion");
        EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNoCancel);
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Question);
        EXPECT_EQ(s.Values(), c.values);
    }
}

TEST_F(MathLibraryDialog, EditWritesTheRowAndTheLibrary)
{
    s.Put({{"Math01", "A\ta"}, {"Math02", "B\tb"}});
    Run([&](CMathFunctionLibraryDialog& d) {
        ASSERT_TRUE(ca::ClickItem(List(d), 1));
        test::ChildDialogDriver child([&d] { return d.OpenChild(); },
            [](Dialog& edit) {
                EXPECT_EQ(Text(edit, res::kIdcMathFunctionEquation), "B");
                EXPECT_EQ(Text(edit, res::kIdcMathFunctionComment), "b");
                EXPECT_FALSE(edit.GetControlAs<EditControl>(res::kIdcMathFunctionEquation)->IsReadOnly());
                Click(edit, kIdHelp);
                SetText(edit, res::kIdcMathFunctionEquation, "B*2");
                SetText(edit, res::kIdcMathFunctionComment, "twice b");
                Click(edit, kIdOk);
            });
        Click(d, res::kIdcMathLibraryEdit);
        EXPECT_EQ(List(d).GetItemText(1, 0), "B*2");
        EXPECT_EQ(List(d).GetItemText(1, 1), "twice b");
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(s.Values(), (std::vector<std::string>{"Math01=A\ta", "Math02=B*2\ttwice b"}));
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{2091, 131382}));
}

TEST_F(MathLibraryDialog, ReportsALibraryThatCouldNotBeSaved)
{
    s.UseFile();
    s.Put({{"Math01", "A\ta"}, {"Math02", "B\tb"}});
    s.BreakSaving();
    Prompts().messageBoxAnswers = {kIdYes};
    Run([&](CMathFunctionLibraryDialog& d) {
        ASSERT_TRUE(ca::ClickItem(List(d), 0));
        Click(d, res::kIdcMathLibraryDelete);
        Click(d, kIdCancel);
    });
    ASSERT_EQ(Prompts().messageBoxes.size(), 2U);
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Unable to save the Math Function Library.");
    EXPECT_EQ(Prompts().messageBoxes[1].caption, "Math Library");
}

class SaveMathFunctionDialog : public test::PlatformTest {
protected:
    bool Run(CEditMathFunctionDialog& dialog, const std::function<void()>& drive)
    {
        test::ModalDriver driver(dialog, drive);
        return dialog.DoModal() == kIdOk;
    }
    test::MathLibraryStore s;
    MathFunctionLibrary library{s.store};
};

TEST_F(SaveMathFunctionDialog, RefusesAFullLibraryAnEmptyEquationAndAStoreThatFails)
{
    struct Case {
        const char* what;
        std::size_t stored;
        std::string equation;
        bool breakSaving;
        std::string refusal;  // empty: saved
    };
    const std::vector<Case> cases{
        {"80 stored", 80, "W", false,
            "The maximum number of 80 Functions\nhas already been reached.\n\nUnable to Save Function."},
        {"empty equation", 0, "", false, "No equation is specified"},
        {"store fails", 1, "W", true, "Unable to write the function into the Math Function Library."},
        {"79 stored", 79, "W", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::MathLibraryStore store;
        if (c.breakSaving)
            store.UseFile();
        std::vector<std::pair<std::string, std::string>> values;
        for (std::size_t n = 1; n <= c.stored; ++n)
            values.emplace_back(MathFunctionLibrary::ValueName(n), "X\t");
        store.Put(values);
        if (c.breakSaving)
            store.BreakSaving();
        MathFunctionLibrary target(store.store);
        Prompts().messageBoxes.clear();
        CEditMathFunctionDialog dialog(CEditMathFunctionDialog::kSaveMode, {c.equation, "note"}, &target);
        const bool saved = Run(dialog, [&] {
            EXPECT_EQ(dialog.GetControl(kIdOk)->GetText(), "Save");
            dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
            if (dialog.IsOpen())
                dialog.GetControlAs<ButtonControl>(kIdCancel)->Click();
        });
        EXPECT_EQ(saved, c.refusal.empty());
        if (c.refusal.empty()) {
            EXPECT_TRUE(Prompts().messageBoxes.empty());
            EXPECT_EQ(store.Values().back(), "Math80=W\tnote");
            continue;
        }
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.refusal);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Save Math Function");
    }
}

TEST_F(SaveMathFunctionDialog, TakesAHundredCharacterEquationAndShowsItsPicture)
{
    const std::string equation(100, 'W');
    CEditMathFunctionDialog dialog(CEditMathFunctionDialog::kSaveMode, {equation, ""}, &library);
    EXPECT_TRUE(Run(dialog, [&] {
        EXPECT_TRUE(dialog.GetControlAs<PictureControl>(res::kIdcMathFunctionPicture)->HasImage());
        // The library's animation plays, frame by frame on the clock, and
        // comes round again.
        const CPictureEx* picture = dialog.Picture();
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->IsPlaying());
        const DecodedPicture frames = res::MakeAnimation(res::kAnimationMathLibrary);
        ASSERT_GT(frames.frames.size(), 1u);
        Bitmap strip(frames.size.width * static_cast<int>(frames.frames.size()), frames.size.height);
        for (std::size_t i = 0; i < frames.frames.size(); ++i) {
            ASSERT_EQ(picture->CurrentFrame(), i);
            {
                MemoryContext dc(strip);
                dc.CopyBitmap({frames.size.width * static_cast<int>(i), 0}, picture->Surface(),
                    {0, 0, frames.size.width, frames.size.height});
            }
            if (i == 2) {
                EXPECT_TRUE(dialog.SaveImage(test::OutputFile("math-function-dialog.png").string()));
            }
            TestClock().Advance(CPictureEx::FrameDelayMs(frames.frames[i].delayHundredths));
            App().ProcessPending();
        }
        EXPECT_EQ(picture->CurrentFrame(), 0u);
        EXPECT_TRUE(strip.SavePng(test::OutputFile("math-function-animation.png")));
        dialog.GetControlAs<ButtonControl>(kIdHelp)->Click();
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    }));
    EXPECT_EQ(library.Load(), (std::vector<MathFunction>{{equation, ""}}));
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{131381}));
}

}  // namespace
}  // namespace c_math_function_library_dialog_test
}  // namespace corvane
