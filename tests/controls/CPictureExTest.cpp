#include "controls/CPictureEx.h"

#include "GifBuilder.h"
#include "PlatformTestSupport.h"
#include "TestOutput.h"

#include "platform/Application.h"
#include "platform/ControlAutomation.h"
#include "platform/DeviceContext.h"
#include "platform/Dialog.h"
#include "platform/PictureControl.h"
#include "platform/SystemColours.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace corvane {
namespace c_picture_ex_test {
namespace {

using test::GifBuilder;

constexpr RgbColour kRed{255, 0, 0};
constexpr RgbColour kGreen{0, 255, 0};
constexpr RgbColour kBlue{0, 0, 255};
constexpr RgbColour kBlack{0, 0, 0};
const std::vector<GifBuilder::Colour> kPalette{{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

constexpr int kPictureId = 120;
constexpr std::array kControls = {
    ControlTemplate{ControlKind::Picture, kPictureId, "", {10, 10, 40, 40}},
};
constexpr DialogTemplate kPictureDialog{9120, "Picture", 200, 120, kControls};

// Records the messages the picture sends its dialog.
class PictureDialog : public Dialog {
public:
    PictureDialog() : Dialog(kPictureDialog) {}
    std::vector<Message> received;
    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id == CPictureEx::kClickedMessage)
            received.push_back({message.window, message.id, message.wParam, message.lParam, {}});
        return Dialog::OnMessage(message);
    }
};

class PictureExTest : public test::PlatformTest {
protected:
    PictureExTest() { EXPECT_TRUE(dialog_.Create()); }

    PictureControl& Control() { return *dialog_.GetControlAs<PictureControl>(kPictureId); }
    void Advance(std::uint64_t ms)
    {
        TestClock().Advance(ms);
        App().ProcessPending();
    }
    static DecodedPicture::Frame SolidFrame(Rect at, RgbColour colour, int delay, int disposal)
    {
        DecodedPicture::Frame frame;
        frame.image = Bitmap(at.Width(), at.Height());
        frame.image.Fill(colour);
        frame.position = {at.left, at.top};
        frame.delayHundredths = delay;
        frame.disposal = disposal;
        return frame;
    }

    PictureDialog dialog_;
};

TEST_F(PictureExTest, PlaysEachFrameForItsDelayWithAHundredMillisecondFloor)
{
    struct Step {
        int delay;  // hundredths, as the GIF gives it
        std::uint32_t shownMs;
    };
    const std::vector<Step> steps{{0, 100}, {1, 100}, {2, 100}, {3, 100}, {4, 100}, {50, 500}, {5, 50}};
    GifBuilder gif(6, 4, kPalette);
    for (std::size_t i = 0; i < steps.size(); ++i)
        gif.Solid(static_cast<std::uint8_t>(1 + i % 3), steps[i].delay);
    CPictureEx picture(Control());
    ASSERT_TRUE(picture.Load(gif.Bytes()));
    EXPECT_TRUE(picture.IsGif());
    ASSERT_TRUE(picture.Draw());
    EXPECT_TRUE(picture.IsPlaying());
    const std::array colours{kRed, kGreen, kBlue};
    // Twice round: after the last frame the first comes again.
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", frame " << i);
            ASSERT_EQ(picture.CurrentFrame(), i);
            EXPECT_EQ(picture.Surface().PixelAt(5, 3), colours[i % 3]);
            Advance(steps[i].shownMs - 1);
            EXPECT_EQ(picture.CurrentFrame(), i) << "one millisecond early";
            Advance(1);
        }
    }
    EXPECT_EQ(CPictureEx::FrameDelayMs(4), 100u);
    EXPECT_EQ(CPictureEx::FrameDelayMs(5), 50u);
    EXPECT_EQ(CPictureEx::FrameDelayMs(50), 500u);
}

