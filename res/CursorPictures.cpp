// The program's own mouse pointers: moving an object, dragging a cell of
// the icon palette, and linking icons, where the pointer names the kind
// of connector under it.

#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"

#include <array>
#include <string_view>

namespace corvane::res {

namespace {

constexpr RgbColour kBadge{28, 92, 190};

void Background(PicturePainter& p) { p.Fill({0, 0, kCursorSize.width, kCursorSize.height}, colour::kMatte); }

void ArrowPointer(PicturePainter& p)
{
    const Point arrow[] = {{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12}, {12, 12}};
    p.Shape(arrow, colour::kWhite, colour::kBlack);
}

void Move(PicturePainter& p)
{
    Background(p);
    ArrowPointer(p);
    const Point centre{22, 22};
    p.Line({centre.x - 7, centre.y}, {centre.x + 7, centre.y}, colour::kBlack, 2);
    p.Line({centre.x, centre.y - 7}, {centre.x, centre.y + 7}, colour::kBlack, 2);
    for (const Point tip : {Point{centre.x - 9, centre.y}, Point{centre.x + 9, centre.y}, Point{centre.x, centre.y - 9},
             Point{centre.x, centre.y + 9}})
        Arrow(p, centre, tip, colour::kBlack, 1, 3);
}

void PaletteDrag(PicturePainter& p)
{
    Background(p);
    p.Box({12, 13, 30, 31}, kFunctionColours.body, kFunctionColours.outline);
    p.Box({15, 16, 27, 28}, std::nullopt, kFunctionColours.shade);
    p.Line({17, 22}, {25, 22}, kFunctionColours.ink);
    p.Line({21, 18}, {21, 26}, kFunctionColours.ink);
    ArrowPointer(p);
}

// A link pointer: a sight at the hot spot, a lead and a badge that names
// the connector; no badge for connectors that need no name.
constexpr Point kSight{7, 7};

void LinkPointer(PicturePainter& p, std::string_view name)
{
    Background(p);
    p.Line({kSight.x + 3, kSight.y + 3}, {15, 15}, colour::kBlack, 2);
    p.Circle(kSight, 4, colour::kWhite, colour::kBlack);
    p.Line({kSight.x - 7, kSight.y}, {kSight.x + 7, kSight.y}, colour::kBlack);
    p.Line({kSight.x, kSight.y - 7}, {kSight.x, kSight.y + 7}, colour::kBlack);
    if (name.empty()) {
        p.Circle({17, 17}, 3, colour::kYellow, colour::kBlack);
        return;
    }
    const Rect badge{13, 16, 31, 28};
    p.RoundBox(badge, 2, kBadge, colour::kBlack);
    LabelStyle style;
    style.pointSize = 6.5;
    style.minPointSize = 4.5;
    p.Label(badge.Inflated(-1, 0), name, colour::kWhite, style);
}

template <const char* name> void Link(PicturePainter& p) { LinkPointer(p, name); }

constexpr char kNone[] = "";
constexpr char kTrigger[] = "TRG";
constexpr char kEnable[] = "EN";
constexpr char kSelect[] = "SEL";
constexpr char kIn[] = "IN";
constexpr char kOut[] = "OUT";
constexpr char kInvertedOut[] = "NOT";
constexpr char kPlus[] = "+";
constexpr char kMinus[] = "−";
constexpr char kHigh[] = "HI";
constexpr char kLow[] = "LO";
constexpr char kSet[] = "S";
constexpr char kReset[] = "R";
constexpr char kW[] = "W";
constexpr char kX[] = "X";
constexpr char kY[] = "Y";
constexpr char kZ[] = "Z";

constexpr std::array kCursors{
    CursorEntry{kCursorTrigger, kSight, Link<kTrigger>},
    CursorEntry{kCursorMove, {0, 0}, Move},
    CursorEntry{kCursorSelectInput, kSight, Link<kSelect>},
    CursorEntry{kCursorEnableInput, kSight, Link<kEnable>},
    CursorEntry{kCursorInput, kSight, Link<kIn>},
    CursorEntry{kCursorOutput, kSight, Link<kOut>},
    CursorEntry{kCursorPaletteDrag, {0, 0}, PaletteDrag},
    CursorEntry{kCursorOwnConnector, kSight, Link<kNone>},
    CursorEntry{kCursorConnector15, kSight, Link<kNone>},
    CursorEntry{kCursorConnector16, kSight, Link<kNone>},
    CursorEntry{kCursorConnector19, kSight, Link<kNone>},
    CursorEntry{kCursorConnector20, kSight, Link<kNone>},
    CursorEntry{kCursorInvertedOutput, kSight, Link<kInvertedOut>},
    CursorEntry{kCursorPlusInput, kSight, Link<kPlus>},
    CursorEntry{kCursorMinusInput, kSight, Link<kMinus>},
    CursorEntry{kCursorHighThreshold, kSight, Link<kHigh>},
    CursorEntry{kCursorLowThreshold, kSight, Link<kLow>},
    CursorEntry{kCursorSetInput, kSight, Link<kSet>},
    CursorEntry{kCursorResetInput, kSight, Link<kReset>},
    CursorEntry{kCursorInputW, kSight, Link<kW>},
    CursorEntry{kCursorInputX, kSight, Link<kX>},
    CursorEntry{kCursorInputY, kSight, Link<kY>},
    CursorEntry{kCursorInputZ, kSight, Link<kZ>},
};

}  // namespace

std::span<const CursorEntry> CursorPictures() { return kCursors; }

}  // namespace corvane::res
