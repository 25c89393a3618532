#include "platform/InputPressWatch.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace corvane {

namespace {

class PressFilter final : public QObject {
public:
    explicit PressFilter(std::function<bool()> onPress) : onPress_(std::move(onPress)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            // A press reaches the toolkit's top-level window first and then
            // the widget it is for; only the widget's copy counts.
            return qobject_cast<QWidget*>(watched) != nullptr && onPress_ && onPress_();
        default: return false;
        }
    }

private:
    std::function<bool()> onPress_;
};

}  // namespace

struct InputPressWatch::Impl {
    explicit Impl(std::function<bool()> onPress) : filter(std::move(onPress)) {}
    PressFilter filter;
};

InputPressWatch::InputPressWatch(std::function<bool()> onPress) : impl_(std::make_unique<Impl>(std::move(onPress)))
{
    if (qApp != nullptr)
        qApp->installEventFilter(&impl_->filter);
}

InputPressWatch::~InputPressWatch()
{
    if (qApp != nullptr)
        qApp->removeEventFilter(&impl_->filter);
}

}  // namespace corvane
