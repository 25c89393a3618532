#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/common/ScalingEditor.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CVXM_7inputsIcon;

// What the three analog channel dialogs of the 7-channel module share: a
// range chosen by radio buttons (index 0 the widest, stored as 7 - index),
// the sampling setup (a speed/precision slider whose position is the
// sampling code, with the speed and resolution it gives), AC noise
// rejection (sampling code 6, which disables the setup), excitation during
// the reading and a two-point scaling edited in CEqnDlg. Nothing reaches
// the icon before OK: the mode word the derived dialog composes and the
// scaling points are written then, Cancel leaves the icon as it was.
class CVxmAnalogDialog : public CIconDialog {
public:
    static constexpr int kRangeCount = 8;
    static const std::array<int, kRangeCount> kRangeRadios;

    // The scaling dialog while it is open, else null.
    Dialog* OpenChild() const { return scalingEditor_.OpenChild(); }
    // The caption last shown.
    const std::string& CaptionText() const { return caption_; }

protected:
    CVxmAnalogDialog(const DialogTemplate& layout, CVXM_7inputsIcon& icon, std::uint32_t helpContext, Window* parent);

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

    // The range radios' exchange; one group from the first radio unless a
    // dialog splits them.
    virtual void ExchangeRange(DataExchange& exchange);
    // The whole mode word the dialog stands for.
    virtual std::uint16_t ComposeModeWord() const = 0;
    // Whether the scaling check box and its Edit button are offered.
    virtual bool ScalingOffered() const { return true; }
    // A range radio was clicked (after the controls were read).
    virtual void OnRangeChosen() {}

    // The mode bits every analog dialog writes: scaling, excitation and the
    // sampling code (6 with noise rejection).
    std::uint16_t CommonModeBits() const;
    // Shows "<kind text>Chan: <address>_<letter>" as the caption.
    void ShowChannelCaption(std::string_view kindText);
    void ShowCaption(std::string_view caption);
    void RefreshSampling();
    void RefreshScaling();

    CVXM_7inputsIcon& channel_;
    int rangeIndex_ = 0;
    int samplingCode_ = 3;
    int speed_ = 8;
    int slider_ = 3;
    int noiseReject_ = 0;
    int excitation_ = 0;
    int scaling_ = 0;
    ScalingEditor scalingEditor_;

private:
    void OnSliderReleased();
    void OnNoiseReject();
    void OnRangeClicked();
    void OnScaling();
    void EditScaling();

    std::string caption_;
};

}  // namespace corvane
