// The pictures of the function icons: palette cells and the pictures the
// icons switch to (gate variants, the note), in the function family's
// colours, plus the program icon.

#include "res/GateShapes.h"
#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"

#include <array>
#include <vector>

namespace corvane::res {

namespace {

constexpr const IconColours& c = kFunctionColours;
constexpr Size kIcon{32, 32};

LabelStyle Symbol(double pointSize, bool italic = false)
{
    LabelStyle style;
    style.face = "DejaVu Serif";
    style.pointSize = pointSize;
    style.minPointSize = pointSize - 4.0;
    style.italic = italic;
    return style;
}

void SampleRateClock(PicturePainter& p)
{
    IconBody(p, c);
    ClockFace(p, {16, 12}, 8, colour::kWhite, c.ink, 30.0, 90.0);
    SquareWave(p, {4, 23, 29, 29}, c.accent, 3);
}

void Math(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 2, 30, 19}, "f(x)", c.ink, Symbol(11.0, true));
    IconLabel(p, {3, 19, 29, 29}, "+−×÷", c.accent, 7.0);
}

void Comparator(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({2, 11}, {8, 11}, c.ink);
    p.Line({2, 21}, {8, 21}, c.ink);
    p.Line({25, 16}, {30, 16}, c.ink);
    const Point amplifier[] = {{8, 5}, {26, 16}, {8, 27}};
    p.Shape(amplifier, colour::kWhite, c.ink, 2);
    p.Line({12, 11}, {16, 11}, c.accent, 1);
    p.Line({14, 9}, {14, 13}, c.accent, 1);
    p.Line({12, 21}, {16, 21}, c.accent, 1);
}

void WindowComparator(PicturePainter& p)
{
    IconBody(p, c);
    p.Fill({3, 10, 29, 22}, Blend(c.body, c.accent, 0.2));
    p.Line({3, 9}, {28, 9}, c.ink);
    p.Line({3, 22}, {28, 22}, c.ink);
    SineWave(p, {4, 4, 28, 28}, c.accent, 1.25, 2);
    IconLabel(p, {20, 2, 31, 9}, "HI", c.ink, 5.5);
    IconLabel(p, {20, 23, 31, 30}, "LO", c.ink, 5.5);
}

void ValueBox(PicturePainter& p, const Rect& box)
{
    p.Box(box, colour::kWhite, c.ink);
    LabelStyle style;
    style.face = "DejaVu Sans Mono";
    style.pointSize = 8.0;
    style.minPointSize = 5.5;
    p.Label(box.Inflated(-1, -1), "1.23", c.ink, style);
}

void Constant(PicturePainter& p)
{
    IconBody(p, c);
    ValueBox(p, {4, 9, 28, 23});
}

void RemoteConstant(PicturePainter& p)
{
    IconBody(p, c);
    ValueBox(p, {4, 15, 28, 28});
    p.Circle({16, 12}, 1, c.accent, c.accent);
    RadioWaves(p, {16, 12}, 9, 2, c.accent, 90.0, 110.0);
}

void RemoteSwitch(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({2, 23}, {7, 23}, c.ink);
    p.Line({25, 23}, {30, 23}, c.ink);
    p.Line({9, 23}, {22, 15}, c.ink, 2);
    p.Circle({8, 23}, 2, colour::kWhite, c.ink);
    p.Circle({24, 23}, 2, colour::kWhite, c.ink);
    p.Circle({16, 10}, 1, c.accent, c.accent);
    RadioWaves(p, {16, 10}, 7, 2, c.accent, 90.0, 110.0);
}

void Stopwatch(PicturePainter& p)
{
    IconBody(p, c);
    p.Fill({14, 3, 19, 5}, c.ink);
    p.Line({16, 5}, {16, 8}, c.ink, 2);
    p.Line({24, 8}, {26, 6}, c.ink, 2);
    p.Circle({16, 18}, 10, colour::kWhite, c.ink, 2);
    // The time run so far, and the hand.
    std::vector<Point> sweep = ArcPoints({16, 18}, 7, 7, 90.0, -30.0, 10);
    sweep.insert(sweep.begin(), Point{16, 18});
    p.Shape(sweep, Blend(colour::kWhite, c.accent, 0.35), std::nullopt);
    p.Line({16, 18}, {22, 22}, c.accent, 2);
    p.Line({16, 18}, {16, 11}, c.ink, 1);
}

