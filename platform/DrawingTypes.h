#pragma once

#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <string>

namespace corvane {

// The tools a DeviceContext draws with. They are plain values: selecting
// one into a context copies it, and selecting returns the one it replaces.

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, None };

// How the open ends of a wide pen's lines look.
enum class PenCap {
    Round,   // a half disc beyond the end point
    Square,  // a half square beyond the end point
    Flat,    // cut off at the end point
};

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // in device pixels; 0 draws one pixel wide
    RgbColour colour{};
    PenCap cap = PenCap::Round;  // for pens wider than one pixel
    friend bool operator==(const Pen&, const Pen&) = default;
};

// LinearGradient runs from colour at gradientFrom to endColour at
// gradientTo, straight across; RadialGradient from colour at gradientFrom
// (the centre) to endColour at the distance of gradientTo. Both points are
// logical units, mapped when the brush is used; beyond the ends the end
// colours continue.
enum class BrushStyle { Solid, Hatched, None, LinearGradient, RadialGradient };
enum class HatchStyle { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    RgbColour colour{255, 255, 255};
    HatchStyle hatch = HatchStyle::Horizontal;  // for Hatched
    RgbColour endColour{};                      // for the gradients
    Point gradientFrom{};
    Point gradientTo{};
    friend bool operator==(const Brush&, const Brush&) = default;
};

constexpr Brush SolidBrush(RgbColour colour) { return {BrushStyle::Solid, colour, HatchStyle::Horizontal}; }
constexpr Brush NullBrush() { return {BrushStyle::None, {}, HatchStyle::Horizontal}; }
constexpr Brush LinearGradientBrush(RgbColour from, Point fromPoint, RgbColour to, Point toPoint)
{
    return {BrushStyle::LinearGradient, from, HatchStyle::Horizontal, to, fromPoint, toPoint};
}
constexpr Brush RadialGradientBrush(RgbColour centreColour, Point centre, RgbColour edgeColour, int radius)
{
    return {BrushStyle::RadialGradient, centreColour, HatchStyle::Horizontal, edgeColour, centre,
        {centre.x + radius, centre.y}};
}
constexpr Pen SolidPen(RgbColour colour, int width = 1) { return {PenStyle::Solid, width, colour}; }
constexpr Pen CappedPen(RgbColour colour, int width, PenCap cap) { return {PenStyle::Solid, width, colour, cap}; }
constexpr Pen NullPen() { return {PenStyle::None, 0, {}}; }

// A font by face name and size in points; sizes may be fractional (8.7).
// A face the machine lacks falls back to a similar one.
struct FontSpec {
    std::string face = "Sans Serif";
    double pointSize = 9.0;
    int weight = 400;  // 100 to 900: 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // The angle of the text's baseline in tenths of a degree, counter-
    // clockwise from the x axis; TextOut turns the text about its reference
    // point.
    int escapement = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct FontMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int averageCharWidth = 0;
    int externalLeading = 0;
};

enum class BackgroundMode { Transparent, Opaque };

// How a pen or brush combines with what is already drawn.
enum class MixMode {
    CopyPen,   // the pen's colour
    XorPen,    // pen colour XOR destination: drawing twice restores
    NotDest,   // the inverse of the destination, whatever the pen: drawing twice restores
    MergePen,  // pen OR destination
    MaskPen,   // pen AND destination
};

// How a block copy combines source and destination.
enum class RasterOp {
    SourceCopy,    // source
    SourceInvert,  // source XOR destination
    SourceAnd,     // source AND destination
    SourcePaint,   // source OR destination
    DestInvert,    // NOT destination (the source is not read)
    Blackness,     // black
    Whiteness,     // white
};

// Mapping from logical units to device pixels.
enum class MapMode {
    Text,         // one logical unit is one pixel, y grows downward
    Isotropic,    // window and viewport extents scale, the same on both axes
    Anisotropic,  // window and viewport extents scale each axis on its own
};

// Alignment of TextOut's reference point, one horizontal and one vertical.
namespace text_align {
inline constexpr unsigned kLeft = 0x00;
inline constexpr unsigned kRight = 0x02;
inline constexpr unsigned kCenter = 0x06;
inline constexpr unsigned kTop = 0x00;
inline constexpr unsigned kBottom = 0x08;
inline constexpr unsigned kBaseline = 0x18;
}  // namespace text_align

// Layout of DrawText in a rectangle.
namespace text_format {
inline constexpr unsigned kLeft = 0x0000;
inline constexpr unsigned kCenter = 0x0001;
inline constexpr unsigned kRight = 0x0002;
inline constexpr unsigned kVCenter = 0x0004;
inline constexpr unsigned kBottom = 0x0008;
inline constexpr unsigned kWordBreak = 0x0010;
inline constexpr unsigned kSingleLine = 0x0020;
inline constexpr unsigned kNoClip = 0x0100;
inline constexpr unsigned kCalcRect = 0x0400;  // measure only: the rectangle's bottom (and right) grow to fit
inline constexpr unsigned kEndEllipsis = 0x8000;
}  // namespace text_format

}  // namespace corvane
