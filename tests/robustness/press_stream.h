// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The impatient user: one control that starts a run, pressed many times in
// a row while the runs it starts go on.
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace rb::robustness {

// A place to press: a control, or a window's bare background, and the
// point in it.
struct PressTarget {
    QWidget *widget = nullptr;
    QPointF at;
};

// Presses the target `presses` times, one press (down and up) at every pass
// of the event loop, whichever run's yield that pass happens in; so presses
// arrive while runs go on, as fast as the program looks at its input. Then
// closes the main window while the runs still go on: the program must end
// at once. A program that nests a run per press overflows its stack.
class PressStream : public QObject {
public:
    PressStream(QWidget *main, PressTarget target, long presses);
    void Run();

private:
    void Step();

    QPointer<QWidget> main_;
    QPointer<QWidget> widget_;
    QPointF at_;
    long left_;
    QTimer timer_;
};

} // namespace rb::robustness