void StartStopClock(PicturePainter& p)
{
    IconBody(p, c);
    ClockFace(p, {16, 12}, 8, colour::kWhite, c.ink, 120.0, 0.0);
    SinglePulse(p, {4, 23, 29, 29}, c.accent, 2);
}

void LcdLatched(PicturePainter& p)
{
    IconBody(p, c);
    LcdPanel(p, {3, 4, 29, 19}, "MSG");
    Padlock(p, {12, 20, 21, 30}, c.accent, c.ink);
}

void LcdConditional(PicturePainter& p)
{
    IconBody(p, c);
    LcdPanel(p, {3, 4, 29, 19}, "MSG");
    Badge(p, {9, 21, 24, 29}, "IF", c.accent, colour::kWhite);
}

void Warning(PicturePainter& p)
{
    IconBody(p, c);
    const Point triangle[] = {{16, 3}, {29, 27}, {3, 27}};
    p.Shape(triangle, colour::kYellow, colour::kDark, 2);
    p.Fill({15, 11, 18, 20}, colour::kDark);
    p.Fill({15, 22, 18, 25}, colour::kDark);
}

template <GateKind kind, bool deMorgan, bool inverted> void Gate(PicturePainter& p)
{
    IconBody(p, c);
    DrawGate(p, kind, {deMorgan, inverted}, colour::kWhite, c.ink);
}

void BoxWithPins(PicturePainter& p, const Rect& box) { p.Box(box, colour::kWhite, c.ink, 2); }

void PinLabel(PicturePainter& p, const Rect& box, std::string_view text)
{
    LabelStyle style;
    style.pointSize = 6.5;
    style.minPointSize = 5.0;
    p.Label(box, text, c.ink, style);
}

void FlipFlop(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({2, 10}, {8, 10}, c.ink);
    p.Line({2, 22}, {8, 22}, c.ink);
    p.Line({24, 10}, {30, 10}, c.ink);
    BoxWithPins(p, {8, 4, 25, 28});
    PinLabel(p, {10, 5, 16, 15}, "S");
    PinLabel(p, {10, 17, 16, 27}, "R");
    PinLabel(p, {17, 5, 23, 15}, "Q");
}

void Multiplexer(PicturePainter& p)
{
    IconBody(p, c);
    for (int y : {9, 16, 23})
        p.Line({2, y}, {9, y}, c.ink);
    p.Line({23, 16}, {30, 16}, c.ink);
    p.Line({16, 2}, {16, 7}, c.accent, 2);
    const Point body[] = {{9, 4}, {23, 10}, {23, 22}, {9, 28}};
    p.Shape(body, colour::kWhite, c.ink, 2);
    const Point route[] = {{11, 9}, {16, 9}, {21, 16}};
    p.Lines(route, c.accent, 1);
}

void TimeIntegral(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 1, 18, 30}, "∫", c.ink, Symbol(17.0, true));
    p.Label({15, 12, 30, 27}, "dt", c.ink, Symbol(8.5, true));
}

void RateOfChange(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 2, 30, 14}, "d/dt", c.ink, Symbol(8.5, true));
    const Point slope[] = {{5, 27}, {12, 24}, {18, 20}, {27, 15}};
    p.Lines(slope, c.accent, 2);
    p.DashedLine({12, 24}, {22, 24}, c.ink);
    p.DashedLine({22, 24}, {22, 18}, c.ink);
}

void DutyCycle(PicturePainter& p)
{
    IconBody(p, c);
    const Point wave[] = {{3, 15}, {5, 15}, {5, 6}, {13, 6}, {13, 15}, {16, 15}, {16, 6}, {24, 6}, {24, 15}, {28, 15}};
    p.Lines(wave, c.accent, 2);
    IconLabel(p, {3, 17, 29, 30}, "%", c.ink, 10.0);
}

