// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/focus_frame.h"

#include "common/widgets/picture.h"
#include "common/widgets/zoom.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>

namespace rb {

namespace {

class FocusFrames : public QObject {
public:
    explicit FocusFrames(QApplication &app) : QObject(&app)
    {
        connect(&app, &QApplication::focusChanged, this, &FocusFrames::Follow);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || watched != focused_) return false;
        // The control paints itself first; the frame goes over it. The
        // filter stays out of the way meanwhile, so the call ends.
        auto *w = static_cast<QWidget *>(watched);
        w->removeEventFilter(this);
        static_cast<QObject *>(w)->event(event);
        w->installEventFilter(this);
        if (w->hasFocus()) Frame(w);
        return true;
    }

private:
    void Follow(QWidget *old, QWidget *now)
    {
        if (old) {
            old->removeEventFilter(this);
            old->update();
        }
        focused_ = now;
        // A picture shows its focus, and the place its keys move, itself.
        if (!now || qobject_cast<Picture *>(now)) return;
        now->installEventFilter(this);
        now->update();
    }

    static void Frame(QWidget *w)
    {
        const int width = FocusFrameWidth(w);
        QPainter p(w);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(w->palette().color(QPalette::Active, QPalette::Highlight), width));
        p.setBrush(Qt::NoBrush);
        const double half = width / 2.0;
        p.drawRect(QRectF(w->rect()).adjusted(half, half, -half, -half));
    }

    QPointer<QWidget> focused_;
};

} // namespace

void InstallFocusFrames(QApplication &app) { new FocusFrames(app); }

int FocusFrameWidth(const QWidget *w)
{
    const auto *window = w ? qobject_cast<const Picture *>(w->window()) : nullptr;
    return Zoomed(2, window ? window->WindowZoom() : Zoom());
}

} // namespace rb
