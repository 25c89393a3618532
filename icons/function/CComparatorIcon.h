#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// The comparator and the window comparator, type code 261; the picture
// tells them apart (a stored record by its input count). The comparator's
// output is HIGH while its "+ In" value (input 0) is above its "- In" value
// (input 1); the window comparator's output takes the chosen state while
// its signal (input 1) lies between the high threshold (input 0) and the
// low threshold (input 2). Both may use hysteresis. Data inputs, one
// logic output and the enable input.
//
// Fixed part (after the 72-byte header), 6 bytes:
//   72 u16 mode: 0x8000 window comparator (set when placed), 0x2000 hysteresis on,
//      0x4000 window comparator output LOW between the thresholds (clear: HIGH)
//   74 f32 hysteresis amount
class CComparatorIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 261;
    static constexpr std::uint16_t kFixedLength = 78;
    static constexpr std::uint16_t kWindowBit = 0x8000;
    static constexpr std::uint16_t kHysteresisBit = 0x2000;
    static constexpr std::uint16_t kLowBetweenBit = 0x4000;
    // Inputs of the window comparator.
    static constexpr int kHighThreshold = 0;
    static constexpr int kSignal = 1;
    static constexpr int kLowThreshold = 2;
    // Hit codes of the inputs while a link is drawn.
    static constexpr int kHitPlusInput = 21;
    static constexpr int kHitMinusInput = 22;
    static constexpr int kHitHighThreshold = 23;
    static constexpr int kHitLowThreshold = 24;

    CComparatorIcon();
    // The placing form: the palette cell's picture picks the variant.
    CComparatorIcon(const Rect& position, int paletteBitmap);

    std::string_view ClassName() const override { return "CComparatorIcon"; }

    bool IsWindow() const;
    std::uint16_t ModeWord() const { return mode_; }
    bool UsesHysteresis() const { return (mode_ & kHysteresisBit) != 0; }
    bool IsLowBetween() const { return (mode_ & kLowBetweenBit) != 0; }
    float Hysteresis() const { return hysteresis_; }
    // What the dialogs write on OK; the other mode bits are kept.
    void SetHysteresis(bool on, float amount);
    void SetLowBetween(bool low);
    // Exchanges the links of inputs 0 and 1 (source icon and output).
    void SwapInputs();

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    std::uint16_t mode_ = 0;
    float hysteresis_ = 0.0F;
};

}  // namespace corvane
