#pragma once

#include <string>

namespace corvane {

// Keys as the program names them in accelerator tables and key messages.
// Letters are their upper-case character codes ('A' is 65) and digits
// theirs ('0' is 48); the others are these.
namespace key_code {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kAlt = 18;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;  // kF1 + n - 1 is function key n, up to F12
inline constexpr int kF12 = 123;
inline constexpr int kUnknown = 0;
}  // namespace key_code

// Modifier keys held with a key.
namespace key_modifier {
inline constexpr unsigned kNone = 0;
inline constexpr unsigned kShift = 1u << 0;
inline constexpr unsigned kCtrl = 1u << 1;
inline constexpr unsigned kAlt = 1u << 2;
}  // namespace key_modifier

// A key message: the key (key_code, a letter or digit code, or
// key_code::kUnknown), the modifiers held, whether it repeats a held key,
// and the text it types (UTF-8; empty for keys that type nothing).
struct KeyEvent {
    int key = key_code::kUnknown;
    unsigned modifiers = key_modifier::kNone;
    bool autoRepeat = false;
    std::string text;
};

}  // namespace corvane
