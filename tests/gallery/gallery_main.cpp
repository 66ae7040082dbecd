// Writes a PNG of every window in its characteristic states into the folder
// given as the first argument. The screen size and pixel ratio come from the
// offscreen platform's configuration (see the Makefile's gallery target).
#include "app.h"
#include "gallery.h"

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
    QApplication app(argc, argv);
    rb::InitApplication(app);
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
    rb::gallery::StreuScenes(shoot);
    rb::gallery::PrismaScenes(shoot);
    rb::gallery::TavrinStartScenes(shoot);
    rb::gallery::TavrinRayScenes(shoot);
    rb::gallery::TavrinWaveScenes(shoot);
    const QScreen *s = QGuiApplication::primaryScreen();
    std::printf("%d pictures, screen %dx%d at pixel ratio %g\n", written, s->geometry().width(),
                s->geometry().height(), s->devicePixelRatio());
    return written > 0 ? 0 : 1;
}
