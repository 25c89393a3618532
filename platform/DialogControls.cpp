#include "platform/DialogControls.h"

#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/internal/DialogInternals.h"

#include <QAbstractScrollArea>

#include <algorithm>

namespace corvane {

Control* AddDialogControl(Dialog& dialog, const ControlTemplate& layout, Control* over, bool popup)
{
    DialogImpl* impl = &dialog.Impl();
    if (!impl->widget || !impl->open || layout.id == kIdStatic || impl->byId.contains(layout.id)
        || layout.kind == ControlKind::RadioButton)
        return nullptr;
    QWidget* parent = impl->widget.get();
    QWidget* overWidget = over != nullptr ? over->Impl().widget.data() : nullptr;
    if (overWidget != nullptr && !popup) {
        parent = overWidget;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(overWidget))
            parent = area->viewport();
    }
    std::unique_ptr<Control> control = CreateControl(dialog, *impl, layout, parent);
    QWidget* w = control ? control->Impl().widget.data() : nullptr;
    if (w == nullptr)
        return nullptr;
    if (popup) {
        w->setParent(impl->widget.get(), Qt::Tool | Qt::FramelessWindowHint);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setGeometry(layout.rect.x, layout.rect.y, layout.rect.width, layout.rect.height);
    }
    w->installEventFilter(impl->widget.get());
    for (QWidget* child : w->findChildren<QWidget*>())
        child->installEventFilter(impl->widget.get());
    if (overWidget != nullptr) {
        QWidget* before = overWidget;
        for (QWidget* made : impl->addedOver[overWidget])
            if (made != nullptr)
                before = made;
        QWidget::setTabOrder(before, w);
        impl->addedOver[overWidget].push_back(w);
    }
    if ((layout.style & control_style::kHidden) == 0) {
        w->show();
        w->raise();
    }
    Control* made = control.get();
    impl->byId[layout.id] = made;
    impl->controls.push_back(std::move(control));
    return made;
}

bool RemoveDialogControl(Dialog& dialog, int id)
{
    DialogImpl* impl = &dialog.Impl();
    const auto found = std::find_if(impl->controls.begin(), impl->controls.end(),
        [id](const std::unique_ptr<Control>& c) { return c->Id() == id; });
    if (found == impl->controls.end())
        return false;
    std::unique_ptr<Control> control = std::move(*found);
    impl->controls.erase(found);
    impl->byId.erase(id);
    if (QWidget* w = control->Impl().widget) {
        // Its signals reach the control's state, which goes now.
        for (QWidget* child : w->findChildren<QWidget*>())
            QObject::disconnect(child, nullptr, nullptr, nullptr);
        QObject::disconnect(w, nullptr, nullptr, nullptr);
        for (auto& [over, made] : impl->addedOver)
            std::erase(made, QPointer<QWidget>(w));
        w->hide();
        w->deleteLater();
    }
    return true;
}

}  // namespace corvane
