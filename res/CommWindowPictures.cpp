// The Communication Window's picture: a 1024 by 768 scene of the PC, the
// link and the logger with its module bus, put together from parts that
// the view lays over one another at fixed places. Each part of the scene
// draws in scene coordinates, first repainting whatever lies beneath it
// (the backdrop, the logger's housing), so that the parts join without
// seams whatever order and state they are shown in.

#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"

#include <array>
#include <initializer_list>
#include <vector>

namespace corvane::res {

namespace {

// Where the view places the parts.
constexpr Rect kScene{0, 0, 1024, 768};
constexpr Rect kLinkArea{242, 0, 824, 527};
constexpr Rect kPcArea{49, 151, 284, 313};
constexpr Rect kLoggerArea{507, 204, 877, 439};
constexpr Rect kStripArea{674, 197, 1004, 316};
constexpr Rect kEnableArea{908, 208, 986, 228};
constexpr Rect kStopArea{908, 239, 986, 259};
constexpr Rect kEraseArea{930, 268, 984, 292};
constexpr Rect kBusHeadArea{823, 438, 1024, 528};
constexpr Rect kBusEndArea{990, 528, 1024, 689};
constexpr int kSegmentTop = 636;
constexpr int kRibbonY = 670;
constexpr Rect kCardArea{675, 433, 723, 482};
constexpr Rect kPasswordArea{516, 166, 550, 201};
constexpr Rect kPcCardArea{242, 387, 402, 457};
constexpr Rect kNetworkSymbolArea{371, 248, 436, 321};
constexpr Rect kUsbSymbolArea{349, 257, 402, 327};
constexpr Rect kSerialSymbolArea{349, 244, 459, 321};
constexpr Rect kSerialOffSymbolArea{349, 272, 401, 315};

// The ends of the link between the PC's port and the logger's.
constexpr Point kPcPort{284, 262};
constexpr Point kLoggerPort{507, 330};

constexpr RgbColour kWallTop{238, 242, 248};
constexpr RgbColour kWallBottom{198, 210, 226};
constexpr RgbColour kGhost{170, 182, 202};
constexpr RgbColour kTitle{36, 64, 110};
constexpr RgbColour kHousing{60, 70, 84};
constexpr RgbColour kHousingEdge{24, 28, 36};
constexpr RgbColour kPanel{42, 48, 60};
constexpr RgbColour kWell{24, 28, 34};
constexpr RgbColour kRibbon{92, 98, 108};
constexpr RgbColour kCable{54, 58, 66};
constexpr RgbColour kOff{150, 156, 166};
constexpr RgbColour kLinkBlue{36, 110, 200};

LabelStyle Text(double pointSize, int weight = 700, unsigned format = text_format::kCenter | text_format::kVCenter)
{
    LabelStyle style;
    style.face = "DejaVu Sans";
    style.pointSize = pointSize;
    style.minPointSize = pointSize - 3.0;
    style.weight = weight;
    style.format = format;
    return style;
}

// Makes the picture's pixels stand for the scene's from the top-left
// corner of the area on.
void Place(PicturePainter& p, const Rect& area) { p.Dc().SetViewportOrigin({-area.left, -area.top}); }

void DashedBox(PicturePainter& p, const Rect& box, RgbColour colour)
{
    p.DashedLine(box.TopLeft(), {box.right - 1, box.top}, colour, 4);
    p.DashedLine({box.right - 1, box.top}, {box.right - 1, box.bottom - 1}, colour, 4);
    p.DashedLine({box.left, box.bottom - 1}, {box.right - 1, box.bottom - 1}, colour, 4);
    p.DashedLine(box.TopLeft(), {box.left, box.bottom - 1}, colour, 4);
}

// The wall behind everything, the window's title and the empty places of
// the PC and the logger.
void Backdrop(PicturePainter& p, const Rect& area)
{
    for (int y = area.top; y < area.bottom; ++y)
        p.Fill({area.left, y, area.right, y + 1},
            Blend(kWallTop, kWallBottom, static_cast<double>(y) / (kScene.Height() - 1)));
    p.Label(
        {16, 10, 236, 34}, "Logger Communication", kTitle, Text(12.5, 700, text_format::kLeft | text_format::kVCenter));
    p.Label({16, 38, 236, 72}, "Double-click an item, or drag it\nonto the PC or the logger.", kTitle,
        Text(7.5, 400, text_format::kLeft | text_format::kVCenter));
    DashedBox(p, {55, 155, 215, 275}, kGhost);
    DashedBox(p, {222, 170, 277, 306}, kGhost);
    p.Label({55, 200, 215, 230}, "PC", kGhost, Text(14.0));
    DashedBox(p, {509, 205, 875, 437}, kGhost);
    p.Label({560, 380, 820, 420}, "Logger", kGhost, Text(14.0));
}

// --- The PC

void PcPicture(PicturePainter& p)
{
    Place(p, kPcArea);
    Backdrop(p, kPcArea);
    // Monitor, stand and the window the program's items sit in.
    p.Box({118, 273, 152, 291}, {150, 154, 162}, kHousingEdge);
    p.RoundBox({92, 289, 178, 299}, 3, {170, 174, 182}, kHousingEdge);
    p.RoundBox({55, 155, 215, 275}, 6, {52, 56, 64}, kHousingEdge, 2);
    p.Fill({63, 163, 207, 266}, {96, 150, 214});
    p.Fill({66, 168, 204, 214}, {246, 248, 252});
    p.Fill({66, 168, 204, 172}, kLinkBlue);
    p.Label({66, 218, 204, 240}, "Corvane", colour::kWhite, Text(11.0));
    p.Label({66, 240, 204, 258}, "Logger Companion", {220, 232, 246}, Text(7.0, 400));
    // Tower with its drives and power light.
    p.RoundBox({222, 170, 277, 306}, 4, {206, 210, 218}, kHousingEdge, 2);
    p.Box({230, 182, 269, 192}, {170, 174, 182}, kHousingEdge);
    p.Box({230, 198, 269, 208}, {170, 174, 182}, kHousingEdge);
    p.Line({236, 203}, {262, 203}, kHousingEdge);
    Led(p, {249, 290}, 3, colour::kGreen);
    // The port the link leaves from.
    p.Box({270, kPcPort.y - 5, 278, kPcPort.y + 6}, colour::kDark, kHousingEdge);
}

// --- The logger

void LoggerHousing(PicturePainter& p)
{
    p.RoundBox({508, 204, 876, 438}, 12, kHousing, kHousingEdge, 2);
    p.Line({520, 206}, {864, 206}, Blend(kHousing, colour::kWhite, 0.35));
    // The panel that holds the logger's items.
    p.RoundBox({538, 205, 619, 317}, 4, {232, 236, 242}, kHousingEdge);
    p.Label({526, 388, 700, 420}, "OMBRELIX", colour::kWhite, Text(14.0));
    p.Label({526, 418, 700, 434}, "Data Logger", {190, 198, 210}, Text(8.0, 400));
    // The port the link arrives at and the module bus connector.
    p.Box({508, kLoggerPort.y - 7, 516, kLoggerPort.y + 8}, colour::kDark, kHousingEdge);
    p.Box({836, 426, 866, 438}, colour::kDark, kHousingEdge);
    for (int y = 336; y < 380; y += 8)
        p.Line({720, y}, {820, y}, Blend(kHousing, kHousingEdge, 0.6), 2);
}

void LoggerPicture(PicturePainter& p)
{
    Place(p, kLoggerArea);
    Backdrop(p, kLoggerArea);
    LoggerHousing(p);
}

// The logger's control panel, with its display, lights and the wells the
// buttons sit in.
void ButtonWell(PicturePainter& p, const Rect& button) { p.Fill(button.Inflated(2, 2), kWell); }

void StripPanel(PicturePainter& p, std::string_view line1, std::string_view line2, bool running, bool connected)
{
    p.RoundBox({676, 199, 1003, 315}, 8, connected ? kPanel : Blend(kPanel, kWallBottom, 0.55), kHousingEdge, 2);
    const Rect lcd{688, 211, 896, 257};
    p.Box(lcd, colour::kDark, colour::kBlack);
    p.Fill(lcd.Inflated(-3, -3), connected ? colour::kLcd : Blend(colour::kLcd, colour::kSilver, 0.7));
    LabelStyle style = Text(12.0);
    style.face = "DejaVu Sans Mono";
    p.Label({694, 215, 890, 235}, line1, colour::kLcdInk, style);
    style.pointSize = 8.0;
    style.minPointSize = 6.0;
    p.Label({694, 235, 890, 253}, line2, colour::kLcdInk, style);
    const RgbColour label = connected ? RgbColour{200, 206, 216} : RgbColour{110, 116, 126};
    const RgbColour dark = connected ? RgbColour{40, 70, 46} : kOff;
    Led(p, {700, 281}, 5, connected && running ? colour::kGreen : dark);
    p.Label({710, 272, 750, 290}, "RUN", label, Text(7.5));
    Led(p, {766, 281}, 5, connected && !running ? colour::kRed : connected ? RgbColour{80, 40, 40} : kOff);
    p.Label({776, 272, 818, 290}, "STOP", label, Text(7.5));
    p.Label({688, 294, 896, 310}, "MODULE BUS", label, Text(6.5, 400, text_format::kLeft | text_format::kVCenter));
    for (const Rect& button : {kEnableArea, kStopArea, kEraseArea})
        ButtonWell(p, button);
}

template <bool running> void BusStrip(PicturePainter& p)
{
    Place(p, kStripArea);
    Backdrop(p, kStripArea);
    LoggerHousing(p);
    StripPanel(p, running ? "LOGGING" : "STOPPED", running ? "net running" : "net stopped", running, true);
}

// Buttons on the control panel: lit when the logger is in their state.
void ButtonFace(PicturePainter& p, const Rect& area, std::string_view text, RgbColour colour, bool lit)
{
    p.Fill(area, kWell);
    const RgbColour face = lit ? colour : Blend(colour, colour::kDark, 0.65);
    p.RoundBox(area, 4, face, colour::kBlack);
    p.Line({area.left + 3, area.top + 1}, {area.right - 4, area.top + 1}, Blend(face, colour::kWhite, 0.45));
    p.Label(area.Inflated(-3, -1), text, lit ? colour::kWhite : Blend(face, colour::kWhite, 0.4), Text(7.5));
}

void PanelButton(PicturePainter& p, const Rect& area, std::string_view text, RgbColour colour, bool lit)
{
    Place(p, area);
    ButtonFace(p, area, text, colour, lit);
}

void NoLogger(PicturePainter& p)
{
    Place(p, kStripArea);
    Backdrop(p, kStripArea);
    StripPanel(p, "NO LOGGER", "not connected", false, false);
    ButtonFace(p, kEnableArea, "ENABLE", kOff, false);
    ButtonFace(p, kStopArea, "STOP", kOff, false);
    ButtonFace(p, kEraseArea, "ERASE", kOff, false);
}

void EnableButtonLit(PicturePainter& p) { PanelButton(p, kEnableArea, "ENABLE", colour::kGreen, true); }
void EnableButton(PicturePainter& p) { PanelButton(p, kEnableArea, "ENABLE", colour::kGreen, false); }
void StopButtonLit(PicturePainter& p) { PanelButton(p, kStopArea, "STOP", colour::kRed, true); }
void StopButton(PicturePainter& p) { PanelButton(p, kStopArea, "STOP", colour::kRed, false); }
void EraseButton(PicturePainter& p) { PanelButton(p, kEraseArea, "ERASE", colour::kOrange, true); }

// The memory card slot at the foot of the logger.
template <bool present> void LoggerCard(PicturePainter& p)
{
    Place(p, kCardArea);
    Backdrop(p, kCardArea);
    LoggerHousing(p);
    p.Box({682, 434, 716, 440}, colour::kBlack, colour::kBlack);
    if (present) {
        const Point card[] = {{688, 438}, {710, 438}, {710, 479}, {693, 479}, {688, 474}};
        p.Shape(card, colour::kBlue, colour::kDark);
        p.Label({689, 450, 710, 468}, "SD", colour::kWhite, Text(8.0));
    } else {
        DashedBox(p, {688, 441, 711, 480}, kGhost);
    }
}

void Password(PicturePainter& p)
{
    Place(p, kPasswordArea);
    Backdrop(p, kPasswordArea);
    p.Circle({533, 183}, 16, {255, 244, 204}, {150, 110, 20}, 2);
    Padlock(p, {524, 172, 543, 195}, colour::kYellow, {110, 76, 10});
}

// --- The module bus

void Ribbon(PicturePainter& p, std::initializer_list<Point> path)
{
    const std::vector<Point> points(path);
    p.Lines(points, kRibbon, 7);
    p.Lines(points, Blend(kRibbon, colour::kWhite, 0.35), 1);
}

void BusHead(PicturePainter& p)
{
    Place(p, kBusHeadArea);
    Backdrop(p, kBusHeadArea);
    Ribbon(p, {{851, 436}, {851, 470}, {1015, 470}, {1015, 530}});
    p.Box({838, 438, 865, 448}, colour::kDark, kHousingEdge);
    p.Label({870, 474, 1000, 492}, "MODULE BUS", kTitle, Text(7.0));
}

// The bus is daisy-chained: a cable from the head down the right side
// into the first module, then from each module to the next. Modules stand
// alternately high and low, so each jumper leaves one module's foot and
// enters the side of the next (or the reverse); every jumper lies inside
// the part between the two modules.
void BusEnd(PicturePainter& p)
{
    Place(p, kBusEndArea);
    Backdrop(p, kBusEndArea);
    Ribbon(p, {{1015, 526}, {1015, kRibbonY}, {995, kRibbonY}, {995, 650}});
}

template <int width, bool fromLowModule> void BusSegment(PicturePainter& p)
{
    const Rect area{0, kSegmentTop, width, kSegmentTop + 121};
    Place(p, area);
    Backdrop(p, area);
    const int highFoot = kSegmentTop + 14;
    const int lowSide = kSegmentTop + 55;
    if (fromLowModule)
        Ribbon(p, {{24, lowSide}, {10, lowSide}, {10, highFoot}});
    else
        Ribbon(p, {{30, highFoot}, {30, lowSide}, {12, lowSide}});
}

// A module on the bus: a box with its terminals above and below.
void ModuleBox(PicturePainter& p, std::string_view name, std::string_view kind, RgbColour band)
{
    p.Box({0, 0, 61, 124}, {214, 220, 228}, kHousingEdge);
    p.Fill({1, 1, 60, 17}, {150, 156, 166});
    p.Fill({1, 107, 60, 123}, {150, 156, 166});
    for (int i = 0; i < 4; ++i) {
        ScrewTerminal(p, {9 + i * 14, 9}, 4);
        ScrewTerminal(p, {9 + i * 14, 115}, 4);
    }
    p.Fill({1, 19, 60, 23}, band);
    p.Label({2, 26, 59, 42}, name, kHousingEdge, Text(8.0));
    p.Label({2, 43, 59, 55}, kind, {80, 86, 96}, Text(6.0, 400));
    Led(p, {12, 68}, 3, colour::kGreen);
    p.Label({18, 62, 59, 74}, "PWR", {80, 86, 96}, Text(6.0, 400, text_format::kLeft | text_format::kVCenter));
    p.Box({8, 82, 53, 100}, {196, 202, 212}, {150, 156, 166});
}

void AnalogModule(PicturePainter& p) { ModuleBox(p, "VEXA-7", "7 analog in", colour::kBlue); }
void DigitalModule(PicturePainter& p) { ModuleBox(p, "VEXA-2", "digital I/O", colour::kOrange); }
void OtherModule(PicturePainter& p) { ModuleBox(p, "MODULE", "bus node", colour::kGrey); }

// --- The link between PC and logger

std::vector<Point> CablePath() { return {kPcPort, {340, kPcPort.y}, {400, 288}, {460, kLoggerPort.y}, kLoggerPort}; }

void WiredLink(PicturePainter& p, RgbColour colour, int width, bool plugged)
{
    std::vector<Point> path = CablePath();
    if (!plugged) {
        // The cable has been pulled from the logger and lies short of it.
        path.back() = {476, kLoggerPort.y + 6};
        path[path.size() - 2] = {450, kLoggerPort.y - 2};
    }
    p.Lines(path, colour, width);
    const Point end = path.back();
    p.Box({end.x - (plugged ? 9 : 4), end.y - 6, end.x + (plugged ? 1 : 6), end.y + 7},
        Blend(colour, colour::kWhite, 0.3), kHousingEdge);
    if (!plugged)
        Cross(p, {488, kLoggerPort.y - 10, 500, kLoggerPort.y + 2}, colour::kRed, 2);
}

void RadioLink(PicturePainter& p, bool live, bool viaTower)
{
    const RgbColour colour = live ? kLinkBlue : kOff;
    if (viaTower) {
        const Rect tower{372, 40, 436, 200};
        const Point top{404, 72};
        for (const Point end : {Point{kPcPort.x + 2, kPcPort.y - 30}, Point{kLoggerPort.x - 4, kLoggerPort.y - 60}})
            p.DashedLine(top, end, colour, 5);
        CellTower(p, tower, live ? kTitle : kOff);
    } else {
        p.DashedLine({kPcPort.x + 10, kPcPort.y}, {kLoggerPort.x - 10, kLoggerPort.y}, colour, 5);
    }
    RadioWaves(p, {kPcPort.x - 4, kPcPort.y}, 34, 3, colour, 0.0, 70.0);
    RadioWaves(p, {kLoggerPort.x + 2, kLoggerPort.y}, 34, 3, colour, 180.0, 70.0);
    if (!live)
        Cross(p, {300, 330, 318, 348}, colour::kRed, 2);
}

template <int kind, bool live> void LinkPicture(PicturePainter& p)
{
    Place(p, kLinkArea);
    Backdrop(p, kLinkArea);
    switch (kind) {
    case 0: WiredLink(p, live ? kLinkBlue : kOff, 6, live); break;
    case 1: RadioLink(p, live, false); break;
    case 2: RadioLink(p, live, true); break;
    case 3: WiredLink(p, live ? kCable : kOff, 4, live); break;
    case 4: WiredLink(p, live ? RgbColour{206, 196, 160} : kOff, 8, live); break;
    default: break;
    }
}

// With no logger connected over RS-232 the whole scene is drawn afresh:
// the serial cable hangs from the PC's place.
void SerialOffScene(PicturePainter& p)
{
    Backdrop(p, kScene);
    const Point hanging[] = {{277, 262}, {300, 264}, {318, 290}, {322, 340}};
    p.Lines(hanging, kOff, 8);
    SerialConnector(p, {306, 336, 338, 356}, {206, 210, 218}, kHousingEdge);
}

// --- The symbols on the link: buttons that open the connect dialog.

void SymbolButton(PicturePainter& p, const Rect& area)
{
    Place(p, area);
    Backdrop(p, area);
    p.RoundBox(area, 5, {250, 251, 253}, kLinkBlue, 2);
}

void NetworkSymbol(PicturePainter& p)
{
    const Rect a = kNetworkSymbolArea;
    SymbolButton(p, a);
    const Point centre{a.left + 32, a.top + 28};
    p.Circle(centre, 19, {214, 232, 250}, kLinkBlue, 2);
    p.Oval({centre.x - 8, centre.y - 19, centre.x + 9, centre.y + 20}, std::nullopt, kLinkBlue);
    p.Line({centre.x, centre.y - 19}, {centre.x, centre.y + 19}, kLinkBlue);
    p.Line({centre.x - 19, centre.y}, {centre.x + 19, centre.y}, kLinkBlue);
    p.Line({centre.x - 16, centre.y - 9}, {centre.x + 16, centre.y - 9}, kLinkBlue);
    p.Line({centre.x - 16, centre.y + 9}, {centre.x + 16, centre.y + 9}, kLinkBlue);
    p.Label({a.left + 3, a.bottom - 20, a.right - 3, a.bottom - 4}, "NETWORK", kTitle, Text(7.0));
}

void UsbSymbol(PicturePainter& p)
{
    const Rect a = kUsbSymbolArea;
    SymbolButton(p, a);
    UsbTrident(p, {a.left + 26, a.top + 27}, 36, kTitle);
    p.Label({a.left + 3, a.bottom - 20, a.right - 3, a.bottom - 4}, "USB", kTitle, Text(8.0));
}

void SerialSymbol(PicturePainter& p)
{
    const Rect a = kSerialSymbolArea;
    SymbolButton(p, a);
    SerialConnector(p, {a.left + 16, a.top + 12, a.right - 16, a.top + 48}, {206, 210, 218}, kHousingEdge);
    p.Label({a.left + 4, a.bottom - 24, a.right - 4, a.bottom - 5}, "RS-232", kTitle, Text(9.0));
}

void SerialOffSymbol(PicturePainter& p)
{
    const Rect a = kSerialOffSymbolArea;
    SymbolButton(p, a);
    SerialConnector(p, {a.left + 8, a.top + 5, a.right - 8, a.top + 25}, {206, 210, 218}, kHousingEdge);
    p.Label({a.left + 3, a.bottom - 16, a.right - 3, a.bottom - 3}, "RS-232", kTitle, Text(6.5));
}

// --- The card reader of the PC

void PcCardMounted(PicturePainter& p)
{
    Place(p, kPcCardArea);
    Backdrop(p, kPcCardArea);
    p.RoundBox({246, 392, 398, 453}, 6, {206, 210, 218}, kHousingEdge, 2);
    p.Box({256, 404, 318, 410}, colour::kBlack, colour::kBlack);
    const Point card[] = {{266, 392}, {304, 392}, {304, 408}, {271, 408}, {266, 403}};
    p.Shape(card, colour::kBlue, colour::kDark);
    p.Label({252, 414, 320, 446}, "SD card\nmounted", kTitle, Text(7.0));
    Led(p, {388, 402}, 3, colour::kGreen);
}

// --- The logger's items: 32 by 32 tiles dragged onto the PC.

constexpr const IconColours& kItem = kReportingColours;

void LoggerConfig(PicturePainter& p)
{
    IconBody(p, kItem);
    Gear(p, {13, 13}, 9, kItem.shade, kItem.ink);
    Gear(p, {23, 23}, 6, colour::kWhite, kItem.ink);
}

void ProgramNet(PicturePainter& p)
{
    IconBody(p, kItem);
    NetDiagram(p, {4, 6, 28, 26}, colour::kWhite, kItem.ink);
}

void DateTime(PicturePainter& p)
{
    IconBody(p, kItem);
    CalendarPage(p, {3, 4, 22, 24}, colour::kWhite, kItem.ink, kItem.accent);
    ClockFace(p, {21, 21}, 7, colour::kWhite, kItem.ink, 120.0, 60.0, false);
}

void LoggerStatus(PicturePainter& p)
{
    IconBody(p, kItem);
    p.Circle({16, 16}, 11, kItem.accent, kItem.outline);
    p.Label({6, 5, 26, 28}, "i", colour::kWhite,
        {13.0, 9.0, 800, false, text_format::kCenter | text_format::kVCenter, "DejaVu Serif"});
}

constexpr Size kItemSize{32, 32};

constexpr std::array kPictures{
    PictureEntry{kBitmapCommLoggerConfig, kItemSize, LoggerConfig},
    PictureEntry{kBitmapCommProgramNet, kItemSize, ProgramNet},
    PictureEntry{kBitmapCommDateTime, kItemSize, DateTime},
    PictureEntry{kBitmapCommLoggerStatus, kItemSize, LoggerStatus},
    PictureEntry{kBitmapCommBackground, kScene.Extent(), [](PicturePainter& p) { Backdrop(p, kScene); }},
    PictureEntry{kBitmapLinkCellular, kLinkArea.Extent(), LinkPicture<2, true>},
    PictureEntry{kBitmapLinkCellularOff, kLinkArea.Extent(), LinkPicture<2, false>},
    PictureEntry{kBitmapLinkEthernet, kLinkArea.Extent(), LinkPicture<0, true>},
    PictureEntry{kBitmapLinkEthernetOff, kLinkArea.Extent(), LinkPicture<0, false>},
    PictureEntry{kBitmapLinkUsb, kLinkArea.Extent(), LinkPicture<3, true>},
    PictureEntry{kBitmapLinkUsbOff, kLinkArea.Extent(), LinkPicture<3, false>},
    PictureEntry{kBitmapLinkWifi, kLinkArea.Extent(), LinkPicture<1, true>},
    PictureEntry{kBitmapLinkWifiOff, kLinkArea.Extent(), LinkPicture<1, false>},
    PictureEntry{kBitmapLinkSerial, kLinkArea.Extent(), LinkPicture<4, true>},
    PictureEntry{kBitmapLinkSerialOff, kScene.Extent(), SerialOffScene},
    PictureEntry{kBitmapBusStripEnabled, kStripArea.Extent(), BusStrip<true>},
    PictureEntry{kBitmapBusStripStopped, kStripArea.Extent(), BusStrip<false>},
    PictureEntry{kBitmapNoLogger, kStripArea.Extent(), NoLogger},
    PictureEntry{kBitmapLoggerCardEmpty, kCardArea.Extent(), LoggerCard<false>},
    PictureEntry{kBitmapBusHead, kBusHeadArea.Extent(), BusHead},
    PictureEntry{kBitmapBusEnd, kBusEndArea.Extent(), BusEnd},
    PictureEntry{kBitmapBusSegmentEven, {60, 121}, BusSegment<60, false>},
    PictureEntry{kBitmapBusSegmentOdd, {62, 121}, BusSegment<62, true>},
    PictureEntry{kBitmapModuleAnalog, {61, 124}, AnalogModule},
    PictureEntry{kBitmapModuleDigital, {61, 124}, DigitalModule},
    PictureEntry{kBitmapModuleOther, {61, 124}, OtherModule},
    PictureEntry{kBitmapLoggerCardPresent, kCardArea.Extent(), LoggerCard<true>},
    PictureEntry{kBitmapLogger, kLoggerArea.Extent(), LoggerPicture},
    PictureEntry{kBitmapEraseButton, kEraseArea.Extent(), EraseButton},
    PictureEntry{kBitmapPassword, kPasswordArea.Extent(), Password},
    PictureEntry{kBitmapPcCardMounted, kPcCardArea.Extent(), PcCardMounted},
    PictureEntry{kBitmapPc, kPcArea.Extent(), PcPicture},
    PictureEntry{kBitmapLinkSymbolNetwork, kNetworkSymbolArea.Extent(), NetworkSymbol},
    PictureEntry{kBitmapLinkSymbolUsb, kUsbSymbolArea.Extent(), UsbSymbol},
    PictureEntry{kBitmapLinkSymbolSerial, kSerialSymbolArea.Extent(), SerialSymbol},
    PictureEntry{kBitmapLinkSymbolSerialOff, kSerialOffSymbolArea.Extent(), SerialOffSymbol},
    PictureEntry{kBitmapEnableButtonLit, kEnableArea.Extent(), EnableButtonLit},
    PictureEntry{kBitmapEnableButton, kEnableArea.Extent(), EnableButton},
    PictureEntry{kBitmapStopButtonLit, kStopArea.Extent(), StopButtonLit},
    PictureEntry{kBitmapStopButton, kStopArea.Extent(), StopButton},
};

}  // namespace

std::span<const PictureEntry> CommWindowPictures() { return kPictures; }

}  // namespace corvane::res
