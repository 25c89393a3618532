#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// The logic gates (AND, OR, exclusive OR, inverter), type code 256. One
// record layout serves all four; the gate code in the mode byte tells
// them apart. A gate may show a second, inverted output, may latch its
// output once its condition is met, and may be drawn with the De Morgan
// picture. Inputs and outputs carry logic states; the AND and OR gates
// grow a free input whenever the last one is linked, up to 24.
//
// Fixed part (after the 72-byte header), 2 bytes:
//   72 u8 mode: bits 0-2 gate code, 0x40 De Morgan picture, 0x80 inverted output shown
//   73 u8 latch: 1 the output keeps its state once the condition was met
class CLogicIcon : public CFunctionIcon {
public:
    enum class Gate : std::uint8_t { And = 0, Or = 1, Xor = 2, Not = 3 };

    static constexpr std::uint16_t kTypeCode = 256;
    static constexpr std::uint16_t kFixedLength = 74;
    static constexpr std::uint8_t kGateMask = 0x07;
    static constexpr std::uint8_t kDeMorgan = 0x40;
    static constexpr std::uint8_t kInvertedOutput = 0x80;
    // Hit code of the inverted output while a link is drawn.
    static constexpr int kHitInvertedOutput = 17;

    std::string_view ClassName() const override { return "CLogicIcon"; }

    Gate GetGate() const { return static_cast<Gate>(mode_ & kGateMask); }
    std::uint8_t ModeByte() const { return mode_; }
    bool IsLatched() const { return latch_ != 0; }
    bool HasInvertedOutput() const { return (mode_ & kInvertedOutput) != 0; }
    bool IsDeMorgan() const { return (mode_ & kDeMorgan) != 0; }
    // The help context of the gate's dialog.
    std::uint32_t HelpContext() const;

    // The picture of a gate with its two flag bits; the exclusive OR has
    // no De Morgan picture.
    static int PictureFor(Gate gate, bool deMorgan, bool invertedOutput);
    // The gate a picture of the table shows, or nothing.
    static std::optional<Gate> GateOfPicture(int picture);
    // The picture the dialog switches to when the inverted-output or the
    // De Morgan check changes: the table's partner of the current one, or
    // the current one when the table has none.
    static int ToggleInvertedPicture(int picture);
    static int ToggleDeMorganPicture(int picture);

    // What the dialog writes on OK besides the inverted output: the
    // picture, the latch and the De Morgan bit.
    void ApplySettings(int picture, bool latched, bool deMorgan);

    // The inverted output is output 1: the mode bit follows it. Taking it
    // away clears the links that used it; a new one starts with output 0's
    // label and its flag bytes cleared.
    void SetOptionalConnector(ConnectorSide side, int index, bool present, bool secondOutput) override;

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void ApplySubtype(std::uint16_t mode) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;

protected:
    // The loader's form.
    explicit CLogicIcon(Gate gate);
    // The placing form: a new gate with its name, at the drop rectangle.
    CLogicIcon(const Rect& position, Gate gate, std::string_view name);

private:
    void SetLimits();

    std::uint8_t mode_ = 0;
    std::uint8_t latch_ = 0;
};

}  // namespace corvane
