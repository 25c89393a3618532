#include "icons/common/CEqnDlg.h"

#include "controls/FloatEdit.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/EqnDialog.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array kPointEdits{res::kIdcEqnHighReal, res::kIdcEqnLowReal, res::kIdcEqnHighSignal,
    res::kIdcEqnLowSignal};
constexpr std::array kNumberEdits{res::kIdcEqnHighSignal, res::kIdcEqnLowSignal, res::kIdcEqnHighReal,
    res::kIdcEqnLowReal, res::kIdcEqnScale, res::kIdcEqnOffset};

constexpr std::string_view kErrorCaption = "Configuration Error";
constexpr std::string_view kEqualSignalsText
    = "The High Point and Low Point signal levels must differ to define a scaling.";
constexpr std::string_view kOutOfRangeText = "The scale or offset of these points is too large.";

}  // namespace

CEqnDlg::CEqnDlg(std::uint8_t mode, const ScalingPoints& points, Window* parent)
    : Dialog(res::kEqnDialog, parent), points_(points), mode_(mode)
{
    On(Notification::Clicked, res::kIdcEqnCalculate, [this](NotifyEvent&) { OnCalculate(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

bool CEqnDlg::OnInitDialog()
{
    for (const int id : kNumberEdits)
        if (auto* edit = GetControlAs<EditControl>(id))
            FloatEdit{*edit};
    const bool result = Dialog::OnInitDialog();
    if (!points_.IsUndefined()) {
        // Stored points that define no line leave m = 1 and b = 0 shown.
        if (Calculate(false))
            UpdateData(false);
    } else {
        for (const int id : kPointEdits)
            GetControl(id)->SetText("");
    }
    if (mode_ == kChannelMode)
        GetControl(res::kIdcEqnInputLabel)->SetText("* Input +");
    return result;
}

void CEqnDlg::DoDataExchange(DataExchange& exchange)
{
    DdxFloat(exchange, res::kIdcEqnOffset, offset_);
    DdxFloat(exchange, res::kIdcEqnScale, scale_);
    DdxFloat(exchange, res::kIdcEqnHighReal, points_.y1);
    DdxFloat(exchange, res::kIdcEqnLowReal, points_.y2);
    DdxFloat(exchange, res::kIdcEqnHighSignal, points_.x1);
    DdxFloat(exchange, res::kIdcEqnLowSignal, points_.x2);
}

bool CEqnDlg::Calculate(bool tellUser)
{
    const LinearScaling line = ComputeLinearScaling(points_);
    switch (line.status) {
    case LinearScaling::Status::Defined:
        scale_ = line.scale;
        offset_ = line.offset;
        return true;
    case LinearScaling::Status::Undefined: return false;
    case LinearScaling::Status::EqualSignals:
        if (tellUser)
            return RefuseEqualSignals();
        return false;
    case LinearScaling::Status::OutOfRange: break;
    }
    if (tellUser)
        Application::Instance().Prompts().ShowMessageBox(
            {Handle(), std::string(kOutOfRangeText), std::string(kErrorCaption), MessageBoxButtons::Ok,
                MessageBoxIcon::Warning});
    return false;
}

bool CEqnDlg::RefuseEqualSignals()
{
    Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(kEqualSignalsText),
        std::string(kErrorCaption), MessageBoxButtons::Ok, MessageBoxIcon::Warning});
    if (Control* edit = GetControl(res::kIdcEqnLowSignal))
        edit->SetFocus();
    return false;
}

void CEqnDlg::OnCalculate()
{
    if (!UpdateData(true))
        return;
    if (Calculate(true))
        UpdateData(false);
}

void CEqnDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    if (ComputeLinearScaling(points_).status == LinearScaling::Status::EqualSignals) {
        RefuseEqualSignals();
        return;
    }
    EndDialog(kIdOk);
}

}  // namespace corvane
