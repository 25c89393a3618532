#include "platform/PrintDialogs.h"

#include "FakePrinterBackend.h"
#include "PlatformTestSupport.h"
#include "platform/PaperSizes.h"

#include <string>
#include <vector>

namespace corvane {
namespace print_dialogs_test {
namespace {

constexpr Size kLetter{850, 1100};
constexpr Size kA4{827, 1169};
constexpr Size kLegal{850, 1400};

class PrintDialogsTest : public test::PlatformTest {
protected:
    PrintDialogsTest() { App().SetPrinterBackend(&printers_); }
    ~PrintDialogsTest() override { App().SetPrinterBackend(nullptr); }

    void ConfigureOfficeAndLab()
    {
        printers_.printers = {"Office", "Lab"};
        printers_.papers = {{"Office", kA4}, {"Lab", kLegal}};
    }

    test::FakePrinterBackend printers_;
};

PrintSetup MakeSetup(PrintTarget target, std::string printer, Size paper = {}, bool landscape = false)
{
    PrintSetup setup;
    setup.target = target;
    setup.printerName = std::move(printer);
    setup.paper = paper;
    setup.landscape = landscape;
    return setup;
}

TEST_F(PrintDialogsTest, ResolvingFillsThePrinterAndPaperFromTheMachine)
{
    struct Case {
        const char* what;
        std::vector<std::string> printers;
        PrintSetup setup;
        PrintSetup resolved;
    };
    const std::vector<Case> cases{
        {"no printer: a PDF file on Letter", {}, MakeSetup(PrintTarget::Printer, ""),
            MakeSetup(PrintTarget::PdfFile, "", kLetter)},
        {"the default printer's own paper", {"Office", "Lab"}, MakeSetup(PrintTarget::Printer, ""),
            MakeSetup(PrintTarget::Printer, "Office", kA4)},
        {"a named printer's own paper", {"Office", "Lab"}, MakeSetup(PrintTarget::Printer, "Lab"),
            MakeSetup(PrintTarget::Printer, "Lab", kLegal)},
        {"a printer that went: the default", {"Office", "Lab"}, MakeSetup(PrintTarget::Printer, "Gone", kLetter, true),
            MakeSetup(PrintTarget::Printer, "Office", kLetter, true)},
        {"a PDF file keeps its paper", {"Office"}, MakeSetup(PrintTarget::PdfFile, "Office", kLegal),
            MakeSetup(PrintTarget::PdfFile, "Office", kLegal)},
        {"a printer that does not say: Letter", {"Plain"}, MakeSetup(PrintTarget::Printer, ""),
            MakeSetup(PrintTarget::Printer, "Plain", kLetter)},
    };
    printers_.papers = {{"Office", kA4}, {"Lab", kLegal}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        printers_.printers = c.printers;
        EXPECT_EQ(ResolvePrintSetup(c.setup, printers_), c.resolved);
    }
}

TEST_F(PrintDialogsTest, PageSetupOkKeepsTheChoiceAndCancelKeepsTheOldOne)
{
    ConfigureOfficeAndLab();
    const PrintSetup chosen = MakeSetup(PrintTarget::Printer, "Lab", kA4, true);
    Prompts().pageSetupAnswers = {chosen, std::nullopt};

    EXPECT_TRUE(RunPageSetupDialog({}));
    ASSERT_EQ(Prompts().pageSetupDialogs.size(), 1u);
    EXPECT_EQ(Prompts().pageSetupDialogs[0].printers, printers_.printers);
    EXPECT_EQ(Prompts().pageSetupDialogs[0].setup, MakeSetup(PrintTarget::Printer, "Office", kA4));
    EXPECT_EQ(App().Printing(), chosen);

    EXPECT_FALSE(RunPageSetupDialog({}));
    EXPECT_EQ(Prompts().pageSetupDialogs[1].setup, chosen);
    EXPECT_EQ(App().Printing(), chosen);
    EXPECT_TRUE(printers_.jobs.empty());
}

TEST_F(PrintDialogsTest, APdfFileTheDialogDoesNotNameIsAskedFor)
{
    // No printer: the print dialog offers a PDF file; its name comes from the file dialog.
    Prompts().fileDialogAnswers = {std::nullopt, FileDialogResult{{"/tmp/out/net.pdf"}, 1, {}}};
    EXPECT_FALSE(PreparePrintJob({}, "ProgramNet", true));
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_FALSE(Prompts().fileDialogs[0].open);
    EXPECT_EQ(Prompts().fileDialogs[0].fileName, "ProgramNet.pdf");
    EXPECT_EQ(App().Printing(), PrintSetup{}) << "a cancelled job changes no set-up";

    const std::optional<PrintSettings> job = PreparePrintJob({}, "ProgramNet", true);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->pdfPath, "/tmp/out/net.pdf");
    EXPECT_EQ((Size{job->paperWidth, job->paperHeight}), kLetter);
    EXPECT_EQ(job->documentName, "ProgramNet");
    EXPECT_EQ(Prompts().printDialogs.size(), 2u);

