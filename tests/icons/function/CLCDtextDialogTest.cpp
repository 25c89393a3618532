#include "icons/function/CLCDtextDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CLCDtextIcon.h"
#include "icons/function/CTextInsSubDlg.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace clc_dtext_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class LcdDialogs : public test::FunctionIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static void SelectRow(Dialog& d, int row)
    {
        d.GetControlAs<ListBoxControl>(res::kIdcLcdInputList)->SetCurSel(row);
        NotifyEvent event{Notification::SelectionChanged, res::kIdcLcdInputList};
        d.Notify(event);
    }
    static void PutCaret(Dialog& d, int at) { d.GetControlAs<EditControl>(res::kIdcLcdMessage)->SetSel(at, at); }

    // A conditional message fed by a number (input 1, "Level") and an on/off
    // state (input 2, "Door"); input 3 unlinked.
    CLCDtextIcon& LinkedConditional()
    {
        auto& lcd = Place<CLCDtextIcon>(doc, kDrop, res::kBitmapLcdConditional);
        auto& level = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
        level.SetName("Level");
        SetOutputData(level.GetOutputEntries()[0], "mm");
        auto& door = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
        door.SetName("Door");
        Link(level, 0, lcd, 1);
        Link(door, 0, lcd, 2);
        return lcd;
    }

    bool Run(CLCDtextIcon& icon, const std::function<void(CLCDtextDialog&)>& drive)
    {
        CLCDtextDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    // Runs the editor on its own over the icon's message.
    LcdMessageContext RunEditor(
        CLCDtextIcon& icon, const std::function<void(CTextInsSubDlg&)>& drive, bool* ok = nullptr)
    {
        CTextInsSubDlg editor(icon, icon.MakeEditContext());
        test::ModalDriver driver(editor, [&] { drive(editor); });
        const bool accepted = editor.DoModal() == kIdOk;
        if (ok != nullptr)
            *ok = accepted;
        return editor.Context();
    }
    // Presses Edit Message with drive run on the open editor.
    static void EditMessage(CLCDtextDialog& d, const std::function<void(CTextInsSubDlg&)>& drive)
    {
        test::RecordingWindow window;
        window.onMessage = [&](Message&) {
            CTextInsSubDlg* editor = d.OpenEditor();
            if (editor == nullptr) {
                ADD_FAILURE() << "the editor is not open";
                return 0;
            }
            drive(*editor);
            if (editor->IsOpen()) {
                ADD_FAILURE() << "the editor was left open";
                editor->EndDialog(kIdAbort);
            }
            return 0;
        };
        window.PostMessage(kUserMessage);
        Click(d, res::kIdcLcdEditMessage);
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            texts.push_back(box.caption + ": " + box.text);
        return texts;
    }
};

TEST_F(LcdDialogs, EachVariantNamesItsInputsAndPurpose)
{
    struct Case {
        int bitmap;
        std::vector<std::string> labels;
        bool thirdRow;
        std::uint32_t help;
    };
    for (const Case& c : {Case{res::kBitmapLcdLatched, {"Input 0 Name:", "Input 1 Name:"}, false, 131413},
             Case{res::kBitmapLcdConditional, {"Input 1 Name:", "Input 2 Name:", "Input 3 Name:"}, true, 131418}}) {
        Prompts().helpIds.clear();
        auto& lcd = Place<CLCDtextIcon>(doc, kDrop, c.bitmap);
        auto& level = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
        level.SetName("Level");
        Link(level, 0, lcd, lcd.IsLatched() ? 1 : 2);
        Run(lcd, [&](CLCDtextDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcLcdInput1Label), c.labels[0]);
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput2Label), c.labels[1]);
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput1), "Unconnected");
            EXPECT_EQ(Text(d, CIconDialog::kIdcInput2), "Level");
            EXPECT_EQ(d.GetControl(CIconDialog::kIdcInput3)->IsVisible(), c.thirdRow);
            EXPECT_EQ(d.GetControl(CIconDialog::kIdcInput3Label)->IsVisible(), c.thirdRow);
            EXPECT_EQ(Text(d, res::kIdcLcdDescription), CLCDtextDialog::DescriptionFor(lcd.IsLatched()));
            EXPECT_EQ(Text(d, res::kIdcLcdPreview), "This is a sample of \n20 characters/line.");
            Click(d, kIdHelp);
            Click(d, kIdCancel);
        });
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{c.help});
    }
    EXPECT_EQ(CLCDtextDialog::CaptionFor(true), "Latched LCD Message");
    EXPECT_EQ(CLCDtextDialog::CaptionFor(false), "Conditional LCD Message");
    EXPECT_EQ(CLCDtextDialog::DescriptionFor(false),
        "When SELECT is HIGH, display this message (with optional embedded Input States/Values) on the Liquid "
        "Crystal Display (LCD).");
}

