// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/scroll_bar.h"

#include "common/widgets/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace rb {

namespace {
// One notch of a mouse wheel, in the units of QWheelEvent::angleDelta.
constexpr int kNotch = 120;
// Width of the focus frame, in logical pixels.
constexpr int kFocusFrame = 2;
} // namespace

ScrollBar::ScrollBar(Qt::Orientation o, QWidget *parent) : QScrollBar(o, parent)
{
    // The toolkit leaves scroll bars out of the focus chain; these are the
    // only way to set their values, so they must be reachable by keyboard.
    setFocusPolicy(Qt::StrongFocus);
}

// Keys and wheel are handled here rather than by the toolkit: its single
// "inverted controls" switch turns Left/Right and Up/Down/Page keys and the
// wheel all at once, and no setting of it suits a horizontal bar. Here the
// keys pointing towards the end (Right, Down, Page Down, End) move towards
// Max, the others towards Min, on either kind of bar.
void ScrollBar::keyPressEvent(QKeyEvent *e)
{
    SliderAction action = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(e); return;
    }
    triggerAction(action);
    e->accept();
}

bool ScrollBar::event(QEvent *e)
{
    if (e->type() == QEvent::Wheel) {
        Wheel(static_cast<QWheelEvent *>(e));
        return true;
    }
    return QScrollBar::event(e);
}

// Turning the wheel down (towards the user) moves the thumb down on a
// vertical bar and to the right on a horizontal one, as scroll views do. A
// notch moves as many small steps as the desktop's wheel setting says, at
// most a large step; with Ctrl or Shift it moves a large step.
void ScrollBar::Wheel(QWheelEvent *e)
{
    const QPoint d = e->angleDelta();
    // A tilted wheel or a sideways swipe reports x; left is positive.
    wheelRest_ += d.y() != 0 ? d.y() : d.x();
    const int notches = wheelRest_ / kNotch;
    wheelRest_ -= notches * kNotch;
    if (notches == 0) {
        e->accept();
        return;
    }
    const bool byPage = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const int perNotch = byPage ? pageStep()
                                : std::min(pageStep(), std::max(1, QApplication::wheelScrollLines()) * singleStep());
    const int to = std::clamp(value() - notches * perNotch, minimum(), maximum());
    const bool moved = to != value();
    setValue(to);
    e->setAccepted(moved);
}

void SetPageJump(QScrollBar *bar, int units)
{
    // The toolkit has moved the slider by the page step when it reports the
    // action, and takes the slider's position as the value after it: moved
    // here, the jump is ours, for keys and trough clicks alike.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, units](int action) {
        int to = 0;
        if (action == QAbstractSlider::SliderPageStepAdd)
            to = bar->value() + units;
        else if (action == QAbstractSlider::SliderPageStepSub)
            to = bar->value() - units;
        else
            return;
        bar->setSliderPosition(std::clamp(to, bar->minimum(), bar->maximum()));
    });
}

void ScrollBar::paintEvent(QPaintEvent *e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    QPen pen(palette().color(QPalette::Highlight), kFocusFrame);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(kFocusFrame / 2.0, kFocusFrame / 2.0, -kFocusFrame / 2.0, -kFocusFrame / 2.0));
}

} // namespace rb
