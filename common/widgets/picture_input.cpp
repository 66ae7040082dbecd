// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the picture takes from the user: the keyboard focus with its frame
// and marker, and mouse presses, moves and releases in user coordinates.
#include "common/widgets/picture.h"

#include "common/widgets/zoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace rb {

namespace {
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
    const double z = std::max(1.0, WindowZoom());
    const int frame = Zoomed(2, z);
    p.setPen(QPen(mark, frame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(frame / 2.0, frame / 2.0, -frame / 2.0, -frame / 2.0));
    const ScaleMap m = Map();
    const double arrow = 7 * z, ring = 6 * z;
    if (marker_ == Marker::Height) {
        const double y = m.ToPixelY(markerY_);
        p.setPen(QPen(mark, Zoomed(1, z), Qt::DashLine));
        p.drawLine(QPointF(0, y), QPointF(width(), y));
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        const QPointF tip[3] = {{2 * z, y - arrow}, {2 * z + 1.5 * arrow, y}, {2 * z, y + arrow}};
        p.drawPolygon(tip, 3);
    } else if (marker_ == Marker::Point) {
        const QPointF c(m.ToPixelX(markerX_), m.ToPixelY(markerY_));
        p.setPen(QPen(mark, frame));
        p.drawEllipse(c, ring, ring);
        p.drawLine(c - QPointF(2 * ring, 0), c + QPointF(2 * ring, 0));
        p.drawLine(c - QPointF(0, 2 * ring), c + QPointF(0, 2 * ring));
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
