// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The robustness driver: opens a program's windows headless and sends them a
// long, seeded, reproducible stream of random input — clicks, drags and moves
// on every surface, clicks on scroll bars followed by keys and wheel turns,
// keys and wheel turns to whatever has the focus, typing, paint requests,
// resizes — and finally closes the main window. It passes when nothing
// crashed, no drawing call was handed a NaN or infinite coordinate, the
// program never went long without yielding to its event loop, and the close
// ended the program with status 0 within a short time.
//
//   regenbogen_robustness [--x11] PROGRAM EVENTS [SEED]
//
// With --x11 the windows open on the display and the stream goes through
// the X server (x_driver.h). The programs named "...-presses" get no random
// stream: one control that starts a run is pressed EVENTS times in a row
// (press_stream.h), headless only.
#include "common/app/app.h"
#include "common/canvas/canvas.h"
#include "common/canvas/dropped_calls.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/picture.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tests/robustness/programs.h"
#include "tests/robustness/watchdog.h"
#include "tests/robustness/x_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <functional>
#include <memory>
#include <random>

namespace {

class Driver {
public:
    Driver(QWidget *main, long events, unsigned seed, std::function<bool(const QWidget *)> spare)
        : main_(main), left_(events), rng_(seed), spare_(std::move(spare))
    {
    }

