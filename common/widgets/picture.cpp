#include "common/widgets/picture.h"

#include "common/canvas/clip.h"
#include "common/widgets/raster.h"
#include "common/widgets/units.h"
#include "common/widgets/vector_state.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
// The display's pace: at most one screen update per picture per frame.
constexpr int kFrameMs = 16;

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
QRgb ToQRgb(Color c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

int ButtonMask(Qt::MouseButtons b)
{
    int m = 0;
    if (b & Qt::LeftButton) m |= kLeftButton;
    if (b & Qt::RightButton) m |= kRightButton;
    if (b & Qt::MiddleButton) m |= kMiddleButton;
    return m;
}

int ShiftState(Qt::KeyboardModifiers k)
{
    int s = 0;
    if (k & Qt::ShiftModifier) s |= kShift;
    if (k & Qt::ControlModifier) s |= kCtrl;
    if (k & Qt::AltModifier) s |= kAlt;
    return s;
}
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
    return s ? s->logicalDotsPerInchX() : kDefaultDpi;
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
    if (!keepContent) log_.Clear(BackColor());
    map_ = Map();
    ClearUpperVectorState();
    if (shownOnce_) QueuePaint();
    update();
}

void Picture::QueuePaint()
{
    if (paintQueued_) return;
    paintQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            paintQueued_ = false;
            emit Paint();
        },
        Qt::QueuedConnection);
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

void Picture::ScaleChanged() { map_ = Map(); }

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

// --- primitives ---------------------------------------------------------

void Picture::DoClear(Color back)
{
    EnsureImage();
    EndPainting();
    image_.fill(ToQRgb(back));
    log_.Clear(back);
    ClearUpperVectorState();
    MarkDirty(QRectF(QPointF(0, 0), QSizeF(image_.size())));
}

void Picture::DoSegment(double x1, double y1, double x2, double y2, Color c, int width)
{
    EnsureImage();
    const int pen = std::max(1, int(std::lround(width * dpr_)));
    double ax = DeviceX(x1), ay = DeviceY(y1), bx = DeviceX(x2), by = DeviceY(y2);
    const double margin = pen + 2.0;
    if (!ClipSegment(ax, ay, bx, by, -margin, -margin, image_.width() + margin, image_.height() + margin))
        return;
    RasterLine(image_, ax, ay, bx, by, ToQRgb(c), pen);
    Record(DrawOp{DrawOp::Segment, Logical(ax), Logical(ay), Logical(bx), Logical(by), 0, 0, 0, false, c, width});
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
    const double size = std::max(1.0, std::round(width * dpr_));
    const double limit = 1e9;
    if (std::fabs(dx) > limit || std::fabs(dy) > limit) return;
    if (dx < -size || dy < -size || dx > image_.width() + size || dy > image_.height() + size) return;
    Record(DrawOp{DrawOp::Dot, dx / dpr_, dy / dpr_, 0, 0, 0, 0, 0, false, c, width});
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
    const double pen = std::max(1.0, std::round(width * dpr_));
    const double w = image_.width(), h = image_.height();
    // Nearest and farthest distance from the centre to the image: a circle
    // that passes entirely outside it draws nothing.
    const double nx = std::clamp(cx, 0.0, w), ny = std::clamp(cy, 0.0, h);
    const double nearest = std::hypot(cx - nx, cy - ny);
    const double farthest = std::hypot(std::max(std::fabs(cx), std::fabs(cx - w)),
                                       std::max(std::fabs(cy), std::fabs(cy - h)));
    if (rp > 1e7 || rp + pen < nearest || rp - pen > farthest) return;
    Record(DrawOp{DrawOp::Arc, Logical(cx), Logical(cy), 0, 0, rp / dpr_, start, end, full, c, width});
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

void Picture::Record(const DrawOp &op) { log_.Add(op); }

// Aliased strokes ink the pixel right of and below an exact point, as the
// toolkit's do; a vector stroke through that pixel's centre inks the same
// pixel when rendered at this size.
double Picture::Logical(double device) const { return (device + 0.5) / dpr_; }

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

// By Tab only: a mouse press leaves the focus where it was, so a mouse user
// sees the picture exactly as before.
void Picture::TakeKeyboardFocus() { setFocusPolicy(Qt::TabFocus); }

void Picture::SetMarker(Marker kind, double x, double y)
{
    marker_ = kind;
    markerX_ = x;
    markerY_ = y;
    if (hasFocus()) update();
}

// A frame in the highlight colour shows where the keys go; the marker is a
// dashed line across the picture with an arrow on the left (the light comes
// from there), or a ring with a cross.
void Picture::PaintFocus(QPainter &p) const
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor mark = palette().color(QPalette::Highlight);
    p.setPen(QPen(mark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    const ScaleMap m = Map();
    constexpr double kArrow = 7, kRing = 6;
    if (marker_ == Marker::Height) {
        const double y = m.ToPixelY(markerY_);
        p.setPen(QPen(mark, 1, Qt::DashLine));
        p.drawLine(QPointF(0, y), QPointF(width(), y));
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        const QPointF arrow[3] = {{2, y - kArrow}, {2 + 1.5 * kArrow, y}, {2, y + kArrow}};
        p.drawPolygon(arrow, 3);
    } else if (marker_ == Marker::Point) {
        const QPointF c(m.ToPixelX(markerX_), m.ToPixelY(markerY_));
        p.setPen(QPen(mark, 2));
        p.drawEllipse(c, kRing, kRing);
        p.drawLine(c - QPointF(2 * kRing, 0), c + QPointF(2 * kRing, 0));
        p.drawLine(c - QPointF(0, 2 * kRing), c + QPointF(0, 2 * kRing));
    }
}

void Picture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    map_ = Map();
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
        QueuePaint();
    }
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    pressed_ = true;
    const QPointF p = event->position();
    emit MouseDown(ButtonMask(event->button()), ShiftState(event->modifiers()),
                   map_.ToUserX(p.x()), map_.ToUserY(p.y()));
}

void Picture::keyPressEvent(QKeyEvent *event)
{
    // Keys with Ctrl or Alt belong to the window (shortcuts, menus).
    if (focusPolicy() == Qt::NoFocus || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit KeyDown(event->key(), ShiftState(event->modifiers()));
}

void Picture::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void Picture::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    emit MouseMove(ButtonMask(event->buttons()), ShiftState(event->modifiers()),
                   map_.ToUserX(p.x()), map_.ToUserY(p.y()));
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    emit MouseUp(ButtonMask(event->button()), ShiftState(event->modifiers()),
                 map_.ToUserX(p.x()), map_.ToUserY(p.y()));
    if (pressed_ && rect().contains(p.toPoint())) {
        pressed_ = false;
        emit Click();
    }
    pressed_ = false;
}

} // namespace rb
