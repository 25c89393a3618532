// The net window as the program puts it together: the real icon classes
// placed from the palette, linked with the mouse, copied and pasted,
// checked, zoomed, printed and pictured.
#include "TestOutput.h"
#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetFrm.h"
#include "netdoc/CNetView.h"
#include "netmodel/CConnector.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CIconBar.h"
#include "netmodel/CInput.h"
#include "netmodel/COutput.h"
#include "netmodel/PaletteMessages.h"
#include "platform/ControlAutomation.h"
#include "platform/Dialog.h"
#include "platform/FrameAutomation.h"
#include "platform/PrintSetup.h"

#include "FakePrinterBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace corvane::test {
namespace net_editor_test {
namespace {

// Palette cells of the icons the net is drawn with.
constexpr int kClockCell = 0;
constexpr int kMemoryCell = 1;
constexpr int kMathCell = 3;
constexpr int kComparatorCell = 4;
constexpr int kConstantCell = 6;
constexpr int kNotCell = 16;
constexpr int kAndCell = 17;
constexpr int kOrCell = 18;
constexpr int kSumCell = 25;
constexpr int kMinMaxCell = 27;
constexpr int kDelayCell = 35;
constexpr int kDataTagCell = 44;

bool HasInk(const Bitmap& page)
{
    const Size size = page.Extent();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            if (page.PixelAt(x, y) != RgbColour{255, 255, 255})
                return true;
    return false;
}

class NetEditorTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        InstallProgramWindows(neighbours, {Scratch() / "sys", Scratch() / "dev"});
        Start(std::move(neighbours));
        // The start-up picture has gone by the time the user works with the
        // mouse and keys; while it shows it takes their first press.
        TestClock().Advance(CSplashWnd::kShowMilliseconds);
        App().ProcessPending();
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(
            kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment)));
        App().ProcessPending();
        doc_ = dynamic_cast<CNetDoc*>(Shell().NetDocument());
        ASSERT_NE(doc_, nullptr);
        view_ = dynamic_cast<CNetView*>(doc_->FirstView());
        ASSERT_NE(view_, nullptr);
        ASSERT_TRUE(view_->IsViewActivated());
    }

    CIconBar* Palette() const
    {
        auto* frame = dynamic_cast<CNetFrm*>(view_->ParentFrame());
        return frame != nullptr ? frame->IconBar() : nullptr;
    }

    CNetDoc& Doc() { return *doc_; }
    CNetView& View() { return *view_; }

    // Drops a palette cell at a point of the net (document units), as the
    // palette does, and returns the icon it made.
    CCorvaneIcon& Drop(int cell, Point docPoint)
    {
        const std::size_t before = Doc().Icons().size();
        App().SendMessage(View().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
            std::make_unique<PaletteDropPayload>(View().LogicalToClient(docPoint)));
        const std::vector<CCorvaneIcon*> icons = Doc().Icons();
        EXPECT_EQ(icons.size(), before + 1) << "cell " << cell;
        return *icons.back();
    }

    // Drags from one connector to another with the left button, as a user links two icons.
    void Link(const CConnector& from, const CConnector& to)
    {
        using frame_automation::MouseAction;
        const Point start = View().LogicalToClient(from.HotRect().Centre());
        const Point end = View().LogicalToClient(to.HotRect().Centre());
        frame_automation::SendMouse(View(), MouseAction::Press, MouseButton::Left, start);
        frame_automation::SendMouse(
            View(), MouseAction::Move, MouseButton::Left, Point{(start.x + end.x) / 2, (start.y + end.y) / 2});
        frame_automation::SendMouse(View(), MouseAction::Move, MouseButton::Left, end);
        frame_automation::SendMouse(View(), MouseAction::Release, MouseButton::Left, end);
    }

    static bool Feeds(const CCorvaneIcon& giver, int output, const CCorvaneIcon& receiver)
    {
        const std::vector<LinkedInput> fed = giver.FindLinkedInputs(output);
        return std::any_of(fed.begin(), fed.end(), [&](const LinkedInput& l) { return l.icon == &receiver; });
    }

    static std::filesystem::path PicturePath(const std::string& name)
    {
        return test::OutputFolder() / name;
    }

private:
    CNetDoc* doc_ = nullptr;
    CNetView* view_ = nullptr;
};

