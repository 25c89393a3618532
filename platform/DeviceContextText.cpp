// DeviceContext: text.

#include "platform/DeviceContext.h"

#include "platform/internal/DeviceContextImpl.h"

#include <QFontMetrics>
#include <QStringList>

#include <cmath>
#include <vector>

namespace corvane {

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A device length as logical units on one axis.
int ToLogicalLength(double deviceLength, double scale)
{
    const double scaled = scale == 0.0 ? deviceLength : deviceLength / std::fabs(scale);
    return static_cast<int>(std::clamp(std::floor(scaled + 0.5), 0.0, 1e9));
}

// One line of text with its box: the background is filled when opaque,
// then the text drawn on its baseline.
void PaintLine(DeviceContext::Impl& d, const QFontMetrics& metrics, QPoint topLeft, const QString& line)
{
    const int width = metrics.horizontalAdvance(line);
    const QRect box(topLeft, QSize(width, metrics.height()));
    if (!box.intersects(d.clipBounds))
        return;
    if (d.state.backgroundMode == BackgroundMode::Opaque && width > 0) {
        const std::array<QRect, 1> area{box};
        d.FillRects(area, ToQColor(d.state.backgroundColour));
    }
    d.painter.setPen(ToQColor(d.state.textColour));
    d.painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), line);
}

// Breaks one paragraph between words so that each line fits the width; a
// word wider than the width stands on a line of its own.
void WrapParagraph(const QString& paragraph, int width, const QFontMetrics& metrics, std::vector<QString>& lines)
{
    const QStringList words = paragraph.split(QLatin1Char(' '));
    const int spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    QString current;
    int currentWidth = 0;
    bool first = true;
    for (const QString& word : words) {
        const int wordWidth = metrics.horizontalAdvance(word);
        if (first) {
            current = word;
            currentWidth = wordWidth;
            first = false;
        } else if (currentWidth + spaceWidth + wordWidth <= width) {
            current += QLatin1Char(' ');
            current += word;
            currentWidth += spaceWidth + wordWidth;
        } else {
            lines.push_back(current);
            current = word;
            currentWidth = wordWidth;
        }
    }
    lines.push_back(current);
}

std::vector<QString> LayOut(const QString& text, unsigned format, int width, const QFontMetrics& metrics)
{
    std::vector<QString> lines;
    if ((format & text_format::kSingleLine) != 0) {
        QString line = text;
        line.replace(QLatin1String("\r\n"), QLatin1String(" "));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        lines.push_back(line);
    } else {
        for (QString paragraph : text.split(QLatin1Char('\n'))) {
            if (paragraph.endsWith(QLatin1Char('\r')))
                paragraph.chop(1);
            if ((format & text_format::kWordBreak) != 0)
                WrapParagraph(paragraph, width, metrics, lines);
            else
                lines.push_back(paragraph);
        }
    }
    if ((format & text_format::kEndEllipsis) != 0)
        for (QString& line : lines)
            if (metrics.horizontalAdvance(line) > width)
                line = metrics.elidedText(line, Qt::ElideRight, std::max(width, 0));
    return lines;
}

}  // namespace

void DeviceContext::TextOut(Point point, std::string_view text)
{
    Impl& d = *impl_;
    if (text.empty() || !d.CanDraw() || !d.CanMeasureText() || !d.SetMix(MixMode::CopyPen))
        return;
    const QFont font = d.DeviceFont();
    const QFontMetrics metrics(font, d.device);
    const QString line = FromUtf8(text);
    const int width = metrics.horizontalAdvance(line);
    const int referenceX = ClampCoordinate(d.ToDeviceX(point.x));
    const int referenceY = ClampCoordinate(d.ToDeviceY(point.y));
    int x = 0;
    int y = 0;
    const unsigned horizontal = d.state.textAlign & 0x06u;
    const unsigned vertical = d.state.textAlign & 0x18u;
    if (horizontal == text_align::kCenter)
        x -= width / 2;
    else if (horizontal == text_align::kRight)
        x -= width;
    if (vertical == text_align::kBaseline)
        y -= metrics.ascent();
    else if (vertical == text_align::kBottom)
        y -= metrics.height();
    d.painter.setFont(font);
    const int escapement = d.state.font.escapement % 3600;
    if (escapement == 0) {
        PaintLine(d, metrics, QPoint(referenceX + x, referenceY + y), line);
        return;
    }
    // Turned text: the box and the glyphs are laid out as for level text
    // about the reference point, then the whole turned about it.
    d.painter.save();
    d.painter.setRenderHint(QPainter::Antialiasing, d.state.antialias);
    d.painter.translate(referenceX, referenceY);
    d.painter.rotate(-escapement / 10.0);
    if (d.state.backgroundMode == BackgroundMode::Opaque && width > 0)
        d.painter.fillRect(QRect(x, y, width, metrics.height()), ToQColor(d.state.backgroundColour));
    d.painter.setPen(ToQColor(d.state.textColour));
    d.painter.drawText(QPoint(x, y + metrics.ascent()), line);
    d.painter.restore();
}

