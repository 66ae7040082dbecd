// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/robustness/programs.h"

#include "prisma/form1.h"
#include "streu/form1.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/navigation.h"
#include "tests/robustness/wave_input.h"
#include "common/widgets/event_loop.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <random>

namespace rb::robustness {

namespace {

// The start window's "End" ends the program; the stream leaves it alone.
bool StartWindowEnd(const QWidget *w)
{
    const tavrin::Form3 *start = tavrin::Navigation::Get().LoadedStartForm();
    return start && w == start->Command1;
}

void PostMouse(QWidget *w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QCoreApplication::postEvent(w, new QMouseEvent(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier));
}

// Swallows the stream's final close, which comes while no sweep runs, and
// closes the window again from inside a slow sweep started for the purpose:
// the close must end the program at once.
class CloseInsideASlowSweep : public QObject {
public:
    explicit CloseInsideASlowSweep(tavrin::form2 &f) : QObject(&f), f_(f) { f.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched != &f_ || e->type() != QEvent::Close || used_ || f_.Sweeping()) return false;
        used_ = true;
        QMetaObject::invokeMethod(
            &f_,
            [this] {
                QCoreApplication::postEvent(&f_, new QCloseEvent);
                f_.Command6->click();
            },
            Qt::QueuedConnection);
        e->ignore();
        return true;
    }

private:
    tavrin::form2 &f_;
    bool used_ = false;
};

// Input that arrives while a sweep runs: each time a sweep button goes
// down, a few presses, drags and option clicks are queued behind it, so the
// sweep meets them while it draws. The final close comes inside a sweep.
void QueueInputBehindSweeps(tavrin::form2 &f, unsigned seed)
{
    // Its own stream from the seed, not the driver's numbers over again.
    static std::mt19937 rng;
    std::seed_seq own{seed, 1u};
    rng.seed(own);
    const auto queue = [&f] {
        const auto pick = [](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const auto unit = [] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); };
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QWidget *targets[] = {f.Picture3, f.Picture3, f.Option1, f.Option2, f.Option6, f.Option7, f.Option9,
                              f.Option11, f.Option10, f.Option5, f.Option14, f.Command2, f.Command3, f.Command7};
        for (int i = 0, n = 2 + pick(6); i < n; ++i) {
            QWidget *w = targets[pick(int(std::size(targets)))];
            const Qt::MouseButton b = buttons[pick(4)];
            QPointF at(unit() * w->width(), unit() * w->height());
            PostMouse(w, QEvent::MouseButtonPress, at, b, b);
            for (int m = pick(4); m > 0; --m) {
                at = QPointF(unit() * w->width(), unit() * w->height());
                PostMouse(w, QEvent::MouseMove, at, Qt::NoButton, b);
            }
            PostMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
        }
    };
    QObject::connect(f.Command6, &QPushButton::pressed, &f, queue);
    QObject::connect(f.Command7, &QPushButton::pressed, &f, queue);
    new CloseInsideASlowSweep(f);
}

// A control pressed in its middle.
PressTarget Middle(QWidget *w) { return {w, QPointF(w->rect().center())}; }

// A point of a window's own background, where no control lies over it.
PressTarget Background(QWidget *window)
{
    for (int y = window->height() / 2; y < window->height(); y += 4)
        for (int x = 4; x < window->width(); x += 4)
            if (!window->childAt(x, y)) return {window, QPointF(x, y)};
    return {window, QPointF(1, 1)};
}

// The ray model or the wave model open, as a user opens them.
QWidget *OpenRay()
{
    auto &ray = tavrin::Navigation::Get().RayForm();
    ray.show();
    return &ray;
}

QWidget *OpenWave()
{
    tavrin::Navigation::Get().StartForm().show();
    auto &wave = tavrin::Navigation::Get().WaveForm();
    wave.show();
    return &wave;
}

} // namespace