    // Printing directly shows no print dialog, and asks again, proposing the last file.
    Prompts().fileDialogAnswers = {std::nullopt};
    EXPECT_FALSE(PreparePrintJob({}, "ProgramNet", false));
    EXPECT_EQ(Prompts().printDialogs.size(), 2u);
    ASSERT_EQ(Prompts().fileDialogs.size(), 3u);
    EXPECT_EQ(Prompts().fileDialogs[2].folder, "/tmp/out");
    EXPECT_EQ(Prompts().fileDialogs[2].fileName, "net.pdf");
}

TEST_F(PrintDialogsTest, ThePrintDialogsChoiceIsTheJobAndTheNewSetup)
{
    ConfigureOfficeAndLab();
    Prompts().printAnswers = {MakeSetup(PrintTarget::Printer, "Lab", kLetter, true), std::nullopt};
    const std::optional<PrintSettings> job = PreparePrintJob({}, "Net", true);
    ASSERT_TRUE(job);
    EXPECT_EQ(job->printerName, "Lab");
    EXPECT_TRUE(job->pdfPath.empty());
    EXPECT_EQ((Size{job->paperWidth, job->paperHeight}), kLetter);
    EXPECT_TRUE(job->landscape);
    EXPECT_EQ(App().Printing(), MakeSetup(PrintTarget::Printer, "Lab", kLetter, true));
    EXPECT_TRUE(Prompts().fileDialogs.empty());

    EXPECT_FALSE(PreparePrintJob({}, "Net", true)) << "cancelled";
    EXPECT_EQ(Prompts().printDialogs[1].setup, App().Printing());

    // Print preview shows the same paper, turned.
    const PrintSettings preview = PreviewSettings("Net");
    EXPECT_EQ(PrintedPaperSize(preview), (Size{1100, 850}));
    EXPECT_TRUE(preview.pdfPath.empty());
}

TEST_F(PrintDialogsTest, PagesDrawnOnBitmapsHaveTheJobsPaperAndResolution)
{
    PrintSettings settings;
    settings.paperWidth = kA4.width;
    settings.paperHeight = kA4.height;
    settings.landscape = true;
    std::vector<Bitmap> pages;
    const PrintResult result = DrawPagesOnBitmaps(
        settings, 50,
        [](DeviceContext& page, int number) {
            EXPECT_TRUE(page.IsPrinting());
            EXPECT_EQ(page.PixelsPerInch(), (Size{50, 50}));
            page.FillRect({0, 0, 10, 10}, SolidBrush({0, 0, 0}));
            return number < 2;
        },
        pages);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.pages, 2);
    ASSERT_EQ(pages.size(), 2u);
    for (const Bitmap& page : pages) {
        EXPECT_EQ(page.Extent(), (Size{585, 414}));
        EXPECT_EQ(page.PixelAt(5, 5), (RgbColour{0, 0, 0}));
        EXPECT_EQ(page.PixelAt(20, 20), (RgbColour{255, 255, 255}));
    }
}

TEST(PaperNameTest, NamesStandardPapersEitherWayRound)
{
    EXPECT_EQ(PaperName({850, 1100}), "Letter");
    EXPECT_EQ(PaperName({1169, 827}), "A4");
    EXPECT_EQ(PaperName({826, 1170}), "A4");
    EXPECT_EQ(PaperName({500, 705}), "5.00 x 7.05 in");
}

}  // namespace
}  // namespace print_dialogs_test
}  // namespace corvane
