// Pictures of the main frame and of the smaller windows: the connection
// state in the status bar, the splash window, the collapsed icon palette,
// the page designer's object bar and the images of dialog lists and trees.

#include "res/GateShapes.h"
#include "res/IconShapes.h"
#include "res/AnimationShapes.h"
#include "res/PictureTables.h"
#include "res/LoggerUserIds.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

constexpr RgbColour kInk{32, 44, 64};
constexpr RgbColour kNavy{22, 46, 92};

// --- Status bar: the state of the connection to the logger.

void StatusBadge(PicturePainter& p, RgbColour fill, bool joined)
{
    p.Fill({0, 0, 16, 16}, colour::kMatte);
    p.RoundBox({0, 0, 16, 16}, 3, fill, Blend(fill, colour::kBlack, 0.45));
    // A plug in its socket, or pulled out of it.
    const int shift = joined ? 0 : -3;
    p.Line({1, 8}, {4 + shift, 8}, colour::kWhite, 2);
    p.Fill({4 + shift, 5, 8 + shift, 12}, colour::kWhite);
    p.Fill({8 + shift, 6, 11 + shift, 7}, colour::kWhite);
    p.Fill({8 + shift, 10, 11 + shift, 11}, colour::kWhite);
    p.Fill({11, 4, 14, 13}, colour::kWhite);
    p.Line({14, 8}, {15, 8}, colour::kWhite, 2);
}

void StatusDisconnected(PicturePainter& p) { StatusBadge(p, colour::kRed, false); }
void StatusConnected(PicturePainter& p) { StatusBadge(p, colour::kGreen, true); }

// --- Splash window.

constexpr Size kSplashSize{480, 280};

void Splash(PicturePainter& p)
{
    const Rect all{0, 0, kSplashSize.width, kSplashSize.height};
    p.Gradient(all, {32, 70, 130}, {12, 28, 60});
    // A trace running across, as on a logger's chart.
    const Point trace[]
        = {{0, 200}, {60, 190}, {110, 205}, {170, 160}, {230, 175}, {290, 120}, {350, 140}, {410, 90}, {480, 100}};
    p.Lines(trace, {90, 170, 250}, 3);
    for (int x = 40; x < all.right; x += 40)
        p.Line({x, 230}, {x, 236}, {90, 120, 170});
    p.Line({0, 236}, {all.right, 236}, {90, 120, 170});
    LabelStyle title;
    title.face = "DejaVu Sans";
    title.pointSize = 40.0;
    title.minPointSize = 24.0;
    p.Label({24, 30, 456, 100}, "Corvane", colour::kWhite, title);
    LabelStyle subtitle = title;
    subtitle.pointSize = 13.0;
    subtitle.minPointSize = 9.0;
    subtitle.weight = 400;
    p.Label({24, 100, 456, 130}, "Programming and data for your loggers", {200, 220, 245}, subtitle);
    subtitle.pointSize = 9.0;
    subtitle.format = text_format::kLeft | text_format::kVCenter;
    p.Label({16, 248, 300, 272}, "Tarnwick", {170, 190, 220}, subtitle);
}

// --- The icon palette folded to a tab.

void MiniTile(PicturePainter& p, const Rect& tile, const IconColours& c) { p.RoundBox(tile, 2, c.body, c.outline); }

void PaletteCollapsed(PicturePainter& p)
{
    p.Fill({0, 0, 40, 40}, {236, 238, 242});
    p.Box({0, 0, 40, 40}, std::nullopt, {120, 126, 136});
    const Rect a{2, 2, 20, 20};
    const Rect b{20, 2, 38, 20};
    const Rect c{2, 20, 20, 38};
    const Rect d{20, 20, 38, 38};
    MiniTile(p, a, kFunctionColours);
    DrawGateShape(p, GateKind::And, a.Inflated(-4, -4), colour::kWhite, kFunctionColours.ink);
    MiniTile(p, b, kFunctionColours);
    ClockFace(p, b.Centre(), 6, colour::kWhite, kFunctionColours.ink, 60.0, 90.0, false);
    MiniTile(p, c, kReportingColours);
    Envelope(p, c.Inflated(-3, -5), colour::kWhite, kReportingColours.ink);
    MiniTile(p, d, kHardwareColours);
    Bell(p, d.Inflated(-4, -3), colour::kYellow, kHardwareColours.ink);
}

