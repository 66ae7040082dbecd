// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The random stream on a real display: the same kind of input as the
// headless driver (clicks, drags, moves, wheel, keys, double clicks), but
// sent through the X server with xdotool, so that it passes through the
// window manager and the toolkit's platform layer as a user's input does.
// The stream ends with a close through the window manager (Alt+F4), while
// a long run goes on where the program has one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <random>

class QWidget;

namespace rb::robustness {

// Each step runs from a timer once the last xdotool has finished, never
// from a loop on the stack: a context menu or another nested event loop that
// the input opens then only delays the next step, and the stream's own
// clicks can close it again.
class XDriver {
public:
    XDriver(QWidget *main, long events, unsigned seed, std::function<bool(const QWidget *)> spare,
            std::function<QWidget *()> busy);
    ~XDriver();

    // Starts the stream, which ends with the final close; call from inside
    // the event loop.
    void Run();

private:
    int Pick(int n);
    double Unit();
    void Next();
    QWidget *PickTarget();
    // A point inside the widget that is on the screen, in the screen's
    // device pixels; false when the point drawn is off the screen.
    bool PointIn(QWidget *w, QPoint *at);
    QStringList StepArgs();
    void Close();
    void SendClose();
    // Runs xdotool; then, once it has finished, runs `then`.
    void Send(const QStringList &args, std::function<void()> then);

    QObject context_;
    QPointer<QWidget> main_;
    long left_;
    std::mt19937 rng_;
    std::function<bool(const QWidget *)> spare_;
    std::function<QWidget *()> busy_;
};

} // namespace rb::robustness
