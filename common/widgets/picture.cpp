// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The picture as a surface: its child controls, the retained image at the
// screen's pixel ratio, and the pacing of screen updates.
#include "common/widgets/picture.h"

#include "common/widgets/qt_color.h"
#include "common/widgets/units.h"
#include "common/widgets/vector_state.h"
#include "common/widgets/zoom.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
// The display's pace: at most one screen update per picture per frame.
constexpr int kFrameMs = 16;
} // namespace

Picture::Picture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // moves arrive with no button held too
    SetForeColor(kWindowText);
    SetBackColor(kWindowBackground);
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, &Picture::FlushDirty);
    sinceFlush_.start();
}

Picture::~Picture() { EndPainting(); }

double Picture::LogicalDpi() const
{
    const QScreen *s = screen();
    return (s ? s->logicalDotsPerInchX() : kDefaultDpi) * Zoom();
}

// --- the zoom of pens ---------------------------------------------------

double Picture::OwnZoom() const { return Zoom(); }

double Picture::WindowZoom() const
{
    const auto *w = qobject_cast<const Picture *>(window());
    return w ? w->OwnZoom() : Zoom();
}

void Picture::SetPensFollowZoom(bool follow)
{
    pensFollowZoom_ = follow;
    penZoom_ = PenZoom();
}

void Picture::SetZoomedLinesApart(double unitsX)
{
    linesApart_ = unitsX;
}

double Picture::PenZoom() const { return pensFollowZoom_ ? std::max(1.0, WindowZoom()) : 1.0; }

int Picture::PenPixels(int width) const
{
    const int base = std::max(1, int(std::lround(width * dpr_)));
    if (penZoom_ <= 1.0) return base;
    int zoomed = int(std::ceil(width * dpr_ * penZoom_ - kPenRoundDown));
    // Lines that stand a fixed distance apart widen only while a pixel of
    // the background stays between them.
    if (linesApart_ > 0)
        zoomed = std::min(zoomed, int(std::floor(linesApart_ * std::fabs(map_.PixelsPerUnitX()) * dpr_)) - 1);
    return std::max(base, zoomed);
}

// --- placement of child controls ----------------------------------------

void Picture::Place(QWidget *child, double left, double top, double w, double h) const
{
    // left/top give the user position of the control's top-left corner as
    // seen; width and height extend right and down on the screen, whichever
    // way the user axes grow.
    // Both edges are rounded, so controls that meet in the design meet on
    // the screen, without a gap or a pixel's overlap.
    const ScaleMap m = Map();
    const double px = m.ToPixelX(left), py = m.ToPixelY(top);
    const int x = int(std::lround(px)), y = int(std::lround(py));
    const int r = int(std::lround(px + std::fabs(w * m.PixelsPerUnitX())));
    const int b = int(std::lround(py + std::fabs(h * m.PixelsPerUnitY())));
    child->setGeometry(x, y, std::max(1, r - x), std::max(1, b - y));
}

void Picture::Move(QWidget *child, double left, double top) const
{
    const ScaleMap m = Map();
    child->move(int(std::lround(m.ToPixelX(left))), int(std::lround(m.ToPixelY(top))));
}

double Picture::ChildLeft(const QWidget *child) const { return Map().ToUserX(child->x()); }
double Picture::ChildTop(const QWidget *child) const { return Map().ToUserY(child->y()); }
double Picture::ChildWidth(const QWidget *child) const
{
    return std::fabs(child->width() / Map().PixelsPerUnitX());
}
double Picture::ChildHeight(const QWidget *child) const
{
    return std::fabs(child->height() / Map().PixelsPerUnitY());
}

// --- the retained image -------------------------------------------------

const QImage &Picture::Image()
{
    EnsureImage();
    return image_;
}

