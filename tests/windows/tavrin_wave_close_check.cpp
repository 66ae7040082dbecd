// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Closing the wave-model window in the middle of a sweep ends tavrin at once
// and cleanly: set up as the program's main does, the sweep is started at
// its watching pace, the window closed while it runs (and waits), and the event loop must return with status 0
// within 100 ms of the close; then every window is destroyed, as at the end
// of the program. A sanitizer build reports anything unclean on the way.
#include "common/app/app.h"
#include "common/widgets/event_loop.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/navigation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    rb::PrepareEnvironment();
    QApplication app(argc, argv);
    rb::InitApplication(app);
    auto &windows = rb::tavrin::Navigation::Get();
    windows.StartForm().show();
    rb::tavrin::Form5 &wave = windows.WaveForm();
    wave.show();

    // Closes the window once the sweep is well under way, from inside one
    // of its yields, as a user's click on the close button arrives.
    QElapsedTimer sinceClose;
    int runsAtClose = 0;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (wave.RunsActive() == 0 || wave.model.obsCoord < -197400) return;
        closer.stop();
        runsAtClose = wave.RunsActive();
        sinceClose.start();
        wave.close();
    });
    QTimer::singleShot(50, [&] {
        closer.start();
        wave.Command2->click();
    });

    const int status = app.exec();
    const qint64 ms = sinceClose.isValid() ? sinceClose.elapsed() : -1;
    const bool ended = rb::EndRequested();
    windows.Reset();

    std::printf("closed during a sweep: %s; event loop returned %lld ms after the close with status %d\n",
                runsAtClose > 0 ? "yes" : "no", static_cast<long long>(ms), status);
    const bool ok = runsAtClose > 0 && ended && status == 0 && ms >= 0 && ms < 100;
    return ok ? 0 : 1;
}