void Summation(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 2, 30, 30}, "Σ", c.ink, Symbol(17.0));
}

void Average(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 7, 30, 30}, "x", c.ink, Symbol(16.0, true));
    p.Line({11, 8}, {21, 8}, c.accent, 2);
}

void MinMax(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({3, 5}, {28, 5}, c.ink);
    p.Line({3, 26}, {28, 26}, c.ink);
    SineWave(p, {4, 6, 28, 26}, c.accent, 1.5, 2);
    const Point up[] = {{25, 7}, {28, 11}, {22, 11}};
    p.Shape(up, c.ink, c.ink);
    const Point down[] = {{5, 24}, {2, 20}, {8, 20}};
    p.Shape(down, c.ink, c.ink);
}

void Delta(PicturePainter& p)
{
    IconBody(p, c);
    p.Label({2, 2, 30, 30}, "Δ", c.ink, Symbol(16.0));
}

void Filter(PicturePainter& p)
{
    IconBody(p, c);
    const Point noise[] = {{2, 16}, {4, 11}, {5, 20}, {7, 12}, {8, 19}, {10, 16}};
    p.Lines(noise, colour::kGrey);
    p.Line({22, 16}, {30, 16}, c.accent, 2);
    p.Box({10, 8, 23, 24}, colour::kWhite, c.ink, 2);
    SineWave(p, {12, 12, 21, 20}, c.accent, 1.0);
}

void CounterDisplay(PicturePainter& p, const Rect& box)
{
    p.Box(box, colour::kDark, colour::kBlack);
    LabelStyle style;
    style.face = "DejaVu Sans Mono";
    style.pointSize = 7.5;
    style.minPointSize = 5.0;
    p.Label(box.Inflated(-1, -1), "0042", colour::kYellow, style);
}

void TimedCounter(PicturePainter& p)
{
    IconBody(p, c);
    CounterDisplay(p, {3, 4, 29, 16});
    ClockFace(p, {16, 23}, 6, colour::kWhite, c.ink, 60.0, 90.0, false);
}

void CountAccumulator(PicturePainter& p)
{
    IconBody(p, c);
    CounterDisplay(p, {3, 4, 29, 16});
    Badge(p, {8, 19, 24, 29}, "+1", c.accent, colour::kWhite);
}

void StopExecution(PicturePainter& p)
{
    IconBody(p, c);
    const Point octagon[] = {{11, 3}, {21, 3}, {28, 10}, {28, 21}, {21, 28}, {11, 28}, {4, 21}, {4, 10}};
    p.Shape(octagon, colour::kRed, colour::kDarkRed, 1);
    IconLabel(p, {5, 10, 28, 22}, "STOP", colour::kWhite, 7.0);
}

void PeriodicOutput(PicturePainter& p)
{
    IconBody(p, c);
    SquareWave(p, {3, 5, 29, 17}, c.accent, 3, 2);
    p.Arc({16, 24}, 5, 4, 200.0, -110.0, c.ink);
    const Point head[] = {{11, 22}, {9, 26}, {14, 26}};
    p.Shape(head, c.ink, c.ink);
}

void Warmup(PicturePainter& p)
{
    IconBody(p, c);
    // Heat rising from a heating element.
    constexpr int wiggle[] = {0, 1, 1, 0, -1, -1};
    for (int x : {10, 16, 22}) {
        std::vector<Point> heat;
        for (int y = 4; y <= 17; ++y)
            heat.push_back({x + wiggle[y % 6], y});
        p.Lines(heat, colour::kOrange, 1);
    }
    const Point coil[]
        = {{3, 25}, {6, 25}, {8, 21}, {11, 28}, {14, 21}, {17, 28}, {20, 21}, {23, 28}, {25, 25}, {29, 25}};
    p.Lines(coil, c.ink, 2);
}

