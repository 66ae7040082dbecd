// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/raymodel/input_hold.h"

#include "common/widgets/form.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWheelEvent>
#include <algorithm>

namespace rb::tavrin {

namespace {

bool IsInput(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// A press or release that clicks a push button: the left mouse button, or
// the space bar while the button has the focus.
bool ClicksButton(const QEvent *e, bool press)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return press && static_cast<const QMouseEvent *>(e)->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease:
        return !press && static_cast<const QMouseEvent *>(e)->button() == Qt::LeftButton;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const int key = static_cast<const QKeyEvent *>(e)->key();
        return press == (e->type() == QEvent::KeyPress) && (key == Qt::Key_Space || key == Qt::Key_Select);
    }
    default:
        return false;
    }
}

// The widget an input event is meant for. Input from the window system
// first reaches the toolkit's window object, which passes it on to the
// widget under the pointer or to the one with the focus.
QWidget *TargetOf(QObject *receiver, const QEvent *e)
{
    if (auto *w = qobject_cast<QWidget *>(receiver)) return w;
    if (e->isPointerEvent()) {
        const QList<QEventPoint> &points = static_cast<const QPointerEvent *>(e)->points();
        return points.isEmpty() ? nullptr : QApplication::widgetAt(points.first().globalPosition().toPoint());
    }
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) return QApplication::focusWidget();
    return nullptr;
}

// How to make the event again when it is handed over. A pointer event is
// made anew from its values only then: the toolkit keeps one point per
// pointing device and moves it with every pointer event made after, so an
// event kept as it is, or made early, would arrive wherever the pointer
// went last.
std::function<std::unique_ptr<QEvent>()> Recipe(const QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *m = static_cast<const QMouseEvent *>(e);
        return [type = m->type(), pos = m->position(), scene = m->scenePosition(), global = m->globalPosition(),
                button = m->button(), buttons = m->buttons(), modifiers = m->modifiers(),
                device = m->pointingDevice(), time = m->timestamp()] {
            auto made = std::make_unique<QMouseEvent>(type, pos, scene, global, button, buttons, modifiers, device);
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
    }
    case QEvent::Wheel: {
        const auto *w = static_cast<const QWheelEvent *>(e);
        return [pos = w->position(), global = w->globalPosition(), pixels = w->pixelDelta(), angle = w->angleDelta(),
                buttons = w->buttons(), modifiers = w->modifiers(), phase = w->phase(), inverted = w->inverted(),
                device = w->pointingDevice(), time = w->timestamp()] {
            auto made = std::make_unique<QWheelEvent>(pos, global, pixels, angle, buttons, modifiers, phase, inverted,
                                                      Qt::MouseEventNotSynthesized, device);
            made->setTimestamp(time);
            return std::unique_ptr<QEvent>(std::move(made));
        };
    }
    default:
        return [kept = std::shared_ptr<QEvent>(e->clone())] { return std::unique_ptr<QEvent>(kept->clone()); };
    }
}

} // namespace

InputHold::InputHold(std::vector<QWidget *> onePress) : holding_(true)
{
    for (QWidget *w : onePress) onePress_.emplace_back(w);
    QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold() { Release(); }

bool InputHold::eventFilter(QObject *receiver, QEvent *event)
{
    if (!holding_) return false;
    if (event->type() == QEvent::Close) {
        // The toolkit's window object passes a close on to the window; the
        // window's own handler ends the program.
        if (!qobject_cast<Form *>(receiver)) return false;
        closing_ = true;
        input_.clear();
        return false;
    }
    if (!IsInput(event->type())) return false;
    if (!closing_ && KeepStop(receiver, event) && Keep(receiver, event))
        input_.push_back({QPointer<QObject>(receiver), Recipe(event)});
    return true;
}

void InputHold::StopOn(std::vector<QWidget *> stopButtons, std::vector<QWidget *> dropStops,
                       std::function<void()> stop)
{
    for (QWidget *w : stopButtons) stopButtons_.emplace_back(w);
    for (QWidget *w : dropStops) dropStops_.emplace_back(w);
    stop_ = std::move(stop);
}

bool InputHold::KeepStop(QObject *receiver, const QEvent *event)
{
    if (!stop_) return true;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
        if (static_cast<const QKeyEvent *>(event)->key() != Qt::Key_Escape) return true;
        if (event->type() == QEvent::KeyPress) stop_();
        return false;
    }
    QWidget *target = TargetOf(receiver, event);
    if (!target || std::find(stopButtons_.begin(), stopButtons_.end(), target) == stopButtons_.end()) return true;
    if (ClicksButton(event, true)) stop_();
    return std::find(dropStops_.begin(), dropStops_.end(), target) == dropStops_.end();
}

bool InputHold::Keep(QObject *receiver, const QEvent *event)
{
    if (onePress_.empty()) return true;
    QWidget *target = TargetOf(receiver, event);
    if (!target || std::find(onePress_.begin(), onePress_.end(), target) == onePress_.end()) return true;
    if (dropping_) {
        if (ClicksButton(event, false)) dropping_ = false;
        return false;
    }
    if (ClicksButton(event, true)) {
        if (pressHeld_) {
            dropping_ = true;
            return false;
        }
        pressHeld_ = true;
    }
    return true;
}

void InputHold::Release()
{
    if (!holding_) return;
    holding_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    // Each event is made and sent in its turn among the posted events.
    for (Held &h : input_)
        if (h.receiver)
            QMetaObject::invokeMethod(
                h.receiver,
                [receiver = h.receiver, make = std::move(h.make)] {
                    if (!receiver) return;
                    const std::unique_ptr<QEvent> e = make();
                    QCoreApplication::sendEvent(receiver, e.get());
                },
                Qt::QueuedConnection);
    input_.clear();
}

} // namespace rb::tavrin