// --- The page designer's object bar.

void WebBarCell(PicturePainter& p)
{
    p.Fill({0, 0, 32, 32}, {228, 230, 234});
    p.Box({2, 2, 30, 30}, std::nullopt, {176, 180, 188});
}

void WebBarTab(PicturePainter& p)
{
    p.Fill({0, 0, 40, 40}, {236, 238, 242});
    p.Box({0, 0, 40, 40}, std::nullopt, {120, 126, 136});
    // A dial, as the bar holds display objects.
    p.Arc({20, 24}, 15, 15, 180.0, 0.0, kInk, 2);
    for (double degrees : {180.0, 135.0, 90.0, 45.0, 0.0}) {
        const std::vector<Point> tick = ArcPoints({20, 24}, 15, 15, degrees, degrees, 1);
        p.Line(tick.front(), {20 + (tick.front().x - 20) * 3 / 4, 24 + (tick.front().y - 24) * 3 / 4}, kInk);
    }
    p.Line({20, 24}, {29, 14}, colour::kRed, 2);
    p.Circle({20, 24}, 2, kInk, kInk);
    LabelStyle style;
    style.pointSize = 6.0;
    style.minPointSize = 4.5;
    p.Label({1, 28, 39, 39}, "OBJECTS", kInk, style);
}

// --- Images of lists and trees.

constexpr Size kConnection{18, 18};

void LoggerMini(PicturePainter& p, const Rect& box)
{
    p.RoundBox(box, 1, {70, 80, 96}, colour::kBlack);
    p.Fill({box.left + 2, box.top + 2, box.right - 2, box.top + 5}, colour::kLcd);
}

void UsbLogger(PicturePainter& p)
{
    UsbTrident(p, {6, 9}, 14, kNavy);
    LoggerMini(p, {11, 5, 18, 15});
}

void UsbLoggerInUse(PicturePainter& p)
{
    UsbLogger(p);
    p.Circle({14, 14}, 3, colour::kRed, colour::kDarkRed);
}

void ConnectSerial(PicturePainter& p) { SerialConnector(p, {0, 4, 18, 14}, colour::kSilver, kInk); }

void ConnectEthernet(PicturePainter& p) { NetworkJack(p, {1, 2, 17, 16}, colour::kSilver, kInk); }

void ConnectCellular(PicturePainter& p) { CellTower(p, {0, 0, 18, 18}, kInk); }

void ConnectWifi(PicturePainter& p)
{
    RadioWaves(p, {9, 15}, 12, 3, kNavy, 90.0, 100.0);
    p.Circle({9, 15}, 1, kNavy, kNavy);
}

void PermissionStates(PicturePainter& p)
{
    p.Fill({0, 0, 48, 16}, colour::kMatte);
    p.Box({2, 2, 14, 14}, colour::kWhite, kInk);
    p.Box({18, 2, 30, 14}, colour::kWhite, kInk);
    CheckMark(p, {20, 4, 28, 12}, colour::kGreen, 2);
    // Checked and fixed: a greyed box whose mark cannot be taken away.
    p.Box({34, 2, 46, 14}, colour::kLight, colour::kGrey);
    CheckMark(p, {36, 4, 44, 12}, colour::kGrey, 2);
}

// A logger user: head and shoulders.
void LoggerUser(PicturePainter& p)
{
    p.Fill({0, 0, 16, 16}, colour::kMatte);
    p.Oval({3, 9, 13, 17}, colour::kBlue, kInk);
    p.Circle({8, 5}, 3, colour::kYellow, kInk);
}