    void Run()
    {
        using namespace rb::robustness;
        while (left_-- > 0 && !rb::EndRequested() && !FinalCloseSent()) {
            Step();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        if (!rb::EndRequested() && !FinalCloseSent() && main_) {
            NoteFinalClose();
            main_->close();
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double Unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

    QList<QWidget *> Targets()
    {
        QList<QWidget *> out;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            out.push_back(top);
            for (QWidget *w : top->findChildren<QWidget *>())
                if (w->isVisible() && w->isEnabled() && !(spare_ && spare_(w))) out.push_back(w);
        }
        return out;
    }

    QPointF Inside(const QWidget *w)
    {
        // Mostly inside, sometimes just outside the edges.
        return QPointF((Unit() * 1.1 - 0.05) * w->width(), (Unit() * 1.1 - 0.05) * w->height());
    }

    static Qt::MouseButton Button(int i)
    {
        static const Qt::MouseButton b[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return b[i];
    }

    void Mouse(QWidget *w, QEvent::Type type, QPointF p, Qt::MouseButton b, Qt::MouseButtons held)
    {
        QMouseEvent e(type, p, w->mapToGlobal(p), b, held, Pick(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    void Click(QWidget *w)
    {
        const Qt::MouseButton b = Button(Pick(4));
        const QPointF p = Inside(w);
        Mouse(w, QEvent::MouseButtonPress, p, b, b);
        QPointer<QWidget> guard(w);
        if (guard) Mouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }

    void Drag(QWidget *w)
    {
        const Qt::MouseButton b = Button(Pick(4));
        QPointer<QWidget> guard(w);
        QPointF p = Inside(w);
        Mouse(w, QEvent::MouseButtonPress, p, b, b);
        const int moves = 1 + Pick(12);
        for (int i = 0; i < moves && guard; ++i) {
            p = Inside(w);
            Mouse(w, QEvent::MouseMove, p, Qt::NoButton, b);
            QCoreApplication::processEvents();
        }
        if (guard) Mouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }

    // A scroll bar as a user drives it: a click gives it the focus, then
    // keys and wheel turns go to whatever has the focus.
    void Scroll(QScrollBar *s)
    {
        const QPointF p = Inside(s);
        QPointer<QWidget> guard(s);
        Mouse(s, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        if (guard) Mouse(s, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        for (int i = 1 + Pick(3); i > 0 && !rb::EndRequested(); --i) {
            QWidget *focus = Focus();
            if (!focus) return;
            Pick(3) ? Key(focus) : Wheel(focus);
        }
    }

    // The widget that has the keyboard focus, unless the stream spares it.
    QWidget *Focus()
    {
        QWidget *f = QApplication::focusWidget();
        return f && f->isVisible() && !(spare_ && spare_(f)) ? f : nullptr;
    }

    void Key(QWidget *w)
    {
        static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Tab,
                                   Qt::Key_Return, Qt::Key_A};
        const int k = keys[Pick(std::size(keys))];
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, k == Qt::Key_A ? QStringLiteral("a") : QString());
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        QPointer<QWidget> guard(w);
        QApplication::sendEvent(w, &press);
        if (guard) QApplication::sendEvent(w, &release);
    }

    // A turn of the wheel: a notch or a touchpad's fraction, either way,
    // sometimes sideways or with a modifier held.
    void Wheel(QWidget *w)
    {
        static const int angles[] = {120, -120, 40, -40, 360, -360};
        static const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier,
                                                     Qt::ShiftModifier};
        const int a = angles[Pick(std::size(angles))];
        const QPoint delta = Pick(4) ? QPoint(0, a) : QPoint(a, 0);
        const QPointF at = Inside(w);
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), delta, Qt::NoButton, mods[Pick(4)], Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    void Type(QLineEdit *t)
    {
        static const char *texts[] = {"1", "1,5", "-3", "abc", "999999999999", "", "0.0", "ß°"};
        t->setFocus();
        t->setText(QString::fromUtf8(texts[Pick(std::size(texts))]));
        t->insert(QStringLiteral("7"));
    }

    void Resize(QWidget *w)
    {
        if (w->isWindow()) return; // windows keep the size they were laid out at
        const QSize s = w->size();
        w->resize(std::max(1, s.width() + Pick(41) - 20), std::max(1, s.height() + Pick(41) - 20));
    }

    void Step()
    {
        const QList<QWidget *> targets = Targets();
        if (targets.isEmpty()) return;
        QWidget *w = targets[Pick(int(targets.size()))];
        const int kind = Pick(100);
        if (auto *s = qobject_cast<QScrollBar *>(w); s && kind < 50) return Scroll(s);
        if (auto *t = qobject_cast<QLineEdit *>(w); t && kind < 50) return Type(t);
        if (kind < 30) return Click(w);
        if (kind < 50) return Drag(w);
        if (kind < 60) {
            QPointer<QWidget> guard(w);
            Mouse(w, QEvent::MouseMove, Inside(w), Qt::NoButton, Qt::NoButton);
            return;
        }
        if (kind < 75) {
            // Keys and the wheel go where a user's would: to the focus.
            QWidget *focus = Focus();
            return kind < 72 ? Key(focus ? focus : w) : Wheel(focus ? focus : w);
        }
        if (kind < 88) return kind % 2 ? w->update() : w->repaint();
        if (kind < 92) return Resize(w);
        if (auto *b = qobject_cast<QAbstractButton *>(w)) return b->click();
        return Click(w);
    }

    QPointer<QWidget> main_;
    long left_;
    std::mt19937 rng_;
    std::function<bool(const QWidget *)> spare_;
};

} // namespace

int main(int argc, char **argv)
{
    const bool onDisplay = argc > 1 && std::strcmp(argv[1], "--x11") == 0;
    if (onDisplay) {
        --argc;
        ++argv;
    }
    if (argc < 3 && !(argc == 2 && std::strcmp(argv[1], "--list") == 0)) {
        std::fprintf(stderr, "usage: %s [--x11] PROGRAM EVENTS [SEED]\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "--list") == 0) {
        // The press streams go straight into the widgets only.
        for (const auto &p : rb::robustness::Programs())
            if (!onDisplay || !p.presses) std::printf("%s\n", qPrintable(p.name));
        return 0;
    }
    rb::PrepareEnvironment();
    QApplication app(argc, argv);
    rb::InitApplication(app);
    // The wave model's runs are paced for watching; the driver must not wait.
    rb::tavrin::SetRunPace(0);
    const QString name = QString::fromLocal8Bit(argv[1]);

    const long events = std::strtol(argv[2], nullptr, 10);
    const unsigned seed = argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 20261207u;

    const auto programs = rb::robustness::Programs();
    const auto program = std::find_if(programs.begin(), programs.end(), [&](const auto &p) { return p.name == name; });
    if (program == programs.end()) {
        std::fprintf(stderr, "unknown program %s\n", argv[1]);
        return 2;
    }
    QWidget *main = program->open(seed);
    Driver driver(main, events, seed, program->spare);
    rb::robustness::XDriver xdriver(main, events, seed, program->spare, program->busy);
    std::unique_ptr<rb::robustness::PressStream> presses;
    if (program->presses) presses = std::make_unique<rb::robustness::PressStream>(main, program->presses(), events);
    QTimer::singleShot(0, [&] {
        if (presses) presses->Run();
        else onDisplay ? xdriver.Run() : driver.Run();
    });
    rb::robustness::StartWatch({});
    const int status = app.exec();
    const long stall = rb::robustness::StopWatch();
    const auto bad = rb::DroppedNonFiniteCalls();
    std::printf("%s: %ld events, seed %u, status %d, non-finite drawing calls %llu, longest time without yielding %ld ms, "
                "deepest stack %ld kB\n",
                argv[1], events, seed, status, static_cast<unsigned long long>(bad), stall,
                rb::robustness::DeepestStack() / 1024);
    if (!rb::EndRequested()) {
        std::fprintf(stderr, "closing the main window did not end the program\n");
        return 4;
    }
    rb::robustness::CloseAll();
    if (bad != 0) return 3;
    return status;
}
