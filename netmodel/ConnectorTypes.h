#pragma once

namespace corvane {

// Kinds of connectors. The three special inputs sit above an icon; the
// others on its sides (kinds above 6 on the left, input side).
namespace connector_kind {
inline constexpr int kOutput = 5;
inline constexpr int kTriggerOutput = 7;
inline constexpr int kDataInput = 9;
inline constexpr int kEnableInput = 10;   // "special input B", at (3, -9)
inline constexpr int kTriggerInput = 11;  // "special input A", at (14, -9)
inline constexpr int kSelectInput = 12;   // the extra input, at (24, -9)
}  // namespace connector_kind

// A connector's data type is a bit word: it picks the drawing colour and
// decides what an input takes from the output that feeds it.
namespace data_type {
inline constexpr int kData = 0x01;
inline constexpr int kLogic = 0x02;
inline constexpr int kAdapts = 0x04;     // takes the type of its peer
inline constexpr int kUnsettled = 0x08;  // second output, type not settled yet
inline constexpr int kSpecial = 0x10;
}  // namespace data_type

// Where a connector stands among an icon's connectors: the two special
// inputs have fixed slots, the rest are indices into inputs or outputs.
inline constexpr int kEnableSlot = -2;
inline constexpr int kTriggerSlot = -3;

}  // namespace corvane
