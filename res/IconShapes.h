#pragma once

#include "res/IconStyle.h"
#include "res/PicturePainter.h"

#include <string_view>

namespace corvane::res {

// Drawing parts shared by the pictures of every family. Each draws inside
// the rectangle or around the point it is given, so that the same symbol
// serves a 32-pixel icon, a 16-pixel button and a large scene.

inline constexpr Rect kIconRect{0, 0, 32, 32};

// The light body with a dark edge that every net icon stands on.
void IconBody(PicturePainter& p, const IconColours& c, const Rect& rect = kIconRect);

// The tall body of a hardware channel icon (32 by 64): the symbol area at
// the top, a caption below it and the channel's screw terminals at the
// bottom.
inline constexpr Rect kChannelSymbolArea{3, 3, 29, 31};
inline constexpr Rect kChannelCaptionArea{2, 33, 30, 47};
void ChannelBody(PicturePainter& p, const IconColours& c, std::string_view caption, int terminals = 2);

// A short bold label in the icon's ink.
void IconLabel(PicturePainter& p, const Rect& box, std::string_view text, RgbColour colour, double pointSize = 7.0);

// A small rounded badge holding a word, for the corner of an icon.
void Badge(PicturePainter& p, const Rect& box, std::string_view text, RgbColour fill, RgbColour ink);

// Lines with a head.
void Arrow(PicturePainter& p, Point from, Point to, RgbColour colour, int width = 1, int head = 3);

// Waves and pulses drawn along the middle of a rectangle.
void SquareWave(PicturePainter& p, const Rect& rect, RgbColour colour, int pulses, int width = 1);
void SinglePulse(PicturePainter& p, const Rect& rect, RgbColour colour, int width = 1);
void SineWave(PicturePainter& p, const Rect& rect, RgbColour colour, double cycles, int width = 1);

// Things.
void ClockFace(PicturePainter& p, Point centre, int radius, RgbColour face, RgbColour ink, double hourDegrees = 60.0,
    double minuteDegrees = 90.0, bool ticks = true);
void Hourglass(PicturePainter& p, const Rect& rect, RgbColour ink, RgbColour sand);
void Envelope(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink);
void MemoryChip(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour pins, std::string_view label = {});
void Cloud(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line);
void Gear(PicturePainter& p, Point centre, int radius, RgbColour fill, RgbColour line);
void Padlock(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, bool open = false);
void Bell(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line);
void Thermometer(PicturePainter& p, const Rect& rect, RgbColour glass, RgbColour fluid, RgbColour line);
void LcdPanel(PicturePainter& p, const Rect& rect, std::string_view text);
void DataTag(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line);
void CalendarPage(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink, RgbColour accent);
void Key(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line);
void Folder(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line, bool open = false);
void FloppyDisk(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line);
void NotePage(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink, int lines = 3);
void ScrewTerminal(PicturePainter& p, Point centre, int radius);
void Led(PicturePainter& p, Point centre, int radius, RgbColour lit);
void ProbeTip(PicturePainter& p, Point tip, int length, RgbColour body, RgbColour line);
void TableGrid(
    PicturePainter& p, const Rect& rect, int columns, int rows, RgbColour paper, RgbColour line, RgbColour header);
void Magnifier(PicturePainter& p, Point centre, int radius, RgbColour glass, RgbColour line);
void CheckMark(PicturePainter& p, const Rect& rect, RgbColour colour, int width = 2);
void Cross(PicturePainter& p, const Rect& rect, RgbColour colour, int width = 2);
void NetDiagram(PicturePainter& p, const Rect& rect, RgbColour box, RgbColour line);
void TrendChart(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour line, RgbColour trace);
void RadioWaves(PicturePainter& p, Point source, int radius, int rings, RgbColour colour, double facingDegrees = 90.0,
    double spreadDegrees = 90.0);
void UsbTrident(PicturePainter& p, Point centre, int size, RgbColour colour);
void SerialConnector(PicturePainter& p, const Rect& rect, RgbColour shell, RgbColour line);
void NetworkJack(PicturePainter& p, const Rect& rect, RgbColour shell, RgbColour line);
void CellTower(PicturePainter& p, const Rect& rect, RgbColour line);
void Plug(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, bool joined);
void Battery(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, RgbColour charge);
void Lightning(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line);

// A greyed copy of a picture, as shown for a choice that is not available.
void GreyOut(Bitmap& bitmap);

}  // namespace corvane::res
