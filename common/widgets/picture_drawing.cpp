// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the picture draws: the canvas's primitives put into the retained
// image, in device pixels, and kept in the drawing log for vector output.
#include "common/widgets/picture.h"

#include "common/canvas/clip.h"
#include "common/widgets/qt_color.h"
#include "common/widgets/raster.h"
#include "common/widgets/vector_state.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace rb {

// --- primitives ---------------------------------------------------------

void Picture::DoClear(Color back)
{
    EnsureImage();
    EndPainting();
    image_.fill(ToQRgb(back));
    log_.Clear(back);
    BeginLogFrame();
    ClearUpperVectorState();
    MarkDirty(QRectF(QPointF(0, 0), QSizeF(image_.size())));
}

void Picture::DoSegment(double x1, double y1, double x2, double y2, Color c, int width)
{
    EnsureImage();
    const int pen = PenPixels(width);
    double ax = DeviceX(x1), ay = DeviceY(y1), bx = DeviceX(x2), by = DeviceY(y2);
    const double margin = pen + 2.0;
    if (!ClipSegment(ax, ay, bx, by, -margin, -margin, image_.width() + margin, image_.height() + margin))
        return;
    Record(DrawOp{.kind = DrawOp::Segment, .x1 = Logical(ax), .y1 = Logical(ay), .x2 = Logical(bx), .y2 = Logical(by),
                  .color = c, .width = width});
    InkSegment(ax, ay, bx, by, c, width);
}

void Picture::InkSegment(double ax, double ay, double bx, double by, Color c, int width)
{
    const int pen = PenPixels(width);
    RasterLine(image_, ax, ay, bx, by, ToQRgb(c), pen);
    ClearUpperVectorState();
    MarkDirty(QRectF(QPointF(std::min(ax, bx), std::min(ay, by)), QPointF(std::max(ax, bx), std::max(ay, by)))
                  .adjusted(-pen, -pen, pen, pen));
}

void Picture::FillDeviceRect(int x0, int y0, int x1, int y1, Color c)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image_.width());
    y1 = std::min(y1, image_.height());
    if (x0 >= x1 || y0 >= y1) return;
    const QRgb v = ToQRgb(c);
    uchar *bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = y0; y < y1; ++y) {
        auto *row = reinterpret_cast<QRgb *>(bits + y * stride);
        std::fill(row + x0, row + x1, v);
    }
}

void Picture::DoDot(double x, double y, Color c, int width)
{
    EnsureImage();
    const double dx = DeviceX(x), dy = DeviceY(y);
    const double size = PenPixels(width);
    const double limit = 1e9;
    if (std::fabs(dx) > limit || std::fabs(dy) > limit) return;
    if (dx < -size || dy < -size || dx > image_.width() + size || dy > image_.height() + size) return;
    Record(DrawOp{.kind = DrawOp::Dot, .x1 = dx / dpr_, .y1 = dy / dpr_, .color = c, .width = width});
    InkDot(dx, dy, c, width);
}

void Picture::InkDot(double dx, double dy, Color c, int width)
{
    const double size = PenPixels(width);
    if (width <= 2) {
        // A dot is a small square of the pen's size, written straight into
        // the image: thousands of them are drawn per curve.
        const int x0 = int(std::floor(dx - size / 2 + 0.5));
        const int y0 = int(std::floor(dy - size / 2 + 0.5));
        FillDeviceRect(x0, y0, x0 + int(size), y0 + int(size), c);
    } else {
        QPainter &p = Painter();
        p.setPen(Qt::NoPen);
        p.setBrush(ToQColor(c));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawEllipse(QPointF(dx, dy), size / 2, size / 2);
        p.setBrush(Qt::NoBrush);
    }
    ClearUpperVectorState();
    MarkDirty(QRectF(dx - size, dy - size, 2 * size, 2 * size));
}

void Picture::DoArc(double x, double y, double r, double start, double end, bool full, Color c,
                    int width)
{
    EnsureImage();
    // The radius is measured in x units; the circle is round on the screen.
    const double rp = r * std::fabs(map_.PixelsPerUnitX()) * dpr_;
    const double cx = DeviceX(x), cy = DeviceY(y);
    const double pen = PenPixels(width);
    const double w = image_.width(), h = image_.height();
    // Nearest and farthest distance from the centre to the image: a circle
    // that passes entirely outside it draws nothing.
    const double nx = std::clamp(cx, 0.0, w), ny = std::clamp(cy, 0.0, h);
    const double nearest = std::hypot(cx - nx, cy - ny);
    const double farthest = std::hypot(std::max(std::fabs(cx), std::fabs(cx - w)),
                                       std::max(std::fabs(cy), std::fabs(cy - h)));
    if (rp > 1e7 || rp + pen < nearest || rp - pen > farthest) return;
    Record(DrawOp{.kind = DrawOp::Arc, .x1 = Logical(cx), .y1 = Logical(cy), .r = rp / dpr_, .start = start,
                  .end = end, .full = full, .color = c, .width = width});
    InkArc(cx, cy, rp, start, end, full, c, width);
}

void Picture::InkArc(double cx, double cy, double rp, double start, double end, bool full, Color c, int width)
{
    const double pen = PenPixels(width);
    const double w = image_.width(), h = image_.height();
    QPainter &p = Painter();
    p.setPen(QPen(ToQColor(c), pen));
    p.setBrush(Qt::NoBrush);
    // Aliased like the lines: drawing the same arc again must leave the
    // picture as it was, and blended edge pixels would darken each time.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF box(cx - rp, cy - rp, 2 * rp, 2 * rp);
    if (full) {
        p.drawEllipse(box);
    } else {
        constexpr double kTwoPi = 6.283185307179586;
        double span = end - start;
        if (span < 0) span += kTwoPi;
        // Angles count counter-clockwise as seen, as the toolkit's do.
        p.drawArc(box, int(std::lround(start * 180.0 / M_PI * 16.0)),
                  int(std::lround(span * 180.0 / M_PI * 16.0)));
    }
    ClearUpperVectorState();
    MarkDirty(box.adjusted(-pen, -pen, pen, pen).intersected(QRectF(0, 0, w, h)));
}

void Picture::Record(const DrawOp &op)
{
    // Drawn at another size than the log's: kept in the log's pixels.
    log_.Add(frameX_ == 1.0 && frameY_ == 1.0 ? op : InFrame(op, 1.0 / frameX_, 1.0 / frameY_));
    shownLogValid_ = false;
}

// Aliased strokes ink the pixel right of and below an exact point, as the
// toolkit's do; a vector stroke through that pixel's centre inks the same
// pixel when rendered at this size.
double Picture::Logical(double device) const { return (device + 0.5) / dpr_; }

} // namespace rb