TEST_F(PictureExTest, StillPicturesStartNoTimerAndTakeTheirOwnSize)
{
    Bitmap drawn(30, 20);
    drawn.Fill(kBlue);
    const std::string png = drawn.PngBytes();
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        Size size;
    };
    const std::vector<Case> cases{
        {"one-frame GIF", GifBuilder(6, 4, kPalette).Solid(2, 50).Bytes(), {6, 4}},
        {"PNG", {png.begin(), png.end()}, {30, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPictureEx picture(Control());
        ASSERT_TRUE(picture.Load(c.bytes));
        EXPECT_EQ(picture.GetSize(), c.size);
        ASSERT_TRUE(picture.Draw());
        EXPECT_FALSE(picture.IsPlaying());
        EXPECT_EQ(Control().PixelSize(), c.size) << "the control takes the picture's size";
        const Bitmap before = picture.Surface();
        Advance(5000);
        EXPECT_EQ(picture.CurrentFrame(), 0u);
        EXPECT_EQ(picture.Surface().PixelAt(1, 1), before.PixelAt(1, 1));
        EXPECT_TRUE(Control().HasImage());
    }
}

TEST_F(PictureExTest, DisposesEachFrameAsItAsks)
{
    // A grey picture; a red square is drawn and disposed of in each way,
    // then a green square shows beside it.
    struct Case {
        const char* what;
        int disposal;
        RgbColour underRedAfterward;  // what the red square's place shows with the green frame
    };
    const RgbColour face = GetSystemColour(SystemColour::ButtonFace);
    const std::vector<Case> cases{
        {"none", DecodedPicture::kDisposalNone, kRed},
        {"keep", DecodedPicture::kDisposalKeep, kRed},
        {"background", DecodedPicture::kDisposalBackground, face},
        {"previous", DecodedPicture::kDisposalPrevious, kBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DecodedPicture frames;
        frames.size = {20, 10};
        frames.frames.push_back(SolidFrame({0, 0, 20, 10}, kBlack, 10, DecodedPicture::kDisposalNone));
        frames.frames.push_back(SolidFrame({2, 2, 6, 6}, kRed, 10, c.disposal));
        frames.frames.push_back(SolidFrame({12, 2, 16, 6}, kGreen, 10, DecodedPicture::kDisposalNone));
        CPictureEx picture(Control());
        ASSERT_TRUE(picture.Load(frames));
        ASSERT_TRUE(picture.Draw());
        Advance(100);
        EXPECT_EQ(picture.Surface().PixelAt(3, 3), kRed);
        Advance(100);
        ASSERT_EQ(picture.CurrentFrame(), 2u);
        EXPECT_EQ(picture.Surface().PixelAt(3, 3), c.underRedAfterward);
        EXPECT_EQ(picture.Surface().PixelAt(13, 3), kGreen);
        Advance(100);
        EXPECT_EQ(picture.CurrentFrame(), 0u);
    }
}

TEST_F(PictureExTest, StopAndUnloadEndThePlayAtOnce)
{
    CPictureEx picture(Control());
    ASSERT_TRUE(picture.Load(GifBuilder(6, 4, kPalette).Solid(1, 10).Solid(2, 10).Bytes()));
    ASSERT_TRUE(picture.Draw());
    picture.Stop();
    EXPECT_FALSE(picture.IsPlaying());
    Advance(1000);
    EXPECT_EQ(picture.CurrentFrame(), 0u);
    ASSERT_TRUE(picture.Draw());
    Advance(100);
    EXPECT_EQ(picture.CurrentFrame(), 1u);
    picture.UnLoad();
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_FALSE(picture.IsPlaying());
    EXPECT_EQ(picture.GetSize(), (Size{0, 0}));
    EXPECT_FALSE(picture.Draw());
    Advance(1000);
}

TEST_F(PictureExTest, ADamagedGifPlaysTheFramesBeforeTheDamage)
{
    std::vector<std::size_t> frameEnds;
    const auto gif = GifBuilder(6, 4, kPalette).Solid(1, 10).Solid(2, 10).Solid(3, 10).Bytes(&frameEnds);
    CPictureEx picture(Control());
    const std::vector<std::uint8_t> twoFrames(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(frameEnds[2] - 3));
    ASSERT_TRUE(picture.Load(twoFrames));
    EXPECT_TRUE(picture.IsAnimated());
    ASSERT_TRUE(picture.Draw());
    Advance(100);
    EXPECT_EQ(picture.Surface().PixelAt(0, 0), kGreen);
    Advance(100);
    EXPECT_EQ(picture.Surface().PixelAt(0, 0), kRed) << "round again after the second frame";

    const std::vector<std::uint8_t> none(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(frameEnds[0] - 1));
    EXPECT_FALSE(picture.Load(none));
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_FALSE(picture.Draw());
    EXPECT_FALSE(picture.LoadFromFile(test::OutputFile("no-such-picture.gif")));
}

TEST_F(PictureExTest, KeyColouredPixelsLeaveWhatIsUnder)
{
    Bitmap drawn(4, 2);
    drawn.Fill(kBlue);
    drawn.SetPixel(0, 0, CPictureEx::kKeyColour);
    const std::string png = drawn.PngBytes();
    CPictureEx picture(Control());
    ASSERT_TRUE(picture.Load(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size())));
    Bitmap target(8, 4);
    target.Fill(kGreen);
    {
        MemoryContext dc(target);
        ASSERT_TRUE(picture.DrawToDC(dc, {0, 0, 8, 4}));
    }
    EXPECT_EQ(target.PixelAt(0, 0), kGreen) << "the key shows what was there";
    EXPECT_EQ(target.PixelAt(7, 3), kBlue);
}

TEST_F(PictureExTest, ALeftClickTellsTheDialog)
{
    CPictureEx picture(Control());
    ASSERT_TRUE(picture.Load(GifBuilder(6, 4, kPalette).Solid(1, 10).Bytes()));
    ASSERT_TRUE(picture.Draw());
    ASSERT_TRUE(control_automation::PressMouse(Control(), {2, 2}));
    control_automation::ReleaseMouse(Control(), {2, 2});
    ASSERT_EQ(dialog_.received.size(), 1u);
    EXPECT_EQ(dialog_.received[0].wParam, static_cast<std::uintptr_t>(kPictureId));
    EXPECT_EQ(dialog_.received[0].lParam, static_cast<std::intptr_t>(picture.Handle().value));
}

}  // namespace
}  // namespace c_picture_ex_test
}  // namespace corvane
