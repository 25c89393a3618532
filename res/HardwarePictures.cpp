// The pictures of the hardware icons, in the hardware family's colours:
// the logger's own functions (32 by 32) and the tall channel icons (32 by
// 64) of the logger's inputs and outputs and of the modules' channels.

#include "res/IconShapes.h"
#include "res/PictureTables.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

constexpr const IconColours& c = kHardwareColours;
constexpr Size kIcon{32, 32};
constexpr Size kChannel{32, 64};

// --- The logger's own functions

void SupplyVoltages(PicturePainter& p)
{
    IconBody(p, c);
    Battery(p, {4, 5, 28, 17}, colour::kWhite, c.ink, colour::kGreen);
    IconLabel(p, {3, 19, 29, 30}, "Vdc", c.ink, 8.0);
}

void ColdJunction(PicturePainter& p)
{
    IconBody(p, c);
    Thermometer(p, {4, 3, 13, 29}, colour::kWhite, colour::kRed, c.ink);
    IconLabel(p, {13, 9, 30, 23}, "CJC", c.ink, 7.0);
}

void AudibleAlarm(PicturePainter& p)
{
    IconBody(p, c);
    Bell(p, {4, 4, 22, 27}, colour::kYellow, c.ink);
    RadioWaves(p, {20, 14}, 9, 2, c.accent, 0.0, 80.0);
}

void BlueLed(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({13, 22}, {13, 29}, colour::kGrey, 2);
    p.Line({19, 22}, {19, 27}, colour::kGrey, 2);
    p.RoundBox({10, 6, 23, 22}, 6, colour::kBlue, colour::kDark);
    p.Box({8, 19, 25, 23}, colour::kBlue, colour::kDark);
    p.Line({13, 9}, {13, 15}, Blend(colour::kBlue, colour::kWhite, 0.6), 2);
    Arrow(p, {24, 9}, {29, 4}, c.accent, 1, 3);
    Arrow(p, {25, 14}, {30, 11}, c.accent, 1, 3);
}

void Excitation(PicturePainter& p)
{
    IconBody(p, c);
    p.Line({16, 3}, {16, 5}, c.ink);
    p.Line({16, 21}, {16, 23}, c.ink);
    p.Circle({16, 13}, 8, colour::kWhite, c.ink, 2);
    p.Line({14, 10}, {18, 10}, c.accent);
    p.Line({16, 8}, {16, 12}, c.accent);
    p.Line({14, 16}, {18, 16}, c.ink);
    IconLabel(p, {3, 23, 29, 30}, "EXC", c.ink, 7.0);
}

void PowerManagement(PicturePainter& p)
{
    IconBody(p, c);
    Battery(p, {3, 8, 29, 24}, colour::kWhite, c.ink, colour::kGreen);
    Lightning(p, {9, 5, 21, 28}, colour::kYellow, c.ink);
}

// --- Channel icons

// A module channel carries a corner mark so that it tells apart from the
// logger's own channel of the same kind.
void ModuleMark(PicturePainter& p)
{
    const Point corner[] = {{22, 1}, {30, 1}, {30, 9}};
    p.Shape(corner, c.accent, std::nullopt);
}

void Meter(PicturePainter& p, std::string_view unit)
{
    p.Circle({16, 16}, 11, colour::kWhite, c.ink, 2);
    p.Arc({16, 16}, 8, 8, 150.0, 30.0, Blend(c.ink, colour::kWhite, 0.5));
    LabelStyle style;
    style.pointSize = 9.0;
    style.minPointSize = 6.0;
    p.Label({7, 12, 26, 25}, unit, c.ink, style);
    p.Line({16, 16}, {21, 9}, c.accent, 1);
}

void Junction(PicturePainter& p)
{
    // Two unlike wires joined at the measuring junction.
    p.Line({9, 4}, {9, 14}, colour::kCopper, 2);
    p.Line({23, 4}, {23, 14}, colour::kGrey, 2);
    p.Line({9, 14}, {16, 24}, colour::kCopper, 2);
    p.Line({23, 14}, {16, 24}, colour::kGrey, 2);
    p.Circle({16, 24}, 2, colour::kRed, colour::kDarkRed);
    IconLabel(p, {3, 3, 9, 10}, "+", c.ink, 7.0);
    IconLabel(p, {23, 3, 30, 10}, "−", c.ink, 7.0);
}