TEST_F(LcdDialogs, EditedMessageReachesTheIconOnOkOnly)
{
    CLCDtextIcon& lcd = LinkedConditional();
    const auto before = Saved(lcd);
    const auto edit = [&](CLCDtextDialog& d) {
        SetText(d, CIconDialog::kIdcName, "Tank");
        EditMessage(d, [&](CTextInsSubDlg& e) {
            SetText(e, res::kIdcLcdMessage, "T= C");
            PutCaret(e, 2);
            Click(e, res::kIdcLcdInsert);
            EXPECT_EQ(Text(e, res::kIdcLcdMessage), "T=^1 C");
            Click(e, kIdOk);
        });
        EXPECT_EQ(Text(d, res::kIdcLcdPreview), "T=##.# C");
        EXPECT_EQ(lcd.Message(), "") << "nothing reaches the icon before OK";
    };
    EXPECT_FALSE(Run(lcd, [&](CLCDtextDialog& d) {
        edit(d);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(lcd), before);

    EXPECT_TRUE(Run(lcd, [&](CLCDtextDialog& d) {
        edit(d);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(lcd.Header().name, "Tank");
    EXPECT_EQ(lcd.Message(), "T=^1 C\r\n\r\n\r\n");
    EXPECT_EQ(lcd.Preview(), "T=##.# C");
    EXPECT_EQ(lcd.InsertMap(), (std::array<std::uint8_t, 4>{1, 255, 255, 255}));
    EXPECT_EQ(lcd.LineTexts(0), (LcdInsertTexts{"xx", "x"}));
    const auto saved = Saved(lcd);
    EXPECT_EQ(std::string(saved.begin() + 78 + 32, saved.begin() + 78 + 32 + 10), std::string("T=%3.1f C\0", 10));
}

TEST_F(LcdDialogs, CancelledEditorLeavesTheDialogsMessage)
{
    CLCDtextIcon& lcd = LinkedConditional();
    EXPECT_TRUE(Run(lcd, [&](CLCDtextDialog& d) {
        EditMessage(d, [&](CTextInsSubDlg& e) {
            SetText(e, res::kIdcLcdMessage, "changed");
            Click(e, kIdCancel);
        });
        EXPECT_EQ(Text(d, res::kIdcLcdPreview), "This is a sample of \n20 characters/line.");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(lcd.Message(), "");
}

TEST_F(LcdDialogs, EditorListsTheValueInputsAndTheirFormats)
{
    CLCDtextIcon& lcd = LinkedConditional();
    RunEditor(lcd, [&](CTextInsSubDlg& e) {
        auto* list = e.GetControlAs<ListBoxControl>(res::kIdcLcdInputList);
        ASSERT_EQ(list->GetCount(), 3);
        EXPECT_EQ(list->GetText(0), "1 Level mm");
        EXPECT_EQ(list->GetText(1), "2 Door ");
        EXPECT_EQ(list->GetText(2), "");
        EXPECT_EQ(list->GetCurSel(), 0);
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLow), "xx") << "a number without pattern gets one";
        EXPECT_EQ(Text(e, res::kIdcLcdFormatHigh), "x");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLowLabel), "");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatHighLabel), ".");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatDescription), "Input Value Numerical Formatting to use in message:");

        SelectRow(e, 1);
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLowLabel), "Low->");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatHighLabel), "High->");
        EXPECT_EQ(
            Text(e, res::kIdcLcdFormatDescription), "Input Value Terminology to use in message: i.e. [false] [true]");
        EXPECT_TRUE(e.GetControl(res::kIdcLcdInsert)->IsEnabled());
        SelectRow(e, 2);
        EXPECT_FALSE(e.GetControl(res::kIdcLcdInsert)->IsEnabled()) << "input 3 has no source";
        EXPECT_FALSE(e.GetControl(res::kIdcLcdFormatLow)->IsEnabled());
        Click(e, kIdCancel);
    });
    EXPECT_EQ(CTextInsSubDlg::CaptionFor(3), "Conditional LCD Message; Message Entry");
    EXPECT_EQ(CTextInsSubDlg::CaptionFor(2), "Event Triggered LCD Message; Message Entry");
}

TEST_F(LcdDialogs, TypingReflowsAndAChangeThatDoesNotFitIsTakenBack)
{
    CLCDtextIcon& lcd = LinkedConditional();
    bool ok = false;
    const LcdMessageContext result = RunEditor(lcd, [&](CTextInsSubDlg& e) {
        SetText(e, res::kIdcLcdMessage, std::string(25, 'a'));
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), std::string(20, 'a') + "\n" + std::string(5, 'a'));
        SetText(e, res::kIdcLcdMessage, "a\nb\nc\nd");
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), std::string(20, 'a') + "\n" + std::string(5, 'a'));
        EXPECT_TRUE(Prompts().messageBoxes.empty()) << "typing is refused without a box";
        SetText(e, res::kIdcLcdMessage, "Door ^x");
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), "Door x");
        Click(e, kIdOk);
    }, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(result.message, "Door x\r\n\r\n\r\n");
}

