#pragma once

#include "base/ByteWriter.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Notification.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

namespace corvane::test {

// A dialog holding one of every control kind beyond edits and buttons, laid
// out as a program's dialog would be.
namespace all_controls {

inline constexpr int kListView = 200;
inline constexpr int kTree = 201;
inline constexpr int kTab = 202;
inline constexpr int kInterval = 203;
inline constexpr int kSpin = 204;
inline constexpr int kSlider = 205;
inline constexpr int kDate = 206;
inline constexpr int kTime = 207;
inline constexpr int kIp = 208;
inline constexpr int kListBox = 209;
inline constexpr int kPicture = 210;
inline constexpr int kProgress = 211;
inline constexpr int kLog = 212;

namespace s = control_style;
using K = ControlKind;

inline constexpr std::array kControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "Loggers", {10, 6, 400, 190}},
    ControlTemplate{K::ListView, kListView, "", {20, 26, 380, 160}, s::kCheckBoxes},
    ControlTemplate{K::GroupBox, kIdStatic, "Program net", {420, 6, 210, 190}},
    ControlTemplate{K::TreeView, kTree, "", {430, 26, 190, 160}, s::kCheckBoxes},
    ControlTemplate{K::Tab, kTab, "", {10, 204, 400, 180}},
    ControlTemplate{K::Static, kIdStatic, "Sample interval:", {24, 246, 110, 20}},
    ControlTemplate{K::Edit, kInterval, "", {140, 242, 60, 24}, s::kNumber},
    ControlTemplate{K::Spin, kSpin, "", {200, 242, 18, 24}, s::kVertical | s::kBuddyInteger},
    ControlTemplate{K::Static, kIdStatic, "seconds", {226, 246, 70, 20}},
    ControlTemplate{K::Static, kIdStatic, "Gain:", {24, 280, 110, 20}},
    ControlTemplate{K::Slider, kSlider, "", {136, 274, 220, 32}},
    ControlTemplate{K::Static, kIdStatic, "Start:", {24, 314, 110, 20}},
    ControlTemplate{K::DatePicker, kDate, "", {140, 310, 130, 24}},
    ControlTemplate{K::TimePicker, kTime, "", {276, 310, 100, 24}},
    ControlTemplate{K::Static, kIdStatic, "Logger address:", {24, 346, 110, 20}},
    ControlTemplate{K::IpAddress, kIp, "", {140, 342, 150, 24}},
    ControlTemplate{K::Static, kIdStatic, "Channels:", {420, 204, 210, 18}},
    ControlTemplate{K::ListBox, kListBox, "", {420, 224, 210, 110}, s::kSorted | s::kTabStops},
    ControlTemplate{K::Picture, kPicture, "", {420, 340, 44, 44}},
    ControlTemplate{K::Static, kIdStatic, "Transfer progress:", {472, 342, 158, 18}},
    ControlTemplate{K::ProgressBar, kProgress, "", {472, 364, 158, 18}},
    ControlTemplate{K::LogBox, kLog, "", {10, 392, 620, 66}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {460, 466, 80, 26}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {550, 466, 80, 26}},
};

inline constexpr DialogTemplate kDialog{9100, "Logger Settings", 640, 500, kControls};

}  // namespace all_controls

// One notification as a handler saw it.
struct Seen {
    Notification code;
    std::intptr_t item;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend void PrintTo(const Seen& seen, std::ostream* os)
    {
        *os << "{code " << static_cast<int>(seen.code) << ", item " << seen.item << "}";
    }
};

// Records the notifications of one control.
class NotifyLog {
public:
    NotifyLog(Dialog& dialog, int controlId, std::initializer_list<Notification> codes)
    {
        for (Notification code : codes)
            dialog.On(code, controlId, [this, code](NotifyEvent& event) { seen.push_back({code, event.item}); });
    }
    std::vector<Seen> Take()
    {
        std::vector<Seen> taken;
        taken.swap(seen);
        return taken;
    }

    std::vector<Seen> seen;
};

// A 24-bit BMP file of one colour.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const auto stride = static_cast<std::uint32_t>((width * 3 + 3) & ~3);
    const std::uint32_t pixels = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> bytes(54 + pixels);
    ByteWriter out(bytes);
    out.U8('B');
    out.U8('M');
    out.U32LE(static_cast<std::uint32_t>(bytes.size()));
    out.U32LE(0);
    out.U32LE(54);
    out.U32LE(40);
    out.I32LE(width);
    out.I32LE(height);
    out.U16LE(1);
    out.U16LE(24);
    out.U32LE(0);
    out.U32LE(pixels);
    out.I32LE(2835);
    out.I32LE(2835);
    out.U32LE(0);
    out.U32LE(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.U8(blue);
            out.U8(green);
            out.U8(red);
        }
        out.Zeros(stride - static_cast<std::uint32_t>(width) * 3);
    }
    EXPECT_FALSE(out.Failed());
    return bytes;
}

// A 3 by 2 PNG with alpha.
inline constexpr std::uint8_t kPng[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
    0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D, 0x74, 0x66,
    0x1A, 0x00, 0x00, 0x00, 0x19, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x0C, 0x19,
    0xFE, 0xFF, 0x07, 0x23, 0x06, 0x06, 0x10, 0xF3, 0x7F, 0x03, 0x00, 0x9A, 0xFF, 0x0C, 0x75, 0xD3, 0xB1, 0x6A, 0x22,
    0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// A 1 by 1 GIF of two frames, red then blue, looping.
inline constexpr std::uint8_t kAnimatedGif[]
    = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0x21, 0xFF, 0x0B, 'N', 'E', 'T',
        'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0, 0x21, 0xF9, 4, 0, 10, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1,
        0, 0, 2, 2, 0x44, 1, 0, 0x21, 0xF9, 4, 0, 10, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 1, 0, 0x3B};

}  // namespace corvane::test
