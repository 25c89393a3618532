#include "platform/PromptSink.h"

#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "TestOutput.h"
#include "platform/ColourValue.h"
#include "platform/PromptAutomation.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <functional>

namespace corvane {
namespace toolkit_prompt_sink_test {
namespace {

namespace fs = std::filesystem;
namespace pa = prompt_automation;
using pa::PromptKind;
using test::ScratchFolder;

constexpr MessageId kActOnPrompt = kUserMessage + 1;

// The option controls of the logged-data download's save dialog.
constexpr int kAppendLabel = 1371;
constexpr int kDateTimeNaming = 1234;
constexpr int kNumberNaming = 1235;
constexpr int kEraseAfter = 1219;
constexpr std::array kDownloadOptions = {
    ControlTemplate{ControlKind::Static, kAppendLabel, "Append:", {12, 6, 60, 20}},
    ControlTemplate{ControlKind::RadioButton, kDateTimeNaming, "Date && Time:  yyymmdd_HHMMSS", {80, 4, 240, 22},
        control_style::kGroup},
    ControlTemplate{ControlKind::RadioButton, kNumberNaming, "Incrementing Number", {330, 4, 180, 22}},
    ControlTemplate{ControlKind::CheckBox, kEraseAfter, "ERASE ALL data after  successful transfer", {12, 32, 320, 22}},
};
constexpr const char* kDownloadFilter = "Comma Separated (*.csv)|*.csv|Text (*.txt)|*.txt|Raw Data (*.xid)|*.xid||";

// Drives the toolkit's real prompts. Each action is delivered, as a posted
// message, by the loop of the prompt that opens next; an action that opens
// another prompt schedules that prompt's action first. An action returns
// false when it could not do what a user would; the prompt is then closed
// so that the test ends.
class ToolkitPromptSinkTest : public test::PlatformTest {
protected:
    ToolkitPromptSinkTest()
    {
        window_.onMessage = [this](Message& message) -> std::intptr_t {
            if (message.id != kActOnPrompt || actions_.empty())
                return 0;
            const std::function<bool()> action = std::move(actions_.front());
            actions_.pop_front();
            if (pa::OpenPromptKind() == PromptKind::None) {
                ADD_FAILURE() << "no prompt is open";
                return 0;
            }
            if (!action()) {
                ADD_FAILURE() << "the action failed on \"" << pa::OpenPromptTitle() << '"';
                for (const int code : {kIdCancel, kIdNo, kIdOk})
                    if (pa::PressPromptButton(code))
                        break;
            }
            return 0;
        };
    }
    void TearDown() override { EXPECT_TRUE(actions_.empty()) << "a prompt that was expected never opened"; }

    void OnNextPrompt(std::function<bool()> action)
    {
        actions_.push_back(std::move(action));
        window_.PostMessage(kActOnPrompt);
    }

    static FileDialogRequest DownloadSaveRequest(const fs::path& folder)
    {
        FileDialogRequest request;
        request.open = false;
        request.title = "Download File Save";
        request.folder = folder.string();
        request.fileName = "*.csv";
        request.filter = kDownloadFilter;
        request.defaultExtension = "csv";
        request.overwritePrompt = true;
        request.extraControls.assign(kDownloadOptions.begin(), kDownloadOptions.end());
        request.extraChecks = {{kDateTimeNaming, 1}, {kEraseAfter, 0}};
        return request;
    }

