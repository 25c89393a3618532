#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>

namespace corvane {

class CCorvaneIcon;

// What the net loader knows of an icon type code: its connector counts
// (inputs, outputs, select input) and whether the user may delete it.
struct IconTypeShape {
    int inputs = 0;
    int outputs = 0;
    bool selectInput = false;
    std::optional<bool> deletable;  // set only where the type decides it
};

// Which special inputs a loaded icon gets: trigger (A), enable (B), select.
struct SpecialInputs {
    bool trigger = false;
    bool enable = false;
    bool select = false;
    friend bool operator==(const SpecialInputs&, const SpecialInputs&) = default;
};

// Makes icons from their type code and subtype. Icon classes register a
// maker for their code when their library is set up; a known code whose
// class is not registered yet gets an opaque icon that keeps its record as
// it is, so that no icon of a net is ever lost.
class IconFactory {
public:
    // Returns null for a subtype the class does not know.
    using Maker = std::function<std::unique_ptr<CCorvaneIcon>(std::uint16_t subtype)>;

    // Knows the Program icon from the start.
    IconFactory();

    void Register(std::uint16_t typeCode, Maker maker);
    // For a code the loader's table gives no shape (the power-management
    // icon): the class brings its own.
    void Register(std::uint16_t typeCode, Maker maker, IconTypeShape shape);
    bool HasClass(std::uint16_t typeCode) const { return makers_.contains(typeCode); }

    // A new icon with the type's connector counts and deletable flag, or
    // null for an unknown code or a subtype that matches no class.
    std::unique_ptr<CCorvaneIcon> Create(std::uint16_t typeCode, std::uint16_t subtype) const;

private:
    std::map<std::uint16_t, Maker> makers_;
    std::map<std::uint16_t, IconTypeShape> ownShapes_;
};

// The shape of a type code and subtype, or nothing when they name no class.
std::optional<IconTypeShape> IconTypeShapeOf(std::uint16_t typeCode, std::uint16_t subtype);

// The subtype of a stored record, from the words after its header.
std::uint16_t SubtypeFromRecord(std::span<const std::uint8_t> record, std::uint16_t typeCode);

// The special inputs a loaded icon of the type gets.
SpecialInputs SpecialInputsOf(std::uint16_t typeCode, std::uint16_t subtype, std::span<const std::uint8_t> record);

// A 7-channel module channel's picture, from its range bits (W2 & 0x38).
int ModuleChannelBitmap(std::uint16_t rangeBits);

// The statistics family (258) names no class unless one of these bits is set.
bool IsDefinedStatisticsSubtype(std::uint16_t subtype);

}  // namespace corvane
