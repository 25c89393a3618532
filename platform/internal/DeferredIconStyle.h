#pragma once

// Qt side: the application's style with its title-bar and toolbar-overflow
// icons made when first shown. Included only by platform's own .cpp files.

#include <QProxyStyle>

#include <memory>

namespace corvane::internal {

// The style the toolkit chose, unchanged, except that the standard icons of
// title-bar buttons and of the overflow buttons of menu and tool bars are
// deferred: the style reads and decodes every size of such an icon's
// pictures when it is asked for it, and each main frame, tool bar and child
// frame asks for them when it is made, while most are never shown (a
// child frame's system menu, the overflow button of a bar that fits).
class DeferredIconStyle final : public QProxyStyle {
public:
    // Wraps the style of that name (QStyle::name()).
    explicit DeferredIconStyle(const QString& baseName);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;

    // How many deferred icons have been made so far.
    int MadeIcons() const { return *made_; }

    // Makes the application's style one of these, once.
    static void Install();

private:
    // Shared with the icons, which may outlive the style.
    std::shared_ptr<int> made_;
};

}  // namespace corvane::internal
