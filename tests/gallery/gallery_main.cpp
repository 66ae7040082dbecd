// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Writes a PNG of every window in its characteristic states into the folder
// given as the first argument. The screen size and pixel ratio come from the
// offscreen platform's configuration (see the Makefile's gallery target); a
// third argument asks for a presentation zoom.
#include "common/app/app.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/zoom.h"
#include "tests/gallery/gallery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QWidget>
#include <cstdio>

namespace rb::gallery {

void Settle()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace rb::gallery

int main(int argc, char **argv)
{
    rb::PrepareEnvironment();
    if (argc > 3) rb::RequestZoom(QString::fromLocal8Bit(argv[3]).toDouble());
    QApplication app(argc, argv);
    rb::InitApplication(app, rb::Language::German);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(dir);
    int written = 0;
    const rb::gallery::Shoot shoot = [&](QWidget *w, const QString &name) {
        rb::gallery::Settle();
        const QString file = dir + QLatin1Char('/') + name + suffix + QStringLiteral(".png");
        if (w->grab().save(file)) {
            ++written;
            std::printf("%s\n", qPrintable(file));
        } else {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        }
    };
    // Every scene in German, then in English with "-en" in its name.
    for (const rb::Language language : {rb::Language::German, rb::Language::English}) {
        rb::InstallLanguage(app, language);
        const QString tag = language == rb::Language::English ? QStringLiteral("-en") : QString();
        const rb::gallery::Shoot shootIn = [&](QWidget *w, const QString &name) { shoot(w, name + tag); };
        rb::gallery::StreuScenes(shootIn);
        rb::gallery::PrismaScenes(shootIn);
        rb::gallery::TavrinStartScenes(shootIn);
        rb::gallery::TavrinRayScenes(shootIn);
        rb::gallery::TavrinWaveScenes(shootIn);
        rb::gallery::TavrinWaveOpticsScenes(shootIn);
        rb::gallery::TavrinSunlightScenes(shootIn);
        // Its last step closes the wave window as a user would, and that
        // ends the program: every run after it would stop at its first
        // yield. The gallery goes on with the next scenes and language.
        rb::ResetEndRequest();
        rb::gallery::TavrinMieScenes(shootIn);
    }
    const QScreen *s = QGuiApplication::primaryScreen();
    std::printf("%d pictures, screen %dx%d at pixel ratio %g\n", written, s->geometry().width(),
                s->geometry().height(), s->devicePixelRatio());
    return written > 0 ? 0 : 1;
}
