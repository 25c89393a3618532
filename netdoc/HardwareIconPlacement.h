#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CCorvaneIcon;
class CHardwarePoll;
class CNetDoc;
class NetViewServices;

// Places the icons of the logger's hardware in a net after a query: the
// logger's own icons, then a row of channel icons for every module on the
// bus. Icons go down the left column, one input row each (x 20,
// y 20 + 70 n); the relay, alarm, LED and digital-output icons go along the
// top row instead (x 110 + 90 n, y 20). An icon the net already holds for
// the same thing is not made again, but still uses up its row.
//
// The makers receive the current channel index as it stands: 0..7 for a
// 7-channel module's inputs and 9 for its junction icon, 6..9 for the
// logger's analog channels A..D, 0..29 for the digital module's terminals.
class HardwareIconPlacement {
public:
    // Module numbers of the logger itself.
    static constexpr int kBaseUnitModule = -3;
    static constexpr int kNoModule = -1;
    // Placing ids with a meaning here.
    static constexpr std::uint32_t kProgramIconId = 400;
    static constexpr std::uint32_t kUpdateViewsId = 0xFFFFFFFF;

    HardwareIconPlacement(CNetDoc& document, NetViewServices& services);

    // Builds every icon the poll reports (the logger's own only when it
    // holds the logger's configuration word), then repaints the views and
    // marks the net unmodified.
    void CreateIconsFromHardware(const CHardwarePoll& poll);
    // Makes at most one icon of a placing id for a module and adds it to
    // the net, not deletable; returns it or null. Every call uses up an
    // input row; kUpdateViewsId only repaints the views.
    CCorvaneIcon* CreateHardwareIcon(int module, std::uint32_t id, const CHardwarePoll& poll);

    static Rect InputIconRect(int row);
    static Rect TopRowIconRect(int index);

    int Channel() const { return channel_; }
    int InputRow() const { return inputRow_; }
    int TopRowIndex() const { return topRowIndex_; }
    void SetInputRow(int row) { inputRow_ = row; }

private:
    void CreateBaseUnitIcons(const CHardwarePoll& poll);
    void CreateAnalogModuleIcons(int module, std::uint16_t switchWord, const CHardwarePoll& poll);
    void CreateDigitalModuleIcons(int module, const CHardwarePoll& poll);
    bool NetHolds(std::uint32_t id, int module) const;
    void ShowBox(const std::string& text, std::string_view caption) const;

    CNetDoc& document_;
    NetViewServices& services_;
    int channel_ = 0;
    int inputRow_ = 0;
    int topRowIndex_ = 0;
};

}  // namespace corvane
