#include "platform/internal/DeferredIconStyle.h"

#include "platform/internal/DeferredIconCheck.h"
#include "platform/internal/DeferredIconEngine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

namespace corvane::internal {
namespace {

constexpr QStyle::StandardPixmap kDeferred[] = {QStyle::SP_TitleBarMenuButton, QStyle::SP_TitleBarMinButton,
    QStyle::SP_TitleBarMaxButton, QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarNormalButton,
    QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton};

bool IsDeferred(QStyle::StandardPixmap which)
{
    return std::find(std::begin(kDeferred), std::end(kDeferred), which) != std::end(kDeferred);
}

}  // namespace

DeferredIconStyle::DeferredIconStyle(const QString& baseName) : QProxyStyle(baseName), made_(std::make_shared<int>(0))
{}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    QStyle* base = baseStyle();
    // Only a plain option can be kept whole for later; a derived one is
    // answered at once.
    if (base == nullptr || !IsDeferred(which) || (option != nullptr && option->type != QStyleOption::SO_Default))
        return QProxyStyle::standardIcon(which, option, widget);
    std::optional<QStyleOption> kept;
    if (option != nullptr)
        kept = *option;
    // The widget may be gone when the icon is made; the style then makes it
    // without one, as it does for a caller that names none.
    QPointer<QWidget> asker(const_cast<QWidget*>(widget));
    QPointer<QStyle> style(base);
    std::shared_ptr<int> made = made_;
    return QIcon(new DeferredIconEngine([style, which, kept, asker, made]() -> QIcon {
        ++*made;
        if (style.isNull())
            return {};
        return style->standardIcon(which, kept ? &*kept : nullptr, asker.data());
    }));
}

void DeferredIconStyle::Install()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    QStyle* current = QApplication::style();
    if (current == nullptr || dynamic_cast<DeferredIconStyle*>(current) != nullptr || current->name().isEmpty())
        return;
    QApplication::setStyle(new DeferredIconStyle(current->name()));
}

DeferredIconComparison CompareDeferredStandardIcons()
{
    DeferredIconComparison result;
    const auto* style = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr
        ? dynamic_cast<const DeferredIconStyle*>(QApplication::style())
        : nullptr;
    if (style == nullptr || style->baseStyle() == nullptr)
        return result;
    result.styleDefers = true;
    const QStyle& base = *style->baseStyle();
    const auto count = [&result](bool same) {
        ++result.comparisons;
        if (!same)
            ++result.differences;
    };
    for (const QStyle::StandardPixmap which : kDeferred) {
        const int madeBefore = style->MadeIcons();
        const QIcon deferred = style->standardIcon(which, nullptr, nullptr);
        const QIcon direct = base.standardIcon(which, nullptr, nullptr);
        ++result.icons;
        const bool madeLater = style->MadeIcons() == madeBefore;
        count(deferred.isNull() == direct.isNull());
        for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                count(deferred.availableSizes(mode, state) == direct.availableSizes(mode, state));
                for (const int side : {8, 13, 16, 20, 24, 32, 48, 64}) {
                    const QSize size(side, side);
                    count(deferred.actualSize(size, mode, state) == direct.actualSize(size, mode, state));
                    count(deferred.pixmap(size, mode, state).toImage() == direct.pixmap(size, mode, state).toImage());
                    QImage painted[2];
                    for (int i = 0; i < 2; ++i) {
                        painted[i] = QImage(side + 6, side + 2, QImage::Format_ARGB32_Premultiplied);
                        painted[i].fill(Qt::transparent);
                        QPainter painter(&painted[i]);
                        (i == 0 ? deferred : direct).paint(&painter, painted[i].rect(), Qt::AlignCenter, mode, state);
                    }
                    count(painted[0] == painted[1]);
                }
            }
        }
        if (madeLater && style->MadeIcons() == madeBefore + 1)
            ++result.deferredIcons;
    }
    return result;
}

}  // namespace corvane::internal
