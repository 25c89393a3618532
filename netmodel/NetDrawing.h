#pragma once

#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <array>
#include <string_view>

namespace corvane {

// Icon geometry shared by the icon classes.
inline constexpr Point kEnableInputPoint{3, -9};
inline constexpr Point kTriggerInputPoint{14, -9};
inline constexpr Point kSelectInputPoint{24, -9};
inline constexpr Point kBelowBodyPoint{13, 33};
inline constexpr Size kIconBodySize{32, 32};
inline constexpr Size kHardwareBodySize{32, 64};
inline constexpr Size kNoteBodySize{9, 13};

// Connector colours, as stored colours (0x00BBGGRR).
inline constexpr std::uint32_t kConnectorGrey = 0xC8C8C8;
inline constexpr std::uint32_t kConnectorBlack = 0x000000;
inline constexpr std::uint32_t kConnectorBlue = 0xFF0000;
inline constexpr std::uint32_t kConnectorGreen = 0x00C800;
inline constexpr std::uint32_t kConnectorRed = 0x0000FF;

// The colour a connector is drawn in, from its data type; the trigger
// input above the body is blue unless its type says otherwise first.
RgbColour ConnectorColour(int dataType, bool isTriggerInput);

// The input ranges analog input icons offer.
inline constexpr std::array<std::string_view, 8> kInputRangeTexts{
    "2V", "1V", "500mV", "200mV", "100mV", "80mV", "60mV", "20mV"};

}  // namespace corvane
