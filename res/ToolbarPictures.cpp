// The toolbars' pictures: one strip per toolbar, a 16 by 16 image per
// button on the transparent key colour, drawn from the image of each
// button's command.

#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"
#include "res/ToolbarCommands.h"
#include "res/Toolbars.h"

#include <algorithm>
#include <array>

namespace corvane::res {

namespace {

using namespace toolbar_command;

constexpr RgbColour kInk{32, 44, 64};
constexpr RgbColour kPaper{255, 255, 255};
constexpr RgbColour kBlueInk{28, 92, 190};
constexpr RgbColour kFolder{246, 200, 72};
constexpr RgbColour kFolderEdge{150, 104, 16};
constexpr RgbColour kLoggerBody{70, 80, 96};

void LoggerBox(PicturePainter& p, const Rect& box)
{
    p.RoundBox(box, 1, kLoggerBody, colour::kBlack);
    p.Fill({box.left + 2, box.top + 2, box.right - 2, box.top + 2 + std::max(2, box.Height() / 3)}, colour::kLcd);
}

void LoggerConnection(PicturePainter& p)
{
    const Point cable[] = {{1, 14}, {2, 11}, {5, 9}};
    p.Lines(cable, kInk, 2);
    p.Line({11, 6}, {14, 6}, kInk, 2);
    p.Line({11, 11}, {14, 11}, kInk, 2);
    p.RoundBox({4, 3, 12, 14}, 2, {210, 214, 222}, kInk);
    p.Fill({6, 5, 8, 12}, colour::kGreen);
}

void LoggerStatus(PicturePainter& p)
{
    p.Circle({7, 7}, 7, kBlueInk, kInk);
    p.Fill({6, 6, 9, 12}, kPaper);
    p.Fill({6, 3, 9, 5}, kPaper);
}

void ProbePoints(PicturePainter& p)
{
    p.Line({0, 14}, {15, 14}, kInk);
    ProbeTip(p, {3, 13}, 15, colour::kRed, colour::kDarkRed);
}

void RemoteControls(PicturePainter& p)
{
    p.Circle({4, 12}, 1, kPaper, kInk);
    p.Circle({13, 12}, 1, kPaper, kInk);
    p.Line({5, 12}, {12, 8}, kInk, 2);
    p.Circle({8, 4}, 0, colour::kGreen, colour::kGreen);
    RadioWaves(p, {8, 4}, 5, 2, colour::kGreen, 90.0, 120.0);
}

void SetLoggerTime(PicturePainter& p) { ClockFace(p, {7, 7}, 7, kPaper, kInk, 120.0, 60.0, false); }

void DownArrow(PicturePainter& p) { Arrow(p, {13, 2}, {13, 15}, colour::kGreen, 2, 4); }
void UpArrow(PicturePainter& p) { Arrow(p, {13, 15}, {13, 2}, colour::kBlue, 2, 4); }

void DownloadData(PicturePainter& p)
{
    TableGrid(p, {0, 1, 11, 14}, 2, 4, kPaper, kInk, {200, 214, 236});
    DownArrow(p);
}

void DownloadNet(PicturePainter& p)
{
    NetDiagram(p, {0, 2, 11, 14}, kPaper, kInk);
    DownArrow(p);
}

void UploadNet(PicturePainter& p)
{
    NetDiagram(p, {0, 2, 11, 14}, kPaper, kInk);
    UpArrow(p);
}

void Run(PicturePainter& p)
{
    const Point play[] = {{3, 1}, {14, 8}, {3, 15}};
    p.Shape(play, colour::kGreen, colour::kDarkGreen);
}

void Stop(PicturePainter& p) { p.Box({2, 2, 14, 14}, colour::kRed, colour::kDarkRed); }

void Pause(PicturePainter& p)
{
    p.Box({3, 2, 7, 14}, kBlueInk, kInk);
    p.Box({9, 2, 13, 14}, kBlueInk, kInk);
}

void ClearMemory(PicturePainter& p)
{
    const Point body[] = {{1, 10}, {8, 3}, {15, 9}, {8, 15}};
    p.Shape(body, {240, 140, 160}, kInk);
    const Point sleeve[] = {{1, 10}, {5, 6}, {11, 12}, {8, 15}};
    p.Shape(sleeve, kPaper, kInk);
}

void LoggerConfiguration(PicturePainter& p) { Gear(p, {8, 8}, 7, {170, 178, 192}, kInk); }

void ProgramDevelopment(PicturePainter& p) { NetDiagram(p, {0, 1, 16, 15}, {214, 228, 248}, kBlueInk); }

void RealTimeTrending(PicturePainter& p) { TrendChart(p, {0, 1, 16, 15}, kPaper, kInk, colour::kRed); }

void Communications(PicturePainter& p)
{
    p.Box({0, 2, 7, 8}, {120, 170, 230}, kInk);
    p.Line({3, 8}, {3, 10}, kInk);
    p.Line({1, 10}, {6, 10}, kInk);
    LoggerBox(p, {9, 7, 16, 15});
    const Point link[] = {{7, 5}, {12, 5}, {12, 7}};
    p.Lines(link, colour::kGreen);
}

void QueryLogger(PicturePainter& p)
{
    LoggerBox(p, {0, 1, 11, 12});
    Magnifier(p, {10, 9}, 3, {220, 236, 255}, kInk);
}

void NewFile(PicturePainter& p) { NotePage(p, {2, 0, 14, 16}, kPaper, kInk, 0); }

void OpenFile(PicturePainter& p) { Folder(p, {0, 2, 16, 15}, kFolder, kFolderEdge, true); }

void SaveFile(PicturePainter& p) { FloppyDisk(p, {1, 1, 15, 15}, kBlueInk, kInk); }

void Cut(PicturePainter& p)
{
    p.Line({5, 0}, {10, 10}, kInk);
    p.Line({10, 0}, {5, 10}, kInk);
    p.Circle({4, 12}, 2, std::nullopt, kInk);
    p.Circle({11, 12}, 2, std::nullopt, kInk);
}

void Copy(PicturePainter& p)
{
    NotePage(p, {1, 1, 10, 12}, kPaper, kInk, 2);
    NotePage(p, {5, 4, 15, 16}, kPaper, kInk, 2);
}

void Paste(PicturePainter& p)
{
    p.RoundBox({1, 2, 12, 16}, 1, {196, 150, 90}, kFolderEdge);
    p.Box({4, 1, 9, 4}, colour::kSilver, kInk);
    NotePage(p, {6, 6, 15, 15}, kPaper, kInk, 2);
}

void Delete(PicturePainter& p) { Cross(p, {2, 2, 14, 14}, colour::kRed, 3); }

void CheckNet(PicturePainter& p)
{
    NetDiagram(p, {0, 0, 11, 10}, kPaper, kInk);
    CheckMark(p, {5, 7, 16, 16}, colour::kGreen, 2);
}

void WiringList(PicturePainter& p)
{
    TableGrid(p, {1, 0, 15, 16}, 1, 4, kPaper, kInk, {236, 216, 168});
    for (int i = 1; i < 4; ++i)
        p.Circle({4, 2 + i * 4 - 1}, 1, colour::kSilver, kInk);
}

void ScanOpenNet(PicturePainter& p)
{
    NetDiagram(p, {0, 0, 12, 11}, kPaper, kInk);
    DataTag(p, {5, 9, 15, 15}, colour::kYellow, kInk);
}

void ScanLogger(PicturePainter& p)
{
    LoggerBox(p, {1, 0, 12, 11});
    DataTag(p, {5, 9, 15, 15}, colour::kYellow, kInk);
}

void LockObjects(PicturePainter& p) { Padlock(p, {2, 0, 14, 15}, colour::kYellow, kInk); }

void PageSize(PicturePainter& p)
{
    p.Box({1, 1, 15, 15}, kPaper, kInk);
    Arrow(p, {4, 11}, {12, 3}, kBlueInk, 1, 3);
    Arrow(p, {12, 3}, {4, 11}, kBlueInk, 1, 3);
}

void Background(PicturePainter& p)
{
    p.Box({0, 2, 16, 14}, {170, 210, 250}, kInk);
    const Point hills[] = {{1, 13}, {6, 7}, {9, 10}, {11, 8}, {15, 13}};
    p.Shape(hills, colour::kGreen, colour::kDarkGreen);
    p.Circle({11, 5}, 1, colour::kYellow, colour::kOrange);
}

void Security(PicturePainter& p) { Key(p, {0, 3, 16, 13}, colour::kYellow, kInk); }

void Properties(PicturePainter& p)
{
    p.Box({1, 1, 15, 15}, kPaper, kInk);
    p.Fill({2, 2, 14, 4}, kBlueInk);
    for (int y : {6, 9, 12}) {
        p.Fill({3, y, 5, y + 2}, kInk);
        p.Line({6, y}, {12, y}, colour::kGrey);
    }
}

void ExitWebDesign(PicturePainter& p)
{
    p.Box({1, 1, 10, 15}, {196, 150, 90}, kFolderEdge);
    p.Pixel({8, 8}, kInk);
    Arrow(p, {6, 8}, {15, 8}, colour::kGreen, 2, 3);
}

void About(PicturePainter& p)
{
    p.Circle({7, 7}, 7, kBlueInk, kInk);
    LabelStyle style;
    style.pointSize = 8.0;
    style.minPointSize = 6.0;
    p.Label({2, 1, 14, 14}, "?", kPaper, style);
}

struct ButtonImage {
    int command;
    void (*draw)(PicturePainter&);
};

constexpr std::array kButtonImages{
    ButtonImage{kLoggerConnection, LoggerConnection},
    ButtonImage{kViewLoggerStatus, LoggerStatus},
    ButtonImage{kViewProbePoints, ProbePoints},
    ButtonImage{kRemoteControls, RemoteControls},
    ButtonImage{kRemoteIconValues, RemoteControls},
    ButtonImage{kSetLoggerTime, SetLoggerTime},
    ButtonImage{kDownloadData, DownloadData},
    ButtonImage{kDownloadNet, DownloadNet},
    ButtonImage{kUploadNet, UploadNet},
    ButtonImage{kEnableLogging, Run},
    ButtonImage{kRun, Run},
    ButtonImage{kStopLogging, Stop},
    ButtonImage{kStopAndFlush, Stop},
    ButtonImage{kPause, Pause},
    ButtonImage{kClearMemory, ClearMemory},
    ButtonImage{kLoggerConfiguration, LoggerConfiguration},
    ButtonImage{kProgramDevelopment, ProgramDevelopment},
    ButtonImage{kTrendingToProgramDevelopment, ProgramDevelopment},
    ButtonImage{kRealTimeTrending, RealTimeTrending},
    ButtonImage{kCommunications, Communications},
    ButtonImage{kTrendingToCommunications, Communications},
    ButtonImage{kQueryLoggerConfiguration, QueryLogger},
    ButtonImage{kNew, NewFile},
    ButtonImage{kOpen, OpenFile},
    ButtonImage{kOpenFile, OpenFile},
    ButtonImage{kSave, SaveFile},
    ButtonImage{kCut, Cut},
    ButtonImage{kCopy, Copy},
    ButtonImage{kPaste, Paste},
    ButtonImage{kDelete, Delete},
    ButtonImage{kCheckNet, CheckNet},
    ButtonImage{kWiringList, WiringList},
    ButtonImage{kScanOpenNetForTags, ScanOpenNet},
    ButtonImage{kScanLoggerForTags, ScanLogger},
    ButtonImage{kLockObjects, LockObjects},
    ButtonImage{kPageSize, PageSize},
    ButtonImage{kBackground, Background},
    ButtonImage{kSecurity, Security},
    ButtonImage{kProperties, Properties},
    ButtonImage{kExitWebDesign, ExitWebDesign},
    ButtonImage{kAbout, About},
};

// A command without an image of its own shows a plain mark rather than
// nothing.
void Unknown(PicturePainter& p) { p.Box({3, 3, 13, 13}, colour::kSilver, kInk); }

template <int toolbarId> void Strip(PicturePainter& p)
{
    const ToolBarTemplate* toolbar = FindToolbar(toolbarId);
    const int count = toolbar ? ButtonCount(*toolbar) : 0;
    p.Fill({0, 0, count * kToolbarButtonSize.width, kToolbarButtonSize.height}, colour::kMatte);
    if (!toolbar)
        return;
    int index = 0;
    for (int command : toolbar->buttons) {
        if (command == kToolBarSeparator)
            continue;
        const auto image = std::find_if(kButtonImages.begin(), kButtonImages.end(),
            [command](const ButtonImage& i) { return i.command == command; });
        const int left = index * kToolbarButtonSize.width;
        const int saved = p.Dc().Save();
        p.Dc().IntersectClipRect({left, 0, left + kToolbarButtonSize.width, kToolbarButtonSize.height});
        p.Dc().SetViewportOrigin({left, 0});
        (image != kButtonImages.end() ? image->draw : Unknown)(p);
        p.Dc().Restore(saved);
        ++index;
    }
}

constexpr Size StripSize(int buttons) { return {buttons * kToolbarButtonSize.width, kToolbarButtonSize.height}; }

constexpr std::array kPictures{
    PictureEntry{kToolbarCommWindow, StripSize(14), Strip<kToolbarCommWindow>, true},
    PictureEntry{kToolbarProgramDevelopment, StripSize(11), Strip<kToolbarProgramDevelopment>, true},
    PictureEntry{kToolbarSpare, StripSize(4), Strip<kToolbarSpare>, true},
    PictureEntry{kToolbarTrending, StripSize(12), Strip<kToolbarTrending>, true},
    PictureEntry{kToolbarWebDesign, StripSize(9), Strip<kToolbarWebDesign>, true},
};

}  // namespace

std::span<const PictureEntry> ToolbarPictures() { return kPictures; }

}  // namespace corvane::res