std::vector<Program> Programs()
{
    return {
        {QStringLiteral("streu"),
         [](unsigned) {
             auto *f = new streu::Form1;
             f->Form_Load();
             f->show();
             return static_cast<QWidget *>(f);
         }},
        {QStringLiteral("prisma"),
         [](unsigned) {
             auto *f = new prisma::Form1;
             f->Form_Load();
             f->show();
             return static_cast<QWidget *>(f);
         }},
        // tavrin from its start window; the driver's clicks open the models.
        {QStringLiteral("tavrin"),
         [](unsigned) {
             auto &start = tavrin::Navigation::Get().StartForm();
             start.show();
             return static_cast<QWidget *>(&start);
         },
         StartWindowEnd},
        // tavrin with the ray model open, as after the left "Start".
        {QStringLiteral("tavrin-ray"),
         [](unsigned) {
             auto &ray = tavrin::Navigation::Get().RayForm();
             ray.show();
             return static_cast<QWidget *>(&ray);
         },
         StartWindowEnd, [] { return static_cast<QWidget *>(tavrin::Navigation::Get().RayForm().Command6); }},
        // The ray model with input arriving in the middle of its sweeps.
        {QStringLiteral("tavrin-ray-busy"),
         [](unsigned seed) {
             auto &ray = tavrin::Navigation::Get().RayForm();
             ray.show();
             QueueInputBehindSweeps(ray, seed);
             return static_cast<QWidget *>(&ray);
         },
         StartWindowEnd},
        // tavrin with the wave model open beside the start window.
        {QStringLiteral("tavrin-wave"),
         [](unsigned) {
             tavrin::Navigation::Get().StartForm().show();
             auto &wave = tavrin::Navigation::Get().WaveForm();
             wave.show();
             return static_cast<QWidget *>(&wave);
         },
         StartWindowEnd, [] { return static_cast<QWidget *>(tavrin::Navigation::Get().WaveForm().Command2); }},
        // The rainbow in sunlight over the wave model: every click starts a
        // computation that cancels the one before, and the stream reaches the
        // spread's bar and Lee's diagram (clicks, arrow keys) while the
        // diagram fills in behind the chosen size's picture. Closing the sunlight
        // window closes only it in tavrin; here its close ends the run, so
        // the stream's final close must still end the program at once while
        // the workers compute.
        {QStringLiteral("tavrin-sun"),
         [](unsigned) {
             OpenWave();
             auto &sun = tavrin::Navigation::Get().SunlightForm();
             sun.show();
             QObject::connect(&sun, &Form::Unload, &sun, [] { End(); });
             return static_cast<QWidget *>(&sun);
         },
         StartWindowEnd},
        // The wave model with clicks arriving in the middle of its runs, and
        // closed in the middle of a sweep at the end.
        {QStringLiteral("tavrin-wave-busy"),
         [](unsigned seed) {
             tavrin::Navigation::Get().StartForm().show();
             auto &wave = tavrin::Navigation::Get().WaveForm();
             wave.show();
             DisturbWaveRuns(wave, seed);
             return static_cast<QWidget *>(&wave);
         },
         StartWindowEnd},
        // The same in the whole-drop model with Airy's theory shown.
        {QStringLiteral("tavrin-wave-whole-busy"),
         [](unsigned seed) {
             tavrin::Navigation::Get().StartForm().show();
             auto &wave = tavrin::Navigation::Get().WaveForm();
             wave.show();
             wave.Option3D7->click();
             wave.Check1->click();
             DisturbWaveRuns(wave, seed);
             return static_cast<QWidget *>(&wave);
         },
         StartWindowEnd},
        // Every control that starts a run, pressed many times in a row.
        {QStringLiteral("tavrin-ray-slow-presses"), [](unsigned) { return OpenRay(); }, StartWindowEnd, {},
         [] { return Middle(tavrin::Navigation::Get().RayForm().Command6); }},
        {QStringLiteral("tavrin-ray-fast-presses"), [](unsigned) { return OpenRay(); }, StartWindowEnd, {},
         [] { return Middle(tavrin::Navigation::Get().RayForm().Command7); }},
        {QStringLiteral("tavrin-wave-sweep-presses"), [](unsigned) { return OpenWave(); }, StartWindowEnd, {},
         [] { return Middle(tavrin::Navigation::Get().WaveForm().Command2); }},
        {QStringLiteral("tavrin-wave-point-presses"), [](unsigned) { return OpenWave(); }, StartWindowEnd, {},
         [] { return Middle(tavrin::Navigation::Get().WaveForm().Picture4); }},
        // The start window draws five rays more for a click on its background.
        {QStringLiteral("tavrin-start-presses"),
         [](unsigned) {
             auto &start = tavrin::Navigation::Get().StartForm();
             start.show();
             return static_cast<QWidget *>(&start);
         },
         StartWindowEnd, {}, [] { return Background(&tavrin::Navigation::Get().StartForm()); }},
    };
}

void CloseAll() { tavrin::Navigation::Get().Reset(); }

} // namespace rb::robustness