void Picture::EnsureImage()
{
    // Drawing calls come by the hundred thousand: only the logical size is
    // compared here. A new pixel ratio is noticed by CheckPixelRatio() when
    // the widget is shown, painted or moved to another screen.
    if (!image_.isNull() && imageSize_ == size()) return;
    CheckPixelRatio(true);
}

void Picture::CheckPixelRatio(bool sizeChanged)
{
    const double dpr = devicePixelRatioF();
    if (!image_.isNull() && !sizeChanged && imageSize_ == size() && dpr == dpr_) return;
    const bool sameLogicalSize = !image_.isNull() && imageSize_ == size();
    dpr_ = dpr;
    imageSize_ = size();
    RebuildImage(sameLogicalSize);
}

void Picture::RebuildImage(bool keepContent)
{
    EndPainting();
    const QSize size(std::max(1, int(std::ceil(width() * dpr_))), std::max(1, int(std::ceil(height() * dpr_))));
    QImage fresh(size, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(dpr_);
    fresh.fill(ToQRgb(BackColor()));
    if (keepContent && !image_.isNull()) {
        // Only the pixel ratio changed: keep what was drawn until the
        // Paint handler has drawn it again at the new resolution.
        QPainter p(&fresh);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(size) / dpr_), image_);
    }
    image_ = fresh;
    // While the window is laid out for a new zoom the log is kept: the
    // drawing is put back into the image once the layout is done.
    if (!keepContent && !heldForZoom_) {
        log_.Clear(BackColor());
        BeginLogFrame();
    }
    map_ = Map();
    UpdateFrame();
    penZoom_ = PenZoom();
    ClearUpperVectorState();
    if (shownOnce_ && !heldForZoom_) queuedPaint_.Request();
    update();
}

QPainter &Picture::Painter()
{
    EnsureImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->resetTransform(); // draw in device pixels
        painter_->setWorldTransform(QTransform::fromScale(1.0 / dpr_, 1.0 / dpr_));
    }
    return *painter_;
}

void Picture::EndPainting()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

double Picture::DeviceX(double x) const { return map_.ToPixelX(x) * dpr_; }
double Picture::DeviceY(double y) const { return map_.ToPixelY(y) * dpr_; }

void Picture::ScaleChanged()
{
    map_ = Map();
    UpdateFrame();
}

// --- repaint pacing -----------------------------------------------------

void Picture::MarkDirty(const QRectF &deviceRect)
{
    const QRect logical = QRectF(deviceRect.topLeft() / dpr_, deviceRect.size() / dpr_)
                              .toAlignedRect()
                              .adjusted(-1, -1, 1, 1)
                              .intersected(rect());
    if (logical.isEmpty()) return;
    dirty_ |= logical;
    if (!pace_.isActive()) {
        const qint64 since = sinceFlush_.elapsed();
        pace_.start(since >= kFrameMs ? 0 : int(kFrameMs - since));
    }
}

void Picture::FlushDirty()
{
    if (!dirty_.isEmpty()) update(dirty_);
    dirty_ = QRect();
    sinceFlush_.restart();
}

void Picture::FlushNow()
{
    pace_.stop();
    FlushDirty();
}

// --- toolkit events -----------------------------------------------------

void Picture::paintEvent(QPaintEvent *event)
{
    CheckPixelRatio(false);
    QPainter p(this);
    const QRect r = event->rect();
    const QRectF src(QPointF(r.topLeft()) * dpr_, QSizeF(r.size()) * dpr_);
    p.drawImage(QRectF(r), image_, src);
    if (hasFocus()) PaintFocus(p);
    ClearUpperVectorState();
}

void Picture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    map_ = Map();
    UpdateFrame();
    if (!image_.isNull()) EnsureImage();
}

void Picture::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ScreenChangeInternal && !image_.isNull()) CheckPixelRatio(false);
}

void Picture::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CheckPixelRatio(false);
    if (!shownOnce_) {
        shownOnce_ = true;
        queuedPaint_.Request();
    }
}

} // namespace rb
