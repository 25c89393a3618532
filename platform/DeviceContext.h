#pragma once

#include "platform/Bitmap.h"
#include "platform/DrawingTypes.h"
#include "platform/Geometry.h"
#include "platform/Region.h"

#include <memory>
#include <span>
#include <string_view>

namespace corvane {

// Draws on a surface: a window being painted, a memory bitmap, a printed
// page. Coordinates given to drawing calls are logical units, mapped to
// device pixels by the mapping mode, window and viewport (see SetMapMode).
// Texts are UTF-8. The selected pen, brush and font are values: Select...
// copies the new one in and returns the one it replaces.
//
// Contexts for windows and pages are made by the platform and handed to
// the code that draws; MemoryContext makes one over a Bitmap.
class DeviceContext {
public:
    virtual ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // --- Tools and modes
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    FontSpec SelectFont(const FontSpec& font);
    const Pen& CurrentPen() const;
    const Brush& CurrentBrush() const;
    const FontSpec& CurrentFont() const;
    RgbColour SetTextColour(RgbColour colour);
    RgbColour SetBackgroundColour(RgbColour colour);
    BackgroundMode SetBackgroundMode(BackgroundMode mode);
    MixMode SetMixMode(MixMode mode);
    // Where hatch patterns start, in device pixels.
    Point SetBrushOrigin(Point origin);

    // --- Lines and shapes: outlined with the pen, filled with the brush
    Point MoveTo(Point point);  // returns the previous current position
    void LineTo(Point point);   // from the current position; the end pixel is not drawn
    void Polyline(std::span<const Point> points);
    void Rectangle(const Rect& rect);
    void RoundRect(const Rect& rect, Size corner);
    void Ellipse(const Rect& rect);
    void Polygon(std::span<const Point> points, Region::FillRule rule = Region::FillRule::Alternate);

    // --- Areas, ignoring the selected pen and brush
    void FillRect(const Rect& rect, const Brush& brush);
    void FrameRect(const Rect& rect, const Brush& brush);  // one device pixel wide
    void InvertRect(const Rect& rect);
    // A dotted rectangle drawn by inverting: drawing it twice restores.
    void DrawFocusRect(const Rect& rect);
    void FillRegion(const Region& region, const Brush& brush);  // region in device pixels
    void FrameRegion(const Region& region, const Brush& brush, Size thickness);
    RgbColour PixelAt(Point point) const;  // black outside the surface
    void SetPixel(Point point, RgbColour colour);

    // --- Text, in the selected font and text colour; with an opaque
    // background the text's box is first filled with the background colour.
    unsigned SetTextAlign(unsigned textAlign);  // text_align flags
    void TextOut(Point point, std::string_view text);
    // Lays the text out in the rectangle; returns the height of the text.
    // With text_format::kCalcRect nothing is drawn and rect grows to fit.
    int DrawText(Rect& rect, std::string_view text, unsigned format);
    Size TextExtent(std::string_view text) const;  // logical units
    FontMetrics Metrics() const;

    // --- Clipping, in logical units; a new context clips to its surface.
    void SelectClipRegion(const Region& deviceRegion);  // replaces the clip
    void IntersectClipRect(const Rect& rect);
    void ExcludeClipRect(const Rect& rect);
    void ResetClip();
    Rect ClipBox() const;  // the bounding box of the visible area, logical

    // --- Block copies. The destination rectangle is logical, the source
    // pixels are the bitmap's own.
    void CopyBitmap(Point destination, const Bitmap& source, const Rect& sourceRect,
        RasterOp op = RasterOp::SourceCopy);
    void StretchBitmap(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
        RasterOp op = RasterOp::SourceCopy);
    // Copies the pixels whose colour is not the key colour.
    void CopyBitmapColourKey(const Rect& destination, const Bitmap& source, const Rect& sourceRect, RgbColour key);
    // Copies the pixels where the mask (same size as the source) is black;
    // where the mask is white the destination stays.
    void CopyBitmapMasked(Point destination, const Bitmap& source, const Bitmap& mask, const Rect& sourceRect);
    // Applies a raster operation with no source (DestInvert, Blackness,
    // Whiteness) or with the selected brush as source (SourceCopy paints it).
    void PatternBlt(const Rect& rect, RasterOp op);

    // --- Mapping
    MapMode SetMapMode(MapMode mode);
    MapMode CurrentMapMode() const;
    Point SetWindowOrigin(Point origin);
    Size SetWindowExtent(Size extent);  // ignored in Text mode
    Point SetViewportOrigin(Point origin);
    Size SetViewportExtent(Size extent);  // ignored in Text mode; Isotropic keeps the aspect
    Point OffsetViewportOrigin(int dx, int dy);
    Point WindowOrigin() const;
    Point ViewportOrigin() const;
    Size WindowExtent() const;
    Size ViewportExtent() const;
    Point LogicalToDevice(Point point) const;
    Rect LogicalToDevice(const Rect& rect) const;
    Point DeviceToLogical(Point point) const;
    Rect DeviceToLogical(const Rect& rect) const;

    // --- Saving and restoring all of the above
    int Save();
    void Restore(int saved);  // -1 restores the latest save

    // --- The surface
    Size SurfaceSize() const;      // device pixels
    Size PixelsPerInch() const;    // 96 by 96 for screens and bitmaps
    bool IsPrinting() const;

    // --- Smooth drawing. With antialiasing on, lines, shapes, arcs and
    // text edges blend into what lies below (in the CopyPen mix); with it
    // off (the default) every call draws whole pixels as described above.
    bool SetAntialiasing(bool on);  // returns the previous setting; kept by Save
    bool Antialiasing() const;
    // The curves of the ellipse in box, counter-clockwise from where the
    // line from the box's centre to start meets it to where the line to end
    // does (the whole ellipse when both lines coincide). Arc outlines the
    // curve with the pen; Pie closes it with both radii and Chord with the
    // straight line between its ends, and both fill with the brush.
    void Arc(const Rect& box, Point start, Point end);
    void Pie(const Rect& box, Point start, Point end);
    void Chord(const Rect& box, Point start, Point end);
    // A line through points between whole units, with the pen.
    void PolylineF(std::span<const PointF> points);

    // For the platform's own code.
    struct Impl;
    Impl& Data() const { return *impl_; }

protected:
    explicit DeviceContext(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

// Draws into a bitmap, which must outlive the context; the bitmap holds
// what was drawn once the context is gone (or after Flush).
class MemoryContext : public DeviceContext {
public:
    explicit MemoryContext(Bitmap& target);
    ~MemoryContext() override;
    void Flush();
};

}  // namespace corvane