TEST_F(NetEditorTest, ThePaletteShowsWithTheNetWindowAndDropsOnItsView)
{
    ASSERT_NE(Palette(), nullptr);
    EXPECT_TRUE(Palette()->IsShown());
    EXPECT_EQ(Palette()->TargetView(), &View());
    // Every cell has its icon class.
    for (const int cell : {11, 12, 40, 47})
        EXPECT_TRUE(Palette()->IsCellEnabled(cell)) << cell;
    EXPECT_TRUE(Palette()->IsCellEnabled(kMathCell));
    ASSERT_TRUE(
        Shell().MainFrame()->PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::Trending)));
    App().ProcessPending();
    EXPECT_FALSE(Palette()->IsShown());
}

TEST_F(NetEditorTest, EmailAndFtpCellsFollowTheLoggersNetworkFeatures)
{
    constexpr int kEmailCell = 11;
    constexpr int kFtpCell = 12;
    const auto drop = [&](int cell) {
        App().SendMessage(View().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
            std::make_unique<PaletteDropPayload>(View().LogicalToClient(Point{300, 200})));
    };
    // A net with its Program icon, made for the logger connected last.
    Shell().Connection().SetFirmwareVersion(0x03010000);
    View().OnQueryLoggerConfiguration();
    ASSERT_EQ(Doc().Icons().size(), 1u);
    // Without a network kind a drop makes nothing and says nothing.
    Shell().Connection().SetLoggerCapabilityByte(0);
    const std::size_t boxes = Prompts().messageBoxes.size();
    drop(kEmailCell);
    drop(kFtpCell);
    EXPECT_EQ(Doc().Icons().size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes.size(), boxes);
    // Connected to such a logger, the cells show their greyed pictures.
    Shell().Connection().SetConnected(true);
    Palette()->LoadModelImages();
    EXPECT_EQ(Palette()->CellPicture(kEmailCell), 579);
    EXPECT_EQ(Palette()->CellPicture(kFtpCell), 588);
    Shell().Connection().SetConnected(false);
    Palette()->LoadModelImages();
    EXPECT_EQ(Palette()->CellPicture(kEmailCell), 10012);

    Shell().Connection().SetLoggerCapabilityByte(0x01);
    CCorvaneIcon& email = Drop(kEmailCell, {300, 200});
    CCorvaneIcon& ftp = Drop(kFtpCell, {400, 200});
    EXPECT_EQ(email.ClassName(), "CEmailIcon");
    EXPECT_EQ(ftp.ClassName(), "CFTPIcon");
    // Both open their dialogs through Properties.
    for (CCorvaneIcon* icon : {&email, &ftp}) {
        View().Select(nullptr, false);
        View().Select(icon, false);
        EXPECT_TRUE(View().QueryCommand(view_command::kProperties).IsEnabled()) << icon->ClassName();
    }
    // Properties opens each icon's sheet dialog.
    constexpr MessageId kDriveMessage = 0x8400;
    const struct {
        CCorvaneIcon* icon;
        const char* caption;
    } dialogs[] = {{&email, "Email"}, {&ftp, "File Transfer Protocol (FTP)"}};
    for (const auto& d : dialogs) {
        View().Select(nullptr, false);
        View().Select(d.icon, false);
        std::string seen;
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            Dialog* top = control_automation::OpenModalDialog();
            if (top == nullptr) {
                // Not open yet: look again once the queue has moved on.
                if (++rounds < 1000)
                    driver.PostMessage(kDriveMessage);
                return std::intptr_t{0};
            }
            seen = top->Layout().caption;
            EXPECT_TRUE(top->SaveImage(PicturePath(std::string(d.icon->ClassName()) + "Dialog.png").string()));
            top->EndDialog(kIdCancel);
            return std::intptr_t{0};
        };
        driver.PostMessage(kDriveMessage);
        EXPECT_TRUE(View().RouteCommand(view_command::kProperties)) << d.caption;
        EXPECT_EQ(seen, d.caption);
    }
}