template <bool module> void HighVoltage(PicturePainter& p)
{
    ChannelBody(p, c, "HI V");
    Meter(p, "V");
    if (module)
        ModuleMark(p);
}

template <bool module> void LowVoltage(PicturePainter& p)
{
    ChannelBody(p, c, "LO V");
    Meter(p, "mV");
    if (module)
        ModuleMark(p);
}

template <bool module> void Current(PicturePainter& p)
{
    ChannelBody(p, c, "mA");
    Meter(p, "mA");
    if (module)
        ModuleMark(p);
}

template <bool module> void Thermocouple(PicturePainter& p)
{
    ChannelBody(p, c, "T/C");
    Junction(p);
    if (module)
        ModuleMark(p);
}

enum class Flow { In, Out, Both };

// Signals come in from the terminals below and go out to them.
void FlowArrow(PicturePainter& p, Flow flow)
{
    switch (flow) {
    case Flow::In: Arrow(p, {16, 30}, {16, 21}, c.accent, 2, 4); break;
    case Flow::Out: Arrow(p, {16, 21}, {16, 30}, c.accent, 2, 4); break;
    case Flow::Both:
        Arrow(p, {12, 30}, {12, 21}, c.accent, 2, 4);
        Arrow(p, {20, 21}, {20, 30}, c.accent, 2, 4);
        break;
    }
}

void Waveform(PicturePainter& p, int pulses) { SquareWave(p, {4, 6, 29, 17}, c.ink, pulses, 2); }

void Counter(PicturePainter& p)
{
    p.Box({4, 5, 28, 17}, colour::kDark, colour::kBlack);
    LabelStyle style;
    style.face = "DejaVu Sans Mono";
    style.pointSize = 8.0;
    style.minPointSize = 5.0;
    p.Label({5, 6, 27, 16}, "123", colour::kYellow, style);
}

void RelayContacts(PicturePainter& p, bool springReturn)
{
    // Coil, the dashed link to the contact, and the contact itself.
    p.Box({4, 8, 12, 24}, colour::kWhite, c.ink);
    p.Line({4, 23}, {11, 9}, c.ink);
    p.DashedLine({12, 16}, {19, 16}, c.ink);
    p.Line({22, 4}, {22, 10}, c.ink);
    p.Line({22, 22}, {22, 29}, c.ink);
    p.Line({22, 22}, {27, 11}, c.ink, 2);
    p.Circle({22, 22}, 1, c.ink, c.ink);
    if (springReturn) {
        const Point spring[] = {{26, 26}, {28, 24}, {26, 22}, {28, 20}, {26, 18}};
        p.Lines(spring, c.accent);
    }
}

void Transistor(PicturePainter& p)
{
    // An open-collector output stage.
    p.Line({5, 16}, {12, 16}, c.ink);
    p.Line({12, 9}, {12, 23}, c.ink, 2);
    p.Line({12, 13}, {21, 7}, c.ink);
    p.Line({21, 7}, {21, 3}, c.ink);
    Arrow(p, {12, 19}, {20, 25}, c.ink, 1, 3);
    p.Line({21, 26}, {21, 28}, c.ink);
    p.Line({17, 28}, {26, 28}, c.ink);
    p.Line({19, 30}, {24, 30}, c.ink);
    p.Circle({21, 3}, 1, colour::kWhite, c.accent);
}

void Relay(PicturePainter& p)
{
    ChannelBody(p, c, "RELAY", 3);
    RelayContacts(p, false);
}

void UnlatchedRelay(PicturePainter& p)
{
    ChannelBody(p, c, "RELAY", 3);
    RelayContacts(p, true);
}

void GpdiEvent(PicturePainter& p)
{
    ChannelBody(p, c, "GP IN");
    SinglePulse(p, {4, 6, 29, 17}, c.ink, 2);
    FlowArrow(p, Flow::In);
}

void GpdiCounter(PicturePainter& p)
{
    ChannelBody(p, c, "GP CNT");
    Counter(p);
    FlowArrow(p, Flow::In);
}

