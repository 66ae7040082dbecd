// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// How deep the runs of the wave-model window may nest.
//
// The sweep and the by-hand run let every control act while they yield,
// and that includes starting a run: a second "Bogensystem" during a sweep
// starts the sweep afresh at once, inside the first (wave_runs.h says how
// the two then share the model). That stays so. But a press that comes
// while a run already runs inside another does not go a level deeper: each
// level holds a run's frames on the stack, and a user clicking impatiently,
// thousands of times, would overflow it. Such a press is kept as the one
// start still to make, in place of any kept before, so the latest press
// (and the point it chose) counts; it is made once the nested run has gone
// to its end. A run that was stopped or is ending drops it: the stop, or the
// close, came after the press.
//
// Nesting one deep rather than queueing every press behind the running
// run: the second press keeps its meaning (the sweep starts afresh at
// once), and what waits is bounded to a single start, as with the ray
// model's held presses.
#pragma once

#include <QPointer>
#include <functional>

class QObject;

namespace rb::tavrin {

class RunNesting {
public:
    // Kept starts are made among the owner's posted events, and never once
    // it is gone.
    explicit RunNesting(QObject *owner);

    // Runs on the stack at the deepest: the first and one inside it.
    static constexpr int kDeepest = 2;

    // True when a run may start now. Otherwise `start` becomes the start
    // still to make, and the caller returns without running.
    bool MayStart(std::function<void()> start);
    // Brackets a run: from before its first yield to after its last.
    void Enter() { ++active_; }
    // completed: the run went to its end (not stopped, not ending).
    void Leave(bool completed);

    int Active() const { return active_; }

private:
    QPointer<QObject> owner_;
    std::function<void()> kept_;
    int active_ = 0;
};

} // namespace rb::tavrin