    std::unique_ptr<PromptSink> sink_ = MakeToolkitPromptSink();
    ScratchFolder folder_;

private:
    test::RecordingWindow window_;
    std::deque<std::function<bool()>> actions_;
};

TEST_F(ToolkitPromptSinkTest, MessageBoxReturnsTheEndCodeOfTheButtonPressed)
{
    struct Case {
        MessageBoxButtons buttons;
        int press;
    };
    const Case cases[] = {
        {MessageBoxButtons::Ok, kIdOk},
        {MessageBoxButtons::OkCancel, kIdCancel},
        {MessageBoxButtons::YesNo, kIdYes},
        {MessageBoxButtons::YesNoCancel, kIdNo},
        {MessageBoxButtons::RetryCancel, kIdRetry},
    };
    for (const Case& c : cases) {
        MessageBoxRequest request;
        request.text = "Erase <all> sessions?\nThis cannot be undone.";
        request.buttons = c.buttons;
        request.icon = MessageBoxIcon::Question;
        OnNextPrompt([&] {
            EXPECT_EQ(pa::OpenPromptKind(), PromptKind::MessageBox);
            EXPECT_EQ(pa::OpenPromptTitle(), "Corvane") << "an empty caption gives the program's name";
            EXPECT_EQ(pa::OpenPromptText(), request.text) << "shown as plain text";
            return pa::PressPromptButton(c.press);
        });
        EXPECT_EQ(sink_->ShowMessageBox(request), c.press) << c.press;
    }
}

TEST_F(ToolkitPromptSinkTest, SaveDialogAddsTheExtensionAndReturnsTheOptionStates)
{
    folder_.Write("session-0001.csv");
    folder_.Write("session-0002.csv");
    folder_.Write("readme.txt");
    const FileDialogRequest request = DownloadSaveRequest(folder_.Path());
    OnNextPrompt([] {
        EXPECT_EQ(pa::OpenPromptKind(), PromptKind::FileDialog);
        EXPECT_EQ(pa::OpenPromptTitle(), "Download File Save");
        EXPECT_TRUE(pa::SavePromptImage(test::OutputFile("file-dialog-extra-controls.png").string()));
        return pa::TypePromptFileName("run1") && pa::ClickPromptControl(kNumberNaming)
            && pa::ClickPromptControl(kEraseAfter) && pa::PressPromptButton(kIdOk);
    });
    const std::optional<FileDialogResult> result = sink_->ShowFileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->paths, std::vector<std::string>{(folder_.Path() / "run1.csv").string()});
    EXPECT_EQ(result->filterIndex, 1);
    EXPECT_EQ(result->extraChecks, (std::map<int, int>{{kDateTimeNaming, 0}, {kNumberNaming, 1}, {kEraseAfter, 1}}));
}

TEST_F(ToolkitPromptSinkTest, SaveDialogTakesTheExtensionOfTheChosenFilterAndKeepsHiddenOptions)
{
    FileDialogRequest request = DownloadSaveRequest(folder_.Path());
    request.filterIndex = 3;
    request.extraVisible = {{kAppendLabel, false}, {kDateTimeNaming, false}, {kNumberNaming, false}};
    request.extraChecks = {{kDateTimeNaming, 1}, {kEraseAfter, 1}};
    OnNextPrompt([] {
        EXPECT_FALSE(pa::ClickPromptControl(kNumberNaming)) << "a hidden control cannot be clicked";
        return pa::SelectPromptFilter(2) && pa::TypePromptFileName("run2") && pa::PressPromptButton(kIdOk);
    });
    const std::optional<FileDialogResult> result = sink_->ShowFileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->paths, std::vector<std::string>{(folder_.Path() / "run2.txt").string()});
    EXPECT_EQ(result->filterIndex, 2);
    EXPECT_EQ(result->extraChecks, (std::map<int, int>{{kDateTimeNaming, 1}, {kNumberNaming, 0}, {kEraseAfter, 1}}));
}

TEST_F(ToolkitPromptSinkTest, OverwriteQuestionNamesTheFileWithItsExtension)
{
    const fs::path existing = folder_.Write("old.csv");
    const FileDialogRequest request = DownloadSaveRequest(folder_.Path());
    // No keeps the dialog open; the user then cancels it.
    OnNextPrompt([this] {
        OnNextPrompt([] {
            EXPECT_EQ(pa::OpenPromptText(), "old.csv already exists.\nDo you want to replace it?");
            return pa::PressPromptButton(kIdNo);
        });
        if (!pa::TypePromptFileName("old") || !pa::PressPromptButton(kIdOk))
            return false;
        EXPECT_EQ(pa::OpenPromptKind(), PromptKind::FileDialog) << "still open after No";
        return pa::PressPromptButton(kIdCancel);
    });
    EXPECT_EQ(sink_->ShowFileDialog(request), std::nullopt);

    OnNextPrompt([this] {
        OnNextPrompt([] { return pa::PressPromptButton(kIdYes); });
        return pa::TypePromptFileName("old") && pa::PressPromptButton(kIdOk);
    });
    const std::optional<FileDialogResult> result = sink_->ShowFileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->paths, std::vector<std::string>{existing.string()});
}

