#include "icons/common/FunctionIconCatalogue.h"

#include <array>

namespace corvane {
namespace {

// Shorthands for the connection requirements of the rows below.
constexpr ConnectionRequirements kNothingIsolated{false, false, 0, false, true};
constexpr ConnectionRequirements kOutputOnly{false, false, 0, true, false};
constexpr ConnectionRequirements kOneInputOutput{false, false, 1, true, false};
constexpr ConnectionRequirements kTwoInputsOutput{false, false, 2, true, false};
constexpr ConnectionRequirements kTriggerOneInputOutput{true, false, 1, true, false};

// One row per class, or per palette cell where one class serves several
// cells. The subtype is what tells classes of one type code apart (gate
// code, latch bit, statistics kind); for a class with several cells it is
// the mode value that picks the cell's variant. Columns: class, type code,
// subtype, cell, bitmap, tooltip, inputs, outputs, trigger, enable,
// select, record length, dialog, help context, checks.
constexpr std::array kRows{
    FunctionIconInfo{"CSampleRateClockIcon", 2, std::nullopt, 0, 10001, "Sample Rate Clock", 1, 1, false, true,
        false, 80, 269, 0, kNothingIsolated},
    FunctionIconInfo{"CSSClockIcon", 3, std::nullopt, 10, 10011, "Start/Stop Clock", 0, 1, false, true, false, 82, 333,
        0, kOutputOnly},
    FunctionIconInfo{"CStopIcon", 4, std::nullopt, 32, 10033, "Stop Program Execution", 1, 0, false, true, false, 72,
        340, 0, {false, false, 1, false, false}},
    FunctionIconInfo{"CLCDtextIcon", 64, 1, 13, 10014, "LCD Latched Message", 2, 0, true, true, false, 78, 341, 131413,
        {true, false, 0, false, false}},
    FunctionIconInfo{"CLCDtextIcon", 64, 0, 14, 10015, "LCD Conditional Message", 3, 0, false, true, true, 78, 341,
        131418, {false, false, 0, false, false}},
    FunctionIconInfo{"CWarningIcon", 65, std::nullopt, 15, 10016, "Warning", 0, 1, false, true, false, 76, 336, 0,
        kOutputOnly},
    FunctionIconInfo{"CAndIcon", 256, 0, 17, 10018, "Logic-AND", 2, 1, false, true, false, 74, 304, 611,
        kTwoInputsOutput},
    FunctionIconInfo{"COrIcon", 256, 1, 18, 10019, "Logic-OR", 2, 1, false, true, false, 74, 304, 641,
        kTwoInputsOutput},
    FunctionIconInfo{"CXorIcon", 256, 2, 19, 10020, "Logic-XOR", 2, 1, false, true, false, 74, 304, 621,
        kTwoInputsOutput},
    FunctionIconInfo{"CNotIcon", 256, 3, 16, 10017, "Logic-NOT (Inverter)", 1, 1, false, true, false, 74, 304, 631,
        kOneInputOutput},
    FunctionIconInfo{"CLatchIcon", 257, 0x1000, 36, 10037, "Latch", 1, 1, true, false, false, 74, 312, 0,
        kTriggerOneInputOutput},
    FunctionIconInfo{"CFlipFlopIcon", 257, 0, 20, 10021, "R-S FlipFlop", 2, 1, false, false, false, 74, 362, 0,
        kOneInputOutput},
    FunctionIconInfo{"CMinMaxIcon", 258, 0x6000, 27, 10028, "Min/Max", 1, 4, false, true, false, 76, 306, 661,
        kOneInputOutput},
    FunctionIconInfo{"CSumIcon", 258, 0x1000, 25, 10026, "Summation", 1, 3, false, true, false, 76, 306, 791,
        kOneInputOutput},
    FunctionIconInfo{"CAvgIcon", 258, 0x8000, 26, 10027, "Average", 1, 3, false, true, false, 76, 306, 761,
        kOneInputOutput},
    FunctionIconInfo{"CConstIcon", 260, 0, 6, 10007, "Constant", 0, 1, false, false, false, 78, 313, 501,
        kOutputOnly},
    FunctionIconInfo{"CConstIcon", 260, 0x8000, 7, 10008, "Remote Control Constant", 0, 1, false, true, false, 78, 313,
        711, kOutputOnly},
    FunctionIconInfo{"CConstIcon", 260, 0xA000, 8, 10009, "Remote Control Switch", 0, 1, false, true, false, 78, 313,
        721, kOutputOnly},
    FunctionIconInfo{"CComparatorIcon", 261, 0, 4, 10005, "Comparator", 2, 1, false, true, false, 78, 307, 0,
        kTwoInputsOutput},
    FunctionIconInfo{"CComparatorIcon", 261, 1, 5, 10006, "Window Comparator", 3, 1, false, true, false, 78, 322, 0,
        kTwoInputsOutput},
    FunctionIconInfo{"CDeltaIcon", 262, std::nullopt, 28, 10029, "Delta Function", 1, 1, false, true, false, 80, 291,
        0, kOneInputOutput},
    FunctionIconInfo{"CCountIcon", 263, 0, 30, 10031, "Timed Counter", 1, 1, true, true, false, 78, 314, 131386,
        kOneInputOutput},
    FunctionIconInfo{"CCountIcon", 263, 0x10, 31, 10032, "Count Accumulator", 1, 1, false, true, false, 78, 314, 511,
        kOneInputOutput},
    FunctionIconInfo{"CDelayIcon", 264, std::nullopt, 35, 10036, "Delay", 1, 1, false, true, false, 80, 293, 0,
        kOneInputOutput},
    FunctionIconInfo{"CMultiplexIcon", 265, std::nullopt, 21, 10022, "Multiplexer", 2, 1, false, true, true, 72, 296,
        0, {false, true, 2, true, false}},
    FunctionIconInfo{"CWarmupIcon", 266, std::nullopt, 34, 10035, "Warmup", 0, 2, true, true, false, 76, 298, 0,
        {true, false, 0, true, false}},
    FunctionIconInfo{"CDCintIcon", 267, 0x800, 22, 10023, "Time Integral", 1, 1, true, true, false, 74, 338, 0,
        kTriggerOneInputOutput},
    FunctionIconInfo{"CDCintIcon", 267, 0, 24, 10025, "Duty Cycle", 1, 1, true, true, false, 74, 315, 0,
        kTriggerOneInputOutput},
    FunctionIconInfo{"CPeriodicOutputIcon", 268, std::nullopt, 33, 10034, "Periodic Output", 0, 1, false, true, false,
        88, 300, 0, kOutputOnly},
    FunctionIconInfo{"CRateOfChangeIcon", 269, std::nullopt, 23, 10024, "Rate of Change", 1, 1, false, false, false,
        76, 302, 0, kOneInputOutput},
    FunctionIconInfo{"CTnoteIcon", 270, std::nullopt, 37, 10038, "Text Note", 0, 0, false, false, false, 74, 316, 0,
        kNothingIsolated},
    FunctionIconInfo{"CTaccumIcon", 271, std::nullopt, 9, 10010, "Stopwatch", 1, 1, false, true, false, 74, 317, 0,
        kOneInputOutput},
    FunctionIconInfo{"CSchedIcon", 272, std::nullopt, 38, 10039, "Scheduler", 0, 1, false, true, false, 92, 318, 0,
        kOutputOnly},
    FunctionIconInfo{"CMathIcon", 273, std::nullopt, 3, 10004, "Math", 4, 1, false, true, false, 76, 308, 0,
        kOneInputOutput},
    FunctionIconInfo{"CFilterIcon", 274, std::nullopt, 29, 10030, "Filter", 1, 1, false, true, false, 76, 319, 0,
        kOneInputOutput},
    FunctionIconInfo{"CDataBufferIcon", 275, std::nullopt, 39, 10040, "Data Buffer", 1, 8, false, true, false, 74, 539,
        2171, {false, false, 0, true, true}},
    FunctionIconInfo{"CSpikeBlockerIcon", 276, std::nullopt, 41, 10042, "Transient Reject Filter", 1, 1, false, true,
        false, 78, 554, 2291, kOneInputOutput},
    FunctionIconInfo{"CScratchPadIcon", 277, std::nullopt, 43, 10044, "Scratchpad", 3, 1, false, true, false, 78, 566,
        2281, kNothingIsolated},
    FunctionIconInfo{"COneShotIcon", 278, std::nullopt, 42, 10043, "One Shot", 1, 1, false, true, false, 84, 613,
        12405, kOneInputOutput},
};

}  // namespace

std::span<const FunctionIconInfo> FunctionIconCatalogue()
{
    return kRows;
}

const FunctionIconInfo* FunctionIconForCell(int paletteCell)
{
    for (const FunctionIconInfo& row : kRows)
        if (row.paletteCell == paletteCell)
            return &row;
    return nullptr;
}

}  // namespace corvane
