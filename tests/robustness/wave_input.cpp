// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/robustness/wave_input.h"

#include "tavrin/wavemodel/form5.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <iterator>
#include <random>

namespace rb::robustness {

namespace {

// Runs nested deeper than this queue nothing more: every queued
// "Bogensystem" would otherwise queue input behind itself without end.
constexpr int kDeepestRuns = 4;

void PostClick(QWidget *w, QPointF at, Qt::MouseButton b)
{
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global, b, b, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, b, Qt::NoButton,
                                                   Qt::NoModifier));
}

void QueueClicks(tavrin::Form5 &f, std::mt19937 &rng)
{
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto unit = [&rng] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); };
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    QWidget *targets[] = {f.Picture4, f.Picture4, &f,          &f,           f.Option3D1, f.Option3D2,
                          f.Option3D3, f.Option3D4, f.Option3D5, f.Command1,  f.VScroll1,  f.VScroll1,
                          f.Command2,  f.Command3,  f.text1,    f.Picture3,  f.Picture1,  f.Option3D6,
                          f.Option3D7, f.Check1};
    for (int i = 0, n = 1 + pick(6); i < n; ++i) {
        QWidget *w = targets[pick(int(std::size(targets)))];
        PostClick(w, QPointF(unit() * w->width(), unit() * w->height()), buttons[pick(4)]);
    }
}

// Swallows the first close that comes while no run is going on, and closes
// the window again from inside a sweep started for the purpose.
class CloseInsideASweep : public QObject {
public:
    explicit CloseInsideASweep(tavrin::Form5 &f) : QObject(&f), f_(f) { f.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched != &f_ || e->type() != QEvent::Close || used_ || f_.RunsActive() > 0) return false;
        used_ = true;
        QMetaObject::invokeMethod(
            &f_,
            [this] {
                QCoreApplication::postEvent(&f_, new QCloseEvent);
                f_.Option3D4->click();
                f_.Command2->click();
            },
            Qt::QueuedConnection);
        e->ignore();
        return true;
    }

private:
    tavrin::Form5 &f_;
    bool used_ = false;
};

} // namespace

void DisturbWaveRuns(tavrin::Form5 &f, unsigned seed)
{
    // Its own stream from the seed, not the driver's numbers over again.
    static std::mt19937 rng;
    std::seed_seq own{seed, 2u};
    rng.seed(own);
    QObject::connect(f.Command2, &QPushButton::pressed, &f, [&f] {
        if (f.RunsActive() < kDeepestRuns) QueueClicks(f, rng);
    });
    new CloseInsideASweep(f);
}

} // namespace rb::robustness