TEST_F(NetEditorTest, ADozenIconsPlacedAndLinkedWithTheMouse)
{
    // Without a logger the query makes the Program icon alone, after telling
    // the user; it is made for the firmware of the logger connected last.
    Shell().Connection().SetFirmwareVersion(0x03010000);
    View().OnQueryLoggerConfiguration();
    ASSERT_EQ(Doc().Icons().size(), 1u);
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text, "Please connect to the logger prior to polling for hardware");

    CCorvaneIcon& clock = Drop(kClockCell, {150, 30});
    CCorvaneIcon& memory = Drop(kMemoryCell, {660, 60});
    CCorvaneIcon& constant = Drop(kConstantCell, {110, 200});
    CCorvaneIcon& math = Drop(kMathCell, {240, 200});
    CCorvaneIcon& minMax = Drop(kMinMaxCell, {380, 130});
    CCorvaneIcon& sum = Drop(kSumCell, {380, 270});
    CCorvaneIcon& tag = Drop(kDataTagCell, {520, 130});
    CCorvaneIcon& comparator = Drop(kComparatorCell, {240, 400});
    CCorvaneIcon& inverter = Drop(kNotCell, {380, 400});
    CCorvaneIcon& gate = Drop(kAndCell, {520, 430});
    CCorvaneIcon& either = Drop(kOrCell, {620, 430});
    CCorvaneIcon& delay = Drop(kDelayCell, {720, 430});
    EXPECT_EQ(Doc().Icons().size(), 13u);

    // Every icon has an id of its own.
    std::set<std::uint16_t> ids;
    for (const CCorvaneIcon* icon : Doc().Icons())
        ids.insert(icon->UniqueId());
    EXPECT_EQ(ids.size(), Doc().Icons().size());
    EXPECT_EQ(ids.count(0), 0u);

    Link(constant.Output(0), math.Input(0));
    Link(math.Output(0), minMax.Input(0));
    Link(math.Output(0), sum.Input(0));
    Link(minMax.Output(0), tag.Input(0));
    Link(math.Output(0), comparator.Input(0));
    Link(comparator.Output(0), inverter.Input(0));
    Link(inverter.Output(0), gate.Input(0));
    Link(comparator.Output(0), gate.Input(1));
    Link(gate.Output(0), either.Input(0));
    Link(either.Output(0), delay.Input(0));

    EXPECT_TRUE(Feeds(constant, 0, math));
    EXPECT_TRUE(Feeds(math, 0, minMax));
    EXPECT_TRUE(Feeds(math, 0, sum));
    EXPECT_TRUE(Feeds(minMax, 0, tag));
    EXPECT_TRUE(Feeds(math, 0, comparator));
    EXPECT_TRUE(Feeds(comparator, 0, inverter));
    EXPECT_TRUE(Feeds(inverter, 0, gate));
    EXPECT_TRUE(Feeds(comparator, 0, gate));
    EXPECT_TRUE(Feeds(gate, 0, either));
    EXPECT_TRUE(Feeds(either, 0, delay));
    EXPECT_TRUE(Doc().IsModified());
    (void)clock;
    (void)memory;

    // The check runs over the real classes: the open ends of this net are found.
    std::vector<std::string> findings;
    EXPECT_FALSE(Doc().CompileNet(findings, {}, CompileMode::CheckOnly));
    const auto found = [&findings](std::string_view line) {
        return std::find(findings.begin(), findings.end(), line) != findings.end();
    };
    EXPECT_TRUE(found("'Sum' Icon Data Output is not connected."));
    EXPECT_TRUE(found("'Delay' Icon Data Output is not connected."));
    EXPECT_FALSE(found("'Math' Icon Data Output is not connected."));

    const Bitmap picture = View().RenderToBitmap();
    ASSERT_FALSE(picture.IsNull());
    EXPECT_TRUE(picture.SavePng(PicturePath("net-window.png")));

    PrintSettings settings;
    settings.pdfPath = Scratch() / "net.pdf";
    const PrintResult printed = View().PrintWindow(settings);
    EXPECT_TRUE(printed.ok) << printed.error;
    EXPECT_GT(std::filesystem::file_size(settings.pdfPath), 0u);
}