TEST_F(LcdDialogs, InsertThatWouldNotFitIsRefusedWithAWarning)
{
    CLCDtextIcon& lcd = LinkedConditional();
    const LcdMessageContext result = RunEditor(lcd, [&](CTextInsSubDlg& e) {
        SetText(e, res::kIdcLcdMessage, "x\ny\n");
        PutCaret(e, 4);
        Click(e, res::kIdcLcdInsert);
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), "x\ny\n^1");
        SelectRow(e, 1);
        PutCaret(e, 6);
        Click(e, res::kIdcLcdInsert);
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), "x\ny\n^1") << "a second insert on the last line";
        PutCaret(e, 0);
        Click(e, res::kIdcLcdInsert);
        EXPECT_EQ(Text(e, res::kIdcLcdMessage), "^2x\ny\n^1");
        Click(e, kIdOk);
    });
    EXPECT_EQ(BoxTexts(),
        std::vector<std::string>{
            "Warning: That would exceed the maximum 3 lines of 20 characters, with one insert per line"});
    EXPECT_EQ(result.message, "^2x\r\ny\r\n^1\r\n");
    EXPECT_EQ(result.lineInserts, (std::array<int, 3>{2, -1, 1}));
}

TEST_F(LcdDialogs, NumberPatternsFitTheirPlacesAndTheLines)
{
    CLCDtextIcon& lcd = LinkedConditional();
    const LcdMessageContext result = RunEditor(lcd, [&](CTextInsSubDlg& e) {
        SetText(e, res::kIdcLcdFormatLow, "12345678");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLow), "xxxxxxxx") << "a number's pattern shows as x";
        EXPECT_EQ(Text(e, res::kIdcLcdFormatHigh), "x");
        SetText(e, res::kIdcLcdFormatHigh, "xxxxx");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLow), "xxxxx");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatHigh), "xxxxx");
        SetText(e, res::kIdcLcdFormatHigh, "");
        SetText(e, res::kIdcLcdFormatLow, "xx");
        // Three full lines with the insert at the end of the first: a wider
        // insert would need a fourth line.
        SetText(e, res::kIdcLcdMessage,
            std::string(18, 'a') + "\n" + std::string(20, 'b') + "\n" + std::string(20, 'c'));
        PutCaret(e, 18);
        Click(e, res::kIdcLcdInsert);
        EXPECT_EQ(Text(e, res::kIdcLcdMessage).substr(0, 21), std::string(18, 'a') + "^1\n");
        SetText(e, res::kIdcLcdFormatLow, "xxx");
        EXPECT_EQ(Text(e, res::kIdcLcdFormatLow), "xx") << "the pattern keeps its length";
        Click(e, kIdOk);
    });
    EXPECT_EQ(BoxTexts(),
        std::vector<std::string>{
            "Warning: That would exceed the maximum 3 lines of 20 characters, with one insert per line"});
    EXPECT_EQ(result.inputTexts[1], (LcdInsertTexts{"xx", ""}));
}

TEST_F(LcdDialogs, TestViewsShowFormatsOrNames)
{
    CLCDtextIcon& lcd = LinkedConditional();
    const LcdMessageContext result = RunEditor(lcd, [&](CTextInsSubDlg& e) {
        SetText(e, res::kIdcLcdMessage, "L=");
        PutCaret(e, 2);
        Click(e, res::kIdcLcdInsert);
        SelectRow(e, 1);
        SetText(e, res::kIdcLcdFormatLow, "shut");
        SetText(e, res::kIdcLcdFormatHigh, "open");
        SetText(e, res::kIdcLcdMessage, "L=^1\nDoor ");
        PutCaret(e, 10);
        Click(e, res::kIdcLcdInsert);
        EXPECT_FALSE(e.GetControl(res::kIdcLcdMessagePreview)->IsVisible());
        Click(e, res::kIdcLcdModeNames);
        EXPECT_TRUE(e.GetControl(res::kIdcLcdMessagePreview)->IsVisible());
        EXPECT_FALSE(e.GetControl(res::kIdcLcdMessage)->IsVisible());
        EXPECT_EQ(Text(e, res::kIdcLcdMessagePreview), "L=Level\nDoor Door");
        Click(e, res::kIdcLcdModeNumbers);
        EXPECT_EQ(Text(e, res::kIdcLcdMessagePreview), "L=##.#\nDoor shut");
        Click(e, kIdOk);
    });
    EXPECT_EQ(result.preview, "L=##.#\r\nDoor shut");
    EXPECT_EQ(result.inputTexts[2], (LcdInsertTexts{"shut", "open"}));
    EXPECT_EQ(result.lineInserts, (std::array<int, 3>{1, 2, -1}));
}

}  // namespace
}  // namespace clc_dtext_dialog_test
}  // namespace corvane
