#pragma once

// Qt side: an icon whose pictures are made when first asked for.
// Included only by platform's own .cpp files.

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <optional>

namespace corvane::internal {

// Stands for the icon its maker gives, made the first time a picture, a size
// or a change of it is asked for, and answers every question as that icon
// would. Only icons that are known to have pictures are deferred this way:
// the engine says it is not null without making the icon.
class DeferredIconEngine final : public QIconEngine {
public:
    using Maker = std::function<QIcon()>;

    explicit DeferredIconEngine(Maker maker);
    ~DeferredIconEngine() override;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override { return false; }

private:
    DeferredIconEngine(const DeferredIconEngine& other) = default;

    QIcon& Icon();

    Maker maker_;
    std::optional<QIcon> icon_;
};

}  // namespace corvane::internal