int DeviceContext::DrawText(Rect& rect, std::string_view text, unsigned format)
{
    Impl& d = *impl_;
    if (!d.CanMeasureText())
        return 0;
    const QFont font = d.DeviceFont();
    const QFontMetrics metrics(font, d.device);
    const Rect box = Rect{ClampCoordinate(d.ToDeviceX(rect.left)), ClampCoordinate(d.ToDeviceY(rect.top)),
        ClampCoordinate(d.ToDeviceX(rect.right)), ClampCoordinate(d.ToDeviceY(rect.bottom))}
                         .Normalized();
    const std::vector<QString> lines
        = text.empty() ? std::vector<QString>{} : LayOut(FromUtf8(text), format, box.Width(), metrics);
    const int lineHeight = metrics.height();
    const std::int64_t textHeight = static_cast<std::int64_t>(lines.size()) * lineHeight;
    const int logicalHeight = ToLogicalLength(static_cast<double>(textHeight), d.ScaleY());

    if ((format & text_format::kCalcRect) != 0) {
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        rect.right = static_cast<int>(std::clamp<std::int64_t>(
            std::int64_t{rect.left} + ToLogicalLength(widest, d.ScaleX()), INT32_MIN, INT32_MAX));
        rect.bottom
            = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{rect.top} + logicalHeight, INT32_MIN, INT32_MAX));
        return logicalHeight;
    }
    if (lines.empty() || !d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return logicalHeight;

    std::int64_t y = box.top;
    if ((format & text_format::kSingleLine) != 0) {
        if ((format & text_format::kVCenter) != 0)
            y += (box.Height() - textHeight) / 2;
        else if ((format & text_format::kBottom) != 0)
            y = box.bottom - textHeight;
    }
    const bool clip = (format & text_format::kNoClip) == 0;
    d.painter.save();
    if (clip)
        d.painter.setClipRect(ToQRect(box), Qt::IntersectClip);
    d.painter.setFont(font);
    for (const QString& line : lines) {
        if (y > d.clipBounds.bottom())
            break;
        if (y + lineHeight > d.clipBounds.top()) {
            const int width = metrics.horizontalAdvance(line);
            std::int64_t x = box.left;
            if ((format & text_format::kRight) != 0)
                x = std::int64_t{box.right} - width;
            else if ((format & text_format::kCenter) != 0)
                x += (std::int64_t{box.Width()} - width) / 2;
            PaintLine(d, metrics, QPoint(ClampCoordinate(x), ClampCoordinate(y)), line);
        }
        y += lineHeight;
    }
    d.painter.restore();
    return logicalHeight;
}

Size DeviceContext::TextExtent(std::string_view text) const
{
    const Impl& d = *impl_;
    if (!d.CanMeasureText())
        return {};
    const QFontMetrics metrics(d.DeviceFont(), d.device);
    const int width = text.empty() ? 0 : metrics.horizontalAdvance(FromUtf8(text));
    return {ToLogicalLength(width, d.ScaleX()), ToLogicalLength(metrics.height(), d.ScaleY())};
}

FontMetrics DeviceContext::Metrics() const
{
    const Impl& d = *impl_;
    if (!d.CanMeasureText())
        return {};
    const QFontMetrics metrics(d.DeviceFont(), d.device);
    const double scaleX = d.ScaleX();
    const double scaleY = d.ScaleY();
    FontMetrics result;
    result.ascent = ToLogicalLength(metrics.ascent(), scaleY);
    result.descent = ToLogicalLength(metrics.descent(), scaleY);
    result.height = result.ascent + result.descent;
    result.averageCharWidth = ToLogicalLength(metrics.averageCharWidth(), scaleX);
    result.externalLeading = ToLogicalLength(std::max(metrics.leading(), 0), scaleY);
    return result;
}

}  // namespace corvane
