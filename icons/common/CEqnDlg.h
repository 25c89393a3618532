#pragma once

#include "icons/common/TwoPointScaling.h"
#include "platform/Dialog.h"

#include <cstdint>

namespace corvane {

// The two-point scaling dialog: the user enters a near full-scale and a
// near zero signal level with the real-world value of each, presses
// Calculate, and reads scale m and offset b of output = m * input + b.
// The analog input channel dialogs use it to set their scaling points
// (mode 0, the label between the coefficients reads "* Input +"); the math
// dialog uses it to write a scaling term into its equation (mode 1). It
// keeps nothing after it closes: after OK the caller takes the points, the
// scale and the offset from it.
//
// Equal signal levels define no line and are refused (Calculate and OK),
// unless all four points are -1.0, which stands for "no scaling": then
// nothing is computed and the points are returned as they are.
class CEqnDlg : public Dialog {
public:
    static constexpr std::uint8_t kChannelMode = 0;
    static constexpr std::uint8_t kMathMode = 1;
    static constexpr std::uint32_t kHelpContext = 0x20000 + 311;

    // The dialog starts with m = 1 and b = 0 and the given points.
    CEqnDlg(std::uint8_t mode, const ScalingPoints& points, Window* parent = nullptr);

    // What the dialog held when it ended with OK. Scale and offset are the
    // edits' values as they stood, whether or not Calculate was pressed.
    const ScalingPoints& Points() const { return points_; }
    float Scale() const { return scale_; }
    float Offset() const { return offset_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;

private:
    void OnCalculate();
    // Computes m and b from the points; false (after telling the user) when
    // the points define no line.
    bool Calculate(bool tellUser);
    bool RefuseEqualSignals();

    float offset_ = 0.0F;
    float scale_ = 1.0F;
    ScalingPoints points_;
    std::uint8_t mode_;
};

}  // namespace corvane