void ValueImage(PicturePainter& p, const Rect& box)
{
    p.Box(box, colour::kWhite, kFunctionColours.ink);
    LabelStyle style;
    style.face = "DejaVu Sans Mono";
    style.pointSize = 6.0;
    style.minPointSize = 4.0;
    p.Label(box.Inflated(-1, -1), "1.2", kFunctionColours.ink, style);
}

void SwitchImage(PicturePainter& p, int left)
{
    p.Circle({left + 4, 14}, 1, colour::kWhite, kInk);
    p.Circle({left + 15, 14}, 1, colour::kWhite, kInk);
    p.Line({left + 5, 14}, {left + 14, 7}, kInk, 2);
}

void RemoteControlTree(PicturePainter& p)
{
    p.Fill({0, 0, 60, 20}, colour::kMatte);
    Folder(p, {1, 3, 19, 17}, colour::kYellow, {150, 104, 16});
    ValueImage(p, {21, 4, 39, 16});
    SwitchImage(p, 40);
}

void ModbusMapTree(PicturePainter& p)
{
    p.Fill({0, 0, 60, 20}, colour::kMatte);
    DataTag(p, {1, 5, 19, 15}, colour::kYellow, kInk);
    ValueImage(p, {21, 4, 39, 16});
    SwitchImage(p, 40);
}

void ProbeList(PicturePainter& p)
{
    p.Line({1, 17}, {19, 17}, kInk);
    ProbeTip(p, {4, 16}, 19, colour::kRed, colour::kDarkRed);
}

void MathLibrary(PicturePainter& p)
{
    LabelStyle style;
    style.face = "DejaVu Serif";
    style.italic = true;
    style.pointSize = 8.0;
    style.minPointSize = 6.0;
    p.RoundBox({0, 0, 20, 18}, 2, kFunctionColours.body, kFunctionColours.outline);
    p.Label({1, 1, 19, 17}, "f(x)", kFunctionColours.ink, style);
}

// A function being filed into the library, the first frame of its animation.
void MathFunctionSave(PicturePainter& p) { DrawMathFunctionFiling(p, 0); }

constexpr std::array kPictures{
    PictureEntry{kBitmapSplash, kSplashSize, Splash},
    PictureEntry{kBitmapPaletteCollapsed, {40, 40}, PaletteCollapsed},
    PictureEntry{kBitmapStatusDisconnected, {16, 16}, StatusDisconnected, true},
    PictureEntry{kBitmapStatusConnected, {16, 16}, StatusConnected, true},
    PictureEntry{kBitmapWebBarCell, {32, 32}, WebBarCell},
    PictureEntry{kBitmapWebBarTab, {40, 40}, WebBarTab},
    PictureEntry{kBitmapPermissionStates, {48, 16}, PermissionStates, true},
    PictureEntry{kBitmapUsbLogger, kConnection, UsbLogger},
    PictureEntry{kBitmapUsbLoggerInUse, kConnection, UsbLoggerInUse},
    PictureEntry{kBitmapConnectSerial, kConnection, ConnectSerial},
    PictureEntry{kBitmapConnectEthernet, kConnection, ConnectEthernet},
    PictureEntry{kBitmapRemoteControlTree, {60, 20}, RemoteControlTree, true},
    PictureEntry{kBitmapProbeList, {20, 20}, ProbeList},
    PictureEntry{kBitmapMathLibrary, {20, 18}, MathLibrary},
    PictureEntry{kBitmapMathFunctionSave, {64, 64}, MathFunctionSave},
    PictureEntry{kBitmapModbusMapTree, {60, 20}, ModbusMapTree, true},
    PictureEntry{kBitmapConnectCellular, kConnection, ConnectCellular},
    PictureEntry{kBitmapConnectWifi, kConnection, ConnectWifi},
    PictureEntry{kBitmapLoggerUser, {16, 16}, LoggerUser, true},
};

}  // namespace

std::span<const PictureEntry> FramePictures() { return kPictures; }

}  // namespace corvane::res
