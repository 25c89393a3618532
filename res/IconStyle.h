#pragma once

#include "platform/ColourValue.h"

namespace corvane::res {

// The colours of one family of icons: every icon of a family shares its
// body, outline and ink, so that the families tell apart at a glance.
struct IconColours {
    RgbColour body;     // light fill of the icon's body
    RgbColour shade;    // a darker tone of the body, for panels and depth
    RgbColour outline;  // dark edge of the body
    RgbColour ink;      // symbols and text
    RgbColour accent;   // one strong colour for the detail that matters
};

// Functions of a program net: timing, arithmetic, logic, statistics.
inline constexpr IconColours kFunctionColours{
    {226, 236, 250}, {196, 214, 240}, {36, 64, 110}, {24, 48, 92}, {0, 112, 204}};
// The logger's inputs and outputs and the modules' channels.
inline constexpr IconColours kHardwareColours{
    {252, 241, 216}, {238, 216, 168}, {118, 76, 18}, {88, 56, 12}, {214, 98, 0}};
// Data leaving the logger: memory, probes, tags, mail, files, Modbus, MQTT.
inline constexpr IconColours kReportingColours{
    {224, 243, 227}, {188, 225, 196}, {28, 98, 52}, {20, 78, 40}, {0, 150, 92}};
// The program icon that holds the logger-wide settings.
inline constexpr IconColours kProgramColours{
    {238, 230, 250}, {212, 196, 238}, {80, 42, 128}, {64, 30, 106}, {140, 70, 200}};

namespace colour {
inline constexpr RgbColour kWhite{255, 255, 255};
inline constexpr RgbColour kBlack{0, 0, 0};
inline constexpr RgbColour kDark{48, 48, 52};
inline constexpr RgbColour kGrey{128, 128, 132};
inline constexpr RgbColour kSilver{192, 194, 198};
inline constexpr RgbColour kLight{232, 233, 236};
inline constexpr RgbColour kRed{204, 32, 32};
inline constexpr RgbColour kDarkRed{140, 16, 16};
inline constexpr RgbColour kGreen{24, 160, 64};
inline constexpr RgbColour kDarkGreen{12, 96, 36};
inline constexpr RgbColour kYellow{252, 204, 36};
inline constexpr RgbColour kOrange{236, 128, 20};
inline constexpr RgbColour kBlue{28, 96, 210};
inline constexpr RgbColour kSky{120, 180, 240};
inline constexpr RgbColour kLcd{176, 206, 120};
inline constexpr RgbColour kLcdInk{30, 52, 20};
inline constexpr RgbColour kCopper{196, 110, 40};
// Pixels of this colour are transparent in toolbar strips, image lists
// and cursors.
inline constexpr RgbColour kKey{255, 0, 255};
// Keyed pictures are drawn on this light grey, which then becomes the key:
// the smoothed edges of their shapes blend into a neutral tone rather than
// into magenta. No picture uses it for anything else.
inline constexpr RgbColour kMatte{239, 238, 237};
}  // namespace colour

}  // namespace corvane::res