TEST_F(ToolkitPromptSinkTest, OpenDialogRefusesMissingFilesAndFindsThemByDefaultExtension)
{
    const fs::path firmware = folder_.Write("fw-2.bin");
    FileDialogRequest request;
    request.title = "Reflash";
    request.folder = folder_.Path().string();
    request.fileName = "*.bin";
    request.filter = "Firmware Files (*.bin)| *.bin||";
    request.defaultExtension = "bin";
    request.fileMustExist = true;
    OnNextPrompt([this] {
        OnNextPrompt([] {
            EXPECT_EQ(pa::OpenPromptText(), "fw-3.bin\nFile not found.\nCheck the file name and try again.");
            return pa::PressPromptButton(kIdOk);
        });
        if (!pa::TypePromptFileName("fw-3") || !pa::PressPromptButton(kIdOk))
            return false;
        return pa::TypePromptFileName("fw-2") && pa::PressPromptButton(kIdOk);
    });
    const std::optional<FileDialogResult> result = sink_->ShowFileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->paths, std::vector<std::string>{firmware.string()});
}

TEST_F(ToolkitPromptSinkTest, MultiSelectReturnsEveryChosenFileAndRefusesPatterns)
{
    const fs::path first = folder_.Write("a.xml");
    const fs::path second = folder_.Write("b.xml");
    FileDialogRequest request;
    request.folder = folder_.Path().string();
    request.filter = "Probe Files (*.xml)|*.xml||";
    request.defaultExtension = "xml";
    request.multiSelect = true;
    OnNextPrompt([] {
        EXPECT_TRUE(pa::TypePromptFileName("*.xml"));
        EXPECT_FALSE(pa::PressPromptButton(kIdOk)) << "a pattern names no file";
        return pa::TypePromptFileName("\"a.xml\" \"b.xml\"") && pa::PressPromptButton(kIdOk);
    });
    const std::optional<FileDialogResult> result = sink_->ShowFileDialog(request);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->paths, (std::vector<std::string>{first.string(), second.string()}));
}

TEST_F(ToolkitPromptSinkTest, CancelledDialogsReturnNothing)
{
    FileDialogRequest request;
    request.folder = folder_.Path().string();
    OnNextPrompt([] { return pa::TypePromptFileName("chosen.txt") && pa::PressPromptButton(kIdCancel); });
    EXPECT_EQ(sink_->ShowFileDialog(request), std::nullopt);

    OnNextPrompt([] { return pa::OpenPromptKind() == PromptKind::ColourDialog && pa::PressPromptButton(kIdCancel); });
    EXPECT_EQ(sink_->ChooseColour({}, 0x00336699), std::nullopt);

    OnNextPrompt([] { return pa::OpenPromptKind() == PromptKind::FolderDialog && pa::PressPromptButton(kIdCancel); });
    EXPECT_EQ(sink_->ChooseFolder({}, "Memory Card", folder_.Path().string()), std::nullopt);
}

