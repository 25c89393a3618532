#include "platform/SliderControl.h"

#include "platform/internal/DialogInternals.h"

#include <QSlider>

#include <algorithm>

namespace corvane {

namespace {

QSlider* Slider(const Control& c) { return qobject_cast<QSlider*>(c.Impl().widget.data()); }

// Ticks every frequency positions; 0 for ticks at the ends only.
void ShowTicks(QSlider& slider, int frequency)
{
    const int span = std::max(1, slider.maximum() - slider.minimum());
    slider.setTickInterval(frequency > 0 ? frequency : span);
}

}  // namespace

void SliderControl::SetRange(int minimum, int maximum)
{
    QSlider* slider = Slider(*this);
    if (slider == nullptr)
        return;
    ProgrammaticChange change(Impl());
    slider->setRange(std::min(minimum, maximum), std::max(minimum, maximum));
    ShowTicks(*slider, ticFrequency_);
}

int SliderControl::GetRangeMin() const
{
    QSlider* slider = Slider(*this);
    return slider != nullptr ? slider->minimum() : 0;
}

int SliderControl::GetRangeMax() const
{
    QSlider* slider = Slider(*this);
    return slider != nullptr ? slider->maximum() : 0;
}

void SliderControl::SetPos(int position)
{
    if (QSlider* slider = Slider(*this)) {
        ProgrammaticChange change(Impl());
        slider->setValue(position);
    }
}

int SliderControl::GetPos() const
{
    QSlider* slider = Slider(*this);
    return slider != nullptr ? slider->value() : 0;
}

void SliderControl::SetTicFreq(int frequency)
{
    ticFrequency_ = std::max(0, frequency);
    if (QSlider* slider = Slider(*this))
        ShowTicks(*slider, ticFrequency_);
}

int SliderControl::SetPageSize(int size)
{
    QSlider* slider = Slider(*this);
    if (slider == nullptr)
        return 0;
    const int previous = slider->pageStep();
    slider->setPageStep(std::max(1, size));
    return previous;
}

int SliderControl::GetPageSize() const
{
    QSlider* slider = Slider(*this);
    return slider != nullptr ? slider->pageStep() : 0;
}

int SliderControl::SetLineSize(int size)
{
    QSlider* slider = Slider(*this);
    if (slider == nullptr)
        return 0;
    const int previous = slider->singleStep();
    slider->setSingleStep(std::max(1, size));
    return previous;
}

int SliderControl::GetLineSize() const
{
    QSlider* slider = Slider(*this);
    return slider != nullptr ? slider->singleStep() : 0;
}

}  // namespace corvane