void Delay(PicturePainter& p)
{
    IconBody(p, c);
    Hourglass(p, {9, 4, 24, 29}, c.ink, colour::kOrange);
}

void Latch(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({2, 16}, {8, 16}, c.ink);
    p.Line({24, 16}, {30, 16}, c.ink);
    p.Line({16, 1}, {16, 5}, c.accent, 2);
    BoxWithPins(p, {8, 5, 25, 28});
    const Point notch[] = {{13, 6}, {19, 6}, {16, 10}};
    p.Shape(notch, c.accent, c.accent);
    PinLabel(p, {10, 11, 15, 22}, "D");
    PinLabel(p, {19, 11, 24, 22}, "Q");
}

void TextNote(PicturePainter& p)
{
    IconBody(p, c);
    NotePage(p, {8, 4, 25, 29}, colour::kYellow, c.ink, 4);
}

void NoteBody(PicturePainter& p)
{
    // Drawn beside the note's own text: a small yellow sheet.
    NotePage(p, {0, 0, 9, 13}, colour::kYellow, c.ink, 3);
}

void Scheduler(PicturePainter& p)
{
    IconBody(p, c);
    CalendarPage(p, {3, 5, 23, 25}, colour::kWhite, c.ink, c.accent);
    ClockFace(p, {22, 22}, 6, colour::kWhite, c.ink, 90.0, 0.0, false);
}

void DataBuffer(PicturePainter& p)
{
    IconBody(p, c);
    Arrow(p, {3, 7}, {9, 7}, c.accent, 1, 3);
    Arrow(p, {23, 25}, {29, 25}, c.accent, 1, 3);
    for (int i = 0; i < 4; ++i) {
        const Rect cell{10, 4 + i * 6, 23, 4 + i * 6 + 7};
        p.Box(cell, i % 2 == 0 ? colour::kWhite : Blend(colour::kWhite, c.accent, 0.25), c.ink);
    }
}

void TransientFilter(PicturePainter& p)
{
    IconBody(p, c);
    const Point spike[] = {{3, 22}, {11, 22}, {14, 5}, {17, 22}, {28, 22}};
    p.Lines(spike, colour::kGrey, 1);
    p.Line({3, 24}, {28, 24}, c.accent, 2);
    Cross(p, {10, 5, 19, 14}, colour::kRed, 2);
}

void OneShot(PicturePainter& p)
{
    IconBody(p, c);
    Arrow(p, {6, 27}, {6, 15}, c.ink, 1, 3);
    const Point pulse[] = {{3, 26}, {11, 26}, {11, 9}, {22, 9}, {22, 26}, {29, 26}};
    p.Lines(pulse, c.accent, 2);
}

void Scratchpad(PicturePainter& p)
{
    IconBody(p, c);
    p.RoundBox({6, 5, 26, 30}, 1, c.shade, c.ink);
    p.Box({8, 8, 24, 28}, colour::kWhite, c.ink);
    p.RoundBox({12, 3, 20, 8}, 1, colour::kSilver, c.ink);
    p.Label({9, 10, 23, 26}, "x=", c.ink, Symbol(9.0, true));
}

void ProgramIcon(PicturePainter& p)
{
    const IconColours& g = kProgramColours;
    IconBody(p, g);
    Gear(p, {12, 13}, 8, g.shade, g.ink);
    Gear(p, {22, 21}, 6, colour::kWhite, g.ink);
    p.Line({4, 28}, {27, 28}, g.accent, 2);
}

