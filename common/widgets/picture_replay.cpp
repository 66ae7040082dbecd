// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The picture across a change of zoom: what it showed is drawn again from
// its drawing log at the new size, with the pens of the new zoom, as a fresh
// drawing at that zoom would give; a picture whose log was too long to keep
// has its image scaled smoothly instead.
#include "common/widgets/picture.h"

#include "common/canvas/clip.h"
#include "common/widgets/qt_color.h"
#include "common/widgets/vector_state.h"

#include <QPainter>

namespace rb {

void Picture::BeginLogFrame()
{
    logSize_ = QSizeF(size());
    logDpi_ = LogicalDpi();
    frameX_ = frameY_ = 1.0;
    shownLogValid_ = false;
}

void Picture::UpdateFrame()
{
    double fx = 1.0, fy = 1.0;
    if (logSize_.width() > 0 && logSize_.height() > 0 && logDpi_ > 0) {
        // A user scale spans the picture: its pixels follow the picture's
        // size. The default unit, an inch's fraction, follows the zoom.
        if (HasUserScale()) {
            fx = width() / logSize_.width();
            fy = height() / logSize_.height();
        } else {
            fx = fy = LogicalDpi() / logDpi_;
        }
    }
    if (fx != frameX_ || fy != frameY_) shownLogValid_ = false;
    frameX_ = fx;
    frameY_ = fy;
}

// An operation moved from one frame of logical pixels to another that is
// fx, fy times as large. Lines and arcs are logged through the centre of
// the device pixel they ink (see Logical()); that half pixel stays put.
DrawOp Picture::InFrame(const DrawOp &op, double fx, double fy) const
{
    DrawOp o = op;
    const double half = op.kind == DrawOp::Dot ? 0.0 : 0.5;
    const auto move = [&](double v, double f) { return ((v * dpr_ - half) * f + half) / dpr_; };
    o.x1 = move(op.x1, fx);
    o.y1 = move(op.y1, fy);
    if (op.kind == DrawOp::Segment) {
        o.x2 = move(op.x2, fx);
        o.y2 = move(op.y2, fy);
    }
    o.r = op.r * fx;
    return o;
}

const DrawLog &Picture::Log() const
{
    if ((frameX_ == 1.0 && frameY_ == 1.0) || log_.Overflowed()) return log_;
    if (!shownLogValid_) {
        shownLog_.Clear(log_.Background());
        for (const DrawOp &op : log_.Ops()) shownLog_.Add(InFrame(op, frameX_, frameY_));
        shownLogValid_ = true;
    }
    return shownLog_;
}

void Picture::HoldForZoom()
{
    if (image_.isNull()) return;
    heldForZoom_ = true;
    heldImage_ = image_;
}

void Picture::RefreshZoom()
{
    const double z = PenZoom();
    if (!heldForZoom_ && z == penZoom_) return;
    if (!image_.isNull()) {
        EnsureImage(); // a size the layout set while the widget was hidden
        penZoom_ = z;
        Replay();
    }
    penZoom_ = z;
    heldForZoom_ = false;
    heldImage_ = QImage();
    update();
}

void Picture::Replay()
{
    EndPainting();
    map_ = Map();
    UpdateFrame();
    const QImage before = heldImage_.isNull() ? image_ : heldImage_;
    image_.fill(ToQRgb(log_.Background()));
    if (log_.Overflowed()) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) / dpr_), before);
    } else {
        const double fx = frameX_, fy = frameY_;
        const bool same = fx == 1.0 && fy == 1.0;
        const double w = image_.width(), h = image_.height();
        for (const DrawOp &logged : log_.Ops()) {
            const DrawOp op = same ? logged : InFrame(logged, fx, fy);
            const double ax = op.x1 * dpr_, ay = op.y1 * dpr_;
            switch (op.kind) {
            case DrawOp::Segment: {
                double x1 = ax - 0.5, y1 = ay - 0.5, x2 = op.x2 * dpr_ - 0.5, y2 = op.y2 * dpr_ - 0.5;
                // Clipped as a fresh drawing clips; a line already inside
                // is left exactly as it was drawn.
                const double m = PenPixels(op.width) + 2.0;
                const auto inside = [&](double x, double y) { return x >= -m && y >= -m && x <= w + m && y <= h + m; };
                if ((inside(x1, y1) && inside(x2, y2)) || ClipSegment(x1, y1, x2, y2, -m, -m, w + m, h + m))
                    InkSegment(x1, y1, x2, y2, op.color, op.width);
                break;
            }
            case DrawOp::Dot: InkDot(ax, ay, op.color, op.width); break;
            case DrawOp::Arc:
                InkArc(ax - 0.5, ay - 0.5, op.r * dpr_, op.start, op.end, op.full, op.color, op.width);
                break;
            case DrawOp::Clear: break;
            }
        }
        EndPainting();
    }
    shownLogValid_ = false;
    ClearUpperVectorState();
    MarkDirty(QRectF(0, 0, image_.width(), image_.height()));
}

} // namespace rb
