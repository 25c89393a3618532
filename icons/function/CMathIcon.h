#pragma once

#include "icons/common/TwoPointScaling.h"
#include "icons/function/CFunctionIcon.h"
#include "icons/math/MathCompileResult.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class SettingsStore;

// The longest equation text the math icon keeps and its dialog takes, in bytes.
inline constexpr std::size_t kMathEquationLimit = 100;

// The math icon: one data output computed from up to four data inputs, W,
// X, Y and Z (top to bottom), by an equation the user types. The dialog
// compiles the equation and the icon keeps both the text and the compiled
// math byte code, so that the logger needs no compiler. The header always
// counts 4 inputs.
//
// Record (offsets from the record start):
//   72 u16 output-when mask: 0x2000 W updated, 0x8000 X, 0x4000 Y,
//      0x1000 Z, 0xF000 any input updated
//   74 u16 reserved, 0xFFFF
//   76 4 x 8 input links W, X, Y, Z;  108 the output entry
//   120 u16 code length L (even, at most 128), then L bytes of code, the
//      last one a pad 0 when the code's own length is odd
//   122 + L u16 text length T (the text, its NUL and a pad 0 to even; at
//      most 102), then T bytes of text
// A stored L above 128 or odd, or a T above 102, refuses the record.
class CMathIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 273;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr int kInputCount = 4;
    // Output-when mask values.
    static constexpr std::uint16_t kWhenW = 0x2000;
    static constexpr std::uint16_t kWhenX = 0x8000;
    static constexpr std::uint16_t kWhenY = 0x4000;
    static constexpr std::uint16_t kWhenZ = 0x1000;
    static constexpr std::uint16_t kWhenAny = 0xF000;
    static constexpr std::uint16_t kReservedWord = 0xFFFF;
    // The most tail bytes of code and of text.
    static constexpr std::size_t kCodeFieldLimit = kMathCodeCapacity;
    static constexpr std::size_t kTextFieldLimit = 102;
    // Hit codes of the inputs W, X, Y, Z while a link is drawn.
    static constexpr int kHitFirstInput = 27;

    CMathIcon();
    explicit CMathIcon(const Rect& position);

    std::string_view ClassName() const override { return "CMathIcon"; }

    std::uint16_t OutputWhen() const { return outputWhen_; }
    void SetOutputWhen(std::uint16_t mask) { outputWhen_ = mask; }
    // The equation, Windows-1252, at most 100 bytes.
    const std::string& Equation() const { return equation_; }
    // Keeps at most 100 bytes, up to a 0 byte.
    void SetEquation(std::string_view text);
    // The compiled code as stored (with a pad byte when it came from a record).
    std::span<const std::uint8_t> Code() const { return std::span(code_).first(codeLength_); }
    // Keeps at most 128 bytes of compiled code.
    void SetCode(std::span<const std::uint8_t> code);
    // The two-point scaling the Generate Equation dialog last used (not stored).
    const ScalingPoints& Scaling() const { return scaling_; }
    void SetScaling(const ScalingPoints& points) { scaling_ = points; }
    // Where the function library lives; without one the dialog offers no
    // library. The store must outlive the icon.
    SettingsStore* LibraryStore() const { return libraryStore_; }
    void SetLibraryStore(SettingsStore* store) { libraryStore_ = store; }

    // Exchanges the links (source icon and output) of inputs X and Y.
    void SwapInputsXY();
    // The first of W, X, Y, Z (0 to 3) that the equation uses while its
    // input has no source, or -1. Letters of function names do not count.
    int FirstUnconnectedVariable() const;
    // The connection check; warns once about a variable without a source.
    int CheckEquationInputs(bool& isolated) const;

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override { return CheckEquationInputs(isolated); }
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t outputWhen_ = kWhenAny;
    std::uint16_t reserved_ = kReservedWord;
    std::string equation_;
    std::array<std::uint8_t, kMathCodeCapacity + 1> code_{};  // a 0 byte after the code
    std::size_t codeLength_ = 0;
    ScalingPoints scaling_;
    SettingsStore* libraryStore_ = nullptr;
};

}  // namespace corvane