void GpdiFrequency(PicturePainter& p)
{
    ChannelBody(p, c, "GP Hz");
    Waveform(p, 3);
    FlowArrow(p, Flow::In);
}

void DigitalEvent(PicturePainter& p)
{
    ChannelBody(p, c, "DI");
    SinglePulse(p, {4, 6, 29, 17}, c.ink, 2);
    FlowArrow(p, Flow::In);
}

void DigitalEventIo(PicturePainter& p)
{
    ChannelBody(p, c, "DI/O");
    SinglePulse(p, {4, 6, 29, 17}, c.ink, 2);
    FlowArrow(p, Flow::Both);
}

void CounterInput(PicturePainter& p)
{
    ChannelBody(p, c, "CNT");
    Counter(p);
    FlowArrow(p, Flow::In);
}

void FrequencyInput(PicturePainter& p)
{
    ChannelBody(p, c, "Hz IN");
    Waveform(p, 3);
    FlowArrow(p, Flow::In);
}

void FrequencyOutput(PicturePainter& p)
{
    ChannelBody(p, c, "Hz OUT");
    Waveform(p, 3);
    FlowArrow(p, Flow::Out);
}

void DigitalOutput(PicturePainter& p)
{
    ChannelBody(p, c, "DO");
    Transistor(p);
}

void FiveVoltOutput(PicturePainter& p)
{
    ChannelBody(p, c, "+5V");
    Battery(p, {4, 6, 28, 17}, colour::kWhite, c.ink, colour::kGreen);
    FlowArrow(p, Flow::Out);
}

void DigitalIo(PicturePainter& p)
{
    ChannelBody(p, c, "DI/O");
    Waveform(p, 2);
    FlowArrow(p, Flow::Both);
}

constexpr std::array kPictures{
    PictureEntry{kBitmapSupplyVoltages, kIcon, SupplyVoltages},
    PictureEntry{kBitmapColdJunction, kIcon, ColdJunction},
    PictureEntry{kBitmapLoggerHighVoltage, kChannel, HighVoltage<false>},
    PictureEntry{kBitmapLoggerLowVoltage, kChannel, LowVoltage<false>},
    PictureEntry{kBitmapLoggerCurrent, kChannel, Current<false>},
    PictureEntry{kBitmapLoggerThermocouple, kChannel, Thermocouple<false>},
    PictureEntry{kBitmapModuleCurrent, kChannel, Current<true>},
    PictureEntry{kBitmapModuleLowVoltage, kChannel, LowVoltage<true>},
    PictureEntry{kBitmapModuleHighVoltage, kChannel, HighVoltage<true>},
    PictureEntry{kBitmapModuleThermocouple, kChannel, Thermocouple<true>},
    PictureEntry{kBitmapRelay, kChannel, Relay},
    PictureEntry{kBitmapAudibleAlarm, kIcon, AudibleAlarm},
    PictureEntry{kBitmapLed, kIcon, BlueLed},
    PictureEntry{kBitmapGpdiCounter, kChannel, GpdiCounter},
    PictureEntry{kBitmapGpdiEvent, kChannel, GpdiEvent},
    PictureEntry{kBitmapGpdiFrequency, kChannel, GpdiFrequency},
    PictureEntry{kBitmapDigitalEvent, kChannel, DigitalEvent},
    PictureEntry{kBitmapFrequencyInput, kChannel, FrequencyInput},
    PictureEntry{kBitmapDigitalOutput, kChannel, DigitalOutput},
    PictureEntry{kBitmapFiveVoltOutput, kChannel, FiveVoltOutput},
    PictureEntry{kBitmapFrequencyOutput, kChannel, FrequencyOutput},
    PictureEntry{kBitmapCounterInput, kChannel, CounterInput},
    PictureEntry{kBitmapDigitalIo, kChannel, DigitalIo},
    PictureEntry{kBitmapUnlatchedRelay, kChannel, UnlatchedRelay},
    PictureEntry{kBitmapDigitalEventIo, kChannel, DigitalEventIo},
    PictureEntry{kBitmapExcitation, kIcon, Excitation},
    PictureEntry{kBitmapPowerManagement, kIcon, PowerManagement},
};

}  // namespace

std::span<const PictureEntry> HardwarePictures() { return kPictures; }

}  // namespace corvane::res