TEST_F(NetEditorTest, PrintSetupsPaperAndOrientationReachThePrintedNet)
{
    FakePrinterBackend printers;
    printers.printers = {"Office"};
    printers.papers = {{"Office", {850, 1100}}};
    App().SetPrinterBackend(&printers);
    struct Uninstall {
        Application& app;
        ~Uninstall() { app.SetPrinterBackend(nullptr); }
    } uninstall{App()};
    Drop(kConstantCell, {150, 200});
    MdiFrame& frame = *Shell().MainFrame();

    struct Case {
        const char* paper;
        Size size;
        bool landscape;
    };
    for (const Case& c : {Case{"A4 landscape", {827, 1169}, true}, Case{"Letter portrait", {850, 1100}, false}}) {
        SCOPED_TRACE(c.paper);
        PrintSetup setup;
        setup.printerName = "Office";
        setup.paper = c.size;
        setup.landscape = c.landscape;
        Prompts().pageSetupAnswers.push_back(setup);
        ASSERT_TRUE(frame_automation::ChooseMenuItem(frame, kCmdPrintSetup));
        EXPECT_EQ(App().Printing(), setup);

        printers.jobs.clear();
        ASSERT_TRUE(frame_automation::ChooseMenuItem(frame, view_command::kPrint));
        ASSERT_EQ(Prompts().printDialogs.back().setup, setup) << "the print dialog starts from the set-up";
        ASSERT_EQ(printers.jobs.size(), 1u);
        const FakePrinterBackend::Job& job = printers.jobs[0];
        EXPECT_TRUE(job.result.ok) << job.result.error;
        EXPECT_EQ(job.settings.printerName, "Office");
        EXPECT_EQ((Size{job.settings.paperWidth, job.settings.paperHeight}), c.size);
        EXPECT_EQ(job.settings.landscape, c.landscape);
        ASSERT_EQ(job.pages.size(), 1u);
        const Size turned = c.landscape ? Size{c.size.height, c.size.width} : c.size;
        EXPECT_EQ(job.pages[0].Extent(),
            (Size{(turned.width * FakePrinterBackend::kDotsPerInch + 50) / 100,
                (turned.height * FakePrinterBackend::kDotsPerInch + 50) / 100}));
        EXPECT_TRUE(HasInk(job.pages[0])) << "the window's picture is on the page";
        // The net's paper follows the printer's.
        EXPECT_EQ(Doc().GetPaperSize(), turned);
    }

    Prompts().printAnswers.push_back(std::nullopt);
    printers.jobs.clear();
    ASSERT_TRUE(frame_automation::ChooseMenuItem(frame, view_command::kPrint));
    EXPECT_TRUE(printers.jobs.empty()) << "a cancelled print dialog prints nothing";
    EXPECT_TRUE(Prompts().fileDialogs.empty());
}

TEST_F(NetEditorTest, CopiedLinkedIconsPasteWithFreshIdsAndTheirLink)
{
    CCorvaneIcon& constant = Drop(kConstantCell, {150, 200});
    CCorvaneIcon& math = Drop(kMathCell, {320, 200});
    Link(constant.Output(0), math.Input(0));
    ASSERT_TRUE(Feeds(constant, 0, math));

    View().Select(&constant, false);
    View().Select(&math, true);
    ASSERT_TRUE(View().RouteCommand(view_command::kCopy));
    ASSERT_TRUE(View().RouteCommand(view_command::kPaste));

    const std::vector<CCorvaneIcon*> icons = Doc().Icons();
    ASSERT_EQ(icons.size(), 4u);
    CCorvaneIcon& pastedConstant = *icons[2];
    CCorvaneIcon& pastedMath = *icons[3];
    EXPECT_NE(pastedConstant.UniqueId(), constant.UniqueId());
    EXPECT_NE(pastedMath.UniqueId(), math.UniqueId());
    EXPECT_TRUE(Feeds(pastedConstant, 0, pastedMath));
    EXPECT_FALSE(Feeds(constant, 0, pastedMath));
    EXPECT_EQ(pastedMath.Position().TopLeft(), (math.Position().TopLeft() + Point{20, 20}));
}

TEST_F(NetEditorTest, ZoomKeysChangeTheScaleWithinTheirLimits)
{
    ASSERT_EQ(View().Zoom(), 100);
    frame_automation::SendKey(View(), 'Z');
    EXPECT_EQ(View().Zoom(), 90);
    for (int press = 0; press < 40; ++press)
        frame_automation::SendKey(View(), 'A');
    EXPECT_EQ(View().Zoom(), CNetView::kMaxZoom);
}

TEST_F(NetEditorTest, SecondMemoryIconIsRefusedWithThePalettesMessage)
{
    (void)Drop(kMemoryCell, {300, 100});
    Prompts().messageBoxes.clear();
    App().SendMessage(View().Handle(), kPaletteDropMessage, kMemoryCell, 0,
        std::make_unique<PaletteDropPayload>(View().LogicalToClient(Point{500, 100})));
    EXPECT_EQ(Doc().Icons().size(), 1u);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "A program net may contain only one\nLog memory icon.");
}

}  // namespace
}  // namespace net_editor_test
}  // namespace corvane::test
