#include "platform/PrintPreview.h"

#include "PlatformTestSupport.h"
#include "ScratchFolder.h"

#include "TestOutput.h"
#include "base/AtomicFile.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace print_preview_test {
namespace {

constexpr RgbColour kGrey{128, 128, 128};

using Command = PrintPreview::Command;

class PrintPreviewTest : public test::PlatformTest {
protected:
    PrintPreviewTest()
    {
        paper_.documentName = "Net";
        paper_.paperWidth = 850;
        paper_.paperHeight = 1100;
    }

    // Three pages, each framed and numbered; records what it was asked.
    PageRenderer ThreePages()
    {
        return [this](DeviceContext& page, int number) {
            drawn_.push_back(number);
            EXPECT_TRUE(page.IsPrinting());
            const Size size = page.SurfaceSize();
            page.SelectBrush(SolidBrush({200, 220, 255}));
            page.Rectangle({size.width / 10, size.height / 10, size.width * 9 / 10, size.height * 9 / 10});
            page.TextOut({size.width / 5, size.height / 5}, "Page " + std::to_string(number));
            return number < 3;
        };
    }

    // Runs steps one after the other inside the preview's modal loop.
    void PostSteps(std::vector<std::function<void()>> steps)
    {
        steps_ = std::move(steps);
        driver_.onMessage = [this](Message&) {
            if (next_ < steps_.size())
                steps_[next_++]();
            if (next_ < steps_.size())
                driver_.PostMessage(kUserMessage);
            return 0;
        };
        driver_.PostMessage(kUserMessage);
    }

    PrintSettings paper_;
    std::vector<int> drawn_;

private:
    test::RecordingWindow driver_;
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
};

TEST_F(PrintPreviewTest, PagesThroughZoomsAndClosesWhileModal)
{
    PrintPreview preview(paper_, ThreePages());
    const auto post = [&preview](Command command) {
        preview.PostMessage(PrintPreview::kCommandMessage, static_cast<std::uintptr_t>(command));
    };
    PostSteps({
        [&] {
            EXPECT_TRUE(preview.IsOpen());
            EXPECT_EQ(preview.CurrentPage(), 1);
            EXPECT_FALSE(preview.CanExecute(Command::PreviousPage));
            EXPECT_FALSE(preview.CanExecute(Command::Print));  // no chooser
            for (int i = 0; i < 3; ++i)
                post(Command::NextPage);
        },
        [&] {
            // The third step has no page to go to.
            EXPECT_EQ(preview.CurrentPage(), 3);
            EXPECT_FALSE(preview.CanExecute(Command::NextPage));
            post(Command::PreviousPage);
            post(Command::OneOrTwoPages);
        },
        [&] {
            EXPECT_EQ(preview.CurrentPage(), 2);
            EXPECT_EQ(preview.PagesShown(), 2);
            EXPECT_FALSE(preview.CanExecute(Command::NextPage));
            for (int i = 0; i < 3; ++i)
                post(Command::ZoomIn);
            post(Command::ZoomOut);
        },
        [&] {
            EXPECT_EQ(preview.ZoomLevel(), 1);
            post(Command::Close);
        },
    });
    EXPECT_FALSE(preview.Run());
    EXPECT_FALSE(preview.IsOpen());
    EXPECT_FALSE(preview.LastPrint().has_value());
    // Page 4 was never asked for.
    for (int number : drawn_)
        EXPECT_LE(number, 3);
}

TEST_F(PrintPreviewTest, PrintGoesWhereTheCallerChoosesAndCloses)
{
    test::ScratchFolder folder;
    std::vector<PrintSettings> asked;
    PrintPreview preview(paper_, ThreePages(), [&](const PrintSettings& shown) {
        asked.push_back(shown);
        PrintSettings target = shown;
        target.pdfPath = folder.Path() / "preview.pdf";
        return std::optional<PrintSettings>(target);
    });
    PostSteps(
        {[&] { preview.PostMessage(PrintPreview::kCommandMessage, static_cast<std::uintptr_t>(Command::Print)); }});
    EXPECT_TRUE(preview.Run());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].documentName, "Net");
    ASSERT_TRUE(preview.LastPrint().has_value());
    EXPECT_TRUE(preview.LastPrint()->ok) << preview.LastPrint()->error;
    EXPECT_EQ(preview.LastPrint()->pages, 3);
    const FileContents pdf = ReadWholeFile(folder.Path() / "preview.pdf", 1 << 24);
    ASSERT_FALSE(pdf.error);
    EXPECT_EQ(std::string(pdf.bytes.begin(), pdf.bytes.begin() + 5), "%PDF-");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(PrintPreviewTest, FailedPrintIsReportedAndThePreviewStays)
{
    test::ScratchFolder folder;
    bool cancel = false;
    PrintPreview preview(paper_, ThreePages(), [&](const PrintSettings& shown) -> std::optional<PrintSettings> {
        if (cancel)
            return std::nullopt;
        PrintSettings target = shown;
        target.pdfPath = folder.Path() / "no such folder" / "preview.pdf";
        return target;
    });
    ASSERT_TRUE(preview.Show());
    preview.Execute(Command::Print);
    EXPECT_TRUE(preview.IsOpen());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
    EXPECT_FALSE(preview.LastPrint()->ok);
    // Choosing nothing prints nothing and says nothing.
    cancel = true;
    preview.Execute(Command::Print);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_TRUE(preview.IsOpen());
    preview.Close();
    EXPECT_FALSE(preview.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "no such folder"));
}

TEST_F(PrintPreviewTest, DrawsPagesOnGreyAndIsSaved)
{
    PrintPreview preview(paper_, ThreePages());
    ASSERT_TRUE(preview.Show());
    preview.Execute(Command::OneOrTwoPages);
    App().ProcessPending();
    EXPECT_EQ(preview.PagesShown(), 2);
    const std::filesystem::path png = test::OutputFile("PrintPreview.png");
    std::string error;
    ASSERT_TRUE(preview.SaveImage(png, &error)) << error;
    const FileContents bytes = ReadWholeFile(png, 1 << 26);
    ASSERT_FALSE(bytes.error);
    const Bitmap picture = Bitmap::FromImageBytes(bytes.bytes);
    ASSERT_FALSE(picture.IsNull());
    EXPECT_GE(picture.Width(), 400);
    EXPECT_GE(picture.Height(), 300);
    // The bottom left corner is background; the pages lie in the middle.
    EXPECT_EQ(picture.PixelAt(2, picture.Height() - 3), kGrey);
    EXPECT_NE(picture.PixelAt(picture.Width() / 4, picture.Height() / 2), kGrey);
    EXPECT_NE(picture.PixelAt(picture.Width() * 3 / 4, picture.Height() / 2), kGrey);
    preview.Close();
}

}  // namespace
}  // namespace print_preview_test
}  // namespace corvane
