#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// The R-S flip-flop, type code 257 with bit 0x1000 of its mode word clear:
// its output latches HIGH on its SET input (input 0, at the top) and LOW
// on its RESET input (input 1), by level or by transition. Logic inputs
// and output; no special inputs.
//
// Fixed part (after the 72-byte header), 2 bytes:
//   72 u16 mode: 0x8000 SET acts on HIGH (clear: LOW), 0x4000 RESET acts on
//      HIGH, 0x2000 both asserted forces HIGH (clear: LOW), 0x0800 edge-based
//      (clear: level-based); 0x1000 always clear
class CFlipFlopIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 257;
    static constexpr std::uint16_t kFixedLength = 74;
    static constexpr std::uint16_t kSetHigh = 0x8000;
    static constexpr std::uint16_t kResetHigh = 0x4000;
    static constexpr std::uint16_t kBothHigh = 0x2000;
    static constexpr std::uint16_t kEdgeBased = 0x0800;
    static constexpr std::uint16_t kPlacedMode = kSetHigh | kResetHigh;
    static constexpr int kSetInput = 0;
    static constexpr int kResetInput = 1;
    // Hit codes of the two inputs while a link is drawn.
    static constexpr int kHitSetInput = 25;
    static constexpr int kHitResetInput = 26;
    // Added to the connection check's flags when SET has no source.
    static constexpr int kMissingSetInput = 0x80;

    CFlipFlopIcon();
    explicit CFlipFlopIcon(const Rect& position);

    std::string_view ClassName() const override { return "CFlipFlopIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    // Sets the four choices, keeping the other bits.
    void SetChoices(bool setHigh, bool resetHigh, bool bothHigh, bool edgeBased);

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    std::uint16_t mode_ = 0;
};

}  // namespace corvane
