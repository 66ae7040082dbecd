// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/windows/wait.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace rb::testing {

bool HandlePostedEvents(int timeoutMs)
{
    // The event queue is handled in the order events were posted: once a
    // marker posted now has come through, so has everything before it. The
    // flag is shared so that a marker arriving after a timeout writes to
    // nothing that is gone.
    auto reached = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(qApp, [reached] { *reached = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([reached] { return *reached; }, timeoutMs);
}

bool Settle(QWidget *window, int timeoutMs)
{
    // A picture queues its first Paint when it is shown, which happens no
    // later than the window's exposure.
    return QTest::qWaitForWindowExposed(window, timeoutMs) && HandlePostedEvents(timeoutMs);
}

int RunUntilEnd(int timeoutMs)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(timeoutMs);
    return QApplication::exec();
}

} // namespace rb::testing
