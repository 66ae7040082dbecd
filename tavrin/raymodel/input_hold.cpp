#include "input_hold.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

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

} // namespace

InputHold::InputHold() : holding_(true) { QCoreApplication::instance()->installEventFilter(this); }

InputHold::~InputHold() { Release(); }

bool InputHold::eventFilter(QObject *receiver, QEvent *event)
{
    if (!holding_) return false;
    if (event->type() == QEvent::Close) {
        // A window's close goes to the window itself; the toolkit's own
        // window object forwards the request to it, so refusing it there is
        // enough.
        auto *w = qobject_cast<QWidget *>(receiver);
        if (!w || !w->isWindow()) return false;
        event->ignore();
        closes_.emplace_back(w);
        return true;
    }
    if (!IsInput(event->type())) return false;
    input_.push_back({QPointer<QObject>(receiver), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

void InputHold::Release()
{
    if (!holding_) return;
    holding_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    for (Held &h : input_)
        if (h.receiver) QCoreApplication::postEvent(h.receiver, h.event.release());
    input_.clear();
    std::vector<QPointer<QWidget>> closes;
    closes.swap(closes_);
    for (const QPointer<QWidget> &w : closes)
        if (w) w->close();
}

} // namespace rb::tavrin