TEST_F(ToolkitPromptSinkTest, ChoosersReturnWhatTheyWereGivenWhenConfirmed)
{
    OnNextPrompt([] { return pa::PressPromptButton(kIdOk); });
    EXPECT_EQ(sink_->ChooseColour({}, 0x00336699), 0x00336699u) << "0x00BBGGRR both ways";

    FontChoice font;
    font.pointSize = 14;
    font.bold = true;
    font.italic = true;
    OnNextPrompt([] { return pa::OpenPromptKind() == PromptKind::FontDialog && pa::PressPromptButton(kIdOk); });
    const std::optional<FontChoice> chosenFont = sink_->ChooseFont({}, font);
    ASSERT_TRUE(chosenFont);
    EXPECT_EQ(chosenFont->pointSize, 14);
    EXPECT_TRUE(chosenFont->bold);
    EXPECT_TRUE(chosenFont->italic);
    EXPECT_FALSE(chosenFont->family.empty());

    OnNextPrompt([] {
        EXPECT_EQ(pa::OpenPromptTitle(), "Memory Card");
        return pa::PressPromptButton(kIdOk);
    });
    EXPECT_EQ(sink_->ChooseFolder({}, "Memory Card", folder_.Path().string()), folder_.Path().string());
}

TEST_F(ToolkitPromptSinkTest, PrintDialogsReturnWhatTheyShowWhenConfirmed)
{
    PrintPromptRequest request;
    request.printers = {"Office"};
    request.setup.target = PrintTarget::PdfFile;
    request.setup.printerName = "Office";
    request.setup.pdfPath = folder_.Path() / "net.pdf";
    request.setup.paper = {827, 1169};
    request.setup.landscape = true;
    request.documentName = "ProgramNet";

    const fs::path picture = folder_.Path() / "print-setup.png";
    OnNextPrompt([&picture] {
        EXPECT_EQ(pa::OpenPromptTitle(), "Print Setup");
        return pa::SavePromptImage(picture.string()) && pa::PressPromptButton(kIdOk);
    });
    EXPECT_EQ(sink_->ShowPageSetupDialog(request), request.setup);
    EXPECT_TRUE(fs::exists(picture));
    OnNextPrompt([] { return pa::PressPromptButton(kIdCancel); });
    EXPECT_FALSE(sink_->ShowPageSetupDialog(request));

    OnNextPrompt([] { return pa::PressPromptButton(kIdOk); });
    EXPECT_EQ(sink_->ShowPrintDialog(request), request.setup);
    OnNextPrompt([] { return pa::PressPromptButton(kIdCancel); });
    EXPECT_FALSE(sink_->ShowPrintDialog(request));
}

TEST_F(ToolkitPromptSinkTest, HelpWithoutAPageReportsTheTopic)
{
    const char* before = std::getenv("CORVANE_HELP_DIR");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("CORVANE_HELP_DIR", folder_.Path().c_str(), 1);
    OnNextPrompt([] {
        EXPECT_EQ(pa::OpenPromptText(), "No help page is installed for topic 0x00020064.");
        return pa::PressPromptButton(kIdOk);
    });
    sink_->ShowHelp({}, 0x20064);
    if (before != nullptr)
        ::setenv("CORVANE_HELP_DIR", saved.c_str(), 1);
    else
        ::unsetenv("CORVANE_HELP_DIR");
}

TEST(PromptColourTest, StoredColoursAreBlueGreenRed)
{
    struct Case {
        std::uint32_t stored;
        RgbColour rgb;
    };
    const Case cases[] = {
        {0x00000000u, {0, 0, 0}},
        {0x000000FFu, {255, 0, 0}},
        {0x0000FF00u, {0, 255, 0}},
        {0x00FF0000u, {0, 0, 255}},
        {0x00336699u, {0x99, 0x66, 0x33}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RgbFromStoredColour(c.stored), c.rgb) << std::hex << c.stored;
        EXPECT_EQ(StoredColourFromRgb(c.rgb), c.stored) << std::hex << c.stored;
    }
    EXPECT_EQ(RgbFromStoredColour(0x02336699u), (RgbColour{0x99, 0x66, 0x33})) << "the top byte carries no colour";
}

}  // namespace
}  // namespace toolkit_prompt_sink_test
}  // namespace corvane
