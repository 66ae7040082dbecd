// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/robustness/x_driver.h"

#include "common/widgets/event_loop.h"
#include "tests/robustness/watchdog.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <iterator>

namespace rb::robustness {

namespace {

QString Num(int v) { return QString::number(v); }

// The widget-relative point in the screen's device pixels, which is what X
// input uses.
QPoint DevicePoint(const QWidget *w, QPointF p)
{
    const QScreen *screen = w->screen();
    const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPointF logical = w->mapToGlobal(p) - QPointF(origin);
    return QPoint(qRound(logical.x() * dpr) + origin.x(), qRound(logical.y() * dpr) + origin.y());
}

} // namespace

// Another window may lie on top of the one a step aims at, and whatever is
// there gets the input: the controls the stream spares are kept from it
// here, where the toolkit hands it to them.
class SpareGuard : public QObject {
public:
    SpareGuard(QObject *parent, std::function<bool(const QWidget *)> spare)
        : QObject(parent), spare_(std::move(spare))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto *w = qobject_cast<const QWidget *>(receiver);
            return w && spare_(w) && !FinalCloseSent();
        }
        default:
            return false;
        }
    }

private:
    std::function<bool(const QWidget *)> spare_;
};

XDriver::XDriver(QWidget *main, long events, unsigned seed, std::function<bool(const QWidget *)> spare,
                 std::function<QWidget *()> busy)
    : main_(main), left_(events), rng_(seed), spare_(std::move(spare)), busy_(std::move(busy))
{
    if (spare_) new SpareGuard(&context_, spare_);
}

XDriver::~XDriver()
{
    // The final close's xdotool may still be running when the program ends.
    for (QProcess *xdotool : context_.findChildren<QProcess *>()) xdotool->waitForFinished(2000);
}

int XDriver::Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
double XDriver::Unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

void XDriver::Run()
{
    // The window manager must have mapped and placed the windows first.
    QTimer::singleShot(200, &context_, [this] { Next(); });
}

void XDriver::Next()
{
    if (EndRequested() || FinalCloseSent()) return;
    if (left_-- <= 0) return Close();
    // A short pause lets the program handle what the X server delivered.
    Send(StepArgs(), [this] { QTimer::singleShot(10, &context_, [this] { Next(); }); });
}

// The program keeps handling its events while xdotool runs, as it would
// with a user's input arriving.
void XDriver::Send(const QStringList &args, std::function<void()> then)
{
    if (args.isEmpty()) return then();
    auto *xdotool = new QProcess(&context_);
    const auto done = [xdotool, then] {
        xdotool->deleteLater();
        then();
    };
    QObject::connect(xdotool, &QProcess::finished, &context_, done);
    QObject::connect(xdotool, &QProcess::errorOccurred, &context_, [xdotool, done](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            std::fprintf(stderr, "xdotool did not start\n");
            done();
        }
    });
    xdotool->start(QStringLiteral("xdotool"), args);
}

// Every other time a control a user would reach for: buttons, option
// buttons, scroll bars; else any visible widget, labels and frames too.
QWidget *XDriver::PickTarget()
{
    const bool control = Pick(2) == 0;
    QList<QWidget *> out;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        if (!control) out.push_back(top);
        for (QWidget *w : top->findChildren<QWidget *>())
            if (w->isVisible() && w->isEnabled() && !(spare_ && spare_(w)) &&
                (!control || qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSlider *>(w)))
                out.push_back(w);
    }
    return out.isEmpty() ? nullptr : out[Pick(int(out.size()))];
}

bool XDriver::PointIn(QWidget *w, QPoint *at)
{
    const QPointF p(Unit() * w->width(), Unit() * w->height());
    const QPoint global = w->mapToGlobal(p.toPoint());
    const QScreen *screen = w->screen();
    if (!screen || !screen->geometry().contains(global)) return false;
    *at = DevicePoint(w, p);
    return true;
}

