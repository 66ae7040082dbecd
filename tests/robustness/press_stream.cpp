// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/robustness/press_stream.h"

#include "common/widgets/event_loop.h"
#include "tests/robustness/watchdog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace rb::robustness {

PressStream::PressStream(QWidget *main, PressTarget target, long presses)
    : main_(main), widget_(target.widget), at_(target.at), left_(presses)
{
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &PressStream::Step);
}

void PressStream::Run() { timer_.start(); }

void PressStream::Step()
{
    if (rb::EndRequested() || !widget_ || !main_) {
        timer_.stop();
        return;
    }
    if (left_-- <= 0) {
        timer_.stop();
        NoteFinalClose();
        main_->close();
        return;
    }
    // Posted, not sent: the press is handled in the same event pass, and
    // the run it starts yields back here for the next one.
    const QPointF global = widget_->mapToGlobal(at_);
    QCoreApplication::postEvent(widget_, new QMouseEvent(QEvent::MouseButtonPress, at_, global, Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget_, new QMouseEvent(QEvent::MouseButtonRelease, at_, global, Qt::LeftButton,
                                                         Qt::NoButton, Qt::NoModifier));
}

} // namespace rb::robustness
