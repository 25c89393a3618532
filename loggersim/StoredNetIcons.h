#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// What the simulated logger reads from the icon records of its stored net
// (the net container is read with the program's own ParseNetImage):
//
// The constant icon (type code 260): 72 u16 mode word (0x8000 remote
// controlled, 0x2000 with it a switch), 74 the 4 value bytes (a constant's
// f32, a switch's state in the first byte, 1 High).
// The Data Tag icon (type code 80): 72 u16 format word (bits 0-2 digits
// after the point, 0x0800 whole number), 76 the input link, whose u16
// source id is 0 while nothing feeds the tag.
// The Probe icon (type code 82): after the 72-byte head and the connectors
// it counts (8 bytes an input, 12 an output), u32 tag ids (the
// Data Tag icons' unique ids), as many as the record length holds.
constexpr std::uint16_t kSimConstantIconType = 260;
constexpr std::uint16_t kSimDataTagIconType = 80;
constexpr std::uint16_t kSimProbeIconType = 82;
constexpr std::uint16_t kSimRemoteModeBit = 0x8000;
constexpr std::uint16_t kSimSwitchModeBit = 0x2000;
constexpr std::uint16_t kSimWholeNumberBit = 0x0800;
constexpr std::uint16_t kSimDigitsMask = 0x0007;

struct StoredRemoteIcon {
    std::uint16_t iconId = 0;
    bool isSwitch = false;
    std::array<std::uint8_t, 4> initialValue{};
    std::string name;  // Windows-1252 bytes
};

struct StoredProbeTag {
    std::uint16_t tagId = 0;
    std::string name;  // Windows-1252 bytes
    std::uint8_t decimals = 0;
    bool wholeNumber = false;
    bool fed = false;  // something is connected to the tag's input
};

// The remote constants and switches of a net image, in record order; none
// when the image does not open.
std::vector<StoredRemoteIcon> StoredRemoteIcons(std::span<const std::uint8_t> netImage);
// The tags the net's first Probe icon lists, in its order, each found among
// the net's Data Tag icons (ids without one are left out); none when the
// image does not open or has no Probe icon.
std::vector<StoredProbeTag> StoredProbeTags(std::span<const std::uint8_t> netImage);

}  // namespace corvane