constexpr std::array kPictures{
    PictureEntry{kBitmapProgramIcon, kIcon, ProgramIcon},
    PictureEntry{kBitmapSampleRateClock, kIcon, SampleRateClock},
    PictureEntry{kBitmapMath, kIcon, Math},
    PictureEntry{kBitmapComparator, kIcon, Comparator},
    PictureEntry{kBitmapWindowComparator, kIcon, WindowComparator},
    PictureEntry{kBitmapConstant, kIcon, Constant},
    PictureEntry{kBitmapRemoteConstant, kIcon, RemoteConstant},
    PictureEntry{kBitmapRemoteSwitch, kIcon, RemoteSwitch},
    PictureEntry{kBitmapStopwatch, kIcon, Stopwatch},
    PictureEntry{kBitmapStartStopClock, kIcon, StartStopClock},
    PictureEntry{kBitmapLcdLatched, kIcon, LcdLatched},
    PictureEntry{kBitmapLcdConditional, kIcon, LcdConditional},
    PictureEntry{kBitmapWarning, kIcon, Warning},
    PictureEntry{kBitmapNot, kIcon, Gate<GateKind::Not, false, false>},
    PictureEntry{kBitmapAnd, kIcon, Gate<GateKind::And, false, false>},
    PictureEntry{kBitmapOr, kIcon, Gate<GateKind::Or, false, false>},
    PictureEntry{kBitmapXor, kIcon, Gate<GateKind::Xor, false, false>},
    PictureEntry{kBitmapFlipFlop, kIcon, FlipFlop},
    PictureEntry{kBitmapMultiplexer, kIcon, Multiplexer},
    PictureEntry{kBitmapTimeIntegral, kIcon, TimeIntegral},
    PictureEntry{kBitmapRateOfChange, kIcon, RateOfChange},
    PictureEntry{kBitmapDutyCycle, kIcon, DutyCycle},
    PictureEntry{kBitmapSummation, kIcon, Summation},
    PictureEntry{kBitmapAverage, kIcon, Average},
    PictureEntry{kBitmapMinMax, kIcon, MinMax},
    PictureEntry{kBitmapDelta, kIcon, Delta},
    PictureEntry{kBitmapFilter, kIcon, Filter},
    PictureEntry{kBitmapTimedCounter, kIcon, TimedCounter},
    PictureEntry{kBitmapCountAccumulator, kIcon, CountAccumulator},
    PictureEntry{kBitmapStopExecution, kIcon, StopExecution},
    PictureEntry{kBitmapPeriodicOutput, kIcon, PeriodicOutput},
    PictureEntry{kBitmapWarmup, kIcon, Warmup},
    PictureEntry{kBitmapDelay, kIcon, Delay},
    PictureEntry{kBitmapLatch, kIcon, Latch},
    PictureEntry{kBitmapTextNote, kIcon, TextNote},
    PictureEntry{kBitmapScheduler, kIcon, Scheduler},
    PictureEntry{kBitmapDataBuffer, kIcon, DataBuffer},
    PictureEntry{kBitmapTransientFilter, kIcon, TransientFilter},
    PictureEntry{kBitmapOneShot, kIcon, OneShot},
    PictureEntry{kBitmapScratchpad, kIcon, Scratchpad},
    PictureEntry{kBitmapNoteBody, {9, 13}, NoteBody},
    PictureEntry{kBitmapOrDeMorgan, kIcon, Gate<GateKind::Or, true, false>},
    PictureEntry{kBitmapAndDeMorgan, kIcon, Gate<GateKind::And, true, false>},
    PictureEntry{kBitmapNotDeMorgan, kIcon, Gate<GateKind::Not, true, false>},
    PictureEntry{kBitmapOrInverted, kIcon, Gate<GateKind::Or, false, true>},
    PictureEntry{kBitmapNotInverted, kIcon, Gate<GateKind::Not, false, true>},
    PictureEntry{kBitmapNotDeMorganInverted, kIcon, Gate<GateKind::Not, true, true>},
    PictureEntry{kBitmapOrDeMorganInverted, kIcon, Gate<GateKind::Or, true, true>},
    PictureEntry{kBitmapAndInverted, kIcon, Gate<GateKind::And, false, true>},
    PictureEntry{kBitmapAndDeMorganInverted, kIcon, Gate<GateKind::And, true, true>},
    PictureEntry{kBitmapXorInverted, kIcon, Gate<GateKind::Xor, false, true>},
};

}  // namespace

std::span<const PictureEntry> FunctionPictures() { return kPictures; }

}  // namespace corvane::res
