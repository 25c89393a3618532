#include "platform/PrintJob.h"
#include "platform/PicturePrinting.h"

#include "PlatformTestSupport.h"
#include "ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace print_job_test {
namespace {

constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kRed{255, 0, 0};

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree).
int CountPages(const std::string& pdf)
{
    int pages = 0;
    const std::string key = "/Type /Page";
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1))
        if (at + key.size() < pdf.size() && pdf[at + key.size()] != 's')
            ++pages;
    return pages;
}

// The width and height in points of the first page's media box.
Size MediaBoxPoints(const std::string& pdf)
{
    const std::size_t at = pdf.find("/MediaBox [");
    if (at == std::string::npos)
        return {};
    const char* text = pdf.c_str() + at + 11;
    char* end = nullptr;
    std::strtod(text, &end);
    std::strtod(end, &end);
    const double width = std::strtod(end, &end);
    const double height = std::strtod(end, &end);
    return {static_cast<int>(width + 0.5), static_cast<int>(height + 0.5)};
}

// Draws a frame on each of count pages.
PageRenderer FramedPages(int count)
{
    return [count](DeviceContext& page, int number) {
        const Size size = page.SurfaceSize();
        page.Rectangle({10, 10, size.width - 10, size.height - 10});
        page.TextOut({100, 100}, "Page " + std::to_string(number));
        return number < count;
    };
}

TEST(PicturePlacementTest, QuarterInchMarginsAndThePicturesProportions)
{
    struct Case {
        Size picture;
        int pageWidth;
        Size pixelsPerInch;
        Rect placed;
    };
    const std::vector<Case> cases{
        {{800, 600}, 5100, {600, 600}, {150, 150, 4950, 3750}},
        {{400, 300}, 816, {96, 96}, {24, 24, 792, 600}},
        // 950 / 3 x 7 = 2216.67, cut to 2216.
        {{3, 7}, 1000, {100, 100}, {25, 25, 975, 2241}},
        {{800, 600}, 5100, {600, 300}, {150, 75, 4950, 3675}},
        {{0, 600}, 5100, {600, 600}, {}},
        {{800, 0}, 5100, {600, 600}, {}},
        {{800, 600}, 300, {600, 600}, {}},
        {{1, 1}, 100, {-96, -96}, {0, 0, 100, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture.width * 10000 + c.pageWidth);
        EXPECT_EQ(PlacePictureOnPage(c.picture, c.pageWidth, c.pixelsPerInch), c.placed);
    }
}

using PrintJobTest = test::PlatformTest;

TEST_F(PrintJobTest, PicturePrintsAtItsPlaceWhateverThePagesMapping)
{
    Bitmap paper(200, 150);
    Bitmap picture(4, 2);
    picture.Fill(kRed);
    MemoryContext page(paper);
    page.SetMapMode(MapMode::Anisotropic);
    page.SetWindowExtent({1, 1});
    page.SetViewportExtent({3, 3});
    PrintBitmapPage(page, picture);
    // 96 dots per inch: margins of 24, 152 wide and 76 high.
    EXPECT_EQ(page.CurrentMapMode(), MapMode::Anisotropic);
    page.Flush();
    EXPECT_EQ(paper.PixelAt(24, 24), kRed);
    EXPECT_EQ(paper.PixelAt(175, 99), kRed);
    EXPECT_EQ(paper.PixelAt(23, 24), kWhite);
    EXPECT_EQ(paper.PixelAt(24, 23), kWhite);
    EXPECT_EQ(paper.PixelAt(176, 99), kWhite);
    EXPECT_EQ(paper.PixelAt(175, 100), kWhite);
}

TEST_F(PrintJobTest, PdfHoldsEveryPageOnTheGivenPaper)
{
    struct Case {
        int width;
        int height;
        bool landscape;
        Size points;
    };
    const std::vector<Case> cases{
        {850, 1100, false, {612, 792}},
        {850, 1100, true, {792, 612}},
        {827, 1169, false, {595, 842}},
    };
    test::ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width + (c.landscape ? 1 : 0));
        PrintSettings settings;
        settings.pdfPath = folder.Path() / "pages.pdf";
        settings.paperWidth = c.width;
        settings.paperHeight = c.height;
        settings.landscape = c.landscape;
        const PrintResult result = PrintPages(settings, FramedPages(3));
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.pages, 3);
        const std::string pdf = ReadAll(settings.pdfPath);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(CountPages(pdf), 3);
        EXPECT_EQ(MediaBoxPoints(pdf), c.points);
    }
}