QStringList XDriver::StepArgs()
{
    QWidget *w = PickTarget();
    QPoint at;
    if (!w || !PointIn(w, &at)) return {};
    const QStringList moveThere{QStringLiteral("mousemove"), QStringLiteral("--sync"), Num(at.x()), Num(at.y())};
    static const char *buttons[] = {"1", "1", "1", "3", "2"};
    static const char *wheel[] = {"4", "5", "4", "5", "6", "7"};
    static const char *keys[] = {"Left", "Right", "Up",  "Down",   "Prior", "Next", "Home",
                                 "End",  "space", "Tab", "Return", "a",     "Escape"};
    const int kind = Pick(100);
    QStringList args = moveThere;
    if (kind < 35) {
        args << QStringLiteral("click") << QStringLiteral("--delay") << QStringLiteral("0")
             << QString::fromLatin1(buttons[Pick(int(std::size(buttons)))]);
    } else if (kind < 45) {
        args << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2") << QStringLiteral("--delay")
             << QStringLiteral("60") << QStringLiteral("1");
    } else if (kind < 60) {
        const QString b = QString::fromLatin1(buttons[Pick(int(std::size(buttons)))]);
        args << QStringLiteral("mousedown") << b;
        for (int i = 1 + Pick(5); i > 0; --i) {
            QPoint to;
            if (PointIn(w, &to)) args << QStringLiteral("mousemove") << QStringLiteral("--sync") << Num(to.x()) << Num(to.y());
        }
        args << QStringLiteral("mouseup") << b;
    } else if (kind < 70) {
        // just the move
    } else if (kind < 85) {
        args << QStringLiteral("click") << QStringLiteral("--repeat") << Num(1 + Pick(3)) << QStringLiteral("--delay")
             << QStringLiteral("20") << QString::fromLatin1(wheel[Pick(int(std::size(wheel)))]);
    } else {
        // Keys go to whatever has the focus, as a user's do.
        args << QStringLiteral("key") << QStringLiteral("--delay") << QStringLiteral("0")
             << QString::fromLatin1(keys[Pick(int(std::size(keys)))]);
    }
    return args;
}

// Closes through the window manager, as its close button or Alt+F4 does.
// Where the program has a long run, its button is pressed first, and the
// close is sent once the run has begun, so that it meets the run: sent at
// once, it could overtake the click, which the window manager holds back
// while it activates the window. An open menu holds the keyboard and would
// take the Alt+F4 itself: it is closed first, with Escape.
void XDriver::Close()
{
    if (EndRequested()) return;
    if (QApplication::activePopupWidget())
        return Send({QStringLiteral("key"), QStringLiteral("Escape")},
                    [this] { QTimer::singleShot(50, &context_, [this] { Close(); }); });
    auto *busy = qobject_cast<QAbstractButton *>(busy_ ? busy_() : nullptr);
    if (busy && !busy->isVisible() && !busy->window()->isVisible()) {
        // The stream went elsewhere (the ray model's "Menu" hides it): open
        // the window again, as its "Start" would, and let it be mapped.
        busy->window()->show();
        return QTimer::singleShot(300, &context_, [this] { Close(); });
    }
    QWidget *window = busy && busy->isVisible() ? busy->window() : nullptr;
    if (!window && main_ && main_->isVisible()) window = main_;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (!window && top->isVisible()) window = top;
    if (!window) return;
    QStringList args{QStringLiteral("windowactivate"), QStringLiteral("--sync"), Num(int(window->winId()))};
    if (!busy || busy->window() != window) return Send(args, [this] { SendClose(); });

    // The run starts in the click's handler. A button announces its
    // release just before the click; a call queued then comes in the run's
    // first yield.
    QObject::connect(
        busy, &QAbstractButton::released, &context_,
        [this] { QMetaObject::invokeMethod(&context_, [this] { SendClose(); }, Qt::QueuedConnection); },
        Qt::SingleShotConnection);
    const QPoint at = DevicePoint(busy, QPointF(busy->width() / 2.0, busy->height() / 2.0));
    args << QStringLiteral("mousemove") << QStringLiteral("--sync") << Num(at.x()) << Num(at.y())
         << QStringLiteral("click") << QStringLiteral("--delay") << QStringLiteral("0") << QStringLiteral("1");
    // Should the click go astray, the close follows anyway.
    Send(args, [this] { QTimer::singleShot(2000, &context_, [this] { SendClose(); }); });
}

void XDriver::SendClose()
{
    if (EndRequested() || FinalCloseSent()) return;
    NoteFinalClose();
    Send({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("alt+F4")}, [] {});
}

} // namespace rb::robustness
