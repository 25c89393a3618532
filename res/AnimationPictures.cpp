#include "res/Animations.h"

#include "platform/DeviceContext.h"
#include "res/AnimationShapes.h"
#include "res/IconStyle.h"

#include <array>

namespace corvane::res {

namespace {

constexpr RgbColour kInk{32, 44, 64};
constexpr RgbColour kNavy{22, 46, 92};
constexpr Size kAnimationSize{64, 64};

struct AnimationEntry {
    int id = 0;
    void (*draw)(PicturePainter&, int step) = nullptr;
    // How long each frame shows, in hundredths of a second; one per frame.
    std::span<const int> delays;
};

constexpr std::array kFilingDelays{15, 15, 15, 15, 15, 60};
constexpr std::array kNetworkDelays{12, 12, 12, 12, 12, 12, 12, 50};

constexpr std::array kAnimations{
    AnimationEntry{kAnimationNetworkAddress, DrawNetworkAddress, kNetworkDelays},
    AnimationEntry{kAnimationMathLibrary, DrawMathFunctionFiling, kFilingDelays},
};

// A small computer screen on its stand.
void Screen(PicturePainter& p, const Rect& r)
{
    p.Box(r, colour::kSky, kNavy, 2);
    p.Box({r.left + r.Width() / 2 - 2, r.bottom, r.left + r.Width() / 2 + 2, r.bottom + 4}, colour::kGrey, std::nullopt);
    p.Box({r.left + 2, r.bottom + 4, r.right - 2, r.bottom + 6}, colour::kGrey, kNavy);
}

}  // namespace

// An open book with "f(x)" on its right page and an arrow dropping into it.
void DrawMathFunctionFiling(PicturePainter& p, int step)
{
    p.Fill({0, 0, 64, 64}, Blend(kFunctionColours.body, colour::kWhite, 0.6));
    p.Shape(std::array<Point, 4>{Point{6, 22}, Point{31, 26}, Point{31, 58}, Point{6, 54}}, colour::kWhite, kNavy, 2);
    p.Shape(std::array<Point, 4>{Point{33, 26}, Point{58, 22}, Point{58, 54}, Point{33, 58}}, colour::kWhite, kNavy, 2);
    for (int y = 32; y <= 48; y += 6)
        p.Line({10, y}, {27, y + 2}, kInk);
    LabelStyle style;
    style.face = "DejaVu Serif";
    style.italic = true;
    style.pointSize = 9.0;
    style.minPointSize = 6.0;
    // The function shows on its page once the arrow has brought it in.
    const bool filed = step >= static_cast<int>(kFilingDelays.size()) - 1;
    p.Label({35, 30, 57, 50}, "f(x)", filed ? colour::kRed : kFunctionColours.ink, style);
    if (filed)
        return;
    const int drop = step * 2;
    p.Line({32, 2 + drop}, {32, 16 + drop}, colour::kRed, 3);
    p.Shape(std::array<Point, 3>{Point{25, 12 + drop}, Point{39, 12 + drop}, Point{32, 20 + drop}}, colour::kRed,
        colour::kRed);
}

// A PC and a logger joined by a network cable; a packet carrying an address
// travels along the cable from the PC to the logger.
void DrawNetworkAddress(PicturePainter& p, int step)
{
    p.Fill({0, 0, 64, 64}, colour::kLight);
    Screen(p, {3, 6, 27, 24});
    p.RoundBox({37, 8, 61, 30}, 3, colour::kSilver, kNavy, 2);
    p.Box({41, 12, 57, 19}, colour::kLcd, kInk);
    p.Circle({44, 25}, 2, colour::kGreen, kInk);
    p.Circle({52, 25}, 2, colour::kRed, kInk);
    // The cable: down from each, along the bottom.
    p.Lines(std::array<Point, 4>{Point{15, 31}, Point{15, 48}, Point{49, 48}, Point{49, 31}}, kNavy, 2);
    // The packet: from the PC's drop to the logger's, along the cable.
    constexpr std::array<Point, 8> kPath{Point{15, 36}, Point{15, 46}, Point{22, 48}, Point{29, 48}, Point{36, 48},
        Point{43, 48}, Point{49, 44}, Point{49, 34}};
    const Point at = kPath[static_cast<std::size_t>(step) % kPath.size()];
    p.Box({at.x - 6, at.y - 4, at.x + 6, at.y + 4}, colour::kYellow, kInk);
    LabelStyle style;
    style.pointSize = 5.0;
    style.minPointSize = 4.0;
    p.Label({at.x - 6, at.y - 4, at.x + 6, at.y + 4}, "IP", kInk, style);
    p.Label({0, 52, 64, 63}, "192.168.", kNavy, style);
}

std::vector<int> AllAnimations()
{
    std::vector<int> ids;
    for (const AnimationEntry& entry : kAnimations)
        ids.push_back(entry.id);
    return ids;
}

DecodedPicture MakeAnimation(int id, bool* labelOverflowed)
{
    DecodedPicture picture;
    bool overflowed = false;
    for (const AnimationEntry& entry : kAnimations) {
        if (entry.id != id)
            continue;
        picture.size = kAnimationSize;
        for (std::size_t step = 0; step < entry.delays.size(); ++step) {
            DecodedPicture::Frame frame;
            frame.image = Bitmap(kAnimationSize.width, kAnimationSize.height);
            {
                MemoryContext dc(frame.image);
                PicturePainter painter(dc);
                entry.draw(painter, static_cast<int>(step));
                overflowed = overflowed || painter.LabelOverflowed();
            }
            frame.delayHundredths = entry.delays[step];
            frame.disposal = DecodedPicture::kDisposalNone;
            picture.frames.push_back(std::move(frame));
        }
    }
    if (labelOverflowed != nullptr)
        *labelOverflowed = overflowed;
    return picture;
}

}  // namespace corvane::res