TEST_F(PrintJobTest, PagesAreDrawnAtThePrintedResolution)
{
    test::ScratchFolder folder;
    PrintSettings settings;
    settings.pdfPath = folder.Path() / "one.pdf";
    settings.paperWidth = 850;
    settings.paperHeight = 1100;
    settings.resolution = 300;
    std::vector<int> numbers;
    const PrintResult result = PrintPages(settings, [&](DeviceContext& page, int number) {
        numbers.push_back(number);
        EXPECT_TRUE(page.IsPrinting());
        EXPECT_EQ(page.PixelsPerInch(), (Size{300, 300}));
        EXPECT_EQ(page.SurfaceSize(), (Size{2550, 3300}));
        // What one page changes, the next does not see.
        EXPECT_EQ(page.CurrentMapMode(), MapMode::Text);
        page.SetMapMode(MapMode::Isotropic);
        return number < 2;
    });
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
}

TEST_F(PrintJobTest, PaperDefaultsToLetterWithoutAPrinter)
{
    if (HasPrinter())
        GTEST_SKIP() << "a printer is configured; its paper is the default";
    test::ScratchFolder folder;
    PrintSettings settings;
    settings.pdfPath = folder.Path() / "letter.pdf";
    EXPECT_EQ(PrintedPaperSize(settings), (Size{850, 1100}));
    ASSERT_TRUE(PrintPages(settings, FramedPages(1)).ok);
    EXPECT_EQ(MediaBoxPoints(ReadAll(settings.pdfPath)), (Size{612, 792}));
}

TEST_F(PrintJobTest, UnwritableTargetFailsAndLeavesNothingBehind)
{
    test::ScratchFolder folder;
    std::filesystem::create_directory(folder.Path() / "taken.pdf");
    for (const std::filesystem::path& target : {folder.Path() / "missing" / "out.pdf", folder.Path() / "taken.pdf"}) {
        SCOPED_TRACE(target.string());
        PrintSettings settings;
        settings.pdfPath = target;
        const PrintResult result = PrintPages(settings, FramedPages(2));
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken.pdf"));
    // No temporary file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(PrintJobTest, ReadOnlyFolderFailsAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    test::ScratchFolder folder;
    const std::filesystem::path old = folder.Write("old.pdf", "old contents");
    ASSERT_EQ(chmod(folder.Path().c_str(), 0500), 0);
    PrintSettings settings;
    settings.pdfPath = old;
    const PrintResult result = PrintPages(settings, FramedPages(1));
    chmod(folder.Path().c_str(), 0700);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(ReadAll(old), "old contents");
}

TEST_F(PrintJobTest, PageThatCannotBeDrawnFailsAndKeepsTheOldFile)
{
    test::ScratchFolder folder;
    const std::filesystem::path old = folder.Write("old.pdf", "old contents");
    PrintSettings settings;
    settings.pdfPath = old;
    const PrintResult result = PrintPages(settings, [](DeviceContext&, int number) {
        if (number == 2)
            throw std::runtime_error("out of paper");
        return true;
    });
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Page 2"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("out of paper"), std::string::npos) << result.error;
    EXPECT_EQ(ReadAll(old), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(PrintJobTest, NoRendererPrintsNothing)
{
    test::ScratchFolder folder;
    PrintSettings settings;
    settings.pdfPath = folder.Path() / "none.pdf";
    const PrintResult result = PrintPages(settings, PageRenderer());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(std::filesystem::exists(settings.pdfPath));
}

}  // namespace
}  // namespace print_job_test
}  // namespace corvane
