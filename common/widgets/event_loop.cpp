// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/event_loop.h"

#include "common/widgets/vector_state.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <ctime>

namespace rb {

namespace {
bool endRequested = false;

// The clock that decides when to look at the event queue. The coarse
// monotonic clock costs a few nanoseconds where the precise one costs about
// 26 here, a sixth of a wave-model ray's maths when it is read after every
// ray; its ticks (1 to 4 ms) are fine enough for handling input.
std::int64_t SliceClockMs()
{
#ifdef CLOCK_MONOTONIC_COARSE
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return std::int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#else
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
#endif
}
} // namespace

bool DoEvents()
{
    // A computation yields after every ray, tens of thousands of times a
    // second. Asking the event system each time would cost more than the
    // ray; input is handled just as promptly when we look once per tick of
    // the slice clock, every 1 to 4 ms.
    static std::int64_t last = -1;
    if (!endRequested && SliceClockMs() != last) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        last = SliceClockMs();
    }
    ClearUpperVectorState();
    return !endRequested;
}

bool WaitEvents(int ms)
{
    // The timer makes sure an event comes; until it does, the dispatcher
    // sleeps. (A nested QEventLoop would not do: once End() has asked the
    // loops to quit, a new one returns at once for the rest of the process.)
    bool due = false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&due] { due = true; });
    timer.start(ms);
    while (!due && !endRequested)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    ClearUpperVectorState();
    return !endRequested;
}

void End()
{
    if (endRequested) return;
    endRequested = true;
    for (QWidget *w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

bool EndRequested() { return endRequested; }
void ResetEndRequest() { endRequested = false; }

} // namespace rb
